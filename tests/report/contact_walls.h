#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sections/sections_fixture.h"

namespace report_test {

// Walls whose ground reaction takes each form the member pages know, made from the typical wall by
// changing a few boxes of the dimensions screen (box number, text). A negative KA (typed) pulls the
// resultant behind the centre of the base, far enough for the contact to end in the span or on the heel.
struct ContactWall {
    const char* name;
    std::vector<std::pair<int, const char*>> boxes;
    bool twoSided = false; // two-sided symmetric earth pressure
    bool key = false;
    bool seismic = false;   // D1 with Kh 0.2 and the surcharge inertia counted
    bool deduction = false; // "上載荷重から５kN/m2を差し引いて算定する。" ticked
};

inline const std::vector<ContactWall>& contactWalls() {
    static const std::vector<ContactWall> walls{
        // e = 0.423, Xn = 5.467 > B = 4.15: heavier at the front.
        {"whole base, heavier at the front", {{11, "0.297"}, {5, "6"}}, false, true},
        // e = −0.098 within the middle third: heavier at the rear.
        {"whole base, heavier at the rear", {}, false, true},
        {"whole base, heavier at the rear, seismic", {}, false, true, true},
        // Symmetric walls, toe and heel under two-sided pressure: e = 0.
        {"centred, uniform",
         {{7, "0.25"},
          {8, "0.05"},
          {9, "0.25"},
          {10, "0.05"},
          {12, "0.5"},
          {13, "0.45"},
          {15, "0.45"},
          {16, "0.5"},
          {18, "0.35"},
          {19, "0.35"}},
         true},
        // e = 2.486: Xn = 0.866 inside the toe of 2.5; the span carries nothing.
        {"contact from the toe ends in the toe",
         {{12, "2.5"}, {16, "0"}, {19, "0.45"}, {11, "0.8"}, {5, "6"}}},
        // e = 1.465: Xn = 4.680 ends in the span (2.9 … 5.1 from the toe tip); the heel carries nothing.
        {"contact from the toe ends in the span",
         {{12, "2.5"}, {16, "0.5"}, {11, "0.8"}, {5, "6"}},
         false,
         true},
        // e = 0.610: Xn = 3.495 ends on the heel (3.05 … 3.55).
        {"contact from the toe ends in the heel", {{12, "0"}, {18, "0.45"}, {16, "0.5"}, {5, "6"}}},
        // e = −1.495 beyond the middle third: Xn = 8.341 from the heel tip ends in the toe (6.05 … 8.55).
        {"contact from the heel ends in the toe",
         {{12, "2.5"}, {16, "3"}, {11, "-0.03"}, {5, "6"}},
         false,
         true},
        // e = −1.631: Xn = 1.933 from the heel tip ends in the span (1.45 … 3.65); the toe carries nothing.
        {"contact from the heel ends in the span", {{12, "0.5"}, {16, "1"}, {11, "-0.3"}, {5, "6"}}},
        // e = −2.063: Xn = 0.637 ends on the heel of 1.0.
        {"contact from the heel ends in the heel",
         {{12, "0.5"}, {16, "1"}, {11, "-0.45"}, {5, "6"}},
         false,
         true},
        // The back surcharge of 3 kN/m2 less 5: member A keeps △PAX = 0.297 × (3 − 5) × 0.833 × 0.9160 =
        // −0.453 kN/m, member B floors its 0.297 × (3 − 5) × 2.050 × 0.9160 = −1.115 kN/m at 0.
        {"deduction with q below 5", {{21, "3"}}, false, false, false, true},
    };
    return walls;
}

// The wall on the screens, its stability run, and every present member checked with D16 at 200 mm.
inline platform::Status designWall(app::Program& p, const ContactWall& w) {
    if (w.key)
        sections_test::typicalWallWithKey(p);
    else
        stability_test::typicalWall(p);
    if (w.twoSided) p.Form23().opt2.setValue(true);
    for (const auto& [box, text] : w.boxes)
        p.Form4().box(box).setText(text);
    if (w.deduction) p.Form4().chk1.setValue(1);
    if (w.seismic) {
        p.Form3().txt13.setText("300"); // σsa, short term
        stability_test::seismic(p, stability_test::Method::D1, "0.2");
        p.Form21().chk1.setValue(1);
    }
    if (auto s = stability_test::run(p); !s) return s;
    auto& f7 = p.Form7();
    if (w.seismic) {
        f7.chk_1.setValue(1);
        f7.txt_1.setText("3.5");
    }
    if (auto s = f7.TEKKIN(); !s) return s;
    using Check = platform::Status (sections::Form7::*)();
    struct Row {
        bool present;
        Check check;
    };
    const Row rows[8] = {
        {true, &sections::Form7::Ouryoku_1},           {true, &sections::Form7::Ouryoku_2},
        {true, &sections::Form7::Ouryoku_5},           {true, &sections::Form7::Ouryoku_6},
        {true, &sections::Form7::Ouryoku_7},           {p.d.B_Heel != 0, &sections::Form7::Ouryoku_8},
        {p.d.B_Toe != 0, &sections::Form7::Ouryoku_9}, {p.d.H0_Key != 0, &sections::Form7::Ouryoku_10}};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!rows[i].present) continue;
        f7.barLists()[i]->choose(4);
        f7.spacingBoxes()[i]->setText("200");
    }
    for (const Row& r : rows) {
        if (!r.present) continue;
        const platform::Status s = (f7.*r.check)();
        if (!s) return s;
    }
    return {};
}

} // namespace report_test
