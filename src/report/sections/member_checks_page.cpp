#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "report/page_format.h"
#include "report/sections/member_pages.h"

namespace report {

using model::Member;
using model::SeismicMethod;
using platform::format;
using platform::PrintItem;
using platform::toSingle;

namespace member_pages {

namespace {

// The stored values a block prints, read before the check is run again on a copy.
struct Stored {
    float D, Deff, J, M, S, At, Phi, PitchReq, Pitch, BarArea, P, K, Jc, SigmaC, SigmaS, TauC;
    std::string Bar;
};

Stored stored(sections::MemberValues v) {
    auto or0 = [](const float* p) { return p ? *p : 0.0f; };
    return {*v.D,       *v.Deff, *v.J, *v.M,  or0(v.S),  *v.At,     or0(v.Phi),  *v.PitchReq, *v.Pitch,
            *v.BarArea, *v.P,    *v.K, *v.Jc, *v.SigmaC, *v.SigmaS, or0(v.TauC), *v.Bar};
}

// One stress check: heading, formula and limit (on its own line, or ending the formula line); a failing
// one in light magenta followed by one beep. Without a verdict no limit; a formula line that would carry
// it ends with its unit.
void stressCheck(platform::Surface& s, std::optional<bool> over, const char* heading,
                 std::vector<PrintItem> formula, const std::vector<PrintItem>& pass,
                 const std::vector<PrintItem>& fail, bool sameLine, const Beep& beep) {
    const bool failing = over.value_or(false);
    if (failing) s.setForeColor(platform::kLightMagenta);
    s.print({heading});
    const std::vector<PrintItem> unit{"N/mm2"};
    const auto& limit = !over ? unit : failing ? fail : pass;
    if (sameLine) formula.insert(formula.end(), limit.begin(), limit.end());
    s.print(formula);
    if (!sameLine && over) s.print(limit);
    if (failing) {
        if (beep) beep();
        s.setForeColor(platform::kBlack);
    }
}

} // namespace

std::string n3(double v) {
    return format(v, "0.000");
}

void loadedLength(platform::Surface& s, const char* indent, const sections::PartialContact& c) {
    s.print({indent, "a=Xn=", n3(c.length), "m"});
}

void loadedLength(platform::Surface& s, const char* indent, const model::DesignData& d,
                  const sections::PartialContact& c, float first, bool plus, float second) {
    const double before = plus ? static_cast<double>(first) + second : static_cast<double>(first) - second;
    std::vector<PrintItem> items{indent, "a=Xn－(",           n3(first), plus ? "＋" : "－",  n3(second),
                                 ")=",   n3(std::fabs(d.Xn)), "－",      n3(toSingle(before))};
    if (c.length > 0)
        items.insert(items.end(), {"=", n3(c.length), "m"});
    else
        items.insert(items.end(), {"≦0  ∴ a=", n3(0.0), "m"});
    s.print(items);
}

void checkBlock(platform::Surface& s, const model::DesignData& d, Member m, const MemberPageChoices& c,
                const Beep& beep) {
    model::DesignData w = d;
    const Stored v = stored(sections::memberValues(w, m));
    const bool shear = m != Member::C;
    const bool centre = m == Member::C;

    sections::applyBarSizeRule(w, v.BarArea, c.member);
    const float sigmaSa = w.Sigma_sa;
    // The verdicts are the section screen's: its check run again at the stored spacing, judged on the
    // unrounded stresses.
    std::optional<sections::StressCheck> check;
    if (v.Pitch > 0)
        if (auto r = sections::checkStresses(w, m, c.member, static_cast<double>(v.Pitch))) check = *r;

    const std::string none(kNoValue);
    auto when = [&](bool known, double value, const char* pattern) {
        return known ? format(value, pattern) : none;
    };
    const bool spaced = v.Pitch > 0;
    const bool checked = check.has_value();
    const double as = spaced ? 100.0 * (1000.0 / v.Pitch) * v.BarArea : 0;
    const std::string asText = when(spaced, as, "0.000");
    const std::string dmm = format(toSingle(10.0 * v.Deff), "0.00");
    const std::string mmm = format(toSingle(10.0 * v.M), "0");
    const std::string p5 = when(checked, v.P, "0.00000");
    const std::string k3 = when(checked, v.K, "0.000");
    const std::string j3 = when(checked, v.Jc, "0.000");

    s.print({"                  D=", format(v.D, "0.00#"), "cm    d=", format(v.Deff, "0.00#"),
             "cm    j=", format(v.J, "0.000"), "cm"});
    s.print({"                 at=M/(ft･j)=", format(v.M, "0"), "/(", format(100.0 * sigmaSa, "0"), "×",
             format(v.J, "0.000"), ")=", format(v.At, "0.000"), "cm2/m"});
    if (shear)
        s.print({"                 φ=S/(fa･j)=", format(v.S, "0"), "/(", format(100.0 * d.Tau_0a, "0.00"),
                 "×", format(v.J, "0.000"), ")=", format(v.Phi, "0.000"), "cm/m"});
    s.print();
    s.print({"                 配筋 ", v.Bar, "-", format(std::floor(v.PitchReq), "0"), "@  -----> ∴ ", v.Bar,
             "-", format(v.Pitch, "0"), "@  とする"});
    s.print({"                ───────────────────────"});
    s.print({"                 n=15    b=100cm"});
    s.print({"                 p=As/(b･d)=", asText, "/(1000×", dmm, ")=", p5});
    s.print({"                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×",
             centre ? when(checked, v.P, "0.000") : p5, "＋(15×", p5, ")^2}－15×", p5, "=", k3});
    s.print({"                 j=1－(K/3)=1－(", k3, "/3)=", centre ? when(checked, v.Jc, "0.00000") : j3});
    s.print();

    auto over = [&](bool exceeded) { return checked ? std::optional<bool>(exceeded) : std::nullopt; };
    stressCheck(s, over(checked && check->overC), "                 ・コンクリートの曲げ圧縮応力度",
                {"                   σc=2M/(k･j･b･d^2)=2×", mmm, "/(", k3, "×", j3, "×1000×", dmm,
                 "^2)=", when(checked, v.SigmaC, "0.000"), "N/mm2"},
                {"                                     <σca=", format(d.Sigma_ca, "0.0"), "N/mm2  ∴ O.K"},
                {"                                     >σca=", format(d.Sigma_ca, "0.0"), "N/mm2"}, false,
                beep);
    s.print();
    stressCheck(s, over(checked && check->overS), "                 ・鉄筋の引張応力度",
                {"                   σs=M/(As･j･d)=", mmm, "/(", asText, "×", j3, "×", dmm,
                 ")=", when(checked, v.SigmaS, "0.000"), "N/mm2"},
                {"                                 <σsa=", format(sigmaSa, "0"), "N/mm2  ∴ O.K"},
                {"                                 >σsa=", format(sigmaSa, "0"), "N/mm2"}, false, beep);
    if (!shear) return;
    s.print();
    stressCheck(s, over(checked && check->overTau), "                 ・コンクリートのせん断応力度",
                {"                   τc=S/(b･j･d)=", format(v.S, "0"), "/(1000×", j3, "×", dmm,
                 ")=", when(checked, v.TauC, "0.000")},
                {"N/mm2 <τca=", format(d.Tau_ca, "0.0##"), "N/mm2  ∴ O.K"},
                {"N/mm2 >τca=", format(d.Tau_ca, "0.0##"), "N/mm2"}, true, beep);
}

} // namespace member_pages
} // namespace report
