#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace {

using conditions_test::Conditions;

// Enter from each box, as a key event, and where the focus lands.
TEST_F(Conditions, EnterMovesAlongTheScreensChain) {
    auto& f = f3();
    struct Step {
        platform::EditBox* from;
        platform::Control* to;
    };
    const std::vector<Step> normal{
        {&f.txt1, &f.txt2},  {&f.txt2, &f.txt3},  {&f.txt3, &f.txt4},   {&f.txt4, &f.txt5},
        {&f.txt5, &f.txt6},  {&f.txt6, &f.cbo1},  {&f.cbo1, &f.txt8},   {&f.txt8, &f.txt10},
        {&f.txt10, &f.cbo2}, {&f.cbo2, &f.txt14}, {&f.txt14, &f.txt11}, {&f.txt11, &f.opt5},
        {&f.txt9, &f.cmd1},
    };
    for (const auto& s : normal) {
        s.from->setText("12");
        s.from->setFocus();
        EXPECT_EQ(s.from->keyPress(13), 0) << s.from->name(); // swallowed: no beep, nothing inserted
        EXPECT_EQ(f.activeControl(), s.to) << s.from->name();
        if (auto* box = dynamic_cast<platform::TextBox*>(s.to)) {
            EXPECT_EQ(box->selStart(), 0);
            EXPECT_EQ(box->selLength(), platform::charCount(box->text())) << box->name();
        }
    }
    EXPECT_EQ(services.beeps, 0);
    // The short-term box joins the chain only while it is on view.
    f.cmd2.click();
    f.txt3.setFocus();
    f.txt3.type("\r");
    EXPECT_EQ(f.activeControl(), &f.txt13);
    f.txt13.type("\r");
    EXPECT_EQ(f.activeControl(), &f.txt4);
    // Enter on "常時" after μ presses it.
    f.cmd4.setEnabled(true);
    f.txt9.setFocus();
    f.txt9.type("\r");
    ASSERT_EQ(f.activeControl(), &f.cmd1);
    f.cmd1.click();
    EXPECT_TRUE(f.opt3.value());
    EXPECT_FALSE(f.cmd4.enabled());
}

TEST_F(Conditions, ClickSelectsAllAndDoubleClickSelectsFromTheEleventhCharacter) {
    auto& f = f3();
    f.txt5.setText("25");
    f.txt5.click();
    EXPECT_EQ(f.txt5.selLength(), 2);
    f.txt5.dblClick();
    EXPECT_EQ(f.txt5.selStart(), 2); // clamped to the end: caret after "5"
    EXPECT_EQ(f.txt5.selLength(), 0);
    f.txt5.setText("123456789012345");
    f.txt5.dblClick();
    EXPECT_EQ(f.txt5.selStart(), 10);
    EXPECT_EQ(f.txt5.selLength(), 5);

    // The site box starts at character 30.
    f.txt1.setText(std::string(30, 'a'));
    f.txt1.dblClick();
    EXPECT_EQ(f.txt1.selStart(), 30);
    EXPECT_EQ(f.txt1.selLength(), 0);
    f.txt1.setText(std::string(35, 'a'));
    f.txt1.dblClick();
    EXPECT_EQ(f.txt1.selStart(), 30);
    EXPECT_EQ(f.txt1.selLength(), 5);
}

