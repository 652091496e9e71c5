#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "../stability/stability_fixture.h"
#include "platform/runtime.h"

namespace {

using stability_test::StabilityTest;
constexpr platform::Color kMagenta{255, 0, 255};

// The section screen of the typical wall (heel and toe, no shear key), opened by "断面計算 >".
class SectionScreen : public StabilityTest {
protected:
    void SetUp() override {
        stability_test::typicalWall(prog);
        ASSERT_TRUE(stability_test::run(prog));
        ASSERT_NE(prog.d.B_Heel, 0);
        ASSERT_NE(prog.d.B_Toe, 0);
        ASSERT_EQ(prog.d.H0_Key, 0);
        prog.Form4().show();
        prog.Form4().cmd1.click(); // "断面計算 >"
        ASSERT_TRUE(f7().visible());
        ASSERT_FALSE(f7().txt10.visible()); // no shear key
        ASSERT_TRUE(f7().txt9.visible());
        ASSERT_TRUE(services.messages.empty());
    }
    sections::Form7& f7() { return prog.Form7(); }
    bool toolbar(int i) { return prog.MDIForm1().Toolbar1.buttonEnabled(i); }

    // What the opener does with the row of an optional member.
    void showRow(int k, bool shown) {
        const auto i = static_cast<std::size_t>(k);
        sections::Form7& f = f7();
        platform::Label* captions[] = {&f.Label1, &f.Label2, &f.Label5, &f.Label6,
                                       &f.Label7, &f.Label8, &f.Label9, &f.Label10};
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 captions[i], f.barLists()[i], f.coverLabels()[i], f.spacingBoxes()[i], f.spacingLabels()[i]})
            c->setVisible(shown);
    }

    // Bars "  D16" in every shown row, and the calculated spacing, rounded down, typed beside it.
    void fillRows() {
        for (std::size_t k = 0; k < 8; ++k) {
            if (!f7().barLists()[k]->visible()) continue;
            f7().barLists()[k]->choose(4);
            const std::string calculated = f7().spacingLabels()[k]->caption();
            ASSERT_FALSE(calculated.empty()) << k;
            f7().spacingBoxes()[k]->setText(calculated);
        }
    }

    // Bars in every row; member B at d = 40 cm with the moment and shear given and a calculated spacing of
    // 300 mm, the other members with forces that pass any allowable.
    void memberBByHand(float moment, float shear) {
        fillRows();
        auto& d = prog.d;
        for (float* m : {&d.M_r1, &d.M_r5, &d.M_r6, &d.M_r7, &d.M_r8, &d.M_r9})
            *m = 100;
        for (float* s : {&d.S_r1, &d.S_r6, &d.S_r7, &d.S_r8, &d.S_r9})
            *s = 100;
        d.Deff_r2 = 40;
        d.M_r2 = moment;
        d.S_r2 = shear;
        d.PitchReq_r2 = 300;
        f7().lbl_rb.setCaption("300");
    }
};

