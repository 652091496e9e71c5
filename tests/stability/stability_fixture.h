#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "app/program.h"
#include "support/recording_services.h"

namespace stability_test {

using Boxes = std::initializer_list<std::pair<platform::TextBox*, const char*>>;

inline void type(Boxes boxes) {
    for (auto [box, text] : boxes)
        box->setText(text);
}

// γs 18, γc 24, φ 30, δ 0, φB 30, μ 0.5, no cohesion; the normal case (Form3's initial choice).
inline void conditions(app::Program& p) {
    auto& f = p.Form3();
    type({{&f.txt2, "24"},
          {&f.txt3, "200"},
          {&f.txt4, "150"},
          {&f.txt5, "18"},
          {&f.txt6, "24"},
          {&f.txt8, "30"},
          {&f.txt10, "0"},
          {&f.txt11, "30"},
          {&f.txt14, "0"},
          {&f.txt9, "0.5"}});
}

// One-sided wall with vertical faces, no toe, heel or fill, KA typed as 0.3: B = 2.6, two walls of
// 0.3 × 3.0 and a slab of 2.0 × 0.4, earth pressure over H = 2.4.
inline void simpleWall(app::Program& p) {
    conditions(p);
    p.Form23().opt1.setValue(true);
    auto& f = p.Form4();
    type({{&f.txt1, "1"},    {&f.txt2, "A"},    {&f.txt3, "2.6"},  {&f.txt4, "0.4"}, {&f.txt5, "2.4"},
          {&f.txt6, "0.6"},  {&f.txt7, "0.3"},  {&f.txt8, "0"},    {&f.txt9, "0.3"}, {&f.txt10, "0"},
          {&f.txt11, "0.3"}, {&f.txt12, "0"},   {&f.txt13, "0.3"}, {&f.txt14, "2"},  {&f.txt15, "0.3"},
          {&f.txt16, "0"},   {&f.txt17, "0.4"}, {&f.txt18, "0"},   {&f.txt19, "0"},  {&f.txt20, "0"},
          {&f.txt21, "0"},   {&f.txt22, "0"},   {&f.txt23, "0"}});
}

// One-sided wall with battered faces, toe, heel, central fill and surcharges; front soil counted.
inline void typicalWall(app::Program& p) {
    conditions(p);
    type({{&p.Form3().txt6, "24.5"}, {&p.Form3().txt10, "20"}, {&p.Form3().txt9, "0.577"}});
    p.Form23().opt1.setValue(true);
    auto& f = p.Form4();
    type({{&f.txt1, "1"},      {&f.txt2, "A"},     {&f.txt3, "1.5"},  {&f.txt4, "1.2"},   {&f.txt5, "2.5"},
          {&f.txt6, "0.3"},    {&f.txt7, "0.25"},  {&f.txt8, "0.05"}, {&f.txt9, "0.25"},  {&f.txt10, "0.05"},
          {&f.txt11, "0.297"}, {&f.txt12, "0.6"},  {&f.txt13, "0.4"}, {&f.txt14, "2.2"},  {&f.txt15, "0.45"},
          {&f.txt16, "0.5"},   {&f.txt17, "0.45"}, {&f.txt18, "0.3"}, {&f.txt19, "0.35"}, {&f.txt20, "0.3"},
          {&f.txt21, "10"},    {&f.txt22, "5"},    {&f.txt23, "3"}});
    f.opt3.setValue(true);
}

enum class Method { K1, K2, D1 };

// The seismic case with a method and its coefficients, as the seismic-method dialog's OK leaves it.
inline void seismic(app::Program& p, Method m, const char* kh, const char* kv = "0") {
    p.Form3().opt4.setValue(true);
    auto& f25 = p.Form25();
    (m == Method::K1 ? f25.opt_K1 : m == Method::K2 ? f25.opt_K2 : f25.opt_D1).setValue(true);
    type({{&f25.Text1, kh}, {&f25.Text2, kv}});
    ASSERT_TRUE(f25.Jisin());
}

// The copy of the conditions and the dimensions, then the engine.
inline platform::Status run(app::Program& p) {
    if (auto s = p.Form3().HENSUU(); !s) return s;
    if (auto s = p.Form4().HENSUU(); !s) return s;
    return p.Form4().DANMEM_1();
}

inline platform::Status keisan(app::Program& p) {
    if (auto s = p.Form3().HENSUU(); !s) return s;
    if (auto s = p.Form4().HENSUU(); !s) return s;
    return p.Form4().KEISAN();
}

class StabilityTest : public ::testing::Test {
protected:
    testing_support::RecordingServices services;
    app::Program prog;

    stability::Form4& f4() { return prog.Form4(); }
    conditions::Form3& f3() { return prog.Form3(); }
};

} // namespace stability_test
