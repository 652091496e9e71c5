#include <gtest/gtest.h>

#include <cmath>

#include "../stability/stability_fixture.h"
#include "platform/runtime.h"

namespace {

using stability_test::StabilityTest;

class Form7Members : public StabilityTest {
protected:
    void SetUp() override {
        stability_test::typicalWall(prog);
        ASSERT_TRUE(stability_test::run(prog));
        ASSERT_NE(prog.d.Sigma_max, 0);
        ASSERT_TRUE(prog.Form7().TEKKIN());
    }
    sections::Form7& f7() { return prog.Form7(); }
    bool toolbar(int i) { return prog.MDIForm1().Toolbar1.buttonEnabled(i); }
};

TEST_F(Form7Members, ChoosingABarShowsTheLargestSpacingOfEveryMember) {
    auto& bar = prog.MDIForm1().Toolbar1;
    using M = app::MDIForm1;
    for (int i : {M::kButtonOverwrite, M::kButtonImage, M::kButtonPrint})
        bar.setButtonEnabled(i, true);
    f7().lbl5.setCaption("0.5");
    f7().lbl8.setCaption("O.K");

    f7().cbo2.choose(11); // "D25,D29"
    EXPECT_EQ(prog.d.Bar_r2, "D25,D29");
    EXPECT_FLOAT_EQ(prog.d.CoverC_r2, 74.5f); // 60 + 14.5
    EXPECT_FLOAT_EQ(prog.d.Sigma_sa, 195.0f); // building code, normal case, 5.745 cm2
    EXPECT_EQ(f7().lbl_rb.caption(), platform::format(std::floor(prog.d.PitchReq_r2), "0"));
    EXPECT_FALSE(f7().lbl_rb.caption().empty());
    EXPECT_EQ(f7().lbl5.caption(), "");
    EXPECT_EQ(f7().lbl8.caption(), "");
    EXPECT_FALSE(toolbar(M::kButtonOverwrite));
    EXPECT_FALSE(toolbar(M::kButtonImage));
    EXPECT_TRUE(toolbar(M::kButtonPrint)); // print is left as it was

    // Members A to G (the wall has a heel and a toe but no shear key).
    for (std::size_t k = 0; k < 7; ++k)
        f7().barLists()[k]->choose(4); // "  D16"
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_FALSE(f7().spacingLabels()[k]->caption().empty()) << k;
    EXPECT_FLOAT_EQ(prog.d.Sigma_sa, prog.d.Sigma_sa_Long); // member G's bar, below 5.745 cm2
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(Form7Members, ComputedAndTypedCoefficient) {
    f7().cbo1.choose(6);
    f7().txt1.setText("200");
    prog.d.SectCheck_Done = 1;

    f7().cmd5.click(); // "計算する"
    EXPECT_TRUE(f7().opt2.value());
    EXPECT_EQ(f7().txt_ka.text(), platform::format(prog.d.KA_Sect, "0.000"));
    // Coulomb with φ 30°, δ 20°, β 0 and θ = atan(0.15 / 2.35) = 3.6522°
    EXPECT_NEAR(prog.d.KA_Sect, 0.324381, 1e-5);
    EXPECT_EQ(f7().cbo1.text(), "");
    EXPECT_EQ(f7().lbl_ra.caption(), "");
    EXPECT_EQ(f7().txt1.text(), "");
    EXPECT_EQ(prog.d.SectCheck_Done, 0);

    f7().cmd4.click(); // "直接入力": the text stays, selected, in a bordered box
    EXPECT_TRUE(f7().opt1.value());
    EXPECT_TRUE(f7().txt_ka.border());
    EXPECT_EQ(f7().txt_ka.selLength(), static_cast<int>(f7().txt_ka.text().size()));
    f7().txt_ka.type("0.35");
    EXPECT_FLOAT_EQ(prog.d.KA_Sect, 0.35f); // kept as a number for the report
}

TEST_F(Form7Members, AnImpossibleCoefficientIsRefusedAndChangesNothing) {
    f7().cmd5.click();
    const std::string shown = f7().txt_ka.text();
    const float ka = prog.d.KA_Sect;
    f7().cbo1.choose(6);
    const std::string spacing = f7().lbl_ra.caption();

    prog.Form3().opt4.setValue(true);
    prog.d.Kv = 1; // 1 − Kv divides θk
    f7().cmd5.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(f7().txt_ka.text(), shown);
    EXPECT_EQ(prog.d.KA_Sect, ka);
    EXPECT_EQ(f7().lbl_ra.caption(), spacing);
}

TEST_F(Form7Members, StressChecksShowTheirNumbersColoursAndVerdicts) {
    f7().cbo2.choose(4);
    f7().txt2.setText("100");
    ASSERT_TRUE(f7().Ouryoku_2());
    EXPECT_EQ(f7().lbl5.caption(), platform::format(prog.d.SigmaC_r2, "0.000"));
    EXPECT_EQ(f7().lbl8.caption(), "O.K");
    EXPECT_EQ(f7().lbl8.foreColor(), platform::kBlack);
    EXPECT_EQ(services.beeps, 0);

    prog.d.Sigma_ca = 0.001f; // every concrete stress above it
    ASSERT_TRUE(f7().Ouryoku_2());
    EXPECT_EQ(f7().lbl8.caption(), "NG");
    EXPECT_EQ(f7().lbl5.foreColor(), (platform::Color{255, 0, 255}));
    EXPECT_EQ(services.beeps, 1);

    f7().cbo5.choose(4);
    f7().txt5.setText("100");
    ASSERT_TRUE(f7().Ouryoku_5());
    EXPECT_EQ(f7().lbl19.caption(), "――");

    const std::string shown = f7().lbl5.caption();
    f7().txt2.setText("0");
    EXPECT_FALSE(f7().Ouryoku_2()); // refused: nothing divided, nothing shown
    EXPECT_EQ(f7().lbl5.caption(), shown);
}

TEST_F(Form7Members, WhileAProjectIsReadOnlyTheBarIsTaken) {
    prog.d.Sigma_max = 0;
    prog.d.M_r2 = 7;
    f7().projectBeingRead = true;
    f7().cbo2.choose(8);
    f7().projectBeingRead = false;
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FLOAT_EQ(prog.d.BarArea_r2, 3.871f); // "  D22"
    EXPECT_FLOAT_EQ(prog.d.CoverC_r2, 71.0f);
    EXPECT_EQ(prog.d.M_r2, 7);
    EXPECT_EQ(f7().lbl_rb.caption(), "");
    EXPECT_EQ(f7().cbo2.listIndex(), 8);
}

// Forces of void stability results would belong to other inputs: the choice is refused and the row
// counts as not chosen.
TEST_F(Form7Members, WithoutStabilityResultsNoBarIsChosen) {
    prog.d.Sigma_max = 0;
    prog.d.M_r2 = 7;
    f7().lbl_rb.setCaption("250");
    f7().lbl8.setCaption("O.K");
    f7().cbo2.choose(8);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(f7().cbo2.listIndex(), -1);
    EXPECT_EQ(f7().cbo2.text(), "");
    EXPECT_EQ(f7().lbl_rb.caption(), "");
    EXPECT_EQ(f7().lbl8.caption(), "");
    EXPECT_EQ(prog.d.M_r2, 7);
}

TEST_F(Form7Members, SeismicMethodMissingForTheWallsIsAskedFor) {
    prog.Form3().opt4.setValue(true);
    f7().cbo1.choose(6);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "地震時水平荷重の計算方法を選択してください。");
    EXPECT_EQ(f7().lbl_ra.caption(), "");
}

} // namespace
