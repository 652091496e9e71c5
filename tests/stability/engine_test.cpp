#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "model/calc.h"
#include "platform/runtime.h"
#include "stability/engine.h"
#include "stability/faults.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

using EngineTest = StabilityTest;

constexpr float kLargest = std::numeric_limits<float>::max();

void key(app::Program& p, const char* h0, const char* b1) {
    p.Form4().opt6.setValue(true);
    auto& f19 = p.Form19();
    type({{&f19.txt1, h0}, {&f19.txt2, b1}, {&f19.txt3, "0.3"}});
}

TEST_F(EngineTest, SimpleWallCheckedByHand) {
    simpleWall(prog);
    prog.d.X_Toe = 7;      // no toe: an earlier value stays
    prog.d.X_BackSoil = 7; // a vertical earth face without a heel: no back soil, its lever arm stays
    prog.d.A_Eff = 7;      // no cohesion: stays
    ASSERT_TRUE(run(prog));
    const auto& d = prog.d;
    EXPECT_FLOAT_EQ(d.PA, 15.552f);  // 2.4² × 0.3 × 0.5 × 18
    EXPECT_FLOAT_EQ(d.PAX, 15.552f); // θ = δ = 0
    EXPECT_EQ(d.PAY, 0);
    EXPECT_FLOAT_EQ(d.A_FrontWall, 0.9f);  // 2.6 × 0.3 + 0.3 × 0.4
    EXPECT_FLOAT_EQ(d.A_BackWall, 0.9f);   // (0.6 + 2.0) × 0.3 + 0.3 × 0.4
    EXPECT_FLOAT_EQ(d.A_Slab, 0.8f);       // 2.0 × 0.4
    EXPECT_FLOAT_EQ(d.SumV, 62.4f);        // 24 × 2.6
    EXPECT_FLOAT_EQ(d.X_FrontWall, 0.15f); // middle of the front wall
    EXPECT_FLOAT_EQ(d.X_BackWall, 2.45f);  // 0.3 + 2.0 + 0.15
    EXPECT_FLOAT_EQ(d.X_Slab, 1.3f);       // 0.3 + 1.0
    EXPECT_EQ(d.X_Toe, 7);
    EXPECT_EQ(d.A_FrontSoil, 0); // no front-soil choice without a toe
    EXPECT_EQ(d.A_BackSoil, 0);
    EXPECT_EQ(d.X_BackSoil, 7);
    EXPECT_FLOAT_EQ(d.Mr, 81.12f);   // 21.6 × 2.45 + 21.6 × 0.15 + 19.2 × 1.3
    EXPECT_FLOAT_EQ(d.Mo, 12.4416f); // 15.552 × 2.4 / 3
    EXPECT_FLOAT_EQ(d.F_Overturn, 6.520061f);
    EXPECT_FLOAT_EQ(d.d, 1.1006154f);         // (81.12 − 12.4416) / 62.4
    EXPECT_FLOAT_EQ(d.e, 0.19938457f);        // 1.3 − d
    EXPECT_FLOAT_EQ(d.Sigma_max, 35.042839f); // (6e / B + 1) × 62.4 / 2.6
    EXPECT_FLOAT_EQ(d.Sigma_min, 12.957163f); // (1 − 6e / B) × 24
    EXPECT_FLOAT_EQ(d.Xn, 4.1253605f);        // (B / 6e + 1) × B / 2
    EXPECT_FLOAT_EQ(d.SumH, 15.552f);
    EXPECT_FLOAT_EQ(d.RH, 31.2f); // 62.4 × 0.5
    EXPECT_FLOAT_EQ(d.F_Slide, 2.0061727f);
    EXPECT_EQ(d.A_Eff, 7);
}

