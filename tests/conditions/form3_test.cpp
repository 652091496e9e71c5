#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace {

using conditions_test::Conditions;
using platform::Answer;

TEST_F(Conditions, NewProjectStartsWithTheScreensInitialState) {
    auto& f = f3();
    EXPECT_TRUE(f.opt_T.value());
    EXPECT_TRUE(f.opt3.value());
    EXPECT_TRUE(f.opt8.value());
    EXPECT_FALSE(f.opt5.value() || f.opt6.value() || f.opt7.value());
    EXPECT_EQ(f.txt14.text(), "0");
    EXPECT_FALSE(f.txt14.border());
    EXPECT_FALSE(f.txt9.border());
    EXPECT_FALSE(f.cmd4.enabled());
    EXPECT_FALSE(f.txt13.visible());
    EXPECT_EQ(f.cbo1.listCount(), 7);
    EXPECT_EQ(f.cbo2.list(6), "改良地盤");
    EXPECT_EQ(f.activeControl(), &f.txt1);
    // The activation created the dimensions and section screens hidden; the screen number is still 1.
    EXPECT_TRUE(prog.Form4.loaded());
    EXPECT_TRUE(prog.Form7.loaded());
    EXPECT_EQ(prog.d.ScreenNo, 1);
}

TEST_F(Conditions, KeyboardOnlyReachesTheGroundShapeScreen) {
    enterConditions();
    f3().cmd3.click();
    EXPECT_TRUE(services.messages.empty()) << services.lastMessage().text;
    EXPECT_TRUE(prog.Form23().visible());
    EXPECT_EQ(prog.Form23().top(), 0);
    EXPECT_EQ(prog.d.SiteName, "東京都");
    EXPECT_EQ(prog.d.Sigma28, 24.0f);
    EXPECT_EQ(prog.d.Mu_Base, 0.5f);
    EXPECT_TRUE(f3().visible());
}