// Member B with forces set by hand, the other members with forces that pass any allowable.
TEST_F(SectionScreen, StressCheckCommandShowsTheHandCalculatedStressesColoursAndOneBeep) {
    // "  D16" (a = 1.986 cm2) at s = 125 mm, d = 40 cm, M = 5 000 000 N·cm, S = 50 000 N:
    // As = 100 · 1000/125 · 1.986 = 1588.8 mm2; p = 1588.8 / (1000 · 400) = 0.003972
    // k = √((15p)² + 30p) − 15p = 0.290720; j = 1 − k/3 = 0.903093
    // σc = 2 · 5e7 / (400² · k · j · 1000) = 2.38053; σs = 5e7 / (1588.8 · j · 400) = 87.1180
    // τc = 50 000 / (j · 1000 · 400) = 0.138413
    memberBByHand(5e6f, 5e4f);
    auto& d = prog.d;
    f7().txt2.setText("125");
    d.Sigma_ca = 2.3805f; // σc above it by 0.00003: shown as "2.381", judged NG
    d.Sigma_sa = d.Sigma_sa_Long = 180;
    d.Tau_ca = 0.3f;
    f7().lbl37.setCaption("untouched"); // the shear key's row: no such member

    f7().cmd1.click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_NEAR(d.P_r2, 0.003972, 1e-7);
    EXPECT_NEAR(d.K_r2, 0.290720, 1e-5);
    EXPECT_NEAR(d.Jc_r2, 0.903093, 1e-5);
    EXPECT_EQ(f7().lbl5.caption(), "2.381");
    EXPECT_EQ(f7().lbl6.caption(), "87.118");
    EXPECT_EQ(f7().lbl7.caption(), "0.138");
    EXPECT_EQ(f7().lbl8.caption(), "NG");
    EXPECT_FLOAT_EQ(d.SigmaC_r2, 2.381f); // the value shown is the value kept
    EXPECT_EQ(f7().lbl5.foreColor(), kMagenta);
    EXPECT_EQ(f7().lbl6.foreColor(), platform::kBlack);
    EXPECT_EQ(f7().lbl7.foreColor(), platform::kBlack);
    EXPECT_EQ(f7().lbl8.foreColor(), kMagenta);
    EXPECT_EQ(services.beeps, 1);
    for (int k : {0, 2, 3, 4, 5, 6})
        EXPECT_EQ(f7().resultLabels(k)[3]->caption(), "O.K") << k;
    EXPECT_EQ(f7().lbl19.caption(), "――");
    EXPECT_EQ(f7().lbl37.caption(), "untouched");
    EXPECT_EQ(d.SectCheck_Done, 1); // the checks ran, whatever their verdicts
    EXPECT_TRUE(toolbar(app::MDIForm1::kButtonImage));
    EXPECT_FALSE(toolbar(app::MDIForm1::kButtonOverwrite)); // never saved: no file to save over
}

// Member B's forces of the test above reversed: σc = −2.38053, σs = −87.1180, τc = −0.138413. Each is
// judged by its size, against an allowable below, equal to (as a single) and above it.
TEST_F(SectionScreen, ANegativeStressIsJudgedByItsSize) {
    memberBByHand(-5e6f, -5e4f);
    auto& d = prog.d;
    f7().txt2.setText("125");
    const struct Case {
        const char* name;
        float sigmaCa, sigmaSa, tauCa;
        bool ng;
        platform::Color c, s, t;
    } cases[] = {
        {"all within", 8, 180, 0.3f, false, platform::kBlack, platform::kBlack, platform::kBlack},
        {"σc over by its size", 2.3805f, 180, 0.3f, true, kMagenta, platform::kBlack, platform::kBlack},
        {"σs over by its size", 8, 87.0f, 0.3f, true, platform::kBlack, kMagenta, platform::kBlack},
        {"τc over by its size", 8, 180, 0.138f, true, platform::kBlack, platform::kBlack, kMagenta},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        d.Sigma_ca = k.sigmaCa;
        d.Sigma_sa = d.Sigma_sa_Long = k.sigmaSa;
        d.Tau_ca = k.tauCa;
        services.beeps = 0;
        f7().cmd1.click();
        EXPECT_EQ(f7().lbl5.caption(), "-2.381");
        EXPECT_EQ(f7().lbl6.caption(), "-87.118");
        EXPECT_EQ(f7().lbl7.caption(), "-0.138");
        EXPECT_EQ(f7().lbl8.caption(), k.ng ? "NG" : "O.K");
        EXPECT_EQ(f7().lbl8.foreColor(), k.ng ? kMagenta : platform::kBlack);
        EXPECT_EQ(f7().lbl5.foreColor(), k.c);
        EXPECT_EQ(f7().lbl6.foreColor(), k.s);
        EXPECT_EQ(f7().lbl7.foreColor(), k.t);
        EXPECT_EQ(services.beeps, k.ng ? 1 : 0);
    }
    // Equal in size passes: the allowable set to the size of the unrounded stress.
    model::DesignData w = d;
    const auto r = sections::checkStresses(w, model::Member::B, sections::MemberChoices{}, "125");
    ASSERT_TRUE(r);
    d.Sigma_ca = std::fabs(r->sigmaC);
    d.Sigma_sa = d.Sigma_sa_Long = std::fabs(r->sigmaS);
    d.Tau_ca = std::fabs(r->tauC);
    f7().cmd1.click();
    EXPECT_EQ(f7().lbl8.caption(), "O.K");
}