TEST_F(EngineTest, TypicalWallWithToeHeelFillAndSurcharges) {
    typicalWall(prog);
    ASSERT_TRUE(run(prog));
    const auto& d = prog.d;
    EXPECT_FLOAT_EQ(d.PAX, 15.302884f); // a = θ + δ = 23.65°
    EXPECT_FLOAT_EQ(d.PAY, 6.7022767f);
    EXPECT_FLOAT_EQ(d.DPA, 7.425f); // 10 × 0.297 × 2.5
    EXPECT_FLOAT_EQ(d.A_FrontWall, 0.91125f);
    EXPECT_FLOAT_EQ(d.A_BackWall, 1.025f);
    EXPECT_FLOAT_EQ(d.A_Heel, 0.2f);
    EXPECT_FLOAT_EQ(d.A_Toe, 0.225f);
    EXPECT_FLOAT_EQ(d.A_CenterSoil, 0.6619575f);
    EXPECT_FLOAT_EQ(d.A_BackSoil, 1.1841223f);
    EXPECT_FLOAT_EQ(d.A_FrontSoil, 0.50750005f);
    EXPECT_FLOAT_EQ(d.W_QBack, 6.3085108f);
    EXPECT_FLOAT_EQ(d.W_QCenter, 11.066667f); // both batters over the front wall's height
    EXPECT_FLOAT_EQ(d.W_QFront, 1.9f);
    EXPECT_FLOAT_EQ(d.SumW, 124.47006f);
    EXPECT_FLOAT_EQ(d.SumV, 143.74524f);
    EXPECT_FLOAT_EQ(d.X_FrontWall, 0.8092593f);
    EXPECT_FLOAT_EQ(d.X_BackWall, 3.4068496f);
    EXPECT_FLOAT_EQ(d.X_Heel, 3.8895833f);
    EXPECT_FLOAT_EQ(d.X_Toe, 0.32f);
    EXPECT_FLOAT_EQ(d.X_CenterSoil, 2.0999291f);
    EXPECT_FLOAT_EQ(d.X_BackSoil, 3.8685024f);
    EXPECT_FLOAT_EQ(d.X_FrontSoil, 0.29879585f);
    EXPECT_FLOAT_EQ(d.SumWx, 285.58487f);
    EXPECT_FLOAT_EQ(d.Mr, 333.617f);
    EXPECT_FLOAT_EQ(d.Mo, 21.254005f);
    EXPECT_FLOAT_EQ(d.e, -0.098032f); // the resultant lies on the heel side
    EXPECT_FLOAT_EQ(d.Sigma_max, 39.546669f);
    EXPECT_FLOAT_EQ(d.Sigma_min, 29.728142f);
    EXPECT_FLOAT_EQ(d.Xn, 16.715204f);
    EXPECT_FLOAT_EQ(d.SumH, 22.104166f);
    EXPECT_FLOAT_EQ(d.F_Slide, 3.7522795f);
}

// The table of parts is what the self-weight report loops over: its rows must add up to the engine's
// totals, in the inertia method too.
TEST_F(EngineTest, ThePartsTableAddsUpToTheEngineTotals) {
    typicalWall(prog);
    seismic(prog, Method::K2, "0.2");
    ASSERT_TRUE(run(prog));
    const auto& d = prog.d;
    double w = 0, wx = 0, wy = 0;
    for (const stability::WallPartFields& part : stability::kWallParts) {
        w += stability::partWeight(d, part);
        wx += stability::partWeight(d, part) * (d.*part.x);
        wy += stability::partWeight(d, part) * (d.*part.y);
    }
    EXPECT_FLOAT_EQ(static_cast<float>(w), d.SumW);
    EXPECT_FLOAT_EQ(static_cast<float>(wx), d.SumWx);
    EXPECT_FLOAT_EQ(static_cast<float>(wy), d.SumWy);
    // ⑤ is concrete: γc 24.5 × A_Toe 0.225 = 5.5125; ⑥ is soil: γs 18 × A_CenterSoil.
    EXPECT_FLOAT_EQ(
        static_cast<float>(stability::partWeight(d, stability::wallPart(stability::WallPart::Toe))), 5.5125f);
    EXPECT_FLOAT_EQ(
        static_cast<float>(stability::partWeight(d, stability::wallPart(stability::WallPart::CenterSoil))),
        18 * d.A_CenterSoil);
}

