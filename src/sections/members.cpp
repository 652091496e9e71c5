#include "sections/members.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/calc.h"
#include "platform/runtime.h"
#include "sections/bar_table.h"
#include "stability/engine.h"
#include "stability/faults.h"

namespace sections {

using model::Calc;
using model::DesignBasis;
using model::LoadCase;
using model::Member;
using model::SeismicMethod;

namespace {

bool atMostSingle(double a, double b) {
    return platform::toSingle(a) <= platform::toSingle(b);
}

// x limited to 0 … L (to 0 when L is not positive).
double within(double x, double L) {
    return std::max(0.0, std::min(x, L));
}

// A load that varies linearly from qa at sa to qb at sb and is zero elsewhere; s and the integrals are
// in m and kN. Three-point Gauss integration is exact for the polynomials of the moments below.
struct LinearLoad {
    double sa = 0, sb = 0, qa = 0, qb = 0;

    template <class F> double integral(F f) const {
        const double half = (sb - sa) / 2, mid = (sa + sb) / 2;
        if (half <= 0) return 0;
        constexpr double g = 0.7745966692414834; // √(3/5)
        const double at[3] = {mid - g * half, mid, mid + g * half};
        const double w[3] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
        double sum = 0;
        for (int i = 0; i < 3; ++i)
            sum += w[i] * q(at[i]) * f(at[i]);
        return sum * half;
    }
    double q(double s) const { return qa + (qb - qa) * (s - sa) / (sb - sa); }
};

// The reaction on a span fixed at both ends (s from the front end, length L): fixed-end moments and
// simply supported end reactions, and the largest moment of the simply supported span.
struct SpanParts {
    double femFront = 0, femRear = 0, reactFront = 0, reactRear = 0, maxSimple = 0;
};

SpanParts spanParts(const LinearLoad& p, double L) {
    SpanParts r;
    if (L <= 0 || p.sb <= p.sa) return r;
    r.femFront = p.integral([L](double s) { return s * (L - s) * (L - s) / (L * L); });
    r.femRear = p.integral([L](double s) { return s * s * (L - s) / (L * L); });
    r.reactFront = p.integral([L](double s) { return (L - s) / L; });
    r.reactRear = p.integral([L](double s) { return s / L; });
    // The simply supported moment is largest where the shear changes sign, inside the loaded length.
    const double w = p.sb - p.sa, k = (p.qb - p.qa) / w;
    auto moment = [&](double x) {
        if (x <= p.sa) return r.reactFront * x;
        const double t = std::min(x, p.sb) - p.sa;
        const double loadMoment = p.qa * t * t / 2 + k * t * t * t / 6; // about the point sa + t
        const double total = p.qa * t + k * t * t / 2;
        return r.reactFront * x - (loadMoment + total * (x - p.sa - t));
    };
    double best = std::max(moment(p.sa), moment(p.sb));
    // qa·t + k·t²/2 = reactFront
    std::array<double, 2> roots{-1, -1};
    if (k == 0) {
        if (p.qa != 0) roots[0] = r.reactFront / p.qa;
    } else {
        const double disc = p.qa * p.qa + 2 * k * r.reactFront;
        if (disc >= 0) {
            roots[0] = (-p.qa + std::sqrt(disc)) / k;
            roots[1] = (-p.qa - std::sqrt(disc)) / k;
        }
    }
    for (double t : roots)
        if (t >= 0 && t <= w) best = std::max(best, moment(p.sa + t));
    r.maxSimple = best;
    return r;
}

// Root moment and shear of a cantilever (s from the root) under the load.
void cantilever(const LinearLoad& p, double& m, double& s) {
    m = p.integral([](double x) { return x; });
    s = p.integral([](double) { return 1.0; });
}

// The cosine of the wall's earth pressure at its fixed end.
double wallBCosine(const model::DesignData& d) {
    return std::cos((d.Theta_Rear + static_cast<double>(d.Delta)) * platform::kPi / 180);
}

} // namespace

double wallBSurchargeThrust(const model::DesignData& d, const MemberChoices& ch) {
    const double q = ch.deductSurcharge ? static_cast<double>(d.q_Back) - 5 : d.q_Back;
    return q * d.KA * d.H_BackSoil * wallBCosine(d);
}

platform::Status groundReactions(model::DesignData& d, const MemberChoices& ch) {
    Calc c("地盤反力");
    const double B = d.B, e = d.e, smax = d.Sigma_max;
    const double bToe = d.B_Toe, tFront = d.T_WallFront, bSpan = d.B_Span, tBack = d.T_WallBack;
    const double bHeel = d.B_Heel;
    const double gs = d.GammaS, gc = d.GammaC;

    const double r = platform::toSingle(std::fabs(c.div(e, B, "底版の幅 B")));
    const bool middleThird = r <= platform::toSingle(1.0 / 6);
    double xn = std::fabs(d.Xn);
    if (e != 0) {
        if (middleThird)
            xn = std::fabs(c.put(d.Xn, (c.div(B, 6 * std::fabs(e), "e") + 1) * B / 2));
        else
            xn = c.put(d.Xn, 3 * (B / 2 - std::fabs(e)));
    }

    // Distances of the seven points from the edge of largest pressure.
    std::array<float*, 7> v{&d.VP, &d.V1, &d.V2, &d.V3, &d.V4, &d.V5, &d.VR};
    std::array<double, 7> u{};
    if (e >= 0) {
        u = {0,
             bToe,
             bToe + tFront,
             bToe + tFront + bSpan / 2,
             bToe + tFront + bSpan,
             bToe + tFront + bSpan + tBack,
             B};
    } else {
        u = {B,
             bHeel + tBack + bSpan + tFront,
             bHeel + tBack + bSpan,
             bHeel + tBack + bSpan / 2,
             bHeel + tBack,
             bHeel,
             0};
    }
    if (e != 0 && !c.failed() && !(xn > 0) && !middleThird)
        c.fail("地盤反力を計算できません（合力が底版の端にあり、接地長 Xn が 0 以下です）。");
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (e == 0)
            c.put(*v[i], smax);
        else
            c.put(*v[i], u[i] >= xn ? 0 : smax * c.div(xn - u[i], xn, "接地長 Xn"));
    }