// The checks run A, B, C, D, E, F, G: the bar-size rule of the last one (G) sets σsa; a member that is
// gone (here the heel) is not checked.
TEST_F(SectionScreen, StressChecksRunInMemberOrderAndOnlyForExistingMembers) {
    fillRows();
    f7().cbo9.choose(11); // "D25,D29": σsa 195 under the building code in the normal case
    f7().txt9.setText(f7().lbl_ri.caption());
    prog.MDIForm1().fileName = "/tmp/wall.dat";
    f7().cmd1.click();
    ASSERT_TRUE(services.messages.empty());
    EXPECT_FLOAT_EQ(prog.d.Sigma_sa, 195.0f);
    EXPECT_FALSE(f7().lbl32.caption().empty());
    EXPECT_TRUE(toolbar(app::MDIForm1::kButtonOverwrite));

    prog.d.B_Heel = 0;
    showRow(5, false);
    f7().lbl32.setCaption("old");
    f7().cmd1.click();
    EXPECT_EQ(f7().lbl32.caption(), "old");
    EXPECT_FALSE(f7().lbl36.caption().empty());
}

// "応力度計算" checks every shown row for a bar, then for a spacing, then for a spacing not wider than
// the calculated one; the first fault names the control to correct and changes nothing else.
TEST_F(SectionScreen, StressCheckCommandRefusesIncompleteRowsInOrder) {
    constexpr const char* kBar = "鉄筋の種類を選択してください。";
    constexpr const char* kSpacing = "設計上の鉄筋の間隔を入力してください。";
    constexpr const char* kWide = "設計の鉄筋の間隔を計算値よりも小さくしてください。";
    auto& f = f7();
    auto calculated = [&](const char* shown, float exact) {
        prog.d.PitchReq_r1 = exact;
        f.lbl_ra.setCaption(shown);
    };
    struct Case {
        const char* name;
        std::function<void()> setup;
        const char* message; // nullptr: the command passes
        platform::Control* focus;
    };
    const Case cases[] = {
        {"bar of row G before spacing of row A", [&] { f.cbo9.setText(""), f.txt1.setText(""); }, kBar,
         &f.cbo9},
        {"spacing of row G before width of row A", [&] { f.txt9.setText(""), f.txt1.setText("9999"); },
         kSpacing, &f.txt9},
        {"zero spacing", [&] { f.txt2.setText("0"); }, kSpacing, &f.txt2},
        {"negative spacing", [&] { f.txt5.setText("-100"); }, kSpacing, &f.txt5},
        {"no number", [&] { f.txt6.setText("abc"); }, kSpacing, &f.txt6},
        {"spacing wider than calculated", [&] { f.txt7.setText("9999"); }, kWide, &f.txt7},
        {"250.7 shown as 250: 251 is too wide", [&] { calculated("250", 250.7f), f.txt1.setText("251"); },
         kWide, &f.txt1},
        {"250.7 shown as 250: 250.5 passes", [&] { calculated("250", 250.7f), f.txt1.setText("250.5"); },
         nullptr, nullptr},
        {"equal passes", [&] { calculated("200", 200), f.txt1.setText("200"); }, nullptr, nullptr},
        {"no calculated spacing: not compared", [&] { calculated("", 1), f.txt1.setText("400"); }, nullptr,
         nullptr},
        {"a hidden row is not checked",
         [&] { f.lbl_rj.setCaption("100"), prog.d.PitchReq_r10 = 100, f.txt10.setText("500"); }, nullptr,
         nullptr},
    };
    fillRows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fillRows();
        for (auto* l : f.resultLabels(0))
            l->setCaption("");
        prog.d.SectCheck_Done = 0;
        services.messages.clear();
        c.setup();
        f.cmd1.click();
        if (!c.message) {
            EXPECT_TRUE(services.messages.empty());
            EXPECT_EQ(prog.d.SectCheck_Done, 1);
            EXPECT_FALSE(f.lbl4.caption().empty());
            continue;
        }
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.lastMessage().text, c.message);
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(services.lastMessage().style, platform::mb::OkOnly);
        EXPECT_TRUE(c.focus->hasFocus());
        if (auto* box = dynamic_cast<platform::TextBox*>(c.focus)) {
            EXPECT_EQ(box->selStart(), 0);
        }
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
        EXPECT_EQ(f.lbl4.caption(), "");
    }
}

