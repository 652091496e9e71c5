#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "sections/members.h"

namespace {

using model::Member;

// Random sections, mostly plausible, some with zero, negative or huge dimensions and loads.
class RandomSection {
public:
    explicit RandomSection(unsigned seed) : rng_(seed) {}

    model::DesignData next() {
        odd_ = pick(10) < 3;
        model::DesignData d;
        for (float* v : {&d.B_Toe, &d.T_WallFront, &d.B_Span, &d.T_WallBack, &d.B_Heel, &d.T_Slab,
                         &d.T_ToeTip, &d.T_HeelTip, &d.H1, &d.H2, &d.T_WallBackTop, &d.Batter_BackIn,
                         &d.Batter_BackOut, &d.H_CenterSoil, &d.D_Key, &d.H0_Key})
            *v = value(2);
        d.B = d.B_Toe + d.T_WallFront + d.B_Span + d.T_WallBack + d.B_Heel;
        d.B_HeelBatter = d.B_Heel + d.Batter_BackOut;
        d.H_BackSoil = d.H1 - d.T_Slab;
        d.H_FrontSoil = value(2);
        d.Taper_Toe = d.T_Slab - d.T_ToeTip;
        d.Taper_Heel = d.T_Slab - d.T_HeelTip;
        d.e = static_cast<float>(d.B * (uniform() - 0.5) * (odd_ ? 1.2 : 0.8));
        if (pick(10) == 0) d.e = 0;
        d.Xn = value(5);
        for (float* v : {&d.Sigma_max, &d.q_Back, &d.q_Center, &d.q_Front, &d.P_Key})
            *v = value(100);
        d.GammaS = 18, d.GammaC = 24, d.KA = value(0.5), d.Kh = value(0.3);
        d.Y_BackSoil = value(2), d.A_BackSoil = value(2);
        d.Sigma_sa = value(200), d.Sigma_sa_Long = value(200), d.Tau_0a = value(2), d.Sigma_ca = 8;
        d.Tau_ca = 0.7f;
        return d;
    }
    sections::MemberChoices choices() {
        sections::MemberChoices c;
        c.loadCase = pick(2) ? model::LoadCase::Normal : model::LoadCase::Seismic;
        c.basis = pick(2) ? model::DesignBasis::Building : model::DesignBasis::Road;
        c.method = static_cast<model::SeismicMethod>(pick(4));
        c.shape = pick(2) ? model::GroundShape::OneSided : model::GroundShape::TwoSided;
        c.frontSoilCounted = pick(2);
        c.frontSoilOmitted = !c.frontSoilCounted;
        c.deductSurcharge = pick(2);
        c.surchargeInertia = pick(2);
        return c;
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(rng_); }

private:
    float value(double typical) {
        if (!odd_) return static_cast<float>(typical * (0.05 + uniform()));
        switch (pick(4)) {
        case 0:
            return 0;
        case 1:
            return static_cast<float>(-typical * uniform());
        case 2:
            return static_cast<float>(typical * 1e15 * uniform());
        default:
            return static_cast<float>(typical * uniform());
        }
    }

    std::mt19937 rng_;
    bool odd_ = false;
};

// Whether any number of the design data is NaN: the defaulted comparison compares every member, and NaN
// is the one value unequal to itself. Infinities are never stored: every computed store checks its range.
bool hasNaN(const model::DesignData& d) {
    return !(d == d);
}

TEST(MembersProperty, RandomSectionsEndInFiniteValuesOrANamedFault) {
    RandomSection in(20261210u);
    int designed = 0;
    for (int i = 0; i < 3000; ++i) {
        model::DesignData d = in.next();
        const auto c = in.choices();
        for (Member m : model::allMembers) {
            model::DesignData w = d;
            const sections::MemberRow row{in.pick(22) - 1, std::to_string(in.pick(100)), "1.2"};
            auto label = sections::designMember(w, m, c, row);
            if (!label) {
                EXPECT_FALSE(label.fault().message.empty());
                continue;
            }
            ++designed;
            EXPECT_FALSE(hasNaN(w)) << "case " << i;
            auto check = sections::checkStresses(w, m, c, std::to_string(in.pick(300) - 10));
            if (check) {
                EXPECT_FALSE(hasNaN(w)) << "check " << i;
            } else {
                EXPECT_FALSE(check.fault().message.empty());
            }
        }
    }
    EXPECT_GT(designed, 3000); // most plausible sections are designed
}

} // namespace
