#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sections/sections_fixture.h"

namespace section_forces_test {

using stability_test::type;

// A wall as the user enters it: the typical wall changed by a few boxes and options.
struct WallCase {
    std::string name;
    std::function<void(app::Program&)> enter;
};

// The walls whose section-force page is looked at: every reaction shape, every member combination, the
// seismic methods, and the sizes and pressures that strain the figure.
inline std::vector<WallCase> walls() {
    using stability_test::Method;
    auto f4 = [](app::Program& p) -> stability::Form4& { return p.Form4(); };
    return {
        {"typical", [](app::Program& p) { stability_test::typicalWall(p); }},
        {"seismic K1",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             stability_test::seismic(p, Method::K1, "0.2", "0.1");
         }},
        {"seismic K2",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             stability_test::seismic(p, Method::K2, "0.2");
         }},
        {"seismic D1 road",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             p.Form3().opt_D.setValue(true);
             stability_test::seismic(p, Method::D1, "0.2");
         }},
        {"no toe, no heel",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt12, "0"}, {&f4(p).txt16, "0"}});
         }},
        {"toe only",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt16, "0"}});
         }},
        {"heel only",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt12, "0"}});
         }},
        {"shear key", [](app::Program& p) { sections_test::typicalWallWithKey(p); }},
        {"two-sided",
         [](app::Program& p) {
             stability_test::typicalWall(p);
             p.Form23().opt2.setValue(true);
         }},
        {"low wide",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt3, "0.2"},
                   {&f4(p).txt4, "1.0"},
                   {&f4(p).txt5, "1.0"},
                   {&f4(p).txt6, "0.2"},
                   {&f4(p).txt14, "3.5"},
                   {&f4(p).txt7, "0.2"},
                   {&f4(p).txt9, "0.2"},
                   {&f4(p).txt13, "0.25"},
                   {&f4(p).txt15, "0.25"},
                   {&f4(p).txt17, "0.3"}});
         }},
        {"span of 12 m",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt14, "12"}, {&f4(p).txt12, "0.2"}});
         }},
        {"tall narrow",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt3, "1.0"},
                   {&f4(p).txt4, "5.5"},
                   {&f4(p).txt5, "6.0"},
                   {&f4(p).txt6, "0.5"},
                   {&f4(p).txt14, "1.0"},
                   {&f4(p).txt13, "0.5"},
                   {&f4(p).txt15, "0.6"},
                   {&f4(p).txt12, "1.0"},
                   {&f4(p).txt16, "1.2"},
                   {&f4(p).txt17, "0.6"},
                   {&f4(p).txt18, "0.4"},
                   {&f4(p).txt19, "0.4"}});
         }},
        {"front wall above the rear wall",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt3, "2.4"}, {&f4(p).txt4, "1.6"}});
         }},
        {"sigma above 1000",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt22, "3000"}});
         }},
        {"sigma 95",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt22, "110"}});
         }},
        {"toe side beyond the middle third",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt11, "1.4"}, {&f4(p).txt21, "60"}});
         }},
        {"behind the middle third",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type(
                 {{&f4(p).txt12, "0"}, {&f4(p).txt16, "2.5"}, {&f4(p).txt21, "200"}, {&f4(p).txt11, "0.05"}});
         }},
        {"toe partly in contact",
         [f4](app::Program& p) {
             stability_test::typicalWall(p);
             type({{&f4(p).txt12, "1.0"},
                   {&f4(p).txt16, "2.0"},
                   {&f4(p).txt21, "120"},
                   {&f4(p).txt11, "0.05"}});
         }},
    };
}

// The section-force page of a wall as the print command draws it (font size 11), after the stability run,
// the member loads and the section screen's "計算する"; empty when the wall could not be computed.
inline platform::Page record(const WallCase& w) {
    testing_support::RecordingServices services;
    app::Program prog;
    w.enter(prog);
    if (!stability_test::run(prog)) return {};
    auto& f7 = prog.Form7();
    if (!f7.TEKKIN()) return {};
    f7.cmd5.click();
    platform::RecordingSurface pri;
    pri.setFontSize(11);
    if (!f7.HAIKIN(pri)) return {};
    if (!services.messages.empty()) return {};
    return pri.page();
}

} // namespace section_forces_test