TEST_F(EngineTest, SeismicMethodsChooseTheOverturningMomentAndHorizontalForce) {
    struct Case {
        const char* name;
        Method method;
        float mo, sumH, sumWy;
    };
    const Case cases[] = {
        // ①: KA is the seismic coefficient; the normal formulas, no inertia.
        {"①", Method::K1, 12.4416f, 15.552f, 0},
        // ②, B: Kh × ΣW·y + H × PAX / 3 = 0.2 × 68.64 + 12.4416; Kh × ΣW + PAX = 12.48 + 15.552
        {"②", Method::K2, 26.1696f, 28.032f, 68.64f},
        {"B", Method::D1, 26.1696f, 28.032f, 68.64f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        simpleWall(p);
        seismic(p, c.method, "0.2");
        ASSERT_TRUE(run(p));
        EXPECT_FLOAT_EQ(p.d.Mo, c.mo);
        EXPECT_FLOAT_EQ(p.d.SumH, c.sumH);
        EXPECT_FLOAT_EQ(p.d.SumWy, c.sumWy);
        if (c.method != Method::K1) {
            EXPECT_FLOAT_EQ(p.d.Y_FrontWall, 1.5f); // (0.78 × 1.7 + 0.12 × 0.2) / 0.9
            EXPECT_FLOAT_EQ(p.d.Y_Slab, 0.2f);
        }
    }
}

TEST_F(EngineTest, SurchargeInertiaAddsToMoAndSumHButNotTheFrontSurchargeToMo) {
    typicalWall(prog);
    seismic(prog, Method::K2, "0.2");
    ASSERT_TRUE(run(prog));
    EXPECT_FLOAT_EQ(prog.d.Mo, 43.836819f);
    EXPECT_FLOAT_EQ(prog.d.SumH, 46.998177f);

    prog.Form21().chk1.setValue(1);
    prog.d.Y_QBack = 1;
    ASSERT_TRUE(run(prog));
    // + 0.2 × W_QBack × 1.0 + (0.3 + 0.45) × 0.2 × W_QCenter
    EXPECT_FLOAT_EQ(prog.d.Mo, 46.758522f);
    // + 0.2 × (W_QCenter + W_QBack + W_QFront)
    EXPECT_FLOAT_EQ(prog.d.SumH, 50.853214f);
    EXPECT_FLOAT_EQ(prog.d.F_Slide, 1.6309885f);

    // Back to the normal case with ② still chosen: ΣW·y is computed, Mo is the normal one.
    f3().opt3.setValue(true);
    ASSERT_TRUE(run(prog));
    EXPECT_FLOAT_EQ(prog.d.SumWy, 112.91407f);
    EXPECT_FLOAT_EQ(prog.d.Mo, 21.254005f);
}

TEST_F(EngineTest, TheFiveKilonewtonDeductionAndTheFrontSoilChoice) {
    typicalWall(prog);
    f4().chk1.setValue(1);
    ASSERT_TRUE(run(prog));
    EXPECT_FLOAT_EQ(prog.d.DPA, 3.7125f); // (10 − 5) × 0.297 × 2.5
    EXPECT_EQ(prog.d.q_Back, 10);
    f4().txt21.setText("3");
    ASSERT_TRUE(run(prog));
    EXPECT_FLOAT_EQ(prog.d.DPA, -1.485f); // (3 − 5) × 0.297 × 2.5 reduces ΣH
    EXPECT_FLOAT_EQ(prog.d.SumH, 13.942628f);

    app::Program p;
    typicalWall(p);
    p.Form4().opt4.setValue(true); // front soil not counted; its surcharge still is
    ASSERT_TRUE(run(p));
    EXPECT_EQ(p.d.A_FrontSoil, 0);
    EXPECT_FLOAT_EQ(p.d.SumW, 115.33506f);
    EXPECT_FLOAT_EQ(p.d.SumV, 134.61024f);         // ΣW + 6.3085 + 11.0667 + 1.9
    EXPECT_FLOAT_EQ(p.d.X_FrontSoil, 0.29879585f); // computed all the same: the wall has an outer batter
    EXPECT_FLOAT_EQ(p.d.Mr, 330.88751f);

    // Without a toe the choice is not offered: one left from before counts for nothing, where it would
    // count the wedge against the front wall's batter, H_FrontSoil · wf / 2 = 0.75 · 0.0333 / 2 = 0.0125
    // (H_FrontSoil = 1.2 − 0 − 0.45, wf = 0.1 · 0.75 / (0.75 + 1.5)).
    app::Program q;
    typicalWall(q);
    stability_test::type({{&q.Form4().txt12, "0"}, {&q.Form4().txt18, "0"}});
    ASSERT_TRUE(q.Form4().opt3.value());
    ASSERT_TRUE(run(q));
    EXPECT_EQ(q.d.A_FrontSoil, 0);
    const float sumW = q.d.SumW;
    q.Form4().opt3.setValue(false);
    ASSERT_TRUE(run(q));
    EXPECT_EQ(q.d.SumW, sumW);
}

TEST_F(EngineTest, TwoSidedPressureHasNoOverturningOrSliding) {
    simpleWall(prog);
    prog.Form23().opt2.setValue(true);
    prog.d.F_Overturn = 9;
    prog.d.Xn = 9;
    prog.d.F_Slide = 9;
    ASSERT_TRUE(run(prog));
    EXPECT_EQ(prog.d.Mo, 0);
    EXPECT_EQ(prog.d.e, 0);                // a symmetric section
    EXPECT_FLOAT_EQ(prog.d.Sigma_max, 24); // ΣV / B = 62.4 / 2.6
    EXPECT_EQ(prog.d.Sigma_min, prog.d.Sigma_max);
    EXPECT_EQ(prog.d.A_FrontSoil, 0);
    EXPECT_EQ(prog.d.F_Overturn, 9);
    EXPECT_EQ(prog.d.Xn, 9);
    EXPECT_EQ(prog.d.F_Slide, 9);

    // Without overturning moment or horizontal force the seismic case needs no method.
    f3().opt4.setValue(true);
    ASSERT_TRUE(run(prog));
    EXPECT_EQ(prog.d.Mo, 0);
    EXPECT_FLOAT_EQ(prog.d.Sigma_max, 24);
}

TEST_F(EngineTest, ShearKeyByPassiveResistanceAndByShearResistance) {
    struct Case {
        const char* name;
        bool typical;
        const char* ka;
        bool road;
        float s1, s2, w1, fKey;
        double hk;
    };
    const Case cases[] = {
        // e ≥ 0 inside the middle third: L = 0.3 × tan 60°, σ from σmax falling to 0 at Xn.
        {"building, e ≥ 0, r < 1/6", false, "0.3", false, 30.962206f, 26.548347f, 47.458347f, 3.189867f, 0},
        // e ≥ 0 outside the middle third (KA 0.8): σmin = 0, W1 only within the contact length.
        {"building, e ≥ 0, r > 1/6", false, "0.8", false, 42.860229f, 30.653965f, 43.300491f, 1.3197216f, 0},
        // e < 0: σ1 and σ2 measured from the heel end.
        {"building, e < 0", true, "0.297", false, 31.637859f, 33.277008f, 121.25811f, 4.9273381f, 0},
        {"road, e ≥ 0", false, "0.3", true, 30.962206f, 26.548347f, 0, 2.3165262f, 36.02661979436887},
        {"road, e ≥ 0, r > 1/6", false, "0.8", true, 42.860229f, 30.653965f, 0, 0.8686974f,
         36.02662138703479},
        {"road, e < 0", true, "0.297", true, 31.637859f, 33.277008f, 0, 3.6070917f, 79.73175075896552},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        if (c.typical) {
            typicalWall(p);
            key(p, "0.4", "1.5");
        } else {
            simpleWall(p);
            key(p, "0.3", "1.0");
        }
        p.Form4().txt11.setText(c.ka);
        if (c.road) p.Form3().opt_D.setValue(true);
        p.d.W1_Key = -1;
        p.d.Hk = -1;
        ASSERT_TRUE(run(p));
        EXPECT_FLOAT_EQ(p.d.Sigma_1, c.s1);
        EXPECT_FLOAT_EQ(p.d.Sigma_2, c.s2);
        EXPECT_FLOAT_EQ(p.d.Sigma_0, static_cast<float>((double{c.s1} + c.s2) * 0.5));
        EXPECT_FLOAT_EQ(p.d.F_SlideKey, c.fKey);
        if (c.road) {
            EXPECT_NEAR(p.d.Hk, c.hk, 1e-9);
            EXPECT_EQ(p.d.W1_Key, -1); // not computed under this basis
        } else {
            EXPECT_FLOAT_EQ(p.d.W1_Key, c.w1);
            EXPECT_EQ(p.d.Hk, -1);
        }
    }

    app::Program p;
    simpleWall(p);
    key(p, "0.3", "1.0");
    ASSERT_TRUE(run(p));
    EXPECT_FLOAT_EQ(p.d.L_Key, 0.51961422f); // 0.3 × tan(60°), π taken as 3.14159
    EXPECT_FLOAT_EQ(p.d.P_Key, 86.265472f);  // tan²(60°) × σ0
}

TEST_F(EngineTest, AnEccentricityOfExactlyASixthOfTheBase) {
    // |e| / B rounds to the single 1/6: the contact pressure and Xn take their trapezoid forms, W1 (whose
    // test is strict) the forms of the triangle.
    simpleWall(prog);
    key(prog, "0.3", "1.0");
    f4().txt11.setText("0.652006149");
    ASSERT_TRUE(run(prog));
    const auto& d = prog.d;
    ASSERT_EQ(platform::toSingle(std::fabs(double{d.e}) / d.B), platform::toSingle(1.0 / 6.0));
    EXPECT_EQ(d.Sigma_min, -1.10039355e-06f); // 0 up to rounding; the triangle would give 0
    EXPECT_FLOAT_EQ(d.Sigma_max, 48.0000038f);
    EXPECT_FLOAT_EQ(d.Xn, 2.5999999f);
    EXPECT_FLOAT_EQ(d.RH, 31.2f);
    EXPECT_FLOAT_EQ(d.Sigma_1, 39.131344f);
    EXPECT_FLOAT_EQ(d.Sigma_2, 29.538464f);
    // (|Xn| − B1) × σ2 / 2 + (σmax + σ1) / 2 × (B1 − L); the form inside the middle third gives 44.5590973
    EXPECT_EQ(d.W1_Key, 44.5591011f);
    EXPECT_FLOAT_EQ(d.F_SlideKey, 1.5733974f);
}

TEST_F(EngineTest, AKeyBeyondTheCompressedZoneTakesNegativePressures) {
    simpleWall(prog);
    key(prog, "0.3", "2.5");
    f4().txt11.setText("1.0");
    ASSERT_TRUE(run(prog));
    const auto& d = prog.d;
    EXPECT_FLOAT_EQ(d.Xn, 1.9061537f); // e ≥ 0; the key at B1 = 2.5 and the wedge's end lie beyond it
    EXPECT_FLOAT_EQ(d.Sigma_1, -2.5497084f);
    EXPECT_FLOAT_EQ(d.Sigma_2, -20.397306f);
    EXPECT_FLOAT_EQ(d.P_Key, -34.42038f);  // not clamped
    EXPECT_FLOAT_EQ(d.W1_Key, 68.361794f); // (|Xn| − B1) × σ2 / 2 is positive: both factors negative
    EXPECT_FLOAT_EQ(d.F_SlideKey, 0.46016166f);
}

TEST_F(EngineTest, CohesionWithEachEffectiveAreaChoice) {
    struct Case {
        const char* ka;
        bool deduct; // Form14.opt4, else opt5
        float rh, aEff, fKey;
    };
    const Case cases[] = {
        // r ≤ 1/6: A' × C + ΣV × μ, or ΣV × μ + B × C = 31.2 + 26
        {"0.3", true, 53.212307f, 2.2012308f, 4.6052670f},
        {"0.3", false, 57.2f, 2.2012308f, 4.8616772f},
        // r > 1/6: A' × C + ΣV × μ, or ΣV × μ + C × |Xn| (the lifted part deducted)
        {"0.8", true, 46.566154f, 1.5366153f, 1.6902403f},
        {"0.8", false, 54.249229f, 1.5366153f, 1.8754996f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ka) + (c.deduct ? " A'" : " B"));
        app::Program p;
        simpleWall(p);
        key(p, "0.3", "1.0");
        p.Form3().txt14.setText("10");
        p.Form4().txt11.setText(c.ka);
        (c.deduct ? p.Form14().opt4 : p.Form14().opt5).setValue(true);
        ASSERT_TRUE(run(p));
        EXPECT_FLOAT_EQ(p.d.RH, c.rh);
        EXPECT_FLOAT_EQ(p.d.A_Eff, c.aEff);
        EXPECT_FLOAT_EQ(p.d.F_SlideKey, c.fKey);

        // The shear-resistance method adds B1 × C whatever the choice.
        p.Form3().opt_D.setValue(true);
        ASSERT_TRUE(run(p));
        EXPECT_NEAR(p.d.Hk, c.ka[2] == '3' ? 46.02661979436887 : 46.02662138703479, 1e-9);
    }

    // The seismic dialog's choice counts the same way.
    app::Program p;
    simpleWall(p);
    seismic(p, Method::K1, "0.2");
    p.Form3().txt14.setText("10");
    p.Form21().opt8.setValue(true);
    ASSERT_TRUE(run(p));
    EXPECT_FLOAT_EQ(p.d.RH, 57.2f);
}