    c.topic("底版の荷重");
    const double tSlab = d.T_Slab, hBack = d.H_BackSoil, hFront = d.H_FrontSoil;
    c.put(d.W1, gc * tSlab + gs * d.H_CenterSoil + d.q_Center);
    if (bHeel != 0) {
        c.put(d.W2, gs * hBack + gc * tSlab + d.q_Back);
        c.put(d.W3, gs * (d.Taper_Heel + hBack) + gc * d.T_HeelTip + d.q_Back);
    }
    if (bToe != 0) {
        const double qFront = d.q_Front;
        if (ch.shape == model::GroundShape::OneSided && ch.frontSoilCounted) {
            c.put(d.W4, gs * hFront + gc * tSlab + qFront);
            c.put(d.W5, gs * (d.Taper_Toe + hFront) + gc * d.T_ToeTip + qFront);
        } else if (ch.shape == model::GroundShape::OneSided && ch.frontSoilOmitted) {
            c.put(d.W4, gc * tSlab + qFront);
            c.put(d.W5, gc * d.T_ToeTip + qFront);
        } else if (ch.shape == model::GroundShape::TwoSided) {
            c.put(d.W4, gs * hBack + gc * tSlab + qFront);
            c.put(d.W5, gs * (d.Taper_Toe + hBack) + gc * d.T_ToeTip + qFront);
        }
    }

    c.topic("後たて壁背面の傾き");
    const double t = c.put(d.Theta_Rad, std::atan(c.div(tBack - d.T_WallBackTop - d.Batter_BackIn,
                                                        d.H1 - tSlab + d.H2, "H1－底版の厚さ＋H2")));
    c.put(d.Theta_Rear, t / platform::kPi * 180);
    return c.status();
}