// Tab goes through the coefficient, the bars, "変更", the spacings and the two commands, then the options.
TEST_F(SectionScreen, TabOrder) {
    auto& f = f7();
    std::vector<const platform::Control*> order{&f.cmd4, &f.cmd5, &f.txt_ka};
    for (auto* c : f.barLists())
        order.push_back(c);
    order.push_back(&f.cmd6);
    for (auto* c : f.spacingBoxes())
        order.push_back(c);
    order.insert(order.end(), {&f.cmd1, &f.cmd3, &f.opt1, &f.opt2, &f.txt_1, &f.chk_1});
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(order[i - 1]->tabIndex(), order[i]->tabIndex()) << order[i]->name();
}

TEST_F(SectionScreen, EnterMovesAlongTheExistingRowsAndVoidsTheRowItLeaves) {
    fillRows();
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    f7().txt1.setFocus();
    EXPECT_EQ(f7().lbl4.caption(), "O.K"); // reaching a box does not void its row
    EXPECT_EQ(f7().txt1.keyPress(13), 0);  // swallowed: no beep
    EXPECT_TRUE(f7().txt2.hasFocus());
    EXPECT_EQ(f7().txt2.selLength(), platform::charCount(f7().txt2.text()));
    EXPECT_EQ(f7().lbl4.caption(), "");    // the row left
    EXPECT_EQ(f7().lbl8.caption(), "O.K"); // not the row reached
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    EXPECT_FALSE(toolbar(app::MDIForm1::kButtonImage));
    EXPECT_EQ(services.beeps, 0);

    f7().txt7.keyPress(13);
    EXPECT_TRUE(f7().txt8.hasFocus()); // the heel
    f7().txt9.keyPress(13);
    EXPECT_TRUE(f7().cmd1.hasFocus()); // no shear key: on to "応力度計算", not pressing it
    EXPECT_EQ(prog.d.SectCheck_Done, 0);

    // Without heel and toe but with a shear key, E leads to H.
    prog.d.B_Heel = prog.d.B_Toe = 0;
    prog.d.H0_Key = 0.3f;
    showRow(5, false);
    showRow(6, false);
    showRow(7, true);
    f7().txt7.keyPress(13);
    EXPECT_TRUE(f7().txt10.hasFocus());
    prog.d.H0_Key = 0;
    showRow(7, false);
    f7().txt7.keyPress(13);
    EXPECT_TRUE(f7().cmd1.hasFocus());
}

TEST_F(SectionScreen, ClicksSelectAndEditsVoidTheirRow) {
    fillRows();
    auto passed = [&] {
        services.messages.clear();
        f7().cmd1.click();
        ASSERT_TRUE(services.messages.empty());
        ASSERT_EQ(prog.d.SectCheck_Done, 1);
        prog.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonOverwrite, true);
    };
    auto voided = [&](int k) {
        for (auto* l : f7().resultLabels(k))
            EXPECT_EQ(l->caption(), "") << k;
        EXPECT_EQ(prog.d.SectCheck_Done, 0);
        EXPECT_FALSE(toolbar(app::MDIForm1::kButtonOverwrite));
        EXPECT_FALSE(toolbar(app::MDIForm1::kButtonImage));
    };
    passed();
    f7().txt5.setText("150");
    f7().txt5.click(); // nothing typed: still void
    EXPECT_EQ(f7().txt5.selLength(), 3);
    voided(2);
    EXPECT_EQ(f7().lbl4.caption(), "O.K");
    f7().txt5.dblClick(); // from character 10: after the last digit, nothing selected
    EXPECT_EQ(f7().txt5.selStart(), 3);
    EXPECT_EQ(f7().txt5.selLength(), 0);

    passed();
    f7().txt6.setSelStart(0);
    f7().txt6.userEdit(f7().txt6.text().substr(1), 0); // the Delete key
    voided(3);
    passed();
    f7().txt7.userEdit("120", 3); // pasted
    voided(4);
    passed();
    f7().txt2.type("1");
    voided(1);
    EXPECT_EQ(f7().lbl4.caption(), "O.K");
}

