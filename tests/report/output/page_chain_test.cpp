#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "report/output/report_fixture.h"

namespace {

using report_test::ReportOutput;
using Steps = std::vector<std::string>;

class PageChain : public ReportOutput {
protected:
    // Opens the preview at `from` as the preview entry would, then forgets what ran.
    void openAt(int from) {
        report::turnTo(prog, nullptr, from, {});
        trace.clear();
    }
};

TEST_F(PageChain, EveryTurnRunsItsPreStepsAndWritersOnTheTargetCanvas) {
    prog.Form7().txt2.setText("200"); // member B has a design spacing: page 4 lets the user on
    members(true, false, false);
    struct Turn {
        int from;
        bool next;
        int to;
        Steps steps;
    };
    const std::vector<Turn> turns{
        {1, true, 2, {"Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU"}},
        {2, false, 1, {"Form3.HENSUU", "Form3.Ippan"}},
        {2, true, 3, {"Form4.Doatu", "Form4.Doatu2"}},
        {3, false, 2, {"Form4.KEIJYOU", "Form4.JIJYUU"}},
        {3, true, 4, {"Form4.DANMEM_1", "Form4.KENTOU"}},
        {4, false, 3, {"Form4.Doatu", "Form4.Doatu2"}},
        {4, true, 5, {"Form7.HAIKIN"}},
        {5, false, 4, {"Form4.DANMEM_1", "Form4.KENTOU"}},
        {5, true, 6, {"Form7.HAIKIN_A", "Form7.HAIKIN_B"}},
        {6, false, 5, {"Form7.HAIKIN"}},
        {6, true, 7, {"Form7.HAIKIN_E", "Form7.HAIKIN_F"}},
        {7, false, 6, {"Form7.HAIKIN_A", "Form7.HAIKIN_B"}},
        {7, true, 8, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}},
        {8, false, 7, {"Form7.HAIKIN_E", "Form7.HAIKIN_F"}},
        {9, false, 8, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}},
    };
    for (const Turn& t : turns) {
        SCOPED_TRACE(std::to_string(t.from) + (t.next ? " next" : " previous"));
        openAt(t.from);
        page(t.from).Picture2.surface().print({"old drawing"});
        auto& menu = t.next ? page(t.from).Men_Nex : page(t.from).Men_Pre;
        menu.click();
        EXPECT_EQ(trace, t.steps);
        EXPECT_FALSE(page(t.from).visible());
        auto& target = page(t.to);
        EXPECT_TRUE(target.visible());
        EXPECT_EQ(target.left(), 0);
        EXPECT_EQ(target.top(), 0);
        EXPECT_EQ(prog.Pri_Obj, &target.Picture2.surface());
        // Cleared, then drawn by the page's writers from the top.
        Steps writers;
        for (const auto& s : t.steps)
            if (s != "Form4.DANMEM_1" && s != "Form3.HENSUU") writers.push_back(s);
        EXPECT_EQ(texts(target.Picture2.surface().page()), writers);
        EXPECT_EQ(std::get<platform::TextOp>(target.Picture2.surface().page().front()).y, 0);
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PageChain, TheNineWindowsAreOneClassUnderNineNamesWithTheirTurnMenus) {
    const std::vector<std::string> names{"Form1", "Form2",  "Form5",  "Form18", "Form6",
                                         "Form8", "Form16", "Form17", "Form20"};
    for (int n = 1; n <= 9; ++n) {
        auto& p = page(n);
        EXPECT_EQ(p.name(), names[static_cast<std::size_t>(n - 1)]);
        EXPECT_EQ(p.page(), n);
        EXPECT_EQ(p.Men_Pre.visible(), n != 1);
        EXPECT_EQ(p.Men_Nex.visible(), n != 9);
        EXPECT_TRUE(p.Men_Nex.enabled());
    }
    EXPECT_EQ(page(8).Men_Nex.caption(), "次のﾍﾟｰｼﾞ(&N)");
    EXPECT_EQ(page(8).Men_Pre.caption(), "前のﾍﾟｰｼﾞ(&F)");
    EXPECT_EQ(page(8).Men_Prn.caption(), "印刷(&P)");
    EXPECT_EQ(page(8).Men_Cls.caption(), "閉じる(&C)");
}

