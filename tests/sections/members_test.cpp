#include "sections/members.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace {

using model::DesignBasis;
using model::DesignData;
using model::GroundShape;
using model::LoadCase;
using model::Member;
using model::SeismicMethod;
using sections::MemberChoices;

MemberChoices normal() {
    MemberChoices c;
    c.loadCase = LoadCase::Normal;
    c.basis = DesignBasis::Building;
    c.shape = GroundShape::OneSided;
    c.frontSoilCounted = true;
    return c;
}

MemberChoices seismic(SeismicMethod m, bool inertia = false) {
    MemberChoices c = normal();
    c.loadCase = LoadCase::Seismic;
    c.method = m;
    c.surchargeInertia = inertia;
    return c;
}

// Base of 4.0 m: toe 0.5, front wall 0.3, span 2.4, rear wall 0.3, heel 0.5; the seven points lie at
// 0, 0.5, 0.8, 2.0, 3.2, 3.5 and 4.0 from the toe tip. Largest pressure 100 kN/m2.
DesignData base() {
    DesignData d;
    d.B_Toe = 0.5f;
    d.T_WallFront = 0.3f;
    d.B_Span = 2.4f;
    d.T_WallBack = 0.3f;
    d.B_Heel = 0.5f;
    d.B = 4.0f;
    d.Sigma_max = 100;
    d.T_Slab = 0.4f;
    d.T_WallBackTop = 0.3f;
    d.H1 = 2.4f;
    d.H2 = 0.6f;
    return d;
}

struct ContactCase {
    const char* name;
    float e;
    float xn; // expected contact length; e = 0 keeps the 7 set before
    float vp, v1, v2, v3, v4, v5, vr;
};

// The linear law: 100·(Xn − u)/Xn at a distance u from the edge of largest pressure, 0 beyond Xn.
const ContactCase kContacts[] = {
    // Xn = (B/6e + 1)·B/2 = (4/3 + 1)·2 = 4.6667
    {"within, e > 0", 0.5f, 4.666667f, 100, 89.28571f, 82.85714f, 57.14286f, 31.42857f, 25.0f, 14.28571f},
    {"within, e < 0", -0.5f, 4.666667f, 14.28571f, 25.0f, 31.42857f, 57.14286f, 82.85714f, 89.28571f, 100},
    {"centred", 0, 7, 100, 100, 100, 100, 100, 100, 100},
    // Xn = 3·(B/2 − e) = 3.75, inside the heel: V5 = 100·0.25/3.75
    {"toe side, ends in the heel", 0.75f, 3.75f, 100, 86.66667f, 78.66667f, 46.66667f, 14.66667f, 6.666667f,
     0},
    // Xn = 3.3, inside the rear wall
    {"toe side, ends in the rear wall", 0.9f, 3.3f, 100, 84.84849f, 75.75758f, 39.39394f, 3.030303f, 0, 0},
    // Xn = 1.5, inside the span
    {"toe side, ends in the span", 1.5f, 1.5f, 100, 66.66667f, 46.66667f, 0, 0, 0, 0},
    // Xn = 0.6, inside the front wall
    {"toe side, ends in the front wall", 1.8f, 0.6f, 100, 16.66667f, 0, 0, 0, 0, 0},
    // Xn = 3.3 from the heel tip
    {"heel side", -0.9f, 3.3f, 0, 0, 3.030303f, 39.39394f, 75.75758f, 84.84849f, 100},
};

TEST(GroundReactions, EveryContactStateFollowsTheLinearLaw) {
    for (const auto& k : kContacts) {
        SCOPED_TRACE(k.name);
        DesignData d = base();
        d.e = k.e;
        d.Xn = 7;
        for (float* v : {&d.VP, &d.V1, &d.V2, &d.V3, &d.V4, &d.V5, &d.VR})
            *v = 999; // an earlier run's values are all overwritten
        ASSERT_TRUE(sections::groundReactions(d, normal()));
        EXPECT_NEAR(d.Xn, k.xn, 1e-4);
        const float got[7] = {d.VP, d.V1, d.V2, d.V3, d.V4, d.V5, d.VR};
        const float want[7] = {k.vp, k.v1, k.v2, k.v3, k.v4, k.v5, k.vr};
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(got[i], want[i], 2e-3) << "point " << i;
    }
}