TEST_F(SectionScreen, SurchargeHeightAndItsCheckBoxVoidTheWalls) {
    // The group as the seismic case with the second method shows it.
    for (platform::Control* c : std::initializer_list<platform::Control*>{&f7().chk_1, &f7().txt_1})
        c->setVisible(true);
    fillRows();
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    f7().chk_1.setValue(1);
    EXPECT_TRUE(f7().txt_1.enabled());
    EXPECT_TRUE(f7().lbl_1.enabled());
    EXPECT_EQ(f7().cbo1.text(), ""); // rows A and B start again
    EXPECT_EQ(f7().txt2.text(), "");
    EXPECT_EQ(f7().lbl_rb.caption(), "");
    EXPECT_FALSE(f7().lbl20.caption().empty()); // row C keeps its results
    EXPECT_EQ(prog.d.SectCheck_Done, 0);

    fillRows();
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    f7().txt_1.type("1");
    for (int k : {0, 1})
        for (auto* l : f7().resultLabels(k))
            EXPECT_EQ(l->caption(), "");
    EXPECT_EQ(f7().lbl19.caption(), "――");
    EXPECT_FALSE(f7().lbl20.caption().empty());
    EXPECT_EQ(prog.d.SectCheck_Done, 0);

    f7().chk_1.setValue(0);
    EXPECT_EQ(f7().txt_1.text(), "");
    EXPECT_FALSE(f7().txt_1.enabled());
    EXPECT_FALSE(f7().lbl_2.enabled());
    EXPECT_EQ(f7().cbo2.listIndex(), -1);
    EXPECT_EQ(f7().cbo5.listIndex(), 4);
}

// A bar name typed into a list chooses that bar as the list does (blanks and case aside); a text that
// names no bar leaves the row unchosen, and the check asks for a bar.
TEST_F(SectionScreen, ABarNameTypedIntoItsListChoosesTheBarOrNone) {
    fillRows();
    auto& list = f7().cbo1;
    list.choose(3);
    const std::string pair = f7().lbl_ra.caption(); // "D13,D16" chosen from the list
    list.choose(2);
    const std::string single = f7().lbl_ra.caption(); // "  D13"
    list.choose(4);
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);

    list.setFocus();
    list.selectAll();
    list.type("d13");
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.text(), "  D13");
    EXPECT_EQ(list.selStart(), 5); // typing goes on after the name
    EXPECT_EQ(f7().lbl_ra.caption(), single);
    EXPECT_EQ(f7().lbl4.caption(), "");
    list.type(",");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(f7().lbl_ra.caption(), "");
    list.type("D16");
    EXPECT_EQ(list.listIndex(), 3);
    EXPECT_EQ(list.text(), "D13,D16");
    EXPECT_EQ(f7().lbl_ra.caption(), pair);
    list.type("x");
    EXPECT_EQ(list.text(), "D13,D16x");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(f7().lbl_ra.caption(), "");
    services.messages.clear();
    f7().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "鉄筋の種類を選択してください。");
    EXPECT_TRUE(list.hasFocus());
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
}

// σ28 of 0 leaves no allowable bond stress: a bar whose calculation fails is no choice, and the
// check asks for one.
TEST_F(SectionScreen, ABarWhoseCalculationFailsIsNoChoice) {
    fillRows();
    prog.Form3().txt2.setText("0");
    ASSERT_TRUE(prog.Form3().HENSUU()); // as "地盤の形状 >" copies it
    services.messages.clear();
    f7().cbo1.choose(6);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "鉄筋量を計算できません（τ0a が 0 です）。");
    EXPECT_EQ(f7().cbo1.listIndex(), -1);
    EXPECT_EQ(f7().cbo1.text(), "");
    EXPECT_EQ(f7().lbl_ra.caption(), "");
    f7().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "鉄筋の種類を選択してください。");
    EXPECT_TRUE(f7().cbo1.hasFocus());
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
}

