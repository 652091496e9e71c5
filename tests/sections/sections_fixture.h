#pragma once

#include <functional>
#include <string>

#include "stability/stability_fixture.h"

namespace sections_test {

// A shear key of 0.3 × 1.0 × 0.3 under the wall on the screens.
inline void key(app::Program& p) {
    p.Form4().opt6.setValue(true);
    stability_test::type({{&p.Form19().txt1, "0.3"}, {&p.Form19().txt2, "1.0"}, {&p.Form19().txt3, "0.3"}});
}

// The typical wall with the shear key (every member present).
inline void typicalWallWithKey(app::Program& p) {
    stability_test::typicalWall(p);
    key(p);
}

// The typical wall's stability run and slab loads, as "断面計算 >" leaves them for the section screen.
inline void typicalWallLoads(app::Program& p) {
    stability_test::typicalWall(p);
    ASSERT_TRUE(stability_test::run(p));
    ASSERT_TRUE(p.Form7().TEKKIN());
}

// The section screen after the stability run: each member's bar (a row of the bar list) and design spacing
// chosen, then each member's stress check, A … H.
inline void checkMembers(app::Program& p, const std::function<int(std::size_t)>& bar,
                         const std::function<std::string(std::size_t)>& spacing) {
    auto& f7 = p.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    for (std::size_t i = 0; i < 8; ++i) {
        f7.barLists()[i]->choose(bar(i));
        f7.spacingBoxes()[i]->setText(spacing(i));
    }
    for (auto check : {&sections::Form7::Ouryoku_1, &sections::Form7::Ouryoku_2, &sections::Form7::Ouryoku_5,
                       &sections::Form7::Ouryoku_6, &sections::Form7::Ouryoku_7, &sections::Form7::Ouryoku_8,
                       &sections::Form7::Ouryoku_9, &sections::Form7::Ouryoku_10})
        ASSERT_TRUE((f7.*check)());
}

} // namespace sections_test
