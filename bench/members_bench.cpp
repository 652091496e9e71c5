#include <benchmark/benchmark.h>

#include "model/design_data.h"
#include "sections/members.h"

namespace {

// A one-sided wall with toe, heel, shear key and battered rear wall, resultant inside the middle third,
// in the seismic case with the inertia force and the surcharge inertia.
model::DesignData typicalSection() {
    model::DesignData d;
    d.B_Toe = 0.6f, d.T_WallFront = 0.4f, d.B_Span = 2.2f, d.T_WallBack = 0.45f, d.B_Heel = 0.5f;
    d.B = 4.15f, d.e = 0.2f, d.Sigma_max = 80, d.Xn = 10;
    d.T_Slab = 0.45f, d.T_ToeTip = 0.3f, d.T_HeelTip = 0.35f, d.Taper_Toe = 0.15f, d.Taper_Heel = 0.1f;
    d.H1 = 2.5f, d.H2 = 0.3f, d.H_BackSoil = 2.05f, d.H_FrontSoil = 0.75f, d.H_CenterSoil = 0.3f;
    d.T_WallBackTop = 0.25f, d.Batter_BackIn = 0.05f, d.Batter_BackOut = 0.15f, d.B_HeelBatter = 0.65f;
    d.q_Back = 10, d.q_Center = 5, d.q_Front = 3, d.GammaS = 18, d.GammaC = 24.5f, d.KA = 0.45f;
    d.Kh = 0.2f, d.Y3_Surch = 1.5f, d.A_BackSoil = 1.2f, d.Y_BackSoil = 1.4f;
    d.H0_Key = 0.5f, d.D_Key = 0.3f, d.P_Key = 100;
    d.Sigma_sa = 300, d.Sigma_sa_Long = 176, d.Tau_0a = 2.1f;
    return d;
}

sections::MemberChoices choices() {
    sections::MemberChoices c;
    c.loadCase = model::LoadCase::Seismic;
    c.basis = model::DesignBasis::Building;
    c.method = model::SeismicMethod::D1;
    c.shape = model::GroundShape::OneSided;
    c.frontSoilCounted = true;
    c.surchargeInertia = true;
    return c;
}

void BM_GroundReactions(benchmark::State& state) {
    model::DesignData d = typicalSection();
    const auto c = choices();
    for (auto _ : state) {
        if (!sections::groundReactions(d, c)) state.SkipWithError("the reactions failed");
        benchmark::DoNotOptimize(d.V3);
    }
}
BENCHMARK(BM_GroundReactions);

// TEKKIN followed by the forces of all eight members, as the commands of the screen run them.
void BM_AllMemberForces(benchmark::State& state) {
    model::DesignData d = typicalSection();
    const auto c = choices();
    for (auto _ : state) {
        bool ok = static_cast<bool>(sections::groundReactions(d, c));
        for (model::Member m : model::allMembers)
            ok = static_cast<bool>(sections::memberForces(d, m, c)) && ok;
        if (!ok) state.SkipWithError("a member failed");
        benchmark::DoNotOptimize(d.M_r5);
    }
}
BENCHMARK(BM_AllMemberForces);

// The whole command of every member: reactions, forces, steel and spacing.
void BM_AllMemberCommands(benchmark::State& state) {
    model::DesignData d = typicalSection();
    const auto c = choices();
    const sections::MemberRow row{8, "60", "1.5"};
    for (auto _ : state) {
        for (model::Member m : model::allMembers) {
            auto label = sections::designMember(d, m, c, row);
            if (!label) state.SkipWithError("a member failed");
            benchmark::DoNotOptimize(label);
        }
    }
}
BENCHMARK(BM_AllMemberCommands);

} // namespace
