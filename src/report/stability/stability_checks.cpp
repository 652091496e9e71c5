#include <cmath>

#include "platform/runtime.h"
#include "report/page_format.h"
#include "report/stability/stability_page_parts.h"

namespace report {
namespace stability_page {

using model::GroundShape;
using platform::format;
using platform::toSingle;

namespace {

const float kSixth = toSingle(1.0 / 6.0);

// |a|/b in single precision; none when b is 0.
std::optional<float> ratio(float a, float b) {
    if (b == 0) return std::nullopt;
    return toSingle(std::fabs(static_cast<double>(a)) / b);
}

} // namespace

Page::Page(platform::Surface& s, const model::DesignData& d, const StabilityPageChoices& c,
           const std::function<void()>& beep)
    : s(s), d(d), c(c), beep(beep), r(ratio(d.e, d.B)) {}

bool Page::fullContact() const {
    return r && *r <= kSixth;
}

bool Page::strictlyFullContact() const {
    return r && *r < kSixth;
}

std::string Page::contactRatioText() const {
    const auto contact = ratio(d.Xn, d.B);
    return contact ? n3(*contact) : std::string(kNoValue);
}

bool Page::wholeWidth() const {
    return c.eccentricityNotDeducted || d.C_Base == 0;
}

bool Page::effectiveWidth() const {
    return !wholeWidth() && c.eccentricityDeducted;
}

void Page::verdict(bool pass, std::initializer_list<platform::PrintItem> items) {
    if (!pass) startFailing();
    s.print(items);
    if (!pass) endFailing();
}

void Page::startFailing() {
    s.setForeColor(platform::kLightMagenta);
}

void Page::endFailing() {
    if (beep) beep();
    s.setForeColor(platform::kBlack);
}

std::optional<Limit> slidingLimit(const Page& p) {
    if (p.normal()) return kLimit15;
    if (p.seismic() && p.c.sliding == SeismicLimit::F10) return kLimit10;
    if (p.seismic() && p.c.sliding == SeismicLimit::F12) return kLimit12;
    return std::nullopt;
}

std::string n3(double v) {
    return format(v, "0.000");
}

void writeOverturningAndBearing(Page& p) {
    auto& s = p.s;
    const auto& d = p.d;
    emptyLines(s, 5);
    s.setFontSize(kTextSize);
    if (p.normal()) s.print({"            ", d.SectionNo, "－２ 安定性の検討（常時）"});
    if (p.seismic()) s.print({"            ", d.SectionNo, "－２ 安定性の検討（地震時）"});
    s.print();
    s.print({"            １）転倒に対する検討"});
    s.print();

    const std::string mr = totalText(d.Mr), mo = totalText(d.Mo);
    auto mrLine = [&] { s.print({"                抵抗モーメント Mr=ΣV･x=", mr, "kNm/m"}); };
    if (p.c.shape == GroundShape::TwoSided) s.print({"                対称土圧の為、転倒は生じない。"});
    if (p.oneSided()) {
        mrLine();
        s.print({"                転倒モーメント Mo=ΣH･y=", mo, "kNm/m"});
        s.print({"                合力の作用位置  d=(Mr－Mo)/ΣV=(", mr, "－", mo, ")/", n3(d.SumV), "=",
                 n3(d.d), "m"});
        // The limit of the eccentricity, B over a divisor, with its texts, and of the safety factor.
        struct Eccentricity {
            int divisor;
            const char* pass;
            const char* fail;
            const char* by;
        };
        std::optional<Eccentricity> le;
        Limit fa{};
        if (p.normal()) {
            le = Eccentricity{6, "m < B/6=", "m > B/6=", "/6="};
            fa = kLimit15;
        } else if (p.seismic() && p.c.overturning == SeismicLimit::F10) {
            le = Eccentricity{2, "m < B/2=", "m > B/2=", "/2="};
            fa = kLimit10;
        } else if (p.seismic() && p.c.overturning == SeismicLimit::F12) {
            le = Eccentricity{3, "m < B/3=", "m > B/3=", "/3="};
            fa = kLimit12;
        }
        if (le) {
            const float limit = toSingle(static_cast<double>(d.B) / le->divisor);
            const bool ePass = std::fabs(d.e) <= limit;
            p.verdict(ePass, {"                偏　心　距　離  e=(B/2)－d=(", n3(d.B), "/2)－", n3(d.d), "=",
                              n3(d.e), ePass ? le->pass : le->fail, n3(d.B), le->by, n3(limit),
                              ePass ? "m ∴ O.K" : "m"});
            const bool fPass = d.F_Overturn >= fa.value;
            p.verdict(fPass, {"                転 倒 安 全 率  F=Mr/Mo=", mr, "/", mo, "=", n3(d.F_Overturn),
                              fPass ? fa.pass : fa.fail});
        }
    }

    s.print();
    s.print();
    s.print({"            ２）地盤支持力(接地圧)に対する検討"});
    s.print();
    if (p.c.shape == GroundShape::TwoSided) {
        mrLine();
        s.print({"                転倒モーメント Mo=ΣH･y=0kNm/m"});
    }
    const std::string sumV = n3(d.SumV), b = n3(d.B), absE = n3(std::fabs(d.e));
    constexpr const char* kSubstitution = "                           　　     =(";
    constexpr const char* kResult = "                          　　      =";
    if (p.fullContact()) {
        s.print({"                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}"});
        s.print({kSubstitution, sumV, "/", b, ")×{1＋(6×", absE, "/", b, ")}"});
    } else {
        s.print({"                最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]"});
        s.print({kSubstitution, sumV, "/", b, ")×[2/{3×(1/2－", absE, "/", b, ")}]"});
    }
    s.print({kResult, n3(d.Sigma_max), "kN/m2"});
    if (d.e != 0) {
        if (p.fullContact()) {
            s.print({"                最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}"});
            s.print({kSubstitution, sumV, "/", b, ")×{1－(6×", absE, "/", b, ")}"});
            s.print({kResult, n3(d.Sigma_min), "kN/m2"});
        } else {
            s.print({"                最 小 接 地 圧 σmin=0kN/m2"});
        }
    }
    const std::string fe = format(d.Fe, "0.0");
    constexpr const char* kIndent = "                               ";
    if (d.Sigma_max <= d.Fe)
        p.verdict(true, {kIndent, d.e != 0 ? "σmax,σmin < " : "σmax < ", fe, "kN/m2  ∴ O.K"});
    else if (d.Sigma_min > d.Fe && d.e != 0)
        p.verdict(false, {kIndent, "σmax,σmin > ", fe, "kN/m2  ∴ NG"});
    else
        p.verdict(false, {kIndent, "σmax > ", fe, "kN/m2  ∴ NG"});
}

bool writeSliding(Page& p) {
    auto& s = p.s;
    const auto& d = p.d;
    const auto& c = p.c;
    s.print();
    s.print();
    s.print({"            ３）滑り出しに対する検討"});
    s.print();
    if (c.shape == GroundShape::TwoSided) {
        s.print({"                対称土圧の為､滑動は生じない｡"});
        return true;
    }
    if (!p.oneSided()) return true;

    const std::string sumH = n3(d.SumH), sumV = n3(d.SumV), b = n3(d.B), rh = n3(d.RH);
    const std::string cohesion = format(d.C_Base, "0.0#"), mu = format(d.Mu_Base, "0.0##");
    auto sumHLine = [&] { s.print({"                水 平 力 の 総 和 ΣH=", sumH, "kN/m"}); };
    const bool withoutKeyMethod = !c.shearKey || c.basis == model::DesignBasis::Building;
    if (withoutKeyMethod && p.wholeWidth()) {
        sumHLine();
        if (p.fullContact())
            s.print({"                滑動に対する抵抗力 RH=C･B＋ΣV･μ=", cohesion, "×", b, "＋", sumV, "×",
                     mu, "=", rh, "kN/m"});
        else
            s.print({"                滑動に対する抵抗力 RH=C･B＋ΣV･μ=", cohesion, "×(", b, "×",
                     p.contactRatioText(), ")＋", sumV, "×", mu, "=", rh, "kN/m"});
    } else if (withoutKeyMethod && p.effectiveWidth()) {
        const std::string aEff = n3(d.A_Eff);
        s.print({"                底版の有効載荷面積 A'=B-2e=", b, "－2×", n3(std::fabs(d.e)), "=", aEff,
                 "m2/m"});
        sumHLine();
        s.print({"                滑動に対する抵抗力 RH=C･A'＋ΣV･μ=", cohesion, "×", aEff, "＋", sumV, "×",
                 mu, "=", rh, "kN/m"});
    } else if (c.shearKey && c.basis == model::DesignBasis::Road) {
        s.print({"                水平力の総和 ΣH=", sumH, "kN/m"});
    }

    // With a key the resistance without it is only judged against 1.0 before the key's own check.
    const Limit keyLimit{1.0f, " > 1.0  ――-> 突起を設ける", " < 1.0"};
    const bool buildingKey = c.shearKey && c.basis == model::DesignBasis::Building;
    std::optional<Limit> limit = slidingLimit(p);
    if (c.shearKey) limit = buildingKey && limit ? std::optional(keyLimit) : std::nullopt;
    if (!limit) return true;
    const bool pass = d.F_Slide >= limit->value;
    p.verdict(pass, {"                滑 動 安 全 率      F=RH/ΣH=", rh, "/", sumH, "=", n3(d.F_Slide),
                     pass ? limit->pass : limit->fail});
    return pass || !(p.normal() && !c.shearKey);
}

} // namespace stability_page

void writeStability(platform::Surface& s, const model::DesignData& d, const StabilityPageChoices& c,
                    const std::function<void()>& beep) {
    stability_page::Page p(s, d, c, beep);
    stability_page::writeOverturningAndBearing(p);
    if (!stability_page::writeSliding(p)) return;
    if (c.shearKey && p.oneSided()) stability_page::writeShearKey(p);
    stability_page::writeSketch(p);
}

} // namespace report
