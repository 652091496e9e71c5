#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/runtime.h"
#include "support/recording_services.h"

namespace {

// Random inputs for every box and option the engine reads: mostly plausible values, with zeros,
// negatives, huge and tiny numbers, numbers beyond the single range and texts without a number.
class RandomInputs {
public:
    explicit RandomInputs(unsigned seed) : rng_(seed) {}

    // Each case is plausible, slightly odd or wild: the share of odd inputs and missing choices.
    void nextCase() {
        const int kind = pick(10);
        oddPercent_ = kind < 4 ? 0 : kind < 7 ? 3 : 40;
    }
    std::string number(double typical) {
        if (!chance(oddPercent_)) return format(typical * uniform());
        switch (pick(9)) {
        case 0:
            return "";
        case 1:
            return "0";
        case 2:
            return "1e30";
        case 3:
            return "-1e30";
        case 4:
            return "1e-30";
        case 5:
            return "1e40";
        case 6:
            return "abc";
        case 7:
            return format(-typical * uniform());
        default:
            return format(typical * 1e6 * uniform());
        }
    }
    // An option group: one of the options, or none.
    void choose(std::vector<platform::OptionButton*> options) {
        const int n = static_cast<int>(options.size());
        const int i = chance(oddPercent_) ? n : pick(n);
        for (auto* o : options)
            o->setValue(false);
        if (i < static_cast<int>(options.size())) options[static_cast<std::size_t>(i)]->setValue(true);
    }
    bool chance(int percent) { return pick(100) < percent; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double uniform() { return std::uniform_real_distribution<double>(0.5, 1.5)(rng_); }
    static std::string format(double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        return text;
    }

    std::mt19937 rng_;
    int oddPercent_ = 0;
};

void fill(app::Program& p, RandomInputs& in) {
    auto& f3 = p.Form3();
    const std::pair<platform::TextBox*, double> conditions[] = {
        {&f3.txt2, 24}, {&f3.txt3, 200}, {&f3.txt13, 300}, {&f3.txt4, 150}, {&f3.txt5, 18},
        {&f3.txt6, 24}, {&f3.txt8, 30},  {&f3.txt10, 15},  {&f3.txt11, 30}, {&f3.txt9, 0.5}};
    for (auto [box, typical] : conditions)
        box->setText(in.number(typical));
    f3.txt14.setText(in.chance(60) ? "0" : in.number(10));
    in.choose({&f3.opt3, &f3.opt4});
    in.choose({&f3.opt_T, &f3.opt_D});

    auto& f25 = p.Form25();
    in.choose({&f25.opt_K1, &f25.opt_K2, &f25.opt_D1});
    f25.Text1.setText(in.number(0.2));
    f25.Text2.setText(in.chance(70) ? "0" : in.number(0.1));

    auto& f23 = p.Form23();
    in.choose({&f23.opt1, &f23.opt2});

    auto& f4 = p.Form4();
    const std::pair<platform::TextBox*, double> dimensions[] = {
        {&f4.txt3, 1.5},  {&f4.txt4, 1.2},   {&f4.txt5, 2.5},   {&f4.txt6, 0.3},  {&f4.txt7, 0.25},
        {&f4.txt8, 0.05}, {&f4.txt9, 0.25},  {&f4.txt10, 0.05}, {&f4.txt11, 0.3}, {&f4.txt12, 0.6},
        {&f4.txt13, 0.4}, {&f4.txt14, 2.2},  {&f4.txt15, 0.45}, {&f4.txt16, 0.5}, {&f4.txt17, 0.45},
        {&f4.txt18, 0.3}, {&f4.txt19, 0.35}, {&f4.txt20, 0.3},  {&f4.txt21, 10},  {&f4.txt22, 5},
        {&f4.txt23, 3}};
    for (auto [box, typical] : dimensions)
        box->setText(in.number(typical));
    in.choose({&f4.opt3, &f4.opt4});
    in.choose({&f4.opt5, &f4.opt6});
    f4.chk1.setValue(in.chance(30) ? 1 : 0);
    auto& f19 = p.Form19();
    f19.txt1.setText(in.number(0.4));
    f19.txt2.setText(in.number(1.5));
    f19.txt3.setText(in.number(0.35));

    in.choose({&p.Form14().opt4, &p.Form14().opt5});
    in.choose({&p.Form21().opt7, &p.Form21().opt8});
    p.Form21().chk1.setValue(in.chance(50) ? 1 : 0);
    // Written by the seismic dialog's OK, which keeps it finite.
    const float y = platform::valSingle(in.number(1));
    p.d.Y_QBack = std::isfinite(y) ? y : 0;
}

// Whether any number of the design data is NaN: the defaulted comparison compares every member, and
// NaN is the one value unequal to itself. Infinities cannot be stored: every computed store goes
// through model::Calc, which refuses a value beyond the single range.
bool hasNaN(const model::DesignData& d) {
    return !(d == d);
}

TEST(EngineProperty, RandomInputsEndInResultsOrANamedFault) {
    testing_support::RecordingServices services;
    RandomInputs in(20240917u);
    int results = 0;
    constexpr int kCases = 4000;
    for (int i = 0; i < kCases; ++i) {
        app::Program p;
        in.nextCase();
        fill(p, in);
        auto& f4 = p.Form4();
        auto expectOkOrNamed = [&](const platform::Status& s) {
            if (!s) {
                EXPECT_FALSE(s.fault().message.empty()) << "case " << i;
            }
        };
        expectOkOrNamed(p.Form3().HENSUU());
        expectOkOrNamed(p.Form25().Jisin());
        expectOkOrNamed(f4.HENSUU());
        if (in.chance(50)) {
            // As "計算する" does: the computed coefficient is shown and read back.
            auto s = f4.KEISAN();
            expectOkOrNamed(s);
            if (s) f4.txt11.setText(platform::format(p.d.KA, "0.00#"));
            expectOkOrNamed(f4.HENSUU());
        }
        auto s = f4.DANMEM_1();
        expectOkOrNamed(s);
        if (s) {
            ++results;
            EXPECT_NE(p.d.Sigma_max, 0) << "case " << i;
        } else {
            EXPECT_EQ(p.d.Sigma_max, 0) << "case " << i;
        }
        ASSERT_FALSE(hasNaN(p.d)) << "case " << i;
    }
    // Enough cases get through to the end for the property to mean something.
    EXPECT_GT(results, kCases / 20);
}

} // namespace