namespace {

bool inertiaMethod(const MemberChoices& ch) {
    return ch.method == SeismicMethod::K2 || ch.method == SeismicMethod::D1;
}

platform::Status wallA(model::DesignData& d, const MemberChoices& ch) {
    Calc c("たて壁Ａの断面力");
    const double hBack = d.H_BackSoil, tSlab = d.T_Slab, h2 = d.H2;
    const double ka = d.KA, gs = d.GammaS, gc = d.GammaC, kh = d.Kh, qBack = d.q_Back;
    const double h = (hBack + tSlab) / 3;
    const double cs = std::cos((d.Theta + static_cast<double>(d.Delta)) * platform::kPi / 180);
    const double pax = c.put(d.PAX_r1, 0.5 * ka * gs * h * h * cs);
    const double q = ch.deductSurcharge ? qBack - 5 : qBack;
    const double dpax = c.put(d.DPAX_r1, ka * q * h * cs);
    const bool seismic = ch.loadCase == LoadCase::Seismic;
    double w = 0, y1 = 0, aBack = 0, y2 = 0;
    if (seismic) {
        const double ht = h2 + hBack, a = (hBack + tSlab + h2) / 3;
        const double bOut = d.Batter_BackOut;
        const double rect = a * d.T_WallBackTop;
        const double triIn = c.div(d.Batter_BackIn * a, ht, "後たて壁の高さ") * a / 2;
        const double triOut = c.div(bOut * a, ht, "後たて壁の高さ") * a / 2;
        const double area = rect + triIn + triOut;
        w = c.put(d.W_r1, gc * area);
        y1 = c.put(d.Y1_r1, c.div(rect * a / 2 + (triIn + triOut) * a / 3, area, "たて壁の断面積"));
        const double w1 = d.B_HeelBatter - c.div(bOut * a, ht, "後たて壁の高さ");
        const double w2 = d.B_HeelBatter - c.div(bOut * h2, ht, "後たて壁の高さ");
        const double hh = a - h2;
        aBack = c.put(d.A_Back_r1, (w1 + w2) * hh / 2);
        const double rectB = w1 * hh, triB = (w2 - w1) * hh / 2;
        // Without a batter and a heel the backfill has no area and its term is zero.
        const double sum = rectB + triB;
        y2 = c.put(d.Y2_r1, sum == 0 ? 0 : (rectB * hh / 2 + triB * 2 * hh / 3) / sum);
    }
    double m = h * dpax / 2 + h * pax / 3;
    double s = pax + dpax;
    if (seismic && inertiaMethod(ch)) {
        m += kh * w * y1;
        s += kh * w;
        if (ch.surchargeInertia) {
            const double y3 = c.div(d.Y3_Surch * h, hBack + tSlab, "H1");
            m += gs * aBack * kh * y2 + qBack * kh * y3;
            s += gs * aBack * kh + kh * qBack;
        }
    }
    c.put(d.M_r1, 1e5 * m);
    c.put(d.S_r1, 1e3 * s);
    return c.status();
}

platform::Status wallB(model::DesignData& d, const MemberChoices& ch) {
    Calc c("たて壁Ｂの断面力");
    const double hBack = d.H_BackSoil, tSlab = d.T_Slab;
    const double ka = d.KA, gs = d.GammaS, gc = d.GammaC, kh = d.Kh, qBack = d.q_Back;
    const double pax = c.put(d.PAX_r2, 0.5 * ka * gs * hBack * hBack * wallBCosine(d));
    double dpax = c.put(d.DPAX_r2, wallBSurchargeThrust(d, ch));
    if (ch.deductSurcharge && dpax <= 0) dpax = c.put(d.DPAX_r2, 0);
    const bool seismic = ch.loadCase == LoadCase::Seismic;
    double w = 0, y = 0, y2 = 0;
    if (seismic) {
        const double ht = d.H2 + hBack;
        const double rect = ht * d.T_WallBackTop, triIn = ht * d.Batter_BackIn / 2,
                     triOut = ht * d.Batter_BackOut / 2;
        w = c.put(d.W_r2, gc * ((d.Batter_BackOut + static_cast<double>(d.Batter_BackIn)) * ht / 2 +
                                ht * d.T_WallBackTop));
        y = c.put(d.Y_r2,
                  c.div(rect * ht / 2 + (triIn + triOut) * ht / 3, rect + triIn + triOut, "たて壁の断面積"));
        y2 = c.put(d.Y2_r2, static_cast<double>(d.Y_BackSoil) - tSlab);
    }
    double m = dpax * hBack / 2 + pax * hBack / 3;
    double s = dpax + pax;
    if (seismic && inertiaMethod(ch)) {
        m += kh * w * y;
        s += kh * w;
        if (ch.surchargeInertia) {
            m += d.A_BackSoil * gs * kh * y2 + (d.Y3_Surch - tSlab) * kh * qBack;
            s += d.A_BackSoil * gs * kh + kh * qBack;
        }
    }
    c.put(d.M_r2, 1e5 * m);
    c.put(d.S_r2, 1e3 * s);
    return c.status();
}

// Whether the contact reaches both ends of the span.
bool spanCovered(const model::DesignData& d) {
    if (d.e > 0) return atMostSingle(static_cast<double>(d.B) - d.B_Heel - d.T_WallBack, std::fabs(d.Xn));
    return atMostSingle(static_cast<double>(d.B) - d.B_Toe - d.T_WallFront, std::fabs(d.Xn));
}

// The reaction under the span, s from its front end.
LinearLoad spanReaction(const model::DesignData& d) {
    const double L = d.B_Span, xn = std::fabs(d.Xn);
    const double front = static_cast<double>(d.B_Toe) + d.T_WallFront;
    if (d.V2 == d.V4 && spanCovered(d)) return {0, L, d.V2, d.V4};
    if (d.e > 0) {
        const double z = within(xn - front, L);
        return {0, z, d.V2, 0};
    }
    const double z = within(static_cast<double>(d.B) - xn - front, L);
    return {z, L, 0, d.V4};
}

} // namespace