TEST(GroundReactions, MiddleThirdBoundaryAndFaults) {
    DesignData d = base();
    d.e = 4.0f / 6; // |e|/B = 1/6 in single precision: within, Xn = B, zero at the heel tip
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    EXPECT_FLOAT_EQ(d.Xn, 4.0f);
    EXPECT_NEAR(d.VR, 0, 1e-4);

    d = base();
    d.B = 0;
    EXPECT_FALSE(sections::groundReactions(d, normal()));
    d = base();
    d.e = 2.0f; // resultant at the toe tip: no contact length
    EXPECT_FALSE(sections::groundReactions(d, normal()));
}

TEST(GroundReactions, SlabLoadsAndRearWallAngle) {
    DesignData d = base();
    d.GammaS = 18, d.GammaC = 24, d.H_CenterSoil = 0.5f, d.q_Center = 5, d.q_Back = 10, d.q_Front = 3;
    d.H_BackSoil = 2.0f, d.H_FrontSoil = 1.0f, d.T_HeelTip = 0.3f, d.Taper_Heel = 0.1f;
    d.T_ToeTip = 0.2f, d.Taper_Toe = 0.2f;
    d.T_WallBack = 0.45f; // batter 0.15 over H1 − T_Slab + H2 = 2.6
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    EXPECT_FLOAT_EQ(d.W1, 23.6f);              // 24·0.4 + 18·0.5 + 5
    EXPECT_FLOAT_EQ(d.W2, 55.6f);              // 18·2.0 + 24·0.4 + 10
    EXPECT_FLOAT_EQ(d.W3, 55.0f);              // 18·2.1 + 24·0.3 + 10
    EXPECT_FLOAT_EQ(d.W4, 30.6f);              // 18·1.0 + 24·0.4 + 3
    EXPECT_FLOAT_EQ(d.W5, 29.4f);              // 18·1.2 + 24·0.2 + 3
    EXPECT_NEAR(d.Theta_Rear, 3.30187f, 1e-4); // atan(0.15 / 2.6) in degrees with π = 3.14159

    auto omitted = normal();
    omitted.frontSoilCounted = false;
    omitted.frontSoilOmitted = true;
    ASSERT_TRUE(sections::groundReactions(d, omitted));
    EXPECT_FLOAT_EQ(d.W4, 12.6f); // 24·0.4 + 3: the slab and the surcharge only
    EXPECT_FLOAT_EQ(d.W5, 7.8f);  // 24·0.2 + 3
}

// The wall: back soil 2.0 above a slab of 0.4, wall top 0.6 above the back ground, top width 0.3, earth
// face batter 0.15, heel 0.5; KA 0.3, γs 18, γc 24, q 10, Kh 0.2, surcharge inertia at 1.2 m.
DesignData wall() {
    DesignData d = base();
    d.KA = 0.3f, d.GammaS = 18, d.GammaC = 24, d.q_Back = 10, d.Kh = 0.2f;
    d.H_BackSoil = 2.0f, d.T_Slab = 0.4f, d.H2 = 0.6f, d.T_WallBackTop = 0.3f, d.Batter_BackIn = 0;
    d.Batter_BackOut = 0.15f, d.B_HeelBatter = 0.65f, d.Y3_Surch = 1.2f;
    d.Y_BackSoil = 1.5f, d.A_BackSoil = 1.0f;
    return d;
}

struct WallCase {
    const char* name;
    MemberChoices choices;
    double mA, sA, mB, sB;
};

