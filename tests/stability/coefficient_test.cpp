#include <optional>

#include "model/calc.h"
#include "platform/runtime.h"
#include "stability_fixture.h"

namespace stability_test {
namespace {

using CoefficientTest = StabilityTest;

// A vertical earth face (θ = 0) with the given φ and δ.
void wall(app::Program& p, const char* phi, const char* delta) {
    simpleWall(p);
    type({{&p.Form3().txt8, phi}, {&p.Form3().txt10, delta}});
}

TEST_F(CoefficientTest, CoulombAndOkabeMononobeMatchTheTables) {
    struct Case {
        const char* name;
        const char* phi;
        const char* delta;
        std::optional<Method> method; // none: the normal case
        const char* kh;
        float ka;
        const char* shown; // as "計算する" shows it, "0.00#"
    };
    const Case cases[] = {
        {"Coulomb φ30", "30", "0", {}, "0", 0.3333337f, "0.333"},
        {"Coulomb φ30 δ20", "30", "20", {}, "0", 0.2973141f, "0.297"},
        {"Coulomb φ32 δ10", "32", "10", {}, "0", 0.2852496f, "0.285"},
        {"method ② uses Coulomb", "30", "20", Method::K2, "0.2", 0.2973141f, "0.297"},
        {"Okabe ① φ30 kh0.2", "30", "0", Method::K1, "0.2", 0.4732650f, "0.473"},
        {"Okabe B φ35 δ17.5 kh0.2", "35", "17.5", Method::D1, "0.2", 0.3797444f, "0.38"},
        {"Okabe B θk beyond φ", "10", "0", Method::D1, "0.25", 1.057236f, "1.057"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        wall(p, c.phi, c.delta);
        if (c.method) seismic(p, *c.method, c.kh);
        ASSERT_TRUE(keisan(p));
        EXPECT_FLOAT_EQ(p.d.KA, c.ka);
        EXPECT_EQ(platform::format(p.d.KA, "0.00#"), c.shown);
    }
}

TEST_F(CoefficientTest, AComputedCoefficientIsUsedAsDisplayed) {
    typicalWall(prog); // φ 30, δ 20, θ 3.652°
    f4().txt11.setText("");
    ASSERT_TRUE(keisan(prog));
    EXPECT_FLOAT_EQ(prog.d.KA, 0.3243808f);
    ASSERT_TRUE(f4().DANMEM_1()); // "計算する" runs the engine on the coefficient just computed
    EXPECT_FLOAT_EQ(prog.d.PA, static_cast<float>(2.5 * 2.5 * (double{prog.d.KA} * 0.5 * 18)));

    f4().txt11.setText(platform::format(prog.d.KA, "0.00#"));
    EXPECT_EQ(f4().txt11.text(), "0.324");
    ASSERT_TRUE(run(prog)); // every later run reads the box
    EXPECT_EQ(prog.d.KA, 0.324f);
}

TEST_F(CoefficientTest, OkabeMononobeTermsOfTheSeismicAngle) {
    wall(prog, "30", "0");
    seismic(prog, Method::K1, "0.2");
    ASSERT_TRUE(keisan(prog));
    const auto& d = prog.d;
    EXPECT_FLOAT_EQ(d.ThetaK_Rad, 0.19739556f); // atan(0.2 / (1 − 0))
    EXPECT_EQ(platform::format(d.ThetaK, "0.00"), "11.31");
    EXPECT_FLOAT_EQ(d.CosThetaK, 0.9805807f);
    EXPECT_FLOAT_EQ(d.SinPhiBeta, 0.3204484f); // sin(30 − 11.31)
    EXPECT_FLOAT_EQ(d.KA_Numer, 0.8973128f);   // cos²(18.69) × (1 − 0)
    EXPECT_FLOAT_EQ(d.Cos2Theta, 1);

    // θk = atan(0.25) = 14.04° exceeds φ = 10°: the root term is 0.
    app::Program p;
    wall(p, "10", "0");
    seismic(p, Method::D1, "0.25");
    ASSERT_TRUE(keisan(p));
    EXPECT_EQ(platform::format(p.d.ThetaK, "0.00"), "14.04");
    EXPECT_EQ(p.d.SinPhiBeta, 0);
}

TEST_F(CoefficientTest, MethodTwoKeepsTheSeismicAngleOfAnEarlierRun) {
    wall(prog, "30", "0");
    seismic(prog, Method::K1, "0.2");
    ASSERT_TRUE(keisan(prog));
    const float thetaK = prog.d.ThetaK;
    const float cosThetaK = prog.d.CosThetaK;
    prog.Form25().opt_K2.setValue(true);
    ASSERT_TRUE(keisan(prog));
    EXPECT_EQ(prog.d.ThetaK, thetaK);
    EXPECT_EQ(prog.d.CosThetaK, cosThetaK);
    EXPECT_FLOAT_EQ(prog.d.KA, 0.3333337f);
}

TEST_F(CoefficientTest, FaultsNameWhatCouldNotBeComputedAndKeepKa) {
    struct Case {
        const char* name;
        const char* phi;
        const char* delta;
        std::optional<Method> method;
        const char* kh;
        const char* kv;
        const char* message;
        model::CalcFault code;
    };
    using F = model::CalcFault;
    const Case cases[] = {
        {"Kv = 1", "30", "0", Method::D1, "0.2", "1", "地震時の土圧係数を計算できません（1－Kv が 0 です）。",
         F::ZeroDivisor},
        // θk = 11.30994°: δ + θ + θk = 90° up to the program's π
        {"δ + θ + θk = 90°", "30", "78.69006", Method::K1, "0.2", "0",
         "地震時の土圧係数を計算できません（δ＋θ＋θk が 90° です）。", F::RightAngle},
        {"θk of a huge Kh", "30", "0", Method::D1, "1e30", "0",
         "地震時の土圧係数を計算できません（δ＋θ＋θk が 90° です）。", F::RightAngle},
        {"δ + θ = 90°",
         "30",
         "90",
         {},
         "0",
         "0",
         "主働土圧係数を計算できません（δ＋θ が 90° です）。",
         F::RightAngle},
        {"negative root",
         "30",
         "-60",
         {},
         "0",
         "0",
         "主働土圧係数を計算できません（平方根の中が負になります）。",
         F::NegativeRoot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::Program p;
        wall(p, c.phi, c.delta);
        if (c.method) seismic(p, *c.method, c.kh, c.kv);
        auto status = keisan(p);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.fault().message, c.message);
        EXPECT_TRUE(status.fault().is(c.code));
        EXPECT_EQ(p.d.KA, 0.3f); // as read from the box
    }
}

TEST_F(CoefficientTest, TheSeismicCaseWithoutAMethodIsRefused) {
    wall(prog, "30", "0");
    f3().opt4.setValue(true);
    auto status = keisan(prog);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "地震時水平荷重の計算方法を選択してください。");
    EXPECT_EQ(prog.d.KA, 0.3f);
}

} // namespace
} // namespace stability_test
