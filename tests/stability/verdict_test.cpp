#include <string>
#include <vector>

#include "platform/surface.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

using platform::kBlack;
using platform::kLightMagenta;

// The twenty labels in the order of the rows: eccentricity, overturning, bearing, sliding, no key.
std::vector<platform::Label*> rows(stability::Form4& f) {
    return {&f.lbl71, &f.lbl72, &f.lbl73, &f.lbl52, &f.lbl53, &f.lbl54, &f.lbl56,
            &f.lbl57, &f.lbl58, &f.lbl59, &f.lbl60, &f.lbl61, &f.lbl62, &f.lbl64,
            &f.lbl65, &f.lbl66, &f.lbl67, &f.lbl68, &f.lbl69, &f.lbl70};
}

class Verdicts : public StabilityTest {
protected:
    void press() {
        ASSERT_TRUE(f3().HENSUU());
        f4().cmd3.click();
    }
    std::vector<std::string> texts() {
        std::vector<std::string> v;
        for (auto* l : rows(f4()))
            v.push_back(l->caption());
        return v;
    }
    // 'v' visible, '-' hidden, per label in the order of rows().
    std::string shown() {
        std::string s;
        for (auto* l : rows(f4()))
            s += l->visible() ? 'v' : '-';
        return s;
    }
    // 'k' black, 'm' light magenta, per label of the four coloured rows (lbl67 excluded).
    std::string colours() {
        std::string s;
        for (auto* l : rows(f4()))
            if (l != &f4().lbl67)
                s += l->foreColor() == kBlack ? 'k' : l->foreColor() == kLightMagenta ? 'm' : '?';
        return s;
    }
    bool button(int i) { return prog.MDIForm1().Toolbar1.buttonEnabled(i); }
    std::vector<platform::TextOp> notes() {
        std::vector<platform::TextOp> v;
        for (const auto& op : f4().surface().page())
            if (auto* t = std::get_if<platform::TextOp>(&op)) v.push_back(*t);
        return v;
    }
};

TEST_F(Verdicts, PassingWallNormalCaseOneSided) {
    simpleWall(prog);
    press();
    EXPECT_TRUE(services.messages.empty());
    // e 0.199 ≤ B/6 = 0.433; F 6.520 ≥ 1.5; σmax 35.043 ≤ 150; F 2.006 ≥ 1.5 (engine test's hand values).
    EXPECT_EQ(texts(), (std::vector<std::string>{"e(m)=",
                                                 "0.199",
                                                 "< B/6∴O.K",
                                                 "F =",
                                                 "6.520",
                                                 "> 1.5∴O.K",
                                                 "σmax=",
                                                 "35.043",
                                                 "kN/m2",
                                                 "<",
                                                 "150.0",
                                                 "kN/m2",
                                                 "∴O.K",
                                                 "F =",
                                                 "2.006",
                                                 "> 1.5 ∴O.K",
                                                 "突起の無い状態で",
                                                 "",
                                                 "",
                                                 ""}));
    EXPECT_EQ(shown(), "vvvvvvvvvvvvvvvv----");
    EXPECT_EQ(colours(), std::string(19, 'k'));
    EXPECT_EQ(services.beeps, 0);
    EXPECT_TRUE(button(5));
    EXPECT_TRUE(button(6));
    EXPECT_FALSE(button(3));
    EXPECT_TRUE(f4().cmd1.hasFocus());
    EXPECT_TRUE(notes().empty());
    EXPECT_EQ(prog.d.Sigma_max, 35.042839f);
}

