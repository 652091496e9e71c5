#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "app/program.h"
#include "report/output/page_chain.h"
#include "report/output/preview_page.h"
#include "stability/stability_fixture.h"
#include "support/recording_services.h"

namespace report_test {

// A computed wall on the screens, the main window shown, and a trace of the page steps that run.
class ReportOutput : public ::testing::Test {
protected:
    void SetUp() override {
        prog.MDIForm1().show();
        stability_test::typicalWall(prog);
        ASSERT_TRUE(stability_test::run(prog));
        // The writers draw nothing yet: each leaves its name on the output object in their place.
        report::setStepObserver([this](const std::string& name) {
            trace.push_back(name);
            if (name.find("HENSUU") == std::string::npos && name != "Form4.DANMEM_1" && prog.Pri_Obj)
                prog.Pri_Obj->print({name});
        });
    }
    void TearDown() override { report::setStepObserver(nullptr); }

    report::PreviewPage& page(int n) { return report::previewPage(prog, n); }
    // The writers' names left on a page, in order (the writers that exist draw their page as well).
    static std::vector<std::string> texts(const platform::Page& page) {
        std::vector<std::string> out;
        for (const auto& op : page)
            if (auto* t = std::get_if<platform::TextOp>(&op); t && t->text.rfind("Form", 0) == 0)
                out.push_back(t->text);
        return out;
    }
    bool loaded(int n) { return report::previewSlot(prog, n).loaded(); }
    // The optional members: heel, toe, shear key.
    void members(bool heel, bool toe, bool key) {
        prog.d.B_Heel = heel ? 0.5f : 0;
        prog.d.B_Toe = toe ? 0.6f : 0;
        prog.d.H0_Key = key ? 0.3f : 0;
    }

    testing_support::RecordingServices services;
    app::Program prog;
    std::vector<std::string> trace;
};

} // namespace report_test