SlabReaction slabReaction(const model::DesignData& d) {
    if (d.e == 0) return SlabReaction::Uniform;
    if (!spanCovered(d) || d.V2 == d.V4) return SlabReaction::None;
    return d.V2 > d.V4 ? SlabReaction::FrontHeavy : SlabReaction::RearHeavy;
}

HeelReaction heelReaction(const model::DesignData& d) {
    const float xn = platform::toSingle(std::fabs(d.Xn));
    if (d.e == 0 || (d.e > 0 ? xn > d.B : xn >= d.B_Heel)) return HeelReaction::Trapezoid;
    return d.e > 0 ? HeelReaction::Triangle : HeelReaction::None;
}

double heelTriangleLength(const model::DesignData& d) {
    const double L = d.B_Heel;
    return within(std::fabs(d.Xn) - (static_cast<double>(d.B) - L), L);
}

namespace {

bool toeCovered(const model::DesignData& d) {
    const double xn = std::fabs(d.Xn);
    return d.e == 0 || (d.e > 0 ? platform::toSingle(xn) >= d.B_Toe : platform::toSingle(xn) >= d.B);
}

// The reaction under the heel in contact from its tip, and under a toe the contact does not cover; s from
// the root.
LinearLoad heelFromTip(const model::DesignData& d) {
    const double L = d.B_Heel, xn = std::fabs(d.Xn);
    return {L - xn, L, 0, d.VR};
}

LinearLoad toePart(const model::DesignData& d) {
    const double L = d.B_Toe, xn = std::fabs(d.Xn);
    if (d.e > 0) return {L - xn, L, 0, d.VP};
    return {0, within(xn - (static_cast<double>(d.B) - L), L), d.V1, 0};
}

PartialContact triangle(const LinearLoad& p, bool fromFar) {
    return {fromFar, p.sb - p.sa, static_cast<float>(fromFar ? p.qb : p.qa)};
}

} // namespace

std::optional<PartialContact> partialContact(const model::DesignData& d, Member m) {
    switch (m) {
    case Member::C:
    case Member::D:
    case Member::E:
        if (d.e == 0 || spanCovered(d)) return std::nullopt;
        return triangle(spanReaction(d), d.e < 0);
    case Member::F:
        if (heelReaction(d) != HeelReaction::None) return std::nullopt;
        return triangle(heelFromTip(d), true);
    case Member::G:
        if (toeCovered(d)) return std::nullopt;
        return triangle(toePart(d), d.e > 0);
    default:
        return std::nullopt;
    }
}