TEST_F(Verdicts, FailingWallNormalCaseOneSided) {
    simpleWall(prog);
    type({{&f4().txt11, "0.6"}, {&f4().txt21, "20"}, {&f3().txt4, "100"}});
    press();
    // e 0.953 > 0.433; F 1.365 < 1.5; σmax 119.752 > fe 100; F 0.521 < 1.5: three beeps, bearing silent.
    EXPECT_EQ(texts(), (std::vector<std::string>{"e(m)=",
                                                 "0.953",
                                                 "> B/6∴NG",
                                                 "F =",
                                                 "1.365",
                                                 "< 1.5∴NG",
                                                 "σmax=",
                                                 "119.752",
                                                 "kN/m2",
                                                 ">",
                                                 "100.0",
                                                 "kN/m2",
                                                 "∴NG",
                                                 "F =",
                                                 "0.521",
                                                 "< 1.5 ∴NG",
                                                 "突起の無い状態で",
                                                 "",
                                                 "",
                                                 ""}));
    EXPECT_EQ(shown(), "vvvvvvvvvvvvvvvv----");
    EXPECT_EQ(colours(), std::string(16, 'm') + "kkk");
    EXPECT_EQ(services.beeps, 3);
    EXPECT_TRUE(button(5)); // a failing verdict is shown, never refused
}

