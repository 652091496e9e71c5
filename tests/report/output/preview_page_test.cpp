#include <gtest/gtest.h>

#include "report/output/report_fixture.h"

namespace {

using report_test::ReportOutput;
using PreviewPage = ReportOutput;

TEST_F(PreviewPage, TheCanvasTakesThePaperAndThePrintableAreaOfThePrinter) {
    services.geometry = {11906, 16838, 11338, 16271};
    auto& p = page(3);
    EXPECT_EQ(p.Picture2.width(), 11906);
    EXPECT_EQ(p.Picture2.height(), 16838);
    EXPECT_EQ(p.Picture2.scaleWidth(), 11338);
    EXPECT_EQ(p.Picture2.scaleHeight(), 16271);
    // 16838 − 7095 = 9743; 9743 / 2 = 4871.5 → 4872 (half to even); 4872 / 2 = 2436.
    EXPECT_EQ(p.VScroll1.max(), 9743);
    EXPECT_EQ(p.VScroll1.largeChange(), 4872);
    EXPECT_EQ(p.VScroll1.smallChange(), 2436);
    // 11906 − 10665 = 1241; 620.5 → 620; 310.
    EXPECT_EQ(p.HScroll1.max(), 1241);
    EXPECT_EQ(p.HScroll1.largeChange(), 620);
    EXPECT_EQ(p.HScroll1.smallChange(), 310);
    EXPECT_EQ(p.clientWidth(), 10920);
    EXPECT_EQ(p.clientHeight(), 7350);
    EXPECT_FALSE(p.titleBar());
    EXPECT_EQ(p.Picture2.surface().fontSize(), 11.25);
}

TEST_F(PreviewPage, ScrollRangesStayWithinWhatAScrollBarHolds) {
    struct Case {
        platform::PrinterGeometry g;
        int vMax, vLarge, hMax, hLarge;
    };
    const std::vector<Case> cases{
        // A page smaller than the viewport scrolls by nothing; the steps stay valid.
        {{5000, 6000, 4800, 5800}, 0, 1, 0, 1},
        // A page taller than 32767 twips beyond the viewport: the maximum a scroll bar holds.
        {{60000, 60000, 59000, 59000}, 32767, 16384, 32767, 16384},
        // An unusable report of the printer falls back to A4.
        {{0, -1, 0, 0}, 9743, 4872, 1241, 620},
    };
    for (const Case& c : cases) {
        services.geometry = c.g;
        auto& p = page(1);
        EXPECT_EQ(p.VScroll1.max(), c.vMax);
        EXPECT_EQ(p.VScroll1.largeChange(), c.vLarge);
        EXPECT_EQ(p.HScroll1.max(), c.hMax);
        EXPECT_EQ(p.HScroll1.largeChange(), c.hLarge);
        EXPECT_GE(p.VScroll1.smallChange(), 1);
        p.Men_Cls.click();
    }
}

TEST_F(PreviewPage, ScrollingMovesTheCanvasInsideTheViewport) {
    auto& p = page(2);
    p.VScroll1.setValue(p.VScroll1.max());
    p.HScroll1.setValue(p.HScroll1.max());
    // The page's bottom right edge meets the viewport's: −9743 + 16838 = 7095.
    EXPECT_EQ(p.Picture2.top(), -9743);
    EXPECT_EQ(p.Picture2.top() + p.Picture2.height(), p.Picture1.height());
    EXPECT_EQ(p.Picture2.left() + p.Picture2.width(), p.Picture1.width());
}

TEST_F(PreviewPage, CloseUnloadsEveryPageAndShowsTheToolbar) {
    auto& main = prog.MDIForm1();
    main.Toolbar1.setVisible(false);
    for (int n = 1; n <= 9; ++n)
        page(n);
    page(7).Men_Cls.click();
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(loaded(n)) << n;
    EXPECT_TRUE(main.Toolbar1.visible());

    // Through the window frame: the same unloading, the toolbar stays hidden.
    main.Toolbar1.setVisible(false);
    report::turnTo(prog, nullptr, 4, {});
    page(9);
    page(4).userClose();
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(loaded(n)) << n;
    EXPECT_FALSE(main.Toolbar1.visible());
    EXPECT_EQ(prog.Pri_Obj, nullptr); // nothing refers to a canvas that is gone
}

TEST_F(PreviewPage, APageReachedAgainKeepsItsScrollBarsAndIsRedrawn) {
    report::turnTo(prog, nullptr, 2, {});
    page(2).VScroll1.setValue(100);
    page(2).Men_Nex.click();
    page(3).Men_Pre.click();
    EXPECT_EQ(page(2).VScroll1.value(), 100);
    EXPECT_EQ(page(2).Picture2.top(), -100);
}

TEST_F(PreviewPage, PrintFromAPageAndCancelLeavesThePage) {
    report::turnTo(prog, nullptr, 3, {});
    page(3).Picture2.surface().print({"Form5 drawn"});
    services.onModal = [](platform::Form& form) {
        ASSERT_EQ(form.name(), "Form15");
        static_cast<report::Form15&>(form).cmd2.click();
    };
    page(3).Men_Prn.click();
    EXPECT_EQ(services.modalForms, std::vector<std::string>{"Form15"});
    EXPECT_EQ(texts(page(3).Picture2.surface().page()),
              (std::vector<std::string>{"Form4.Doatu", "Form4.Doatu2", "Form5 drawn"}));
    EXPECT_EQ(prog.Pri_Obj, &page(3).Picture2.surface());
    EXPECT_TRUE(services.printed.empty());
}

} // namespace