namespace {

platform::Status slab(model::DesignData& d, Member m) {
    Calc c("底版の断面力");
    const double L = d.B_Span, w1 = d.W1, v2 = d.V2, v4 = d.V4;
    const double c1 = c.put(d.C1, w1 * L * L / 12);
    const SlabReaction reaction = slabReaction(d);
    const bool trapezoid = reaction == SlabReaction::FrontHeavy || reaction == SlabReaction::RearHeavy;
    double m1 = 0, m2 = 0, s1 = w1 * L / 2, s2 = 0;
    if (m == Member::C)
        m1 = w1 * L * L / 8 - c1;
    else
        m1 = c1;

    if (reaction == SlabReaction::Uniform) {
        const double smax = d.Sigma_max;
        const double c2 = c.put(d.C2, smax * L * L / 12);
        m2 = m == Member::C ? smax * L * L / 8 - c2 : c2;
        s2 = smax * L / 2;
    } else if (trapezoid) {
        const double vmax = std::max(v2, v4), vmin = std::min(v2, v4);
        const double c21 = c.put(d.C21, vmin * L * L / 12 + (vmax - vmin) * L * L / 20);
        const double c22 = c.put(d.C22, vmin * L * L / 12 + (vmax - vmin) * L * L / 30);
        const bool frontHeavier = v2 > v4;
        if (m == Member::C) {
            m2 = vmin * L * L / 8 + (vmax - vmin) * L * L / (9 * std::sqrt(3.0)) - (c21 + c22) / 2;
        } else {
            const bool heavyEnd = (m == Member::D) == frontHeavier;
            m2 = heavyEnd ? c21 : c22;
            s2 = (vmax - vmin) * L / (heavyEnd ? 3 : 6) + vmin * L / 2;
        }
    } else {
        // The contact ends inside the span (or leaves it unloaded): the same quantities of the actual
        // reaction.
        const SpanParts p = spanParts(spanReaction(d), L);
        const bool frontHeavier = v2 >= v4;
        c.put(d.C21, frontHeavier ? p.femFront : p.femRear);
        c.put(d.C22, frontHeavier ? p.femRear : p.femFront);
        if (m == Member::C)
            m2 = p.maxSimple - (p.femFront + p.femRear) / 2;
        else if (m == Member::D)
            m2 = p.femFront, s2 = p.reactFront;
        else
            m2 = p.femRear, s2 = p.reactRear;
    }

    if (m == Member::C) {
        c.put(d.M1_r5, m1);
        c.put(d.M2_r5, m2);
        c.put(d.M_r5, 1e5 * std::fabs(static_cast<double>(d.M1_r5) - d.M2_r5));
    } else if (m == Member::D) {
        c.put(d.M1_r6, m1), c.put(d.M2_r6, m2), c.put(d.S1_r6, s1), c.put(d.S2_r6, s2);
        c.put(d.M_r6, 1e5 * std::fabs(static_cast<double>(d.M1_r6) - d.M2_r6));
        c.put(d.S_r6, 1e3 * std::fabs(static_cast<double>(d.S1_r6) - d.S2_r6));
    } else {
        c.put(d.M1_r7, m1), c.put(d.M2_r7, m2), c.put(d.S1_r7, s1), c.put(d.S2_r7, s2);
        c.put(d.M_r7, 1e5 * std::fabs(static_cast<double>(d.M1_r7) - d.M2_r7));
        c.put(d.S_r7, 1e3 * std::fabs(static_cast<double>(d.S1_r7) - d.S2_r7));
    }
    return c.status();
}

// Load part of a cantilever slab with wRoot at the root and wTip at the tip.
void loadPart(double L, double wRoot, double wTip, double& m, double& s) {
    if (wRoot == wTip) {
        m = wRoot * L * L / 2;
        s = wRoot * L;
    } else {
        m = L * L * (2 * wTip + wRoot) / 6;
        s = (wTip + wRoot) * L / 2;
    }
}

platform::Status heel(model::DesignData& d) {
    Calc c("かかと版の断面力");
    const double L = d.B_Heel, v5 = d.V5, vr = d.VR;
    double m1, s1, m2, s2;
    loadPart(L, d.W2, d.W3, m1, s1);
    const HeelReaction reaction = heelReaction(d);
    if (reaction == HeelReaction::Trapezoid) {
        m2 = L * L * (2 * vr + v5) / 6;
        s2 = (vr + v5) * L / 2;
    } else if (reaction == HeelReaction::Triangle) {
        const double a = heelTriangleLength(d);
        m2 = a * a * v5 / 6;
        s2 = a * v5 / 2;
    } else {
        cantilever(heelFromTip(d), m2, s2);
    }
    c.put(d.M1_r8, m1), c.put(d.S1_r8, s1), c.put(d.M2_r8, m2), c.put(d.S2_r8, s2);
    c.put(d.M_r8, 1e5 * std::fabs(static_cast<double>(d.M1_r8) - d.M2_r8));
    c.put(d.S_r8, 1e3 * std::fabs(static_cast<double>(d.S1_r8) - d.S2_r8));
    return c.status();
}

platform::Status toe(model::DesignData& d) {
    Calc c("つま先版の断面力");
    const double L = d.B_Toe, v1 = d.V1, vp = d.VP;
    double m1, s1, m2, s2;
    loadPart(L, d.W4, d.W5, m1, s1);
    if (toeCovered(d)) {
        m2 = L * L * (2 * vp + v1) / 6;
        s2 = (vp + v1) * L / 2;
    } else {
        cantilever(toePart(d), m2, s2);
    }
    c.put(d.M1_r9, m1), c.put(d.S1_r9, s1), c.put(d.M2_r9, m2), c.put(d.S2_r9, s2);
    c.put(d.M_r9, 1e5 * std::fabs(static_cast<double>(d.M1_r9) - d.M2_r9));
    c.put(d.S_r9, 1e3 * std::fabs(static_cast<double>(d.S1_r9) - d.S2_r9));
    return c.status();
}

platform::Status key(model::DesignData& d) {
    Calc c("突起の断面力");
    const double p = d.P_Key, h0 = d.H0_Key;
    c.put(d.M_r10, 1e5 * p * h0 * h0 / 2);
    c.put(d.S_r10, 1e3 * p * h0);
    return c.status();
}

double thickness(const model::DesignData& d, Member m) {
    switch (m) {
    case Member::A:
        return 100 * (d.T_WallBackTop + (static_cast<double>(d.Batter_BackIn) + d.Batter_BackOut) *
                                            (1 + d.T_Slab / (static_cast<double>(d.H2) + d.H_BackSoil)) / 3);
    case Member::B:
        return 100.0 * d.T_WallBack;
    case Member::H:
        return 100.0 * d.D_Key;
    default:
        return 100.0 * d.T_Slab;
    }
}

} // namespace

