#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "pdf_pages.h"

#include "sections/sections_fixture.h"

namespace {

// Report pages 6 to 9 of the typical wall with a heel, a toe and a key, every member checked with D16 at 200
// mm but member B with D10 at 1000 mm (its steel stress exceeded, in light magenta), printed into a PDF with
// the program's line pitch. MEMBER_PAGES_PDF names a file to keep for looking at.
TEST(MemberPagesPdf, PagesSixToNinePrintIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    sections_test::typicalWallWithKey(prog);
    ASSERT_TRUE(stability_test::run(prog));
    // D10 for member B, else D16.
    sections_test::checkMembers(
        prog, [](std::size_t i) { return i == 1 ? 0 : 4; },
        [](std::size_t i) { return i == 1 ? "1000" : "200"; });
    auto& f7 = prog.Form7();

    platform::RecordingSurface pri;
    pri.setFontSize(11);
    f7.HAIKIN_A(pri);
    f7.HAIKIN_B(pri);
    pri.newPage();
    f7.HAIKIN_E(pri);
    f7.HAIKIN_F(pri);
    pri.newPage();
    f7.HAIKIN_G(pri);
    f7.HAIKIN_H(pri);
    pri.newPage();
    f7.HAIKIN_I(pri);
    f7.HAIKIN_J(pri);
    ASSERT_EQ(pri.pages().size(), 4u);
    EXPECT_GT(services.beeps, 0);

    EXPECT_EQ(gui_test::printToPdf(pri.pages(), "MEMBER_PAGES_PDF"), 4);
}

} // namespace