TEST_F(EngineTest, AResultantAtTheCentreUsesTheUnboundedCompressedZone) {
    // The typical wall's resultant lies on the heel side at KA 0.297 and on the toe side at 0.8; a
    // bisection on the typed coefficient finds one within 1E-06 of the centre.
    typicalWall(prog);
    key(prog, "0.4", "1.5");
    ASSERT_TRUE(f3().HENSUU());
    float low = 0.297f, high = 0.8f;
    bool centred = false;
    for (int i = 0; i < 80 && !centred; ++i) {
        const float ka = low + (high - low) / 2;
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", ka);
        f4().txt11.setText(text);
        ASSERT_TRUE(f4().HENSUU());
        ASSERT_TRUE(f4().DANMEM_1());
        centred = prog.d.e == 0;
        (prog.d.e < 0 ? low : high) = ka;
    }
    ASSERT_TRUE(centred);
    EXPECT_EQ(prog.d.Xn, kLargest);
    EXPECT_EQ(prog.d.Sigma_min, prog.d.Sigma_max);
    EXPECT_EQ(prog.d.Sigma_1, prog.d.Sigma_max);
    EXPECT_EQ(prog.d.Sigma_2, prog.d.Sigma_max);
    // r < 1/6 with e ≥ 0: W1 = σmax × (B1 − L) + σmax × (B − B1)
    const double w1 =
        double{prog.d.Sigma_max} * (1.5 - prog.d.L_Key) + double{prog.d.Sigma_max} * (prog.d.B - 1.5);
    EXPECT_NEAR(prog.d.W1_Key, w1, 1e-3);
}