MemberValues memberValues(model::DesignData& d, Member m) {
    switch (m) {
#define SECTIONS_MEMBER(k)                                                                                   \
    return {                                                                                                 \
        &d.M_r##k, &d.S_r##k, &d.D_r##k, &d.Deff_r##k, &d.J_r##k, &d.At_r##k, &d.Phi_r##k, &d.NbarAt_r##k,   \
            &d.NbarPhi_r##k, &d.Nbar_r##k, &d.PitchReq_r##k, &d.BarArea_r##k, &d.BarPeri_r##k,               \
            &d.Cover_r##k, &d.CoverC_r##k, &d.Bar_r##k, &d.Pitch_r##k, &d.P_r##k, &d.K_r##k, &d.Jc_r##k,     \
            &d.SigmaC_r##k, &d.SigmaS_r##k, &d.TauC_r##k                                                     \
    }
    case Member::A:
        SECTIONS_MEMBER(1);
    case Member::B:
        SECTIONS_MEMBER(2);
    case Member::D:
        SECTIONS_MEMBER(6);
    case Member::E:
        SECTIONS_MEMBER(7);
    case Member::F:
        SECTIONS_MEMBER(8);
    case Member::G:
        SECTIONS_MEMBER(9);
    case Member::H:
        SECTIONS_MEMBER(10);
#undef SECTIONS_MEMBER
    case Member::C:
        break;
    }
    return {&d.M_r5,       nullptr,      &d.D_r5,      &d.Deff_r5,   &d.J_r5,        &d.At_r5,
            nullptr,       &d.NbarAt_r5, nullptr,      &d.Nbar_r5,   &d.PitchReq_r5, &d.BarArea_r5,
            &d.BarPeri_r5, &d.Cover_r5,  &d.CoverC_r5, &d.Bar_r5,    &d.Pitch_r5,    &d.P_r5,
            &d.K_r5,       &d.Jc_r5,     &d.SigmaC_r5, &d.SigmaS_r5, nullptr};
}

