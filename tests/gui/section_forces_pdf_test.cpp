#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "page_layout.h"
#include "pdf_pages.h"
#include "report/section_forces_walls.h"
#include "stability/stability_fixture.h"

namespace {

// The section-force page of the typical wall (toe, heel, Coulomb's coefficient) in the normal case and
// under the seismic earth pressure, printed into a PDF with the fonts' own line heights. REPORT_PDF names
// a file to keep for looking at.
TEST(SectionForcesPdf, TheSectionForcePagePrintsIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    platform::RecordingSurface pri;
    pri.setFontSize(11);

    ASSERT_TRUE(stability_test::run(prog));
    auto& f7 = prog.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    f7.cmd5.click(); // "計算する": KA by Coulomb
    ASSERT_TRUE(f7.HAIKIN(pri));

    pri.newPage();
    stability_test::seismic(prog, stability_test::Method::K1, "0.2", "0.1");
    ASSERT_TRUE(stability_test::run(prog));
    ASSERT_TRUE(f7.TEKKIN());
    f7.cmd5.click();
    ASSERT_TRUE(f7.HAIKIN(pri));
    ASSERT_EQ(pri.pages().size(), 2u);
    EXPECT_TRUE(services.messages.empty());

    EXPECT_EQ(gui_test::printToPdf(pri.pages(), "REPORT_PDF"), 2);
}

// The section-force page of every wall of the layout table, one sheet each, measured as the printer sets
// it: no text crosses a line or another text or leaves the sheet. SECTION_FORCES_PDF names a file to keep
// for looking at.
TEST(SectionForcesPdf, TheWallsOfTheLayoutTablePrintIntoAPdfWithTheirTextsClear) {
    gui::QtServices qt;
    gui_test::SheetLayout layout;
    std::vector<platform::Page> pages;
    for (const auto& w : section_forces_test::walls()) {
        pages.push_back(section_forces_test::record(w));
        ASSERT_FALSE(pages.back().empty()) << w.name;
        for (const auto& f : layout.check(pages.back(), 5))
            ADD_FAILURE() << f.message(w.name);
    }
    EXPECT_EQ(gui_test::printToPdf(pages, "SECTION_FORCES_PDF"), static_cast<int>(pages.size()));
}

} // namespace