TEST_F(EngineTest, MissingChoicesAreReportedInsteadOfEarlierValues) {
    struct Case {
        const char* name;
        void (*setUp)(app::Program&);
        const char* message;
        stability::StabilityFault code;
    };
    using F = stability::StabilityFault;
    const Case cases[] = {
        {"seismic case without a method", [](app::Program& p) { p.Form3().opt4.setValue(true); },
         stability::kNoSeismicMethod, F::NoSeismicMethod},
        {"no ground shape", [](app::Program& p) { p.Form23().opt1.setValue(false); },
         stability::kNoGroundShape, F::NoGroundShape},
        {"cohesion without the effective-area choice", [](app::Program& p) { p.Form3().txt14.setText("10"); },
         stability::kNoEffectiveArea, F::NoEffectiveArea},
        {"toe without the front-soil choice",
         [](app::Program& p) {
             type({{&p.Form4().txt12, "0.3"}, {&p.Form4().txt18, "0.2"}});
         },
         stability::kNoFrontSoilChoice, F::NoFrontSoilChoice},
        {"key without a design basis",
         [](app::Program& p) {
             key(p, "0.3", "1.0");
             p.Form3().opt_T.setValue(false);
         },
         stability::kNoDesignBasis, F::NoDesignBasis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        simpleWall(p);
        ASSERT_TRUE(run(p));
        const float rh = p.d.RH;
        c.setUp(p);
        auto status = run(p);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.fault().message, c.message);
        EXPECT_TRUE(status.fault().is(c.code));
        EXPECT_EQ(p.d.Sigma_max, 0);
        EXPECT_EQ(p.d.RH, rh);
    }
}