platform::Status memberForces(model::DesignData& d, Member m, const MemberChoices& ch) {
    if (ch.loadCase == LoadCase::Seismic && ch.method == SeismicMethod::None &&
        (m == Member::A || m == Member::B))
        return platform::Fault{stability::kNoSeismicMethod};
    switch (m) {
    case Member::A:
        return wallA(d, ch);
    case Member::B:
        return wallB(d, ch);
    case Member::C:
    case Member::D:
    case Member::E:
        return slab(d, m);
    case Member::F:
        return heel(d);
    case Member::G:
        return toe(d);
    case Member::H:
        return key(d);
    }
    return {};
}

void applyBarSizeRule(model::DesignData& d, float barArea, const MemberChoices& ch) {
    if (ch.basis != DesignBasis::Building || ch.loadCase != LoadCase::Normal) return;
    d.Sigma_sa = 5.745f <= barArea ? 195.0f : d.Sigma_sa_Long;
}

platform::Status takeBar(model::DesignData& d, Member m, const MemberRow& row) {
    Calc c("鉄筋");
    MemberValues v = memberValues(d, m);
    auto cover = model::readSingle(row.coverCaption, "鉄筋かぶり厚");
    if (!cover) return cover.fault();
    if (row.listIndex < 0 || row.listIndex >= static_cast<int>(BarTable.size())) {
        *v.Cover = *cover;
        return {};
    }
    const BarRow& bar = BarTable[static_cast<std::size_t>(row.listIndex)];
    float coverC = 0;
    c.put(coverC, double(*cover) + bar.addition, "鉄筋かぶり厚");
    if (c.failed()) return c.status();
    *v.Cover = *cover;
    *v.Bar = std::string(bar.name);
    *v.BarArea = bar.area;
    *v.BarPeri = bar.perimeter;
    *v.CoverC = coverC;
    return {};
}

platform::Result<std::string> steelAndSpacing(model::DesignData& d, Member m, const MemberChoices& ch,
                                              const MemberRow& row) {
    Calc c("鉄筋量");
    MemberValues v = memberValues(d, m);
    const bool shear = m != Member::C;
    if (auto taken = takeBar(d, m, row); !taken) return taken.fault();
    const double D = c.put(*v.D, thickness(d, m));
    const double deff = c.put(*v.Deff, D - *v.CoverC / 10.0);
    const double j = c.put(*v.J, 0.875 * deff);
    if (!c.failed() && !(j > 0)) c.fail("鉄筋量を計算できません（有効高さ d が 0 以下です）。");
    applyBarSizeRule(d, *v.BarArea, ch);
    const double at = c.put(*v.At, c.div(*v.M, 100.0 * d.Sigma_sa * j, "σsa"));
    const double phi = shear ? c.put(*v.Phi, c.div(*v.S, 100.0 * d.Tau_0a * j, "τ0a")) : 0;
    if (c.failed()) return platform::Fault{c.status().fault()};

    // No bar or nothing required: no spacing.
    const double area = *v.BarArea, peri = *v.BarPeri;
    if (area == 0 || (shear && peri == 0)) {
        *v.PitchReq = 0;
        return std::string{};
    }
    const double nAt = c.put(*v.NbarAt, at / area);
    const double nPhi = shear ? c.put(*v.NbarPhi, phi / peri) : 0;
    const double n = c.put(*v.Nbar, nAt >= nPhi ? nAt : nPhi);
    if (!(n > 0)) {
        *v.PitchReq = 0;
        return c.failed() ? platform::Result<std::string>(platform::Fault{c.status().fault()})
                          : std::string{};
    }
    const double pitch = c.put(*v.PitchReq, 1000 / n);
    if (c.failed()) return platform::Fault{c.status().fault()};
    return platform::format(platform::vbInt(pitch), "0");
}