// With the stability results void (a dialog of the run cancelled, a Close cancelled) no bar is
// computed, no coefficient and no check runs: the screen asks for the stability check as "断面計算 >"
// does.
TEST_F(SectionScreen, WithoutStabilityResultsNoMemberIsComputedOrChecked) {
    fillRows();
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    services.answers.push_back(platform::Answer::Cancel);
    prog.MDIForm1().Men_FCls.click();
    ASSERT_EQ(prog.d.Sigma_max, 0);
    const std::string verdict = f7().lbl4.caption();
    services.messages.clear();
    f7().cmd1.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    EXPECT_EQ(f7().lbl4.caption(), verdict); // nothing checked
    f7().txt_ka.setText("0.300");
    f7().cmd5.click(); // "計算する": θ would be that of the last results
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(f7().txt_ka.text(), "0.300");
    EXPECT_EQ(f7().lbl4.caption(), verdict);

    services.onModal = [this](platform::Form&) { prog.Form14().cmd2.click(); };
    prog.Form4().cmd4.click(); // "安定性の検討方法", cancelled
    EXPECT_EQ(f7().cbo1.text(), "");
    EXPECT_EQ(f7().lbl4.caption(), "");
    services.messages.clear();
    f7().cbo1.choose(4);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(f7().cbo1.listIndex(), -1);
    EXPECT_EQ(f7().lbl_ra.caption(), "");
    f7().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
}

// The cover dialog, driven as the user does: "変更", type, "ＯＫ".
class CoverDialog : public SectionScreen {
protected:
    void change(std::function<void(sections::Form22&)> user) {
        services.onModal = [user](platform::Form& form) { user(dynamic_cast<sections::Form22&>(form)); };
        f7().cmd6.click();
    }
};

TEST_F(CoverDialog, RefusesMissingOrNonPositiveCoversOfShownRows) {
    prog.d.Cover_r10 = 77;
    struct Case {
        const char* txt1;
        const char* txt3;
        const char* txt4;
        const char* txt5;
        const char* message;
        const char* focused; // the box's name
    };
    const Case cases[] = {
        {"", "", "60", "60", "たて壁のかぶり厚さを入力してください。", "txt1"},
        {"60", "0", "60", "60", "底版のかぶり厚さを入力してください。", "txt3"},
        {"60", "60", "-5", "60", "かかと版のかぶり厚さを入力してください。", "txt4"},
        {"60", "60", "60", "", "つま先版のかぶり厚さを入力してください。", "txt5"},
        {"abc", "60", "60", "60", "たて壁のかぶり厚さを入力してください。", "txt1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        services.messages.clear();
        bool open = false;
        std::string focused;
        change([&](sections::Form22& f) {
            EXPECT_FALSE(f.txt6.visible()); // no shear key
            EXPECT_FALSE(f.lbl15.enabled());
            EXPECT_FALSE(f.lbl16.visible());
            EXPECT_TRUE(f.txt4.visible());
            f.txt1.setText(c.txt1);
            f.txt3.setText(c.txt3);
            f.txt4.setText(c.txt4);
            f.txt5.setText(c.txt5);
            f.txt6.setText(""); // hidden: not tested
            f.cmd1.click();
            open = f.visible();
            for (auto* b : {&f.txt1, &f.txt3, &f.txt4, &f.txt5})
                if (b->hasFocus()) focused = b->name();
        });
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.lastMessage().text, c.message);
        EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
        EXPECT_TRUE(open);
        EXPECT_EQ(focused, c.focused);
        EXPECT_EQ(f7().lbl_r1.caption(), "60");
    }
    EXPECT_FLOAT_EQ(prog.d.Cover_r10, 77.0f);
}