TEST_F(EngineTest, ZeroDivisorsStopWithANamedFault) {
    struct Case {
        const char* name;
        const char* ka;
        const char* qBack;
        const char* message;
        platform::FaultCode code;
    };
    const Case cases[] = {
        {"KA = 0: no overturning moment", "0", "0",
         "転倒に対する安全率を計算できません（転倒モーメント Mo が 0 です）。",
         model::CalcFault::ZeroDivisor},
        // ΔPA = −PA with q = −H × γs / 2 = −21.6, while Mo = KA × H² × (H × γs / 6 + q / 2) is not 0
        {"ΣH = 0", "0.3", "-21.6", "滑動に対する安全率を計算できません（水平力の合計 ΣH が 0 です）。",
         model::CalcFault::ZeroDivisor},
        {"resultant beyond the base", "5", "0",
         "地盤反力を計算できません（合力の作用位置が底版の端又はその外にあります）。",
         stability::StabilityFault::ResultantOutsideBase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        simpleWall(p);
        type({{&p.Form4().txt11, c.ka}, {&p.Form4().txt21, c.qBack}});
        auto status = run(p);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.fault().message, c.message);
        EXPECT_EQ(status.fault().code, c.code);
    }

    // A wall with no height above the slab on the front side.
    app::Program p;
    simpleWall(p);
    p.Form4().txt3.setText("0");
    auto status = run(p);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message,
              "各部の断面積を計算できません（前たて壁の高さ（H3＋前面土の高さ） が 0 です）。");
}