TEST(WallForces, NormalAndEachSeismicMethodWithAndWithoutSurchargeInertia) {
    // A: h = 0.8, PAX = ½·0.3·18·0.8² = 1.728, △PAX = 0.3·10·0.8 = 2.4;
    //    M = 0.8·2.4/2 + 0.8·1.728/3 = 1.4208, S = 4.128.
    // B: PAX = ½·0.3·18·2² = 10.8, △PAX = 10·0.3·2 = 6; M = 6 + 7.2 = 13.2, S = 16.8.
    // Inertia, A: a = 1.0, wall 0.3 + 0.15/2.6/2 = 0.328846 m2, W = 7.892308, y1 = 0.485380;
    //    backfill 0.241538 m2 at y2 = 0.201274, y3 = 1.2·0.8/2.4 = 0.4.
    // Inertia, B: W = 24·0.975 = 23.4 at y = 1.213333; backfill 1.0 m2 at 1.5 − 0.4 = 1.1.
    const WallCase cases[] = {
        {"normal", normal(), 142080, 4128, 1320000, 16800},
        {"K1", seismic(SeismicMethod::K1), 142080, 4128, 1320000, 16800},
        {"K1 with inertia ticked", seismic(SeismicMethod::K1, true), 142080, 4128, 1320000, 16800},
        // + 0.2·7.892308·0.485380 = 0.766154; + 0.2·7.892308 = 1.578462
        // B: + 0.2·23.4·1.213333 = 5.6784; + 4.68
        {"K2", seismic(SeismicMethod::K2), 218695.38, 5706.4615, 1887840, 21480},
        {"D1", seismic(SeismicMethod::D1), 218695.38, 5706.4615, 1887840, 21480},
        // A: + 18·0.241538·0.2·0.201274 + 10·0.2·0.4 = 0.975015; + 18·0.241538·0.2 + 2 = 2.869538
        // B: + 1.0·18·0.2·1.1 + (1.2 − 0.4)·0.2·10 = 5.56; + 3.6 + 2
        {"K2 with inertia", seismic(SeismicMethod::K2, true), 316196.92, 8576, 2443840, 27080},
        {"D1 with inertia", seismic(SeismicMethod::D1, true), 316196.92, 8576, 2443840, 27080},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        DesignData d = wall();
        ASSERT_TRUE(sections::memberForces(d, Member::A, k.choices));
        ASSERT_TRUE(sections::memberForces(d, Member::B, k.choices));
        EXPECT_NEAR(d.M_r1, k.mA, k.mA * 1e-6);
        EXPECT_NEAR(d.S_r1, k.sA, k.sA * 1e-6);
        EXPECT_NEAR(d.M_r2, k.mB, k.mB * 1e-6);
        EXPECT_NEAR(d.S_r2, k.sB, k.sB * 1e-6);
    }
}

TEST(WallForces, SurchargeDeductionAndVerticalFaceWithoutHeel) {
    DesignData d = wall();
    d.q_Back = 3;
    auto c = normal();
    c.deductSurcharge = true;
    ASSERT_TRUE(sections::memberForces(d, Member::A, c));
    ASSERT_TRUE(sections::memberForces(d, Member::B, c));
    EXPECT_FLOAT_EQ(d.DPAX_r1, -0.48f); // 0.3·(3 − 5)·0.8: lowers A's forces
    EXPECT_FLOAT_EQ(d.S_r1, 1248.0f);   // (1.728 − 0.48)·10³
    EXPECT_EQ(d.DPAX_r2, 0);            // B's negative △PAX becomes 0

    d = wall();
    d.Batter_BackOut = 0, d.B_Heel = 0, d.B_HeelBatter = 0;
    d.Y2_r1 = 7; // an earlier run's lever arm is not used
    ASSERT_TRUE(sections::memberForces(d, Member::A, seismic(SeismicMethod::K2, true)));
    EXPECT_EQ(d.A_Back_r1, 0);
    EXPECT_EQ(d.Y2_r1, 0);

    d = wall();
    EXPECT_FALSE(sections::memberForces(d, Member::A, seismic(SeismicMethod::None)));
}

// Slab: span 2.4, W1 = 30.
DesignData slabCase(float e, float v2, float v4) {
    DesignData d = base();
    d.W1 = 30, d.e = e, d.Xn = 10, d.V2 = v2, d.V4 = v4, d.Sigma_max = 50;
    return d;
}

void slabForces(DesignData& d) {
    for (Member m : {Member::C, Member::D, Member::E})
        ASSERT_TRUE(sections::memberForces(d, m, normal()));
}