// Each check of "地盤の形状 >" in its order: what fails it, its message and the control focused.
TEST_F(Conditions, GroundShapeCommandChecksInOrder) {
    struct Case {
        const char* what;
        std::function<void(conditions::Form3&)> spoil;
        const char* message;
        const char* focus;
    };
    auto clear = []<class Box>(Box conditions::Form3::*box) {
        return [box](conditions::Form3& f) { (f.*box).setText(""); };
    };
    using F = conditions::Form3;
    const std::vector<Case> cases{
        {"site", clear(&F::txt1), "築造地を入力してください。", "txt1"},
        {"no basis", [](F& f) { f.opt_T.setValue(false); }, "材料の許容応力度の計算方法を選択してください。",
         "opt_T"},
        {"σ28", clear(&F::txt2), "コンクリートの設計基準強度を入力してください。", "txt2"},
        {"σ28 20.9 by road works",
         [](F& f) {
             f.opt_D.setValue(true);
             f.txt2.setText("20.9");
         },
         "コンクリートの設計基準強度を21N/mm2以上にしてください。", "txt2"},
        {"σ28 letters by road works: filled but 0",
         [](F& f) {
             f.opt_D.setValue(true);
             f.txt2.setText("abc");
         },
         "コンクリートの設計基準強度を21N/mm2以上にしてください。", "txt2"},
        {"σsa", clear(&F::txt3), "鉄筋の許容引張応力度を入力してください。", "txt3"},
        {"fe", clear(&F::txt4), "許容地耐力度を入力してください。", "txt4"},
        {"γs", clear(&F::txt5), "土の単位体積重量を入力してください。", "txt5"},
        {"γc", clear(&F::txt6), "鉄筋コンクリートの単位体積重量を入力してください。", "txt6"},
        {"backfill soil", clear(&F::cbo1), "土質を入力してください。", "cbo1"},
        {"φ", clear(&F::txt8), "内部摩擦角を入力してください。", "txt8"},
        {"φ by road works",
         [](F& f) {
             f.opt_D.setValue(true);
             f.txt8.setText("");
         },
         "せん断抵抗角を入力してください。", "txt8"},
        {"δ", clear(&F::txt10), "壁背面と土との間の壁面摩擦角を入力してください。", "txt10"},
        {"bearing soil", clear(&F::cbo2), "土質を入力してください。", "cbo2"},
        {"cohesion", clear(&F::txt14), "土の粘着力を入力してください。", "txt14"},
        {"φB", clear(&F::txt11), "内部摩擦角度を入力してください。", "txt11"},
        {"μ with tanφ chosen",
         [](F& f) {
             f.opt6.setValue(true);
             f.txt9.setText("");
         },
         "底盤の摩擦係数を入力又は計算してください。", "opt5"},
        {"μ with direct entry", clear(&F::txt9), "底盤の摩擦係数を入力又は計算してください。", "txt9"},
        {"short-term σsa, row hidden as Open leaves it", [](F& f) { f.opt4.setValue(true); },
         "短期の鉄筋の許容引張応力度を入力してください。", "txt13"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prog.MDIForm1().FileNew();
        enterConditions();
        services.messages.clear();
        c.spoil(f3());
        f3().cmd3.click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, c.message);
        EXPECT_EQ(services.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(services.messages[0].style, 256);
        ASSERT_NE(f3().activeControl(), nullptr);
        EXPECT_EQ(f3().activeControl()->name(), c.focus);
        if (auto* box = dynamic_cast<platform::EditBox*>(f3().activeControl())) {
            EXPECT_EQ(box->selStart(), 0);
            EXPECT_EQ(box->selLength(), 0);
            EXPECT_TRUE(box->visible());
        }
        EXPECT_FALSE(prog.Form23.loaded() && prog.Form23().visible());
    }
}

TEST_F(Conditions, MissingCohesionChoosesToConsiderIt) {
    enterConditions();
    resultsPresent();
    f3().txt14.setText("");
    f3().cmd3.click();
    EXPECT_TRUE(f3().opt7.value());
    EXPECT_TRUE(f3().txt14.border());
    EXPECT_EQ(prog.d.Sigma_max, 0); // opt7's handling marks the results stale
    EXPECT_EQ(f3().activeControl(), &f3().txt14);
}

TEST_F(Conditions, DesignDataAreRefreshedEvenWhenACheckFails) {
    enterConditions();
    f3().txt1.setText("");
    f3().txt2.setText("30");
    f3().cmd3.click();
    EXPECT_EQ(prog.d.Sigma28, 30.0f);
    EXPECT_EQ(services.lastMessage().text, "築造地を入力してください。");
}

TEST_F(Conditions, SeismicCaseWithoutAMethodOpensTheDialogAndGoesNoFurther) {
    enterConditions();
    f3().cmd2.click();
    f3().txt13.setText("300");
    services.onModal = [this](platform::Form& form) {
        auto& f25 = prog.Form25();
        ASSERT_EQ(&form, &f25);
        f25.opt_K1.click();
        f25.Text1.type("0.2");
        f25.Text2.type("0");
        f25.cmd1.click();
    };
    f3().txt10.setText("15");
    f3().cmd3.click();
    EXPECT_EQ(services.lastMessage().text, "地震時水平荷重の計算方法を選択してください。");
    EXPECT_EQ(services.modalForms, (std::vector<std::string>{"Form25"}));
    EXPECT_FALSE(prog.Form23.loaded() && prog.Form23().visible());

    // With method ① the earth-pressure coefficient cannot be typed.
    services.messages.clear();
    f3().cmd3.click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(prog.Form23().visible());
    EXPECT_FALSE(f4().cmd6.enabled());
    EXPECT_FALSE(f4().opt7.enabled());
    EXPECT_EQ(prog.d.Kh, 0.2f);
    EXPECT_EQ(prog.d.Fe_Short, 300.0f); // Kh < 0.25: 2 × 150
}

TEST_F(Conditions, NormalCaseAllowsATypedCoefficient) {
    enterConditions();
    f4().cmd6.setEnabled(false);
    f4().opt7.setEnabled(false);
    f3().cmd3.click();
    EXPECT_TRUE(f4().cmd6.enabled());
    EXPECT_TRUE(f4().opt7.enabled());
}

TEST_F(Conditions, NormalCaseButtonResetsTheSeismicInputs) {
    enterConditions();
    f3().cmd2.click();
    f3().txt13.setText("300");
    auto& f25 = prog.Form25();
    f25.opt_K2.setValue(true);
    f25.Text1.setText("0.25");
    prog.d.Kh = 0.25f;
    prog.d.Kv = 0.1f;
    prog.d.Sigma_sa_Short = 300;
    prog.Form21().opt1.setValue(true);
    f4().opt8.setValue(true);
    f4().txt11.setText("0.297");
    resultsPresent();
    f3().txt10.setText("15");

    f3().cmd1.click();
    EXPECT_TRUE(f3().opt3.value());
    EXPECT_FALSE(f4().opt7.value() || f4().opt8.value());
    EXPECT_EQ(f4().txt11.text(), "");
    EXPECT_FALSE(f3().txt13.visible() || f3().lbl46.visible() || f3().lbl47.visible());
    EXPECT_EQ(f3().txt13.text(), "");
    EXPECT_EQ(prog.d.Sigma_sa_Short, 0);
    EXPECT_EQ(prog.d.Kh, 0);
    EXPECT_EQ(prog.d.Kv, 0);
    EXPECT_FALSE(f3().cmd4.enabled());
    EXPECT_FALSE(prog.Form25.loaded());
    EXPECT_FALSE(prog.Form21.loaded());
    EXPECT_EQ(f3().txt10.text(), "15"); // δ untouched
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_EQ(prog.d.SectCheck_Done, 0);
    EXPECT_FALSE(buttonsEnabled());
    EXPECT_FALSE(f4().visible());
    // The dialog comes back with no method and empty boxes.
    EXPECT_FALSE(prog.Form25().opt_K2.value());
    EXPECT_EQ(prog.Form25().Text1.text(), "");
}

TEST_F(Conditions, SeismicButtonResetsDeltaAndShowsTheShortTermRow) {
    enterConditions();
    prog.Form14().opt4.setValue(true);
    f4().opt7.setValue(true);
    f4().txt11.setText("0.3");
    resultsPresent();
    f3().txt13.setText("280");
    for (int press = 0; press < 2; ++press) {
        f3().txt10.setText("15");
        f3().cmd2.click();
        EXPECT_EQ(f3().txt10.text(), "0");
    }
    EXPECT_TRUE(f3().opt4.value());
    EXPECT_FALSE(f4().opt7.value() || f4().opt8.value());
    EXPECT_EQ(f4().txt11.text(), "");
    EXPECT_TRUE(f3().txt13.visible() && f3().lbl46.visible() && f3().lbl47.visible());
    EXPECT_EQ(f3().txt13.text(), "280");
    EXPECT_TRUE(f3().cmd4.enabled());
    EXPECT_FALSE(prog.Form14.loaded());
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(buttonsEnabled());
    EXPECT_FALSE(prog.Form25.loaded()); // not shown; cmd4 opens it
}

// Choosing a load-case option acts as its button; an option restored by code (Open) does not.
TEST_F(Conditions, LoadCaseOptionsChosenByTheUserActAsTheirButtons) {
    enterConditions();
    f3().opt4.click();
    EXPECT_EQ(f3().txt10.text(), "0");
    EXPECT_TRUE(f3().cmd4.enabled());
    EXPECT_TRUE(f3().txt13.visible());
    f3().txt13.setText("300");
    f3().opt3.click();
    EXPECT_FALSE(f3().cmd4.enabled());
    EXPECT_EQ(f3().txt13.text(), "");

    f3().txt10.setText("15");
    f3().opt4.setValue(true);
    EXPECT_EQ(f3().txt10.text(), "15");
    EXPECT_FALSE(f3().cmd4.enabled());
}

TEST_F(Conditions, DesignBasisRelabelsBothFrictionAngles) {
    enterConditions();
    resultsPresent();
    f3().opt_D.click();
    EXPECT_EQ(f3().lbl10.caption(), "せん断抵抗角：φ=");
    EXPECT_EQ(f3().lbl14.caption(), "せん断抵抗角：φ=");
    EXPECT_EQ(f3().activeControl(), &f3().txt2);
    EXPECT_EQ(f3().txt2.selLength(), 2);
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(buttonsEnabled());
    f3().opt_T.click();
    EXPECT_EQ(f3().lbl10.caption(), "内部摩擦角：φ=");
    EXPECT_EQ(f3().lbl14.caption(), "内部摩擦角：φ=");
}

TEST_F(Conditions, TanPhiComputesTheFrictionCoefficient) {
    enterConditions();
    f3().txt11.setText("");
    f3().opt6.click();
    EXPECT_EQ(services.lastMessage().text, "内部摩擦角を入力してください。");
    EXPECT_EQ(f3().activeControl(), &f3().txt11);
    EXPECT_TRUE(f3().opt6.value());

    f3().txt11.setText("30");
    f3().opt6.click();
    EXPECT_EQ(f3().txt9.text(), "0.577"); // tan 30° = 0.57735
    EXPECT_FALSE(f3().txt9.border());
    EXPECT_EQ(f3().activeControl(), &f3().txt9);
    EXPECT_EQ(f3().txt9.selLength(), 5);
}

TEST_F(Conditions, CohesionOptions) {
    enterConditions();
    f3().opt7.click();
    EXPECT_TRUE(f3().txt14.border());
    EXPECT_EQ(f3().activeControl(), &f3().txt14);
    f3().txt14.type("12");
    f3().opt8.click();
    EXPECT_FALSE(f3().txt14.border());
    EXPECT_EQ(f3().txt14.text(), "0");
}

TEST_F(Conditions, ClosingTheScreenThroughItsFrameAsksAsCloseDoes) {
    enterConditions();
    resultsPresent();
    prog.MDIForm1().fileName = "a.tvl";
    services.answers = {Answer::Cancel};
    f3().userClose();
    EXPECT_EQ(services.lastMessage().text, "閉じてもよろしいですか？");
    EXPECT_EQ(services.lastMessage().title, "確認");
    EXPECT_TRUE(prog.Form3.loaded());
    EXPECT_EQ(prog.d.Sigma_max, 150); // Cancel changes nothing
    EXPECT_EQ(prog.d.ScreenNo, 1);

    services.answers = {Answer::Ok};
    f3().userClose();
    EXPECT_FALSE(prog.Form3.loaded());
    EXPECT_FALSE(prog.Form4.loaded());
    EXPECT_EQ(prog.d.ScreenNo, 0);
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_EQ(prog.MDIForm1().fileName, "");
    EXPECT_FALSE(buttonsEnabled());
}

} // namespace