platform::Result<std::string> designMember(model::DesignData& d, Member m, const MemberChoices& ch,
                                           const MemberRow& row) {
    if (m == Member::A || m == Member::B) {
        Calc c("上載荷重の慣性力");
        c.read(d.Y3_Surch, row.surchargeText, "作用位置");
        if (c.failed()) return platform::Fault{c.status().fault()};
    }
    if (auto s = groundReactions(d, ch); !s) return s.fault();
    if (auto s = memberForces(d, m, ch); !s) return s.fault();
    return steelAndSpacing(d, m, ch, row);
}

platform::Result<StressCheck> checkStresses(model::DesignData& d, Member m, const MemberChoices& ch,
                                            const std::string& spacingText) {
    return checkStresses(d, m, ch, platform::val(spacingText));
}

platform::Result<StressCheck> checkStresses(model::DesignData& d, Member m, const MemberChoices& ch,
                                            double spacing) {
    MemberValues v = memberValues(d, m);
    const bool shear = m != Member::C;
    Calc c("応力度");
    float pitch = 0;
    c.put(pitch, spacing, "設計上の鉄筋の間隔");
    const double s = c.put(*v.Pitch, pitch);
    if (c.failed()) return platform::Fault{c.status().fault()};
    if (!(s > 0)) return platform::Fault{kNoDesignSpacing};
    const double a = *v.BarArea, deff = *v.Deff;
    if (!(a > 0)) return platform::Fault{"鉄筋の種類を選択してください。"};
    if (!(deff > 0)) return platform::Fault{"応力度を計算できません（有効高さ d が 0 以下です）。"};

    const double as = 100 * (1000 / s) * a;
    const double p = c.put(*v.P, as / (1000 * 10 * deff));
    const double k = c.put(*v.K, std::sqrt((15 * p) * (15 * p) + 30 * p) - 15 * p);
    const double j = c.put(*v.Jc, 1 - k / 3);
    const double moment = 10.0 * *v.M;
    StressCheck r;
    r.sigmaC = platform::toSingle(c.div(2 * moment, (10 * deff) * (10 * deff) * k * j * 1000, "k"));
    r.sigmaS = platform::toSingle(c.div(moment, as * j * 10 * deff, "j"));
    if (shear) r.tauC = platform::toSingle(c.div(*v.S, j * 1000 * 10 * deff, "j"));
    c.put(*v.SigmaC, r.sigmaC);
    c.put(*v.SigmaS, r.sigmaS);
    if (shear) c.put(*v.TauC, r.tauC);
    if (c.failed()) return platform::Fault{c.status().fault()};

    applyBarSizeRule(d, *v.BarArea, ch);
    r.overC = exceeds(r.sigmaC, d.Sigma_ca);
    r.overS = exceeds(r.sigmaS, d.Sigma_sa);
    r.overTau = shear && exceeds(r.tauC, d.Tau_ca);
    r.textC = platform::format(r.sigmaC, "0.000");
    r.textS = platform::format(r.sigmaS, "0.000");
    r.textTau = shear ? platform::format(r.tauC, "0.000") : std::string("――");
    // The stored stresses are the ones shown, so that the report prints the screen's numbers.
    *v.SigmaC = platform::valSingle(r.textC);
    *v.SigmaS = platform::valSingle(r.textS);
    if (shear) *v.TauC = platform::valSingle(r.textTau);
    return r;
}

platform::Status sectionKa(model::DesignData& d, const MemberChoices& ch) {
    // The dimensions screen's computation on a copy, with θ of the rear wall; under the seismic case
    // every method but the inertia force plus the normal earth pressure takes Okabe–Mononobe.
    if (ch.loadCase == LoadCase::None) return platform::Fault{"常時又は地震時を選択してください。"};
    model::DesignData w = d;
    w.Theta = d.Theta_Rear;
    stability::EngineChoices e;
    e.loadCase = ch.loadCase;
    e.method =
        ch.loadCase == LoadCase::Seismic && ch.method != SeismicMethod::K2 ? SeismicMethod::K1 : ch.method;
    if (auto s = stability::computeKa(w, e); !s) return s;
    d.KA_Sect = w.KA;
    if (ch.loadCase == LoadCase::Seismic && e.method != SeismicMethod::K2) {
        d.ThetaK_Rad = w.ThetaK_Rad;
        d.ThetaK = w.ThetaK;
    }
    return {};
}

} // namespace sections
