#include <cmath>

#include "platform/runtime.h"
#include "report/stability/stability_page_parts.h"

namespace report::stability_page {

using platform::format;
using platform::toSingle;

namespace {

// Passive resistance on the key, the reaction W1 outside its wedge and the safety factor with the key.
void buildingBasis(Page& p) {
    auto& s = p.s;
    const auto& d = p.d;
    const double phiB = d.Phi_Base;
    const double t1 = std::tan((phiB / 2 + 45) * platform::kPi / 180);
    const double t2 = std::pow(t1, 2.0);
    const std::string h0 = n3(d.H0_Key), phi = format(phiB, "0.00");
    const std::string s0 = n3(d.Sigma_0), s1 = n3(d.Sigma_1), s2 = n3(d.Sigma_2);
    const std::string sMax = n3(d.Sigma_max), sMin = n3(d.Sigma_min);

    s.print({"                 H0=", h0, "m"});
    s.print({"                  L=H0･tan(45ﾟ＋φB/2)=", h0, "×tan{45ﾟ＋(", phi, "ﾟ/2)}=", h0, "×", n3(t1), "=",
             n3(d.L_Key), "m"});
    if (p.strictlyFullContact()) s.print({"                σmin=", sMin, "kN/m2"});
    s.print({"                σ1=", s1, "kN/m2   σ2=", s2, "kN/m2"});
    s.print({"                σ0=(σ1＋σ2)/2=(", s1, "＋", s2, ")/2=", s0, "kN/m2"});
    s.print({"                  P=σ0･tan^2(45ﾟ＋φB/2)"});
    s.print({"                   =", s0, "×tan^2{45ﾟ＋(", phi, "ﾟ/2)}=", s0, "×", n3(t2), "=", n3(d.P_Key),
             "kN/m2"});

    const double b = d.B, b1 = d.B1_Key, l = d.L_Key, axn = std::fabs(d.Xn);
    const std::string w1 = n3(d.W1_Key);
    if (p.strictlyFullContact()) {
        const std::string l1 = n3(toSingle(b1 - l)), l2 = n3(toSingle(b - b1));
        if (d.e >= 0) {
            s.print({"                 W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2"});
            s.print({"                   ={(", sMax, "＋", s1, ")/2}×", l1, "＋{(", s2, "＋", sMin, ")/2}×",
                     l2, "=", w1, "kN/m2"});
        } else {
            s.print({"                 W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2"});
            s.print({"                   ={(", sMin, "＋", s1, ")/2}×", l1, "＋{(", s2, "＋", sMax, ")/2}×",
                     l2, "=", w1, "kN/m2"});
        }
    } else if (d.e >= 0) {
        const std::string l1 = n3(toSingle(b1 - l)), l2 = n3(toSingle(axn - b1));
        s.print({"                 W1={(σmax＋σ1)/2}･L1＋(σ2/2)･L2"});
        s.print(
            {"                   ={(", sMax, "＋", s1, ")/2}×", l1, "＋(", s2, "/2)×", l2, "=", w1, "kN/m2"});
    } else {
        const std::string l1 = n3(toSingle(b1 - (b - axn) - l)), l2 = n3(toSingle(b - b1));
        s.print({"                 W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2"});
        s.print(
            {"                   =(", s1, "/2)×", l1, "＋{(", s2, "＋", sMax, ")/2}×", l2, "=", w1, "kN/m2"});
    }

    const auto limit = slidingLimit(p);
    if (!limit) return;
    const bool pass = d.F_SlideKey >= limit->value;
    const std::string cohesion = format(d.C_Base, "0.0#"), p0 = n3(d.P_Key), sumH = n3(d.SumH);
    auto block = [&](const char* formula, std::initializer_list<platform::PrintItem> substitution) {
        if (!pass) p.startFailing();
        s.print({formula});
        s.print(substitution);
        s.print({"                            =", n3(d.F_SlideKey), pass ? limit->pass : limit->fail});
        if (!pass) p.endFailing();
    };
    if (p.wholeWidth()) {
        const std::string contact = p.fullContact() ? "" : "×" + p.contactRatioText();
        block("                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
              {"                            =(", cohesion, "×", n3(d.B), contact, "＋", w1, "×",
               n3(d.Mu_Base), "＋", p0, "×", h0, ")/", sumH});
    } else if (p.effectiveWidth()) {
        block("                滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
              {"                            =(", cohesion, "×", n3(d.A_Eff), "＋", w1, "×",
               format(d.Mu_Base, "0.0##"), "＋", p0, "×", h0, ")/", sumH});
    }
}

// The shear resistance along the base, split at the key, and its safety factor.
void roadBasis(Page& p) {
    auto& s = p.s;
    const auto& d = p.d;
    const std::string tanPhi = n3(std::tan(static_cast<double>(d.Phi_Base) * platform::kPi / 180));
    const double b = d.B, b1 = d.B1_Key;
    const float l2 = p.fullContact() ? toSingle(b - b1) : toSingle(std::fabs(d.Xn) - b1);
    const std::string s2 = n3(d.Sigma_2), b1Text = n3(d.B1_Key), hk = n3(d.Hk);
    const bool cohesion = d.C_Base != 0;

    if (cohesion)
        s.print({"                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1"});
    else
        s.print({"                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB"});
    s.print({"                               ={(", n3(d.Sigma_max), "＋", s2, ")/2}×", b1Text, "×", tanPhi});
    s.print(
        {"                                ＋{(", n3(d.Sigma_min), "＋", s2, ")/2}×", n3(l2), "×", tanPhi});
    if (cohesion)
        s.print(
            {"                                ＋", format(d.C_Base, "0.0#"), "×", b1Text, "=", hk, "kN/m2"});
    else
        s.print({"                               =", hk, "kN/m2"});
    s.print();

    const auto limit = slidingLimit(p);
    if (!limit) return;
    const bool pass = d.F_SlideKey >= limit->value;
    p.verdict(pass, {"                  滑動安全率  F=Hk/∑H=", hk, "/", n3(d.SumH), "=", n3(d.F_SlideKey),
                     pass ? limit->pass : limit->fail});
}

} // namespace

void writeShearKey(Page& p) {
    p.s.print();
    p.s.print({"              ・突起の計算"});
    if (p.c.basis == model::DesignBasis::Building) buildingBasis(p);
    if (p.c.basis == model::DesignBasis::Road) roadBasis(p);
}

} // namespace report::stability_page