TEST_F(EngineTest, AFaultLeavesNoResultsAndIsShownAsAnErrorMessage) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    for (auto* l : {&f4().lbl52, &f4().lbl57, &f4().lbl73})
        l->setVisible(true);
    const model::DesignData before = prog.d;

    f4().txt11.setText("0");
    ASSERT_TRUE(f4().HENSUU());
    const float ka = prog.d.KA;
    auto status = f4().DANMEM_1();
    ASSERT_FALSE(status);
    EXPECT_EQ(prog.d.KA, ka);
    EXPECT_EQ(prog.d.PA, before.PA); // nothing of the failed pass is kept
    EXPECT_EQ(prog.d.Mo, before.Mo);
    EXPECT_EQ(prog.d.Sigma_max, 0); // and the earlier results count as absent
    EXPECT_FALSE(f4().lbl52.visible());
    EXPECT_FALSE(f4().lbl73.visible());

    platform::errorMessage(status.fault().message);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, status.fault().message);
    EXPECT_EQ(services.lastMessage().style, 256);
    EXPECT_EQ(services.lastMessage().title, "エラーメッセージ");

    // "突起の計算" on a fresh screen runs the engine on nothing at all.
    app::Program fresh;
    fresh.Form23().opt1.setValue(true);
    EXPECT_FALSE(fresh.Form4().DANMEM_1());
    EXPECT_EQ(fresh.d.Sigma_max, 0);
}

TEST_F(EngineTest, StaleResultsMarks) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    auto& f = f4();
    platform::Label* verdicts[] = {&f.lbl52, &f.lbl53, &f.lbl54, &f.lbl56, &f.lbl57, &f.lbl58, &f.lbl59,
                                   &f.lbl60, &f.lbl61, &f.lbl62, &f.lbl64, &f.lbl65, &f.lbl66, &f.lbl67,
                                   &f.lbl68, &f.lbl69, &f.lbl70, &f.lbl71, &f.lbl72, &f.lbl73};
    auto show = [&] {
        for (auto* l : verdicts)
            l->setVisible(true);
    };
    auto noneVisible = [&] {
        for (auto* l : verdicts)
            if (l->visible()) return false;
        return true;
    };
    EXPECT_TRUE(noneVisible()); // hidden until a run shows them
    EXPECT_EQ(f.lbl67.caption(), "突起の無い状態で");

    show();
    const float sigma = prog.d.Sigma_max;
    f.Hihyouji_3();
    EXPECT_TRUE(noneVisible());
    EXPECT_EQ(prog.d.Sigma_max, sigma);

    show();
    f.Hihyouji_1();
    EXPECT_TRUE(noneVisible());
    EXPECT_EQ(prog.d.Sigma_max, 0);

    auto& toolbar = prog.MDIForm1().Toolbar1;
    f.Hihyouji_2();
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(toolbar.buttonEnabled(i), i == 1 || i == 2 || i == 4) << i;
}

} // namespace
} // namespace stability_test