TEST(SlabForces, CentredTrapezoidAndItsMirror) {
    DesignData d = slabCase(0, 0, 0);
    slabForces(d);
    EXPECT_FLOAT_EQ(d.M2_r5, 12.0f);    // σmax·L²/24 = 50·5.76/24
    EXPECT_FLOAT_EQ(d.M_r5, 480000.0f); // |30 − 50|·5.76/24 · 10⁵
    EXPECT_FLOAT_EQ(d.M_r6, 960000.0f); // |14.4 − 24|·10⁵
    EXPECT_FLOAT_EQ(d.S_r6, 24000.0f);  // |36 − 60|·10³
    EXPECT_FLOAT_EQ(d.M_r7, d.M_r6);

    // V2 60, V4 40: C21 = 40·5.76/12 + 20·5.76/20 = 24.96, C22 = 19.2 + 3.84 = 23.04,
    // M2_r5 = 40·5.76/8 + 20·5.76/(9√3) − 24 = 12.190084; D takes C21 and 20·2.4/3 + 48 = 64,
    // E takes C22 and 20·2.4/6 + 48 = 56.
    d = slabCase(0.1f, 60, 40);
    slabForces(d);
    EXPECT_FLOAT_EQ(d.C21, 24.96f);
    EXPECT_FLOAT_EQ(d.C22, 23.04f);
    EXPECT_NEAR(d.M2_r5, 12.190084, 1e-5);
    EXPECT_FLOAT_EQ(d.M2_r6, 24.96f);
    EXPECT_FLOAT_EQ(d.S2_r6, 64.0f);
    EXPECT_FLOAT_EQ(d.M2_r7, 23.04f);
    EXPECT_FLOAT_EQ(d.S2_r7, 56.0f);
    const DesignData front = d;

    d = slabCase(-0.1f, 40, 60);
    slabForces(d);
    EXPECT_FLOAT_EQ(d.M_r5, front.M_r5);
    EXPECT_FLOAT_EQ(d.M_r6, front.M_r7);
    EXPECT_FLOAT_EQ(d.S_r6, front.S_r7);
    EXPECT_FLOAT_EQ(d.M_r7, front.M_r6);
}

// Independent check of the partial-contact parts: the beam formulas integrated numerically.
struct Beam {
    std::function<double(double)> q;
    double L;
    double integral(const std::function<double(double)>& f) const {
        const int n = 4000;
        double s = 0;
        for (int i = 0; i < n; ++i) {
            const double x = (i + 0.5) * L / n;
            s += q(x) * f(x) * L / n;
        }
        return s;
    }
    double femFront() const {
        return integral([&](double x) { return x * (L - x) * (L - x) / (L * L); });
    }
    double femRear() const {
        return integral([&](double x) { return x * x * (L - x) / (L * L); });
    }
    double reactFront() const {
        return integral([&](double x) { return (L - x) / L; });
    }
    double reactRear() const {
        return integral([&](double x) { return x / L; });
    }
    double maxSimple() const {
        double best = 0;
        const double r = reactFront();
        for (int i = 0; i <= 500; ++i) {
            const double x = i * L / 500;
            const double m = r * x - integral([&](double t) { return t < x ? x - t : 0; });
            best = std::max(best, m);
        }
        return best;
    }
};

TEST(SlabForces, ContactEndingInsideTheSpanUsesTheActualReaction) {
    // e = 1.5 on the base of 4.0: Xn = 1.5, the reaction falls from V2 = 46.667 at the span's front end
    // to 0 at 0.7 inside the span.
    DesignData d = base();
    d.e = 1.5f;
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    d.W1 = 30;
    d.M2_r5 = d.M2_r6 = d.S2_r6 = d.M2_r7 = d.S2_r7 = 999;
    slabForces(d);
    const double v2 = d.V2;
    Beam b{[v2](double x) { return x < 0.7 ? v2 * (1 - x / 0.7) : 0; }, 2.4};
    EXPECT_NEAR(d.M2_r6, b.femFront(), 1e-4);
    EXPECT_NEAR(d.S2_r6, b.reactFront(), 1e-4);
    EXPECT_NEAR(d.M2_r7, b.femRear(), 1e-4);
    EXPECT_NEAR(d.S2_r7, b.reactRear(), 1e-4);
    EXPECT_NEAR(d.M2_r5, b.maxSimple() - (b.femFront() + b.femRear()) / 2, 1e-3);

    // Contact ending before the span: no reaction on it.
    d = base();
    d.e = 1.8f;
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    d.W1 = 30;
    slabForces(d);
    EXPECT_EQ(d.M2_r5, 0);
    EXPECT_EQ(d.S2_r6, 0);
    EXPECT_FLOAT_EQ(d.M_r5, 720000.0f); // 30·5.76/24 · 10⁵
}