// Which user action calls which mark. Each starts from results on view with the dimensions screen
// shown; H1 = verdicts hidden and Sigma_max 0, H2 = toolbar buttons 3, 5, 6 disabled,
// F7 = member design voided (SectCheck_Done 0), hide = dimensions screen hidden.
TEST_F(Conditions, WhichEditMarksWhichResultsStale) {
    using F = conditions::Form3;
    struct Case {
        const char* edit;
        std::function<void(F&)> prepare, act;
        bool h1, h2, f7, hide;
    };
    auto none = [](F&) {};
    auto typeIn = []<class Box>(Box F::*box, const char* keys) {
        return [box, keys](F& f) {
            (f.*box).setFocus();
            (f.*box).type(keys);
        };
    };
    auto clickIn = [](platform::TextBox F::*box) { return [box](F& f) { (f.*box).click(); }; };
    auto withPhiB = [](F& f) { f.txt11.setText("30"); };
    auto withOpt7 = [](F& f) { f.opt7.setValue(true); };
    const std::vector<Case> cases{
        {"site typed", none, typeIn(&F::txt1, "x"), false, false, false, false},
        {"site clicked", none, clickIn(&F::txt1), false, false, false, false},
        {"γs typed", none, typeIn(&F::txt5, "1"), true, true, true, true},
        {"γs Enter", none, typeIn(&F::txt5, "\r"), true, true, true, true},
        {"γs clicked", none, clickIn(&F::txt5), true, true, true, true},
        {"γs double-clicked", none, [](F& f) { f.txt5.dblClick(); }, false, false, false, false},
        {"γs Delete (no key event)", [](F& f) { f.txt5.setText("18"); },
         [](F& f) { f.txt5.userEdit("1", 1); }, true, true, true, true},
        {"γs set by code", none, [](F& f) { f.txt5.setText("17"); }, false, false, false, false},
        {"cohesion clicked", none, clickIn(&F::txt14), true, true, true, true},
        {"μ clicked", none, clickIn(&F::txt9), true, true, true, true},
        {"σsa short typed", [](F& f) { f.txt13.setVisible(true); }, typeIn(&F::txt13, "3"), true, true, true,
         true},
        {"soil picked from the list", none, [](F& f) { f.cbo1.choose(2); }, true, false, false, false},
        {"soil typed", none, typeIn(&F::cbo1, "a"), false, false, false, false},
        {"soil Enter", none, typeIn(&F::cbo2, "\r"), true, false, true, false},
        {"常時", none, [](F& f) { f.cmd1.click(); }, true, true, true, true},
        {"地震時", none, [](F& f) { f.cmd2.click(); }, true, true, true, true},
        {"road works basis", none, [](F& f) { f.opt_D.click(); }, true, true, true, true},
        {"building basis", none, [](F& f) { f.opt_T.click(); }, true, true, true, true},
        {"tanφ with φB", withPhiB, [](F& f) { f.opt6.click(); }, true, true, true, false},
        {"tanφ without φB", none, [](F& f) { f.opt6.click(); }, false, false, false, false},
        {"直接入力", none, [](F& f) { f.opt5.click(); }, true, false, true, false},
        {"考慮する", none, [](F& f) { f.opt7.click(); }, true, false, true, false},
        {"しない", withOpt7, [](F& f) { f.opt8.click(); }, true, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        prog.MDIForm1().FileNew();
        c.prepare(f3());
        resultsPresent();
        f4().show(); // on view, to see which edits hide it
        c.act(f3());
        EXPECT_EQ(prog.d.Sigma_max == 0, c.h1);
        EXPECT_EQ(!f4().lbl52.visible() && !f4().lbl73.visible(), c.h1 || c.hide);
        EXPECT_EQ(!buttonsEnabled(), c.h2);
        EXPECT_EQ(prog.d.SectCheck_Done == 0, c.f7);
        EXPECT_EQ(!f4().visible(), c.hide);
    }
}

TEST_F(Conditions, FrictionAnglesResetAComputedEarthPressureCoefficient) {
    // A computed coefficient is emptied and its option cleared; a typed one stands.
    f4().opt8.setValue(true);
    f4().txt11.setText("0.297");
    f3().txt8.setFocus();
    f3().txt8.type("3");
    EXPECT_EQ(f4().txt11.text(), "");
    EXPECT_FALSE(f4().opt8.value());

    f4().opt7.setValue(true);
    f4().txt11.setText("0.35");
    f3().txt10.click();
    EXPECT_EQ(f4().txt11.text(), "0.35");
    EXPECT_TRUE(f4().opt7.value());
}

TEST_F(Conditions, BearingAngleEmptiesTheFrictionCoefficient) {
    enterConditions();
    f3().txt11.setFocus();
    f3().txt11.type("\r");
    EXPECT_EQ(f3().txt9.text(), "");
    EXPECT_FALSE(f3().opt5.value() || f3().opt6.value());
    EXPECT_EQ(f3().activeControl(), &f3().opt5); // the focus moved before the reset
}

TEST_F(Conditions, TypingACohesionChoosesToConsiderIt) {
    auto& f = f3();
    f.txt14.click();
    EXPECT_TRUE(f.txt14.border());
    EXPECT_TRUE(f.opt8.value()); // a click alone keeps "しない"
    f.txt14.type("12");
    EXPECT_TRUE(f.opt7.value());
    EXPECT_EQ(f.txt14.text(), "12"); // the choice does not select what was typed so far
    EXPECT_EQ(f.txt14.selStart(), 2);
}

TEST_F(Conditions, TypingOrClickingTheFrictionCoefficientChoosesDirectEntry) {
    auto& f = f3();
    f.txt9.click();
    EXPECT_TRUE(f.txt9.border());
    EXPECT_TRUE(f.opt5.value());
    EXPECT_EQ(f.activeControl(), &f.txt9);

    f.opt5.setValue(false);
    f.txt9.setFocus();
    f.txt9.type("0.45");
    EXPECT_TRUE(f.opt5.value());
    EXPECT_EQ(f.txt9.text(), "0.45");
}

} // namespace
