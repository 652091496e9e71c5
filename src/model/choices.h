#pragma once

#include <array>

// The choices shared by the screens, the calculations and the report. The screens' option buttons hold
// them; these types only name them. `None` is the state of a screen on which no button is selected yet.
namespace model {

enum class LoadCase { None, Normal, Seismic }; // 常時 / 地震時

enum class DesignBasis {
    None,
    Building, // 建築基準法、建築基礎構造設計指針
    Road,     // 道路土工(擁壁工指針)
};

enum class SeismicMethod {
    None,
    K1, // seismic earth pressure alone
    K2, // inertia force of the wall plus the normal earth pressure
    D1, // inertia force of the wall plus the seismic earth pressure
};

enum class GroundShape {
    None,
    OneSided, // 片側土圧
    TwoSided, // 両側対称土圧: no overturning or sliding check
};

// The options of the design-conditions, seismic-method, ground-shape and dimensions screens that the
// stability run and the member calculations both read; the dimensions screen gathers them.
struct ScreenChoices {
    LoadCase loadCase = LoadCase::None;         // Form3.opt3 / opt4
    DesignBasis basis = DesignBasis::None;      // Form3.opt_T / opt_D
    SeismicMethod method = SeismicMethod::None; // Form25.opt_K1 / opt_K2 / opt_D1
    GroundShape shape = GroundShape::None;      // Form23.opt1 / opt2
    bool frontSoilCounted = false;              // Form4.opt3 "計算に含む"
    bool frontSoilOmitted = false;              // Form4.opt4 "計算に含まない"
    bool deductSurcharge = false;               // Form4.chk1: q_Back − 5 kN/m2
};

// How the earth-pressure coefficient KA is obtained.
enum class KaInput { None, Typed, Computed };

// Members of the section design; the value is the index that their controls and values carry (3 and 4
// are unused). F, G and H exist only with a heel, a toe or a shear key.
enum class Member : int {
    A = 1,  // wall, middle part
    B = 2,  // wall at its fixed end
    C = 5,  // base slab, centre of the span
    D = 6,  // base slab at the front wall
    E = 7,  // base slab at the rear wall
    F = 8,  // heel
    G = 9,  // toe
    H = 10, // shear key
};

inline constexpr std::array<Member, 8> allMembers{Member::A, Member::B, Member::C, Member::D,
                                                  Member::E, Member::F, Member::G, Member::H};

} // namespace model