TEST(HeelToeKeyForces, TheDocumentedExamples) {
    DesignData d = base();
    d.B_Heel = 1.0f, d.B = 5.0f, d.e = 0.1f, d.Xn = 10;
    d.W2 = 40, d.W3 = 30, d.VR = 10, d.V5 = 50;
    ASSERT_TRUE(sections::memberForces(d, Member::F, normal()));
    EXPECT_NEAR(d.M1_r8, 16.667, 1e-3); // (2·30 + 40)/6
    EXPECT_FLOAT_EQ(d.S1_r8, 35.0f);
    EXPECT_NEAR(d.M2_r8, 11.667, 1e-3); // (2·10 + 50)/6
    EXPECT_FLOAT_EQ(d.S2_r8, 30.0f);
    EXPECT_NEAR(d.M_r8, 5e5, 1);
    EXPECT_NEAR(d.S_r8, 5e3, 1e-2);

    d.H0_Key = 0.5f, d.P_Key = 100;
    ASSERT_TRUE(sections::memberForces(d, Member::H, normal()));
    EXPECT_FLOAT_EQ(d.M_r10, 1.25e6f); // 100·0.5²/2 · 10⁵
    EXPECT_FLOAT_EQ(d.S_r10, 5e4f);    // 100·0.5 · 10³

    // Toe of 0.5 fully in contact: W4 = W5 = 20 → 2.5 and 10; VP 100, V1 80 → 0.25·280/6, 45.
    d.W4 = d.W5 = 20, d.VP = 100, d.V1 = 80;
    ASSERT_TRUE(sections::memberForces(d, Member::G, normal()));
    EXPECT_FLOAT_EQ(d.M1_r9, 2.5f);
    EXPECT_FLOAT_EQ(d.S1_r9, 10.0f);
    EXPECT_NEAR(d.M2_r9, 11.6667, 1e-4);
    EXPECT_FLOAT_EQ(d.S_r9, 35000.0f);
}

TEST(HeelToeKeyForces, PartialContactUsesTheActualReaction) {
    // Toe side, Xn = 3.75 ends 0.25 into the heel of 0.5: triangle of V5 = 6.667 over 0.25.
    DesignData d = base();
    d.e = 0.75f;
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    ASSERT_TRUE(sections::memberForces(d, Member::F, normal()));
    EXPECT_NEAR(d.M2_r8, 0.0625 * d.V5 / 6, 1e-6);
    EXPECT_NEAR(d.S2_r8, 0.25 * d.V5 / 2, 1e-6);

    // Toe side, Xn = 0.3 inside the toe of 0.5: VP 100 at the tip falling to 0 at 0.2 from the root.
    d = base();
    d.e = 1.9f;
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    ASSERT_TRUE(sections::memberForces(d, Member::G, normal()));
    EXPECT_NEAR(d.S2_r9, 100 * d.Xn / 2, 1e-3);                    // 15
    EXPECT_NEAR(d.M2_r9, 100 * d.Xn / 2 * (0.5 - d.Xn / 3), 1e-3); // 15 · 0.4 = 6

    // Heel side, Xn = 0.3 inside the heel: the mirror for the heel; the toe carries nothing.
    d = base();
    d.e = -1.9f;
    ASSERT_TRUE(sections::groundReactions(d, normal()));
    ASSERT_TRUE(sections::memberForces(d, Member::F, normal()));
    ASSERT_TRUE(sections::memberForces(d, Member::G, normal()));
    EXPECT_NEAR(d.S2_r8, 15, 1e-3);
    EXPECT_NEAR(d.M2_r8, 6, 1e-3);
    EXPECT_EQ(d.M2_r9, 0);
    EXPECT_EQ(d.S2_r9, 0);
}

