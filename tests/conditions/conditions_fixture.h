#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "support/recording_services.h"

namespace conditions_test {

// A new project on the design-conditions screen, with helpers that type as the keyboard would.
class Conditions : public ::testing::Test {
protected:
    void SetUp() override {
        prog.MDIForm1().show();
        prog.MDIForm1().FileNew();
    }

    conditions::Form3& f3() { return prog.Form3(); }
    stability::Form4& f4() { return prog.Form4(); }

    // Types into the control that has the focus; "\r" is Enter.
    void typeHere(const std::string& keys) {
        auto* box = dynamic_cast<platform::EditBox*>(f3().activeControl());
        ASSERT_NE(box, nullptr) << "focus on "
                                << (f3().activeControl() ? f3().activeControl()->name() : "none");
        box->type(keys);
    }

    // The design conditions of a normal-case project, entered along the Enter chain.
    void enterConditions() {
        for (const char* keys : {"東京都\r", "24\r", "200\r", "150\r", "18\r", "24.5\r", "砂質土\r", "30\r",
                                 "15\r", "岩\r", "\r", "30\r"})
            typeHere(keys);
        ASSERT_EQ(f3().activeControl(), &f3().opt5);
        f3().opt5.click(); // "直接入力" focuses μ
        typeHere("0.5\r");
        ASSERT_EQ(f3().activeControl(), &f3().cmd1);
    }

    // Results on view: a stability run and a member check that an edit may void.
    void resultsPresent() {
        prog.d.Sigma_max = 150;
        prog.d.SectCheck_Done = 1;
        for (int i : {3, 5, 6})
            prog.MDIForm1().Toolbar1.setButtonEnabled(i, true);
        f4().lbl52.setVisible(true);
        f4().lbl73.setVisible(true);
    }
    bool buttonsEnabled() {
        auto& tb = prog.MDIForm1().Toolbar1;
        return tb.buttonEnabled(3) && tb.buttonEnabled(5) && tb.buttonEnabled(6);
    }

    testing_support::RecordingServices services;
    app::Program prog;
};

} // namespace conditions_test