TEST_F(CoverDialog, StoresTheCoversAndRecomputesTheChosenRows) {
    f7().cbo1.choose(4);
    f7().cbo8.choose(4);
    f7().lbl1.setCaption("2.000");
    f7().lbl33.setCaption("kept");
    const float spacingA = prog.d.PitchReq_r1;
    prog.d.Cover_r10 = 77;

    // No coefficient yet: the covers change, and only the rows with a bar whose cover changed are
    // computed again.
    change([](sections::Form22& f) {
        EXPECT_EQ(f.txt1.text(), "60");
        f.txt1.setText("42.5");
        f.txt3.setText("70");
        f.txt4.setText("80");
        f.txt5.setText("90");
        f.cmd1.click();
        EXPECT_FALSE(f.visible());
    });
    EXPECT_TRUE(services.messages.empty());
    for (float c : {prog.d.Cover_r1, prog.d.Cover_r2})
        EXPECT_FLOAT_EQ(c, 42.5f);
    for (float c : {prog.d.Cover_r5, prog.d.Cover_r6, prog.d.Cover_r7})
        EXPECT_FLOAT_EQ(c, 70.0f);
    EXPECT_FLOAT_EQ(prog.d.Cover_r8, 80.0f);
    EXPECT_FLOAT_EQ(prog.d.Cover_r9, 90.0f);
    EXPECT_FLOAT_EQ(prog.d.Cover_r10, 77.0f); // no shear key: its cover stays
    EXPECT_EQ(f7().lbl_r1.caption(), "42.5");
    EXPECT_EQ(f7().lbl_r2.caption(), "42.5");
    EXPECT_EQ(f7().lbl_r7.caption(), "70");
    EXPECT_EQ(f7().lbl_r10.caption(), "60");
    // "  D16" at a centroid depth of 42.5 + 8 mm instead of 60 + 8 mm: more depth, a wider spacing.
    EXPECT_FLOAT_EQ(prog.d.CoverC_r1, 50.5f);
    EXPECT_GT(prog.d.PitchReq_r1, spacingA);
    EXPECT_EQ(f7().lbl_ra.caption(), platform::format(std::floor(prog.d.PitchReq_r1), "0"));
    EXPECT_EQ(f7().lbl1.caption(), "");
    EXPECT_FLOAT_EQ(prog.d.CoverC_r8, 88.0f);
    EXPECT_EQ(f7().lbl33.caption(), "kept"); // no bar in row G

    // With the coefficient computed, the rows with a bar are computed again with their new cover.
    f7().cmd5.click();
    f7().cbo1.choose(4);
    f7().cbo8.choose(4);
    f7().lbl1.setCaption("2.000");
    f7().lbl29.setCaption("2.000");
    f7().lbl33.setCaption("kept");
    const float before = prog.d.PitchReq_r1;
    change([](sections::Form22& f) {
        EXPECT_EQ(f.txt1.text(), "42.5"); // filled with the present covers
        EXPECT_EQ(f.txt4.text(), "80");
        f.txt1.setText("100");
        f.cmd1.click();
    });
    // "  D16": centroid depth 100 + 8 = 108 mm instead of 42.5 + 8 = 50.5 mm, so less depth, more
    // steel and a closer spacing.
    EXPECT_FLOAT_EQ(prog.d.CoverC_r1, 108.0f);
    EXPECT_LT(prog.d.PitchReq_r1, before);
    EXPECT_EQ(f7().lbl_ra.caption(), platform::format(std::floor(prog.d.PitchReq_r1), "0"));
    EXPECT_EQ(f7().lbl1.caption(), "");
    EXPECT_EQ(f7().lbl29.caption(), "");
    EXPECT_EQ(f7().lbl33.caption(), "kept"); // no bar in row G: not recomputed
    EXPECT_FALSE(toolbar(app::MDIForm1::kButtonImage));
}

// A wall cover of 500 mm leaves the walls no effective depth (45 cm thick at most, cover and bar 50.8 cm):
// rows A and B lose their bars and results, and the check asks for their bars; the other rows are
// computed again.
TEST_F(CoverDialog, RowsThatCannotBeComputedWithTheNewCoverLoseTheirResults) {
    f7().cmd5.click();
    fillRows();
    f7().cmd1.click();
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    services.messages.clear();
    change([](sections::Form22& f) {
        f.txt1.setText("500");
        f.cmd1.click();
    });
    ASSERT_EQ(services.messages.size(), 2u);
    for (const auto& m : services.messages)
        EXPECT_EQ(m.text, "鉄筋量を計算できません（有効高さ d が 0 以下です）。");
    for (int k : {0, 1}) {
        EXPECT_EQ(f7().barLists()[static_cast<std::size_t>(k)]->text(), "") << k;
        EXPECT_EQ(f7().spacingLabels()[static_cast<std::size_t>(k)]->caption(), "") << k;
        for (auto* l : f7().resultLabels(k))
            EXPECT_EQ(l->caption(), "") << k;
    }
    EXPECT_EQ(f7().lbl_r1.caption(), "500");
    EXPECT_FALSE(f7().lbl_re.caption().empty());
    EXPECT_EQ(f7().lbl20.caption(), "");
    f7().cmd1.click();
    EXPECT_EQ(services.lastMessage().text, "鉄筋の種類を選択してください。");
    EXPECT_TRUE(f7().cbo1.hasFocus());
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
}