// Member B, wall 40 cm thick, cover 60, M = 30 kN·m, S = 20 kN, σsa long-term 176, τ0a 1.4: the largest
// spacing of every bar row, j·d = 0.875·(40 − (60 + addition)/10), At = M/(100·σsa·jd),
// U = S/(100·τ0a·jd), spacing = 1000 / max(At/area, U/perimeter). Under the building code in the
// normal case "D25,D29" (5.745 cm²) and larger take 195 N/mm2; in the seismic case σsa stays 176.
TEST(SteelAndSpacing, EveryBarRowAndTheBarSizeRule) {
    const char* building[21] = {"122",  "169",  "216",  "277",  "338",  "411",  "486",
                                "568",  "653",  "751",  "851",  "1063", "1189", "1323",
                                "1463", "1605", "1754", "1913", "2081", "2253", "2434"};
    const char* seismicCase[21] = {"122",  "169",  "216",  "277",  "338",  "411",  "486",
                                   "568",  "653",  "751",  "851",  "959",  "1073", "1194",
                                   "1320", "1449", "1583", "1727", "1878", "2033", "2197"};
    for (int row = 0; row < 21; ++row) {
        for (bool quake : {false, true}) {
            SCOPED_TRACE(row);
            DesignData d;
            d.T_WallBack = 0.4f, d.M_r2 = 3e6f, d.S_r2 = 2e4f, d.Sigma_sa_Long = 176, d.Tau_0a = 1.4f;
            d.Sigma_sa = 176;
            auto c = quake ? seismic(SeismicMethod::K1) : normal();
            auto label = sections::steelAndSpacing(d, Member::B, c, {row, "60", ""});
            ASSERT_TRUE(label);
            EXPECT_EQ(*label, quake ? seismicCase[row] : building[row]);
            EXPECT_EQ(d.Sigma_sa, !quake && row >= 11 ? 195.0f : 176.0f);
        }
    }
}

TEST(SteelAndSpacing, NoBarOrNothingRequiredShowsNoSpacing) {
    DesignData d;
    d.T_Slab = 0.5f, d.M_r5 = 1e6f, d.Sigma_sa_Long = 176, d.Tau_0a = 1.4f;
    auto label = sections::steelAndSpacing(d, Member::C, normal(), {-1, "60", ""});
    ASSERT_TRUE(label);
    EXPECT_EQ(*label, "");
    EXPECT_EQ(d.CoverC_r5, 0); // no bar: the cover does not reach d′

    d.M_r5 = 0;
    label = sections::steelAndSpacing(d, Member::C, normal(), {4, "60", ""});
    ASSERT_TRUE(label);
    EXPECT_EQ(*label, "");
    EXPECT_EQ(d.Bar_r5, "D16");
    EXPECT_FLOAT_EQ(d.CoverC_r5, 68.0f);

    d.M_r5 = 1e6f;
    d.T_Slab = 0.05f; // thinner than the cover
    EXPECT_FALSE(sections::steelAndSpacing(d, Member::C, normal(), {4, "60", ""}));
}

TEST(SectionCoefficient, TheDocumentedExamples) {
    DesignData d;
    d.Phi_Back = 30;
    ASSERT_TRUE(sections::sectionKa(d, normal()));
    EXPECT_NEAR(d.KA_Sect, 0.3333, 1e-4); // (1 − sin 30°)/(1 + sin 30°)

    d.Kh = 0.2f;
    ASSERT_TRUE(sections::sectionKa(d, seismic(SeismicMethod::K1)));
    EXPECT_NEAR(d.ThetaK, 11.31, 1e-2);
    EXPECT_NEAR(d.KA_Sect, 0.4733, 1e-4);
    ASSERT_TRUE(sections::sectionKa(d, seismic(SeismicMethod::K2))); // Coulomb, as the dimensions screen
    EXPECT_NEAR(d.KA_Sect, 0.3333, 1e-4);

    d.Phi_Back = 20, d.Kh = 0.5f; // θk = 26.57° > φ: the root term is dropped
    ASSERT_TRUE(sections::sectionKa(d, seismic(SeismicMethod::D1)));
    EXPECT_NEAR(d.KA_Sect, 1.2337, 1e-4);

    d.Kv = 1;
    const float before = d.KA_Sect;
    DesignData w = d;
    EXPECT_FALSE(sections::sectionKa(w, seismic(SeismicMethod::K1)));
    EXPECT_EQ(d.KA_Sect, before);
}

} // namespace