TEST_F(Verdicts, SeismicCaseLimitsFollowTheDialog) {
    struct Case {
        const char *ka, *what;
        bool overturn12, slide12;
        std::vector<std::string> texts;
        std::string colours;
        int beeps;
    };
    // K2 with kh 0.2: KA 0.3 gives e 0.419, F 3.100, F_Slide 1.113; KA 0.5 gives F_Slide 0.813.
    const Case cases[] = {
        {"0.3",
         "B/2 and 1.0",
         false,
         false,
         {"< B/2∴O.K", "> 1.0∴O.K", "> 1.0 ∴O.K"},
         std::string(19, 'k'),
         0},
        {"0.3",
         "B/3 and 1.2: sliding fails at 1.113 ≥ 1.0 with no fill, so it beeps",
         true,
         true,
         {"< B/3∴O.K", "> 1.2∴O.K", "< 1.2 ∴NG"},
         std::string(13, 'k') + "mmm" + "kkk",
         1},
        {"0.5",
         "B/3 and 1.2: sliding fails below 1.0, silent",
         true,
         true,
         {"< B/3∴O.K", "> 1.2∴O.K", "< 1.2 ∴NG"},
         std::string(13, 'k') + "mmm" + "kkk",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        simpleWall(prog);
        seismic(prog, Method::K2, "0.2");
        f4().txt11.setText(c.ka);
        auto& f21 = prog.Form21();
        (c.overturn12 ? f21.opt2 : f21.opt1).setValue(true);
        (c.slide12 ? f21.opt6 : f21.opt5).setValue(true);
        services.beeps = 0;
        press();
        EXPECT_TRUE(services.messages.empty());
        const auto t = texts();
        EXPECT_EQ((std::vector<std::string>{t[2], t[5], t[15]}), c.texts);
        EXPECT_EQ(colours(), c.colours);
        EXPECT_EQ(services.beeps, c.beeps);
        EXPECT_EQ(shown(), "vvvvvvvvvvvvvvvv----");
        EXPECT_EQ(t[10], "300.0"); // the short-term fe
    }
}

TEST_F(Verdicts, SymmetricShapeShowsBearingOnlyAndPrintsTheNotes) {
    for (bool seismicCase : {false, true}) {
        SCOPED_TRACE(seismicCase ? "seismic" : "normal");
        simpleWall(prog);
        if (seismicCase) {
            seismic(prog, Method::K1, "0.2");
            prog.Form21().opt1.setValue(true);
            prog.Form21().opt5.setValue(true);
        }
        prog.Form23().opt2.setValue(true);
        f4().cls();
        press();
        EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
        EXPECT_EQ(shown(), "------vvvvvvv-------");
        EXPECT_EQ(services.beeps, 0);
        const auto n = notes();
        ASSERT_EQ(n.size(), 2u);
        EXPECT_EQ(n[0].text, "対称土圧の為、転倒は生じない。");
        EXPECT_EQ(n[0].x, 8200);
        EXPECT_EQ(n[0].y, 2550);
        EXPECT_EQ(n[1].text, "対称土圧の為、滑動は生じない。");
        EXPECT_EQ(n[1].x, 8200);
        EXPECT_EQ(n[1].y, 4200);
        EXPECT_EQ(n[0].fontName, f4().fontName());
    }
}

TEST_F(Verdicts, KeyedWallShowsTheWallWithoutItsKeyUnderTheBuildingBasis) {
    simpleWall(prog);
    f4().txt11.setText("0.6");
    f4().opt6.setValue(true);
    auto& f19 = prog.Form19();
    type({{&f19.txt1, "0.3"}, {&f19.txt2, "1.2"}, {&f19.txt3, "0.3"}});
    press();
    // F_Slide 1.003 fails 1.5 without a key (text left, no beep) and passes 1.0; with the key 1.623.
    const auto t = texts();
    EXPECT_EQ((std::vector<std::string>(t.begin() + 13, t.end())),
              (std::vector<std::string>{"F =", "1.623", "> 1.5 ∴O.K", "突起の無い状態で", "F =", "1.003",
                                        "> 1.0 ∴O.K"}));
    EXPECT_EQ(shown(), std::string(20, 'v'));
    EXPECT_EQ(colours(), std::string(19, 'k'));
    EXPECT_EQ(services.beeps, 0);

    // The road basis has no row without the key; the basis marks the results stale.
    prog.Form3().opt_D.setValue(true);
    f4().Hihyouji_1();
    press();
    EXPECT_EQ(shown(), "vvvvvvvvvvvvvvvv----");
}

// The run takes the design conditions as their screen shows them, also where the seismic dialog changed
// them without "地盤の形状 >": fe 150 gives a short-term bearing of 2 · 150 below Kh 0.25, 3 · 150 from it.
TEST_F(Verdicts, TheRunTakesTheDesignConditionsAsShown) {
    typicalWall(prog);
    seismic(prog, Method::K2, "0.2");
    prog.Form21().opt1.setValue(true);
    prog.Form21().opt5.setValue(true);
    press();
    EXPECT_EQ(f4().lbl60.caption(), "300.0");
    services.onModal = [this](platform::Form&) {
        prog.Form25().Text1.setText("0.3");
        prog.Form25().cmd1.click();
    };
    f3().cmd4.setEnabled(true); // as "地震時" leaves it
    f3().cmd4.click();
    ASSERT_FLOAT_EQ(prog.d.Kh, 0.3f);
    f4().txt11.setText("0.35"); // the dialog's OK empties the coefficient
    f4().cmd3.click();
    EXPECT_EQ(f4().lbl60.caption(), "450.0");
}

TEST_F(Verdicts, AnEngineFaultShowsItsMessageAndNoVerdict) {
    simpleWall(prog);
    press();
    ASSERT_TRUE(f4().lbl57.visible());
    prog.MDIForm1().disableOutputButtons();
    // KA 0.9 with 20 kN/m2 behind the wall: the resultant leaves the base.
    type({{&f4().txt11, "0.9"}, {&f4().txt21, "20"}});
    press();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(shown(), std::string(20, '-'));
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(button(5));
    EXPECT_FALSE(button(6));
}

TEST_F(Verdicts, OverwriteSaveFollowsTheFileNameAndTheMemberChecks) {
    struct Case {
        const char* file;
        const char* memberCheck;
        bool before, after;
    };
    const Case cases[] = {
        {"a.tvl", "0.5", false, true},
        {"a.tvl", "", true, false},
        {"", "0.5", true, true},
        {"", "0.5", false, false},
    };
    simpleWall(prog);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " / " + c.memberCheck);
        prog.MDIForm1().fileName = c.file;
        prog.Form7().lbl6.setCaption(c.memberCheck);
        prog.MDIForm1().Toolbar1.setButtonEnabled(3, c.before);
        press();
        EXPECT_EQ(button(3), c.after);
    }
}

TEST_F(Verdicts, ActivationRepeatsTheNotesOnlyWithResultsForTheSymmetricShape) {
    simpleWall(prog);
    prog.Form23().opt2.setValue(true);
    prog.Form4().show();
    f4().cls();
    f4().hide();
    f4().show();
    EXPECT_TRUE(notes().empty()); // no results yet
    press();
    f4().cls();
    f4().hide();
    f4().show();
    EXPECT_EQ(notes().size(), 2u);
    EXPECT_EQ(prog.d.ScreenNo, 2);
}

} // namespace
} // namespace stability_test