TEST_F(CoverDialog, EnterSkipsHiddenRowsAndCancelKeepsEverything) {
    prog.d.B_Heel = 0;
    const float cover = prog.d.Cover_r1;
    change([](sections::Form22& f) {
        EXPECT_FALSE(f.txt4.visible());
        f.txt3.setFocus();
        f.txt3.keyPress(13);
        EXPECT_TRUE(f.txt5.hasFocus());
        EXPECT_EQ(f.txt5.selLength(), 2); // "60" selected
        f.txt5.keyPress(13);
        EXPECT_TRUE(f.cmd1.hasFocus());
        f.txt1.setText("45");
        f.cmd2.click();
    });
    EXPECT_FALSE(prog.Form22.loaded());
    EXPECT_EQ(f7().lbl_r1.caption(), "60");
    EXPECT_FLOAT_EQ(prog.d.Cover_r1, cover);

    // Rows come back when their member does.
    prog.d.B_Heel = 0.5f;
    change([](sections::Form22& f) {
        EXPECT_TRUE(f.txt4.visible());
        EXPECT_TRUE(f.lbl11.enabled());
        f.cmd2.click();
    });
}

} // namespace

namespace {

// A user's whole session: conditions, dimensions, stability, the section screen, bars and spacings,
// "応力度計算", save and open again.
TEST_F(SectionScreen, SessionSavedAndOpenedKeepsItsVerdicts) {
    namespace fs = std::filesystem;
    auto& f = f7();
    f.cmd5.click(); // "計算する"
    ASSERT_FALSE(f.txt_ka.text().empty());
    const int bars[] = {4, 6, 4, 6, 4, 2, 11};
    for (std::size_t k = 0; k < 7; ++k) {
        f.barLists()[k]->choose(bars[k]);
        const double calculated = platform::val(f.spacingLabels()[k]->caption());
        ASSERT_GT(calculated, 0) << k;
        auto* box = f.spacingBoxes()[k];
        box->click();
        box->type(platform::format(std::min(calculated, 250.0), "0"));
    }
    f.txt9.keyPress(13);
    ASSERT_TRUE(f.cmd1.hasFocus());
    f.cmd1.click();
    ASSERT_TRUE(services.messages.empty());
    ASSERT_EQ(prog.d.SectCheck_Done, 1);
    std::vector<std::string> shown;
    for (int k = 0; k < 8; ++k)
        for (auto* l : f.resultLabels(k))
            shown.push_back(l->caption());
    EXPECT_EQ(f.lbl4.caption(), "O.K");
    EXPECT_EQ(f.lbl36.caption(), "O.K");
    const float sigmaS = prog.d.SigmaS_r9;
    const std::string spacingG = f.txt9.text(); // the screen is made anew by New and Open

    const fs::path p = fs::temp_directory_path() / ("tarvelo-session-" + std::to_string(::getpid()) + ".tvl");
    services.savePaths.push_back(p.string());
    prog.MDIForm1().Men_FSav_Click();
    ASSERT_TRUE(fs::exists(p));
    prog.MDIForm1().FileNew();
    EXPECT_EQ(prog.Form7().lbl4.caption(), "");
    services.openPaths.push_back(p.string());
    prog.MDIForm1().FileOpen();
    fs::remove(p);
    ASSERT_TRUE(services.messages.empty()) << services.lastMessage().text;

    std::vector<std::string> opened;
    for (int k = 0; k < 8; ++k)
        for (auto* l : prog.Form7().resultLabels(k))
            opened.push_back(l->caption());
    EXPECT_EQ(opened, shown);
    EXPECT_EQ(prog.d.SectCheck_Done, 1);
    EXPECT_FLOAT_EQ(prog.d.SigmaS_r9, sigmaS);
    EXPECT_EQ(prog.Form7().txt9.text(), spacingG);
}

} // namespace