namespace {

// Member B with "  D16" (1.986 cm2), d = 32.2 cm, M = 30 kN·m, S = 20 kN, spacing 200 mm:
// As = 100·(1000/200)·1.986 = 993 mm2, p = 993/(1000·322) = 0.0030839,
// k = √((15p)² + 30p) − 15p = 0.261403, j = 1 − k/3 = 0.912866,
// σc = 2·3·10⁷/(322²·k·j·1000) = 2.42506, σs = 3·10⁷/(993·j·322) = 102.780, τc = 2·10⁴/(j·1000·322) =
// 0.06804.
DesignData checked() {
    DesignData d;
    d.BarArea_r2 = 1.986f, d.Deff_r2 = 32.2f, d.M_r2 = 3e6f, d.S_r2 = 2e4f;
    d.Sigma_ca = 8, d.Sigma_sa = 176, d.Sigma_sa_Long = 176, d.Tau_ca = 0.7f;
    return d;
}

TEST(StressChecks, TheNumbersOfACheckByHand) {
    DesignData d = checked();
    auto r = sections::checkStresses(d, Member::B, normal(), "200");
    ASSERT_TRUE(r);
    EXPECT_FLOAT_EQ(d.Pitch_r2, 200.0f);
    EXPECT_NEAR(d.P_r2, 0.00308385, 1e-8);
    EXPECT_NEAR(d.K_r2, 0.261403, 1e-6);
    EXPECT_NEAR(d.Jc_r2, 0.912866, 1e-6);
    EXPECT_NEAR(r->sigmaC, 2.425055, 1e-5);
    EXPECT_NEAR(r->sigmaS, 102.78017, 1e-4);
    EXPECT_NEAR(r->tauC, 0.0680405, 1e-7);
    EXPECT_EQ(r->textC, "2.425");
    EXPECT_EQ(r->textS, "102.780");
    EXPECT_EQ(r->textTau, "0.068");
    EXPECT_FLOAT_EQ(d.SigmaC_r2, 2.425f); // stored as shown
    EXPECT_FALSE(r->ng());
}

TEST(StressChecks, JudgedOnTheUnroundedStressEqualityPasses) {
    DesignData d = checked();
    const float sigmaS = sections::checkStresses(d, Member::B, normal(), "200")->sigmaS;

    d = checked();
    d.Sigma_sa = d.Sigma_sa_Long = sigmaS; // equal: passes
    auto r = sections::checkStresses(d, Member::B, normal(), "200");
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->ng());

    d = checked();
    d.Sigma_sa = d.Sigma_sa_Long = std::nextafter(sigmaS, 0.0f); // below by far less than 0.0005
    r = sections::checkStresses(d, Member::B, normal(), "200");
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->overS);
    EXPECT_TRUE(r->ng());
    EXPECT_EQ(r->textS, platform::format(d.Sigma_sa, "0.000")); // the shown value equals the allowable
}

TEST(StressChecks, BarSizeRuleMemberCAndRefusedSpacings) {
    DesignData d = checked();
    d.BarArea_r2 = 5.745f; // "D25,D29": 195 N/mm2 under the building code in the normal case
    ASSERT_TRUE(sections::checkStresses(d, Member::B, normal(), "250"));
    EXPECT_EQ(d.Sigma_sa, 195.0f);
    d.Sigma_sa = 300; // seismic: left as the conditions set it
    ASSERT_TRUE(sections::checkStresses(d, Member::B, seismic(SeismicMethod::K1), "250"));
    EXPECT_EQ(d.Sigma_sa, 300.0f);

    DesignData c;
    c.BarArea_r5 = 1.986f, c.Deff_r5 = 32.2f, c.M_r5 = 3e6f, c.Sigma_ca = 8, c.Sigma_sa = 176;
    c.Sigma_sa_Long = 176, c.Tau_ca = 0; // member C has no shear to judge
    auto r = sections::checkStresses(c, Member::C, normal(), "200");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->textTau, "――");
    EXPECT_FALSE(r->ng());

    for (const char* spacing : {"", "0", "-150", "abc", " 0.0"}) {
        SCOPED_TRACE(spacing);
        DesignData w = checked();
        auto refused = sections::checkStresses(w, Member::B, normal(), spacing);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.fault().message, sections::kNoDesignSpacing);
        EXPECT_EQ(w.SigmaC_r2, 0);
    }
    DesignData noBar = checked();
    noBar.BarArea_r2 = 0;
    EXPECT_FALSE(sections::checkStresses(noBar, Member::B, normal(), "200"));
}

} // namespace