namespace {

TEST_F(Conditions, ANumberBeyondSinglePrecisionStopsTheCommandWithItsMessage) {
    enterConditions();
    prog.d.Sigma28 = 24;
    f3().txt2.setText("1e39");
    f3().cmd3.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_NE(services.lastMessage().text.find("コンクリートの設計基準強度"), std::string::npos)
        << services.lastMessage().text;
    EXPECT_EQ(prog.d.Sigma28, 24.0f); // the design data as they were
    EXPECT_FALSE(prog.Form23.loaded() && prog.Form23().visible());
}

} // namespace

namespace {

TEST_F(Conditions, TabOrderFollowsTheBoxesDownBothColumns) {
    auto& f = f3();
    const std::vector<platform::Control*> order{&f.txt1, &f.txt2,  &f.txt3, &f.txt13, &f.txt4,
                                                &f.txt5, &f.txt6,  &f.cbo1, &f.txt8,  &f.txt10,
                                                &f.cbo2, &f.txt11, &f.cmd3};
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i]->tabIndex(), static_cast<int>(i)) << order[i]->name();
    EXPECT_GT(f.txt14.tabIndex(), f.opt8.tabIndex());
    EXPECT_GT(f.txt9.tabIndex(), f.opt6.tabIndex());
    EXPECT_EQ(f.txt1.inputMode(), platform::InputMode::Hiragana);
    EXPECT_EQ(f.txt5.inputMode(), platform::InputMode::Off);

    auto& f23 = prog.Form23();
    const std::vector<platform::Control*> shapeOrder{&f23.cmd1, &f23.cmd2, &f23.opt2, &f23.opt1};
    for (std::size_t i = 0; i < shapeOrder.size(); ++i)
        EXPECT_EQ(shapeOrder[i]->tabIndex(), static_cast<int>(i)) << shapeOrder[i]->name();
    EXPECT_EQ(f23.caption(), "地盤の形状の選択");
    EXPECT_EQ(f.caption(), "");
    EXPECT_EQ(prog.Form25().caption(), "Tarvelo(Mirenda版)");
}

} // namespace