// Pages 8 and 9 for every combination of heel H, toe I and shear key J, with Form17's
// "次のﾍﾟｰｼﾞ(&N)" available only when a page 9 exists.
TEST_F(PageChain, PagesEightAndNineHoldTheOptionalMembers) {
    struct Case {
        bool heel, toe, key;
        Steps page8, page9;
    };
    const std::vector<Case> cases{
        {false, false, false, {"Form7.HAIKIN_G"}, {}},
        {true, false, false, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {}},
        {false, true, false, {"Form7.HAIKIN_G", "Form7.HAIKIN_I"}, {}},
        {false, false, true, {"Form7.HAIKIN_G", "Form7.HAIKIN_J"}, {}},
        {true, true, false, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {"Form7.HAIKIN_I"}},
        {true, false, true, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {"Form7.HAIKIN_J"}},
        {false, true, true, {"Form7.HAIKIN_G", "Form7.HAIKIN_I"}, {"Form7.HAIKIN_J"}},
        {true, true, true, {"Form7.HAIKIN_G", "Form7.HAIKIN_H"}, {"Form7.HAIKIN_I", "Form7.HAIKIN_J"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.heel ? "H" : "") + (c.toe ? "I" : "") + (c.key ? "J" : ""));
        members(c.heel, c.toe, c.key);
        openAt(7);
        page(7).Men_Nex.click();
        EXPECT_EQ(trace, c.page8);
        EXPECT_EQ(page(8).Men_Nex.enabled(), !c.page9.empty());
        trace.clear();
        page(8).Men_Nex.click();
        EXPECT_EQ(trace, c.page9);
        EXPECT_EQ(loaded(9), !c.page9.empty());
        if (!c.page9.empty()) {
            trace.clear();
            page(9).Men_Pre.click();
            EXPECT_EQ(trace, c.page8);
        }
        page(8).Men_Cls.click(); // a fresh Form17 has its item enabled again
        EXPECT_FALSE(loaded(8));
    }
}

TEST_F(PageChain, PageEightsNextStaysOffUntilThePreviewCloses) {
    members(true, false, false);
    openAt(7);
    page(7).Men_Nex.click();
    EXPECT_FALSE(page(8).Men_Nex.enabled());
    members(true, true, true);
    page(8).Men_Pre.click();
    page(7).Men_Nex.click();
    EXPECT_FALSE(page(8).Men_Nex.enabled());
    page(8).Men_Cls.click();
    openAt(7);
    page(7).Men_Nex.click();
    EXPECT_TRUE(page(8).Men_Nex.enabled());
}

TEST_F(PageChain, PageFourAsksForTheSectionDesignFirst) {
    prog.Form7.unload(); // the ground-shape choice created it hidden
    ASSERT_FALSE(prog.Form7.loaded());
    openAt(4);
    page(4).Men_Nex.click();
    EXPECT_EQ(services.lastMessage().text, "断面の計算をしてください。");
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_TRUE(page(4).visible());
    EXPECT_FALSE(loaded(5));
    EXPECT_EQ(prog.Pri_Obj, &page(4).Picture2.surface());
    EXPECT_TRUE(trace.empty());
    EXPECT_TRUE(prog.Form7.loaded()); // reading the box loaded the screen
    EXPECT_FALSE(prog.Form7().visible());
}

TEST_F(PageChain, TurningToPageFourLoadsTheSectionScreenHidden) {
    prog.Form7.unload();
    prog.d.ScreenNo = 2;
    openAt(3);
    page(3).Men_Nex.click();
    ASSERT_TRUE(prog.Form7.loaded());
    EXPECT_FALSE(prog.Form7().visible());
    EXPECT_FALSE(page(2).visible());
    EXPECT_EQ(prog.d.ScreenNo, 3);
}

TEST_F(PageChain, AFailingCalculationShowsItsMessageAndLeavesThePageEmpty) {
    prog.Form4().txt3.setText("1e39"); // beyond the single range
    prog.d.ScreenNo = 2;
    prog.MDIForm1().FileImage();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(trace, (Steps{"Form4.HENSUU"}));
    EXPECT_TRUE(page(2).visible());
    EXPECT_TRUE(page(2).Picture2.surface().page().empty());
}

TEST_F(PageChain, ThePreviewOpensAtThePageOfTheScreenInUse) {
    struct Case {
        int screen, page;
        Steps steps;
    };
    const std::vector<Case> cases{
        {1, 1, {"Form3.Ippan"}},
        {2, 2, {"Form4.HENSUU", "Form4.DANMEM_1", "Form4.KEIJYOU", "Form4.JIJYUU"}},
        {3, 5, {"Form4.HENSUU", "Form4.DANMEM_1", "Form7.HAIKIN"}},
    };
    auto& main = prog.MDIForm1();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        prog.d.ScreenNo = c.screen;
        main.Toolbar1.setButtonEnabled(5, true);
        main.Toolbar1.click(5);
        EXPECT_EQ(trace, c.steps);
        EXPECT_FALSE(main.Toolbar1.visible());
        EXPECT_TRUE(page(c.page).visible());
        EXPECT_EQ(prog.Pri_Obj, &page(c.page).Picture2.surface());
        page(c.page).Men_Cls.click();
        EXPECT_TRUE(main.Toolbar1.visible());
        trace.clear();
    }
    prog.d.ScreenNo = 1;
    main.Men_FImg.click();
    EXPECT_EQ(trace, (Steps{"Form3.Ippan"}));
}

} // namespace
