#include <string>
#include <vector>

#include "stability_fixture.h"

namespace stability_test {
namespace {

class DimensionBoxes : public StabilityTest {
protected:
    // Results present, output buttons on and a member design on screen, as after a run.
    void results() {
        prog.d.Sigma_max = 35;
        for (auto* l : f4().verdictLabels())
            l->setVisible(true);
        prog.MDIForm1().Toolbar1.setButtonEnabled(5, true);
        prog.MDIForm1().Toolbar1.setButtonEnabled(6, true);
        prog.d.SectCheck_Done = 1;
    }
    bool stale() {
        return prog.d.Sigma_max == 0 && !f4().lbl57.visible() && !prog.MDIForm1().Toolbar1.buttonEnabled(5) &&
               prog.d.SectCheck_Done == 0;
    }
    bool untouched() {
        return prog.d.Sigma_max == 35 && f4().lbl57.visible() && prog.MDIForm1().Toolbar1.buttonEnabled(5) &&
               prog.d.SectCheck_Done == 1;
    }
    // The names of the controls reached by pressing Enter from txt1 until a command has the focus.
    std::vector<std::string> walk() {
        std::vector<std::string> names{"txt1"};
        f4().txt1.setFocus();
        for (int i = 0; i < 30; ++i) {
            auto* box = dynamic_cast<platform::TextBox*>(f4().activeControl());
            if (!box) break;
            box->type("\r");
            names.push_back(f4().activeControl()->name());
        }
        return names;
    }
};

TEST_F(DimensionBoxes, EnterWalksTheChainOfEachGroundShape) {
    simpleWall(prog);
    EXPECT_EQ(walk(), (std::vector<std::string>{"txt1",  "txt2",  "txt3",  "txt4",  "txt5",  "txt6",
                                                "txt7",  "txt8",  "txt9",  "txt10", "txt13", "txt15",
                                                "txt14", "txt12", "txt16", "txt17", "txt18", "txt19",
                                                "txt20", "txt21", "txt22", "txt23", "cmd7"}));
    EXPECT_EQ(f4().txt11.text(), "0.3"); // nothing is run at the end of the chain
    prog.Form23().opt2.setValue(true);
    f4().txt3.setVisible(false);
    f4().txt4.setVisible(false);
    f4().txt23.setVisible(false);
    EXPECT_EQ(walk(), (std::vector<std::string>{"txt1",  "txt2",  "txt5",  "txt6",  "txt7",  "txt8",  "txt9",
                                                "txt10", "txt13", "txt15", "txt14", "txt12", "txt16", "txt17",
                                                "txt18", "txt19", "txt20", "txt21", "txt22", "cmd3"}));
    EXPECT_FALSE(f4().lbl57.visible()); // "安定性の検討" only has the focus
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(DimensionBoxes, EnterSelectsTheTargetAndIsSwallowed) {
    simpleWall(prog);
    f4().txt5.setText("2.4");
    f4().txt6.setText("0.6");
    f4().txt5.setFocus();
    f4().txt5.type("\r");
    EXPECT_EQ(f4().txt5.text(), "2.4");
    EXPECT_TRUE(f4().txt6.hasFocus());
    EXPECT_EQ(f4().txt6.selStart(), 0);
    EXPECT_EQ(f4().txt6.selLength(), 3);
    // Without a shape the symbol box keeps the focus and the key.
    conditions::Form23& f23 = prog.Form23();
    f23.opt1.setValue(false);
    EXPECT_EQ(f4().txt2.keyPress(13), 13);
}

TEST_F(DimensionBoxes, ClicksAndKeysMarkTheResultsStale) {
    simpleWall(prog);
    for (int n = 1; n <= 23; ++n) {
        if (n == 11) continue;
        SCOPED_TRACE("txt" + std::to_string(n));
        results();
        f4().box(n).click();
        EXPECT_EQ(f4().box(n).selLength(), platform::charCount(f4().box(n).text()));
        if (n <= 2)
            EXPECT_TRUE(untouched());
        else
            EXPECT_TRUE(stale());
        results();
        f4().box(n).type("5");
        if (n <= 2)
            EXPECT_TRUE(untouched());
        else
            EXPECT_TRUE(stale());
        results();
        f4().box(n).dblClick();
        EXPECT_TRUE(untouched());
        // Delete, cut and paste, by key or context menu, deliver no character but change the value.
        for (const char* edit : {"", "2.45"}) {
            results();
            f4().box(n).userEdit(edit, platform::charCount(edit));
            if (n <= 2)
                EXPECT_TRUE(untouched());
            else
                EXPECT_TRUE(stale());
        }
    }
}

// Typing in the coefficient box, or in a box the back wall's inclination comes from, marks like a
// click and drops a computed coefficient.
TEST_F(DimensionBoxes, BoxesOfTheInclinationDropAComputedCoefficient) {
    simpleWall(prog);
    for (int n : {5, 6, 9, 10, 15, 17, 7, 8}) {
        SCOPED_TRACE("txt" + std::to_string(n));
        const bool theta = n != 7 && n != 8;
        f4().opt8.setValue(true);
        f4().txt11.setText("0.297");
        f4().box(n).click();
        EXPECT_EQ(f4().txt11.text(), theta ? "" : "0.297");
        f4().txt11.setText("0.297");
        f4().box(n).type("1");
        EXPECT_EQ(f4().txt11.text(), theta ? "" : "0.297");
        f4().txt11.setText("0.297");
        f4().box(n).userEdit("", 0);
        EXPECT_EQ(f4().txt11.text(), theta ? "" : "0.297");
        f4().opt7.setValue(true);
        f4().txt11.setText("0.297");
        f4().box(n).click();
        f4().box(n).type("1");
        f4().box(n).userEdit("", 0);
        EXPECT_EQ(f4().txt11.text(), "0.297");
    }
    results();
    f4().txt11.click();
    EXPECT_TRUE(untouched());
    f4().txt11.type("0.4");
    EXPECT_TRUE(stale());
    results();
    f4().txt11.userEdit("0.35", 4);
    EXPECT_TRUE(stale());
}

TEST_F(DimensionBoxes, DoubleClickSelectsFromTheEleventhCharacter) {
    simpleWall(prog);
    f4().txt5.setText("1.25");
    f4().txt5.dblClick();
    EXPECT_EQ(f4().txt5.selStart(), 4);
    EXPECT_EQ(f4().txt5.selLength(), 0);
    f4().txt5.setText("123456789012");
    f4().txt5.dblClick();
    EXPECT_EQ(f4().txt5.selStart(), 10);
    EXPECT_EQ(f4().txt5.selLength(), 2);
}

TEST_F(DimensionBoxes, LeavingAToeOrHeelBoxCouplesItsPartner) {
    struct Case {
        int box;
        const char* text;
        int partner;
        const char* partnerAfter;
    };
    const Case cases[] = {
        {12, "0", 18, "0"},    {12, "", 18, "0"},     {12, "0.0", 18, "0.3"}, {18, "0", 12, "0"},
        {18, " 0", 12, "0.5"}, {16, "", 19, "0"},     {16, "0.4", 19, "0.3"}, {19, "0", 16, "0"},
        {19, "", 16, "0"},     {19, "00", 16, "0.5"},
    };
    simpleWall(prog);
    for (bool symmetric : {false, true}) {
        (symmetric ? prog.Form23().opt2 : prog.Form23().opt1).setValue(true);
        for (const Case& c : cases) {
            SCOPED_TRACE("txt" + std::to_string(c.box) + " '" + c.text + "'");
            type({{&f4().txt12, "0.5"}, {&f4().txt18, "0.3"}, {&f4().txt16, "0.5"}, {&f4().txt19, "0.3"}});
            f4().box(c.box).setFocus();
            f4().box(c.box).setText(c.text);
            results();
            f4().cmd3.setFocus();
            EXPECT_EQ(f4().box(c.partner).text(), c.partnerAfter);
            EXPECT_TRUE(untouched()); // the partner's handlers do not run
        }
    }
}

TEST_F(DimensionBoxes, TheToeShowsOrHidesTheFrontSoilFrameForTheOneSidedShape) {
    simpleWall(prog);
    f4().txt12.setFocus();
    f4().txt12.setText("0.6");
    f4().cmd3.setFocus();
    EXPECT_TRUE(f4().Frame2.visible());
    f4().opt3.setValue(true);
    // Leaving "0" hides the frame and keeps the choice.
    f4().txt12.setFocus();
    f4().txt12.setText("0");
    f4().cmd3.setFocus();
    EXPECT_FALSE(f4().Frame2.visible());
    EXPECT_TRUE(f4().opt3.value());
    EXPECT_EQ(f4().txt18.text(), "0");
    // A click into a "0" clears the choice as well.
    f4().txt12.click();
    EXPECT_FALSE(f4().opt3.value());
    EXPECT_FALSE(f4().opt4.value());
    // The toe's end thickness shows the frame too; the symmetric shape leaves it alone.
    f4().txt18.setFocus();
    f4().txt18.setText("0.3");
    f4().cmd3.setFocus();
    EXPECT_TRUE(f4().Frame2.visible());
    prog.Form23().opt2.setValue(true);
    f4().Frame2.setVisible(false);
    f4().txt12.setText("0.6");
    f4().txt12.click();
    f4().cmd3.setFocus();
    EXPECT_FALSE(f4().Frame2.visible());
}

TEST_F(DimensionBoxes, BackSurchargeMirrorsOntoTheFrontForTheSymmetricShape) {
    simpleWall(prog);
    prog.d.q_Front = 3;
    f4().txt21.setFocus();
    f4().txt21.setText("12.5");
    f4().cmd3.setFocus();
    EXPECT_EQ(prog.d.q_Front, 3); // one-sided: nothing
    EXPECT_EQ(f4().lbl33.caption(), "");
    prog.Form23().opt2.setValue(true);
    f4().txt21.setFocus();
    f4().cmd3.setFocus();
    EXPECT_EQ(prog.d.q_Front, 12.5f);
    EXPECT_EQ(f4().lbl33.caption(), "12.5");
    f4().txt21.setFocus();
    f4().txt21.setText("");
    f4().cmd3.setFocus();
    EXPECT_EQ(f4().lbl33.caption(), "0");
}

TEST_F(DimensionBoxes, ColoursInputModesAndTabOrder) {
    const platform::Color cyan{192, 255, 255}, yellow{255, 255, 192};
    for (int n = 1; n <= 23; ++n) {
        SCOPED_TRACE(n);
        const auto& b = f4().box(n);
        const bool toe = n == 12 || n == 18 || n == 23, heel = n == 16 || n == 19;
        if (toe)
            EXPECT_EQ(b.backColor(), cyan);
        else if (heel)
            EXPECT_EQ(b.backColor(), yellow);
        else
            EXPECT_NE(b.backColor(), cyan);
        EXPECT_EQ(b.inputMode(), n <= 2 ? platform::InputMode::FullWidthAlpha : platform::InputMode::Off);
    }
    const int order[] = {1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 13, 15, 14, 12, 16, 17, 18, 19, 20, 21, 22, 23};
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(f4().box(order[i]).tabIndex(), i);
    EXPECT_GT(f4().txt11.tabIndex(), 21);
}

} // namespace
} // namespace stability_test
