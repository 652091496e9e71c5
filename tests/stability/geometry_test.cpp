#include <cmath>

#include "platform/runtime.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

using GeometryTest = StabilityTest;

TEST_F(GeometryTest, DerivesTheGeometryOfTheTypedWall) {
    typicalWall(prog);
    prog.d.A_Toe = 7; // a sum of an earlier run, cleared by the copy
    prog.d.W_QBack = 7;
    ASSERT_TRUE(f4().HENSUU());
    const auto& d = prog.d;
    EXPECT_EQ(d.SectionNo, "1");
    EXPECT_EQ(d.WallSymbol, "A");
    EXPECT_EQ(d.H_EarthPressure, 2.5f);
    EXPECT_FLOAT_EQ(d.B, 4.15f);              // 0.4 + 0.6 + 2.2 + 0.45 + 0.5
    EXPECT_FLOAT_EQ(d.B_HeelBatter, 0.65f);   // (0.5 + 0.45) − (0.05 + 0.25)
    EXPECT_FLOAT_EQ(d.B_SpanTop, 2.3f);       // 0.05 + 0.05 + 2.2
    EXPECT_FLOAT_EQ(d.Batter_FrontOut, 0.1f); // 0.4 − 0.25 − 0.05
    EXPECT_FLOAT_EQ(d.Batter_BackOut, 0.15f); // 0.45 − 0.25 − 0.05
    EXPECT_FLOAT_EQ(d.Taper_Toe, 0.15f);
    EXPECT_FLOAT_EQ(d.Taper_Heel, 0.1f);
    EXPECT_FLOAT_EQ(d.H_FrontSoil, 0.75f); // 1.2 − 0.3 − 0.15
    EXPECT_FLOAT_EQ(d.H_BackSoil, 2.05f);  // 2.5 − 0.35 − 0.1
    // atan(0.15 / (2.5 − 0.45 + 0.3)) = 0.0637433 rad; / 3.14159 × 180
    EXPECT_FLOAT_EQ(d.Theta, 3.6522257f);
    EXPECT_EQ(d.q_Front, 3);
    EXPECT_EQ(d.KA, 0.297f);
    EXPECT_EQ(d.A_Toe, 0);
    EXPECT_EQ(d.W_QBack, 0);
}

TEST_F(GeometryTest, TheSymmetricShapeMirrorsTheBackSide) {
    typicalWall(prog);
    prog.Form23().opt2.setValue(true);
    type({{&f4().txt3, "9"}, {&f4().txt4, "9"}, {&f4().txt23, "9"}});
    ASSERT_TRUE(f4().HENSUU());
    EXPECT_EQ(prog.d.H3, 0.3f);
    EXPECT_EQ(prog.d.H4, 2.5f);
    EXPECT_EQ(prog.d.H_FrontSoil, prog.d.H_BackSoil);
    EXPECT_EQ(prog.d.q_Front, 10);
}

TEST_F(GeometryTest, TheShearKeyIsReadOnlyWhileAKeyIsChosen) {
    typicalWall(prog);
    auto& key = prog.Form19();
    type({{&key.txt1, "0.4"}, {&key.txt2, "1.5"}, {&key.txt3, "0.35"}});
    prog.d.H0_Key = 0;
    ASSERT_TRUE(f4().HENSUU());
    EXPECT_EQ(prog.d.H0_Key, 0);

    f4().opt6.setValue(true);
    ASSERT_TRUE(f4().HENSUU());
    EXPECT_EQ(prog.d.H0_Key, 0.4f);
    EXPECT_EQ(prog.d.B1_Key, 1.5f);
    EXPECT_EQ(prog.d.D_Key, 0.35f);
}

TEST_F(GeometryTest, AVerticalEarthFaceHasNoInclination) {
    simpleWall(prog);
    f4().txt11.setText(platform::format(0.3516f, "0.00#")); // a computed coefficient as shown
    EXPECT_EQ(f4().txt11.text(), "0.352");
    type({{&f4().txt5, "1.2m"}, {&f4().txt6, "1 2"}, {&f4().txt7, "m1.2"}});
    ASSERT_TRUE(f4().HENSUU());
    EXPECT_EQ(prog.d.Batter_BackOut, 0);
    EXPECT_EQ(prog.d.Theta, 0);
    EXPECT_EQ(prog.d.KA, 0.352f);
    EXPECT_EQ(prog.d.H1, 1.2f);
    EXPECT_EQ(prog.d.H2, 12);
    EXPECT_EQ(prog.d.T_WallFrontTop, 0);
}

TEST_F(GeometryTest, NoWallHeightAboveTheSlabIsAFaultThatChangesNothing) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    const model::DesignData before = prog.d;
    f4().lbl57.setVisible(true);

    type({{&f4().txt5, "0.4"}, {&f4().txt6, "0"}}); // H1 − T_Slab + H2 = 0.4 − 0.4 + 0
    auto status = f4().HENSUU();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message,
              "後たて壁背面の傾きθを計算できません（H1－底版の厚さ＋H2 が 0 です）。");
    // Nothing of the new boxes is kept, and the results of the earlier boxes count as absent.
    EXPECT_EQ(prog.d.H1, before.H1);
    EXPECT_EQ(prog.d.Sigma_max, 0);
    EXPECT_FALSE(f4().lbl57.visible());

    // All boxes empty, as on a fresh screen.
    app::Program fresh;
    EXPECT_FALSE(fresh.Form4().HENSUU());
    EXPECT_TRUE(std::isfinite(fresh.d.Theta));
}

TEST_F(GeometryTest, ANumberBeyondTheSingleRangeIsAFault) {
    simpleWall(prog);
    f4().txt14.setText("1e39");
    auto status = f4().HENSUU();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "壁の内のり の値が大きすぎます。");

    // Each width fits, their sum does not.
    type({{&f4().txt14, "3e38"}, {&f4().txt13, "3e38"}});
    status = f4().HENSUU();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "擁壁の寸法を計算できません（値が大きすぎます）。");
}

} // namespace
} // namespace stability_test
