#include <benchmark/benchmark.h>

#include <utility>

#include "app/program.h"

namespace {

// A one-sided wall with toe, heel, battered faces, central fill and surcharges, in the normal case,
// with the coefficient computed.
void typeWall(app::Program& p) {
    auto& f3 = p.Form3();
    const std::pair<platform::TextBox*, const char*> conditions[] = {
        {&f3.txt1, "築造地"}, {&f3.txt2, "24"},   {&f3.txt3, "200"},  {&f3.txt4, "150"},
        {&f3.txt5, "18"},     {&f3.txt6, "24.5"}, {&f3.txt8, "30"},   {&f3.txt10, "20"},
        {&f3.txt11, "30"},    {&f3.txt14, "0"},   {&f3.txt9, "0.577"}};
    for (auto [box, text] : conditions)
        box->setText(text);
    p.Form23().opt1.setValue(true);
    auto& f4 = p.Form4();
    const std::pair<platform::TextBox*, const char*> dimensions[] = {
        {&f4.txt1, "1"},     {&f4.txt2, "A"},     {&f4.txt3, "1.5"},    {&f4.txt4, "1.2"},
        {&f4.txt5, "2.5"},   {&f4.txt6, "0.3"},   {&f4.txt7, "0.25"},   {&f4.txt8, "0.05"},
        {&f4.txt9, "0.25"},  {&f4.txt10, "0.05"}, {&f4.txt11, "0.297"}, {&f4.txt12, "0.6"},
        {&f4.txt13, "0.4"},  {&f4.txt14, "2.2"},  {&f4.txt15, "0.45"},  {&f4.txt16, "0.5"},
        {&f4.txt17, "0.45"}, {&f4.txt18, "0.3"},  {&f4.txt19, "0.35"},  {&f4.txt20, "0.3"},
        {&f4.txt21, "10"},   {&f4.txt22, "5"},    {&f4.txt23, "3"}};
    for (auto [box, text] : dimensions)
        box->setText(text);
    f4.opt3.setValue(true);
}

void BM_EngineRun(benchmark::State& state) {
    app::Program p;
    typeWall(p);
    auto& f3 = p.Form3();
    auto& f4 = p.Form4();
    for (auto _ : state) {
        bool ok = static_cast<bool>(f3.HENSUU());
        ok = static_cast<bool>(f4.HENSUU()) && ok;
        ok = static_cast<bool>(f4.KEISAN()) && ok;
        ok = static_cast<bool>(f4.DANMEM_1()) && ok;
        if (!ok) state.SkipWithError("the engine failed on the typical wall");
        benchmark::DoNotOptimize(p.d.Sigma_max);
    }
}
BENCHMARK(BM_EngineRun);

} // namespace
