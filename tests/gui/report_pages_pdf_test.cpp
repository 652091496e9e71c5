#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "pdf_pages.h"

#include "stability/stability_fixture.h"

namespace {

// Pages 1 to 3 of a one-sided wall with toe, heel, fill and surcharges, KA by Coulomb, printed into a
// PDF with the program's line pitch. REPORT_PDF names a file to keep for looking at.
TEST(ReportPagesPdf, PagesOneToThreeOfAProjectPrintIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    prog.Form4().opt8.setValue(true);
    ASSERT_TRUE(prog.Form3().HENSUU());
    ASSERT_TRUE(prog.Form4().HENSUU());
    ASSERT_TRUE(prog.Form4().KEISAN());
    ASSERT_TRUE(prog.Form4().DANMEM_1());

    platform::RecordingSurface pri;
    pri.setFontSize(11);
    prog.Form3().Ippan(pri);
    pri.newPage();
    prog.Form4().KEIJYOU(pri);
    prog.Form4().JIJYUU(pri);
    pri.newPage();
    prog.Form4().Doatu(pri);
    prog.Form4().Doatu2(pri);
    ASSERT_EQ(pri.pages().size(), 3u);

    EXPECT_EQ(gui_test::printToPdf(pri.pages(), "REPORT_PDF"), 3);
}

} // namespace
