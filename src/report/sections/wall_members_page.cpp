#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "report/page_format.h"
#include "report/sections/member_pages.h"

namespace report {

using model::LoadCase;
using model::Member;
using model::SeismicMethod;
using platform::format;
using platform::PrintItem;
using platform::toSingle;

using member_pages::n3;

namespace {

// What differs between the wall at two thirds of its height (A) and at its fixed end (B).
struct WallSection {
    Member member;
    int emptyLines;
    const char* heading;
    float H;                 // earth-pressure height above the section
    float W2;                // backfill weight
    float y1, y2;            // levers of the wall's and the backfill's inertia
    std::optional<float> y3; // lever of the surcharge's inertia; none for a zero wall height
    float PAX, DPAX, M, S, W;
    // △PAX as its formula gives it where the calculation took 0 for it instead
    std::optional<float> flooredDPAX = std::nullopt;
};

void writeWall(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c, const Beep& beep,
               const WallSection& w) {
    emptyLines(s, w.emptyLines);
    s.print({w.heading});
    if (c.surchargeInertia == 0) s.print();

    const double cosine = std::cos((static_cast<double>(d.Theta_Rear) + d.Delta) * 3.14159 / 180);
    const std::string delta = format(d.Delta, "0.00"), theta = format(d.Theta_Rear, "0.00#");
    const std::string ka = format(d.KA, "0.00#"), h = n3(w.H), cs = format(cosine, "0.0000");
    s.print({"                  PAX=1/2･KA･γ･H^2･cos(", delta, "ﾟ", "＋", theta, "ﾟ)=1/2×", ka, "×",
             format(d.GammaS, "0.0#"), "×", h, "^2×", cs, "=", n3(w.PAX), "kN/m"});
    if (c.surchargeDeduction == 0)
        s.print({"                △PAX=KA･q･H･cos(", delta, "ﾟ", "＋", theta, "ﾟ)=", ka, "×",
                 format(d.q_Back, "0.0"), "×", h, "×", cs, "=", n3(w.DPAX), "kN/m"});
    else if (c.surchargeDeduction == 1) {
        std::vector<PrintItem> formula({"                △PAX=KA･q･H･cos(", delta, "ﾟ", "＋", theta,
                                        "ﾟ)=", ka, "×(", format(d.q_Back, "0.0"), "-5.0)×", h, "×", cs});
        if (w.flooredDPAX) {
            // The floor does not fit beside the formula on the page: it continues on the next line.
            s.print(formula);
            s.print({"                     =", n3(*w.flooredDPAX), "≦0  ∴ △PAX=", n3(w.DPAX), "kN/m"});
        } else {
            formula.insert(formula.end(), {"=", n3(w.DPAX), "kN/m"});
            s.print(formula);
        }
    }

    const bool seismic = c.member.loadCase == LoadCase::Seismic;
    const bool inertia =
        seismic && (c.member.method == SeismicMethod::K2 || c.member.method == SeismicMethod::D1);
    const std::string m = format(w.M, "0"), sh = format(w.S, "0"), pax = n3(w.PAX), dpax = n3(w.DPAX);
    if (c.member.loadCase == LoadCase::Normal || (seismic && c.member.method == SeismicMethod::K1)) {
        // The lever of PAX is the one the moment was computed with.
        s.print({"                  M=PAX･n＋△PAX･n={", pax, "×(", h, "/3)＋", dpax, "×(", h, "/2)}×10^5=", m,
                 "Ncm/m"});
        s.print({"                  S=PAX＋△PAX=(", pax, "＋", dpax, ")×10^3=", sh, "N/m"});
        s.print();
    } else if (inertia && c.surchargeInertia == 0) {
        const std::string kh = format(d.Kh, "0.0#");
        s.print({"                 たて壁重量 W=", n3(w.W), "kN/m"});
        s.print({"                  M=PAX･n＋△PAX･n＋W･Kh･y"});
        s.print({"                   ={", pax, "×(", h, "/3)＋", dpax, "×(", h, "/2)＋", n3(w.W), "×", kh,
                 "×", n3(w.y1), "}×10^5=", m, "Ncm/m"});
        s.print({"                  S=PAX＋△PAX＋W･Kh=(", pax, "＋", dpax, "＋", n3(w.W), "×", kh,
                 ")×10^3=", sh, "N/m"});
    } else if (inertia && c.surchargeInertia == 1) {
        const std::string kh = format(d.Kh, "0.0###"), q = n3(d.q_Back);
        const std::string y3 = w.y3 ? n3(*w.y3) : std::string(kNoValue);
        s.print({"                 たて壁重量 W1=", n3(w.W), "kN/m　  背面土重量 W2=", n3(w.W2), "kN/m"});
        s.print({"                  M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3"});
        s.print({"                   ={", pax, "×(", h, "/3)＋", dpax, "×(", h, "/2)＋", n3(w.W), "×", kh,
                 "×", n3(w.y1)});
        s.print({"                    ＋", n3(w.W2), "×", kh, "×", n3(w.y2), "＋", q, "×", kh, "×", y3,
                 "}×10^5=", m, "Ncm/m"});
        s.print({"                  S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh"});
        s.print({"                   =(", pax, "＋", dpax, "＋", n3(w.W), "×", kh, "＋", n3(w.W2), "×", kh,
                 "＋", q, "×", kh, ")×10^3=", sh, "N/m"});
    }
    member_pages::checkBlock(s, d, w.member, c, beep);
}

} // namespace

void writeMemberA(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    const double wall = static_cast<double>(d.H_BackSoil) + d.T_Slab;
    const std::optional<float> y3 =
        wall == 0 ? std::nullopt : std::optional<float>(toSingle((d.Y3_Surch / wall) * (wall / 3)));
    writeWall(s, d, c, beep,
              {Member::A, 5, "              １）たて壁（全高さの２/３部分）", toSingle(wall / 3),
               toSingle(static_cast<double>(d.GammaS) * d.A_Back_r1), d.Y1_r1, d.Y2_r1, y3, d.PAX_r1,
               d.DPAX_r1, d.M_r1, d.S_r1, d.W_r1});
}

void writeMemberB(platform::Surface& s, const model::DesignData& d, const MemberPageChoices& c,
                  const Beep& beep) {
    const float formula = toSingle(sections::wallBSurchargeThrust(d, c.member));
    const bool floored = c.member.deductSurcharge && formula < 0 && d.DPAX_r2 == 0;
    writeWall(s, d, c, beep,
              {Member::B, 2, "              ２）たて壁（固定部）", d.H_BackSoil,
               toSingle(static_cast<double>(d.GammaS) * d.A_BackSoil), d.Y_r2, d.Y2_r2,
               toSingle(static_cast<double>(d.Y3_Surch) - d.T_Slab), d.PAX_r2, d.DPAX_r2, d.M_r2, d.S_r2,
               d.W_r2, floored ? std::optional<float>(formula) : std::nullopt});
}

} // namespace report
