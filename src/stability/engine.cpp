#include "stability/engine.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "model/calc.h"
#include "platform/runtime.h"
#include "stability/faults.h"

namespace stability {

using model::Calc;
namespace {

using model::DesignBasis;
using model::GroundShape;
using model::LoadCase;
using model::SeismicMethod;

double rad(double deg) {
    return platform::degToRad(deg);
}

constexpr const char* kFrontHeight = "前たて壁の高さ（H3＋前面土の高さ）";
constexpr const char* kBackHeight = "後たて壁の高さ（H2＋背面土の高さ）";

} // namespace

platform::Status deriveGeometry(model::DesignData& w, GroundShape shape) {
    Calc c("擁壁の寸法");
    const double h1 = w.H1, h2 = w.H2, h4 = w.H4;
    const double tFrontTop = w.T_WallFrontTop, batterFrontIn = w.Batter_FrontIn;
    const double tBackTop = w.T_WallBackTop, batterBackIn = w.Batter_BackIn;
    const double bToe = w.B_Toe, tFront = w.T_WallFront, bSpan = w.B_Span, tBack = w.T_WallBack;
    const double bHeel = w.B_Heel, tSlab = w.T_Slab, tToeTip = w.T_ToeTip, tHeelTip = w.T_HeelTip;

    c.put(w.H_EarthPressure, h1);
    c.put(w.B, tFront + bToe + bSpan + tBack + bHeel);
    c.put(w.B_HeelBatter, (bHeel + tBack) - (batterBackIn + tBackTop));
    c.put(w.B_SpanTop, batterBackIn + batterFrontIn + bSpan);
    c.put(w.Batter_FrontOut, tFront - tFrontTop - batterFrontIn);
    c.put(w.Batter_BackOut, tBack - tBackTop - batterBackIn);
    const double taperToe = c.put(w.Taper_Toe, tSlab - tToeTip);
    const double taperHeel = c.put(w.Taper_Heel, tSlab - tHeelTip);
    c.put(w.H_FrontSoil, h4 - tToeTip - taperToe);
    c.put(w.H_BackSoil, h1 - tHeelTip - taperHeel);
    if (shape == GroundShape::TwoSided) {
        w.H_FrontSoil = w.H_BackSoil;
        w.H3 = w.H2;
        w.H4 = w.H1;
    }

    c.topic("後たて壁背面の傾きθ");
    const double t = platform::toSingle(
        std::atan(c.div(tBack - tBackTop - batterBackIn, h1 - tSlab + h2, "H1－底版の厚さ＋H2")));
    c.put(w.Theta, t / platform::kPi * 180);

    for (const WallPartFields& p : kWallParts)
        w.*p.area = 0;
    w.W_QBack = w.W_QCenter = w.W_QFront = 0;
    return c.status();
}

platform::Status computeKa(model::DesignData& w, const EngineChoices& ch) {
    const double phi = w.Phi_Back, theta = w.Theta, delta = w.Delta, beta = w.Beta;

    if (ch.method == SeismicMethod::K2 || ch.loadCase == LoadCase::Normal) {
        Calc c("主働土圧係数");
        const double cosPhiTheta = std::cos(rad(phi - theta));
        const double numer = c.put(w.KA_Numer, cosPhiTheta * cosPhiTheta);
        const double cosTheta = std::cos(rad(theta));
        const double cos2Theta = c.put(w.Cos2Theta, cosTheta * cosTheta);
        const double cosThetaDelta = c.put(w.CosThetaDelta, std::cos(rad(delta + theta)));
        const double sinPhiDelta = c.put(w.SinPhiDelta, std::sin(rad(delta + phi)));
        double sinPhiBeta = c.put(w.SinPhiBeta, std::sin(rad(std::fabs(phi - beta))));
        const double cosDeltaTheta = c.put(w.CosDeltaTheta, std::cos(rad(delta + theta)));
        const double cosThetaBeta = c.put(w.CosThetaBeta, std::cos(rad(std::fabs(theta - beta))));
        if (phi < beta) sinPhiBeta = c.put(w.SinPhiBeta, 0);

        c.requireNonRightAngle(cosThetaBeta, "θ－β");
        c.requireNonRightAngle(cosDeltaTheta, "δ＋θ");
        c.requireNonRightAngle(cosTheta, "θ");
        const double r = c.root(c.div(sinPhiBeta * sinPhiDelta, cosThetaBeta * cosDeltaTheta, "分母"));
        c.put(w.KA, c.div(numer, (1 + r) * (1 + r) * cosThetaDelta * cos2Theta, "分母"));
        return c.status();
    }

    if (ch.method == SeismicMethod::K1 || ch.method == SeismicMethod::D1) {
        Calc c("地震時の土圧係数");
        const double kh = w.Kh, kv = w.Kv;
        const double thetaKRad = c.put(w.ThetaK_Rad, std::atan(c.div(kh, 1 - kv, "1－Kv")));
        const double thetaK = c.put(w.ThetaK, thetaKRad * 180 / platform::kPi);
        const double cosPhiTheta = std::cos(rad(phi - theta - thetaK));
        const double numer = c.put(w.KA_Numer, cosPhiTheta * cosPhiTheta * (1 - kv));
        const double cosThetaK = c.put(w.CosThetaK, std::cos(rad(thetaK)));
        const double cosTheta = std::cos(rad(theta));
        const double cos2Theta = c.put(w.Cos2Theta, cosTheta * cosTheta);
        const double cosThetaDelta = c.put(w.CosThetaDelta, std::cos(rad(delta + theta + thetaK)));
        const double sinPhiDelta = c.put(w.SinPhiDelta, std::sin(rad(delta + phi)));
        double sinPhiBeta = c.put(w.SinPhiBeta, std::sin(rad(std::fabs(phi - beta - thetaK))));
        const double cosDeltaTheta = c.put(w.CosDeltaTheta, std::cos(rad(delta + theta + thetaK)));
        const double cosThetaBeta = c.put(w.CosThetaBeta, std::cos(rad(std::fabs(theta - beta))));
        if (platform::toSingle(thetaK + beta) > phi) sinPhiBeta = c.put(w.SinPhiBeta, 0);

        c.requireNonRightAngle(cosThetaBeta, "θ－β");
        c.requireNonRightAngle(cosDeltaTheta, "δ＋θ＋θk");
        c.requireNonRightAngle(cosThetaK, "θk");
        c.requireNonRightAngle(cosTheta, "θ");
        const double r = c.root(c.div(sinPhiBeta * sinPhiDelta, cosThetaBeta * cosDeltaTheta, "分母"));
        c.put(w.KA, c.div(numer, (1 + r) * (1 + r) * cosThetaK * cos2Theta * cosThetaDelta, "分母"));
        return c.status();
    }

    // The seismic case without a method: the coefficient would stay as typed, so it is refused.
    return platform::Fault{kNoSeismicMethod, StabilityFault::NoSeismicMethod};
}

namespace {

// One piece of a part: its stored area and lever arm, and its height. The back soil's triangle over
// the heel taper and its wedge against the rear wall are not kept in the design data; their areas and
// arms live in the run, their heights unrounded.
struct Piece {
    float* a;
    float* x;
    float* y;      // nullptr for a piece that is not kept
    double height; // the height's formula value, stored through y when it is kept
};

// The pieces of a part and how its centroid becomes a lever arm from the front end.
struct PartPieces {
    const char* leverTopic; // topic of the lever arm
    const char* areaName;   // the divisor: the part's area
    int first;              // index of the first piece
    int count;
    // Where the pieces' x start: at the front end (the arm is the centroid), `offset` along the base
    // (centroid + offset) or at the heel end (B − centroid).
    enum class Origin { Front, Offset, Back } origin;
    double offset;
    bool counted; // whether the part has a lever arm in this run
};

// The state shared by the steps of one run.
struct Run {
    model::DesignData& w;
    const EngineChoices& ch;
    Calc c{"土圧"};
    bool normal = false;
    bool inertia = false;
    bool oneSided = false;

    // Earth pressure.
    double pax = 0, dpax = 0;
    // Part geometry: the wall heights over the base and the batter widths at the soil surfaces.
    double frontHeight = 0, backHeight = 0, wf = 0, wb = 0, af = 0, ab = 0;
    // Surcharge loads and the totals.
    double wQBack = 0, wQCenter = 0, wQFront = 0, sumW = 0, sumV = 0;
    // The back soil's pieces that are not kept.
    float aBackSoilTri = 0, xBackSoilTri = 0, aBackSoilWedge = 0, xBackSoilWedge = 0;
    double yBackSoilTri = 0, yBackSoilWedge = 0;
    Piece pieces[22]{};
    PartPieces parts[kWallPartCount]{};
    // Overturning and contact pressure.
    double mr = 0, mo = 0, e = 0, ae = 0, ratio = 0, sigmaMax = 0, sigmaMin = 0, axn = 0;
    bool middleThird = false;
    // Sliding.
    double sumH = 0, aEff = 0;
    bool hasCohesion = false;
};

// Σ(v × A) / ΣA over the pieces of a part, in their order; v is x or y.
double centroid(Run& r, const PartPieces& part, bool height) {
    const Piece* p = r.pieces + part.first;
    const auto value = [height](const Piece& q) -> double {
        if (!height) return *q.x;
        return q.y ? static_cast<double>(*q.y) : q.height;
    };
    if (part.count == 1) {
        const double a = *p->a;
        return r.c.div(value(*p) * a, a, part.areaName);
    }
    double moment = 0;
    double total = 0;
    for (int i = 0; i < part.count; ++i) {
        moment += value(p[i]) * *p[i].a;
        total += *p[i].a;
    }
    return r.c.div(moment, total, part.areaName);
}

// Σ γ × A × v over the parts, in their order (v = 1, x or y).
using Field = float model::DesignData::*;

double weightSum(const model::DesignData& w, Field WallPartFields::*arm) {
    double sum = 0;
    for (std::size_t i = 0; i < kWallParts.size(); ++i) {
        const WallPartFields& p = kWallParts[i];
        const double term = arm ? partWeight(w, p) * (w.*(p.*arm)) : partWeight(w, p);
        sum = i == 0 ? term : sum + term;
    }
    return sum;
}

void earthPressure(Run& r) {
    model::DesignData& w = r.w;
    const double H = w.H_EarthPressure, ka = w.KA, gs = w.GammaS, qBack = w.q_Back;
    const double pa = r.c.put(w.PA, H * H * (ka * 0.5 * gs));
    const double a = (w.Theta + static_cast<double>(w.Delta)) * platform::kPi / 180;
    r.pax = r.c.put(w.PAX, pa * std::cos(a));
    r.c.put(w.PAY, pa * std::sin(a));
    const double dpa = r.c.put(w.DPA, r.ch.deductSurcharge ? (qBack - 5) * ka * H : qBack * ka * H);
    r.dpax = r.c.put(w.DPAX, dpa * std::cos(a));
    r.c.put(w.DPAY, dpa * std::sin(a));
}

void partAreas(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    const double h2 = w.H2, h3 = w.H3, hFrontSoil = w.H_FrontSoil, hBackSoil = w.H_BackSoil;
    const double hCenterSoil = w.H_CenterSoil, bToe = w.B_Toe, bHeel = w.B_Heel, bSpan = w.B_Span;
    const double tFront = w.T_WallFront, tFrontTop = w.T_WallFrontTop;
    const double tBack = w.T_WallBack, tBackTop = w.T_WallBackTop;
    const double tSlab = w.T_Slab, tToeTip = w.T_ToeTip, tHeelTip = w.T_HeelTip;
    const double taperToe = w.Taper_Toe, taperHeel = w.Taper_Heel;

    c.topic("各部の断面積");
    r.frontHeight = h3 + hFrontSoil;
    r.backHeight = h2 + hBackSoil;
    r.wf = c.div(static_cast<double>(w.Batter_FrontOut) * hFrontSoil, hFrontSoil + h3, kFrontHeight);
    r.wb = c.div(static_cast<double>(w.Batter_BackOut) * hBackSoil, hBackSoil + h2, kBackHeight);
    r.af = c.div(static_cast<double>(w.Batter_FrontIn) * hCenterSoil, r.frontHeight, kFrontHeight);
    r.ab = c.div(static_cast<double>(w.Batter_BackIn) * hCenterSoil, r.backHeight, kBackHeight);

    c.put(w.A_FrontWall, r.frontHeight * (tFront + tFrontTop) / 2 + tFront * tSlab);
    c.put(w.A_BackWall, r.backHeight * (tBack + tBackTop) / 2 + tBack * tSlab);
    c.put(w.A_Slab, bSpan * tSlab);
    c.put(w.A_Heel, (tHeelTip + tSlab) * bHeel / 2);
    c.put(w.A_Toe, (tToeTip + tSlab) * bToe / 2);
    c.put(w.A_CenterSoil, hCenterSoil * (bSpan + (r.af + bSpan + r.ab)) / 2);
    c.put(w.A_BackSoil, hBackSoil * (bHeel + (r.wb + bHeel)) / 2 + bHeel * taperHeel / 2);
    const double frontSoil = hFrontSoil * (bToe + (r.wf + bToe)) / 2 + bToe * taperToe / 2;
    if (r.oneSided) {
        // The front-soil choice is offered with a toe only: without one a choice left from before is
        // hidden and counts for nothing.
        if (w.B_Toe != 0 && r.ch.frontSoilCounted)
            c.put(w.A_FrontSoil, frontSoil);
        else if (w.B_Toe != 0 && r.ch.frontSoilOmitted)
            w.A_FrontSoil = 0;
    } else {
        c.put(w.A_FrontSoil, frontSoil);
        if (w.A_FrontSoil < 1e-6f) w.A_FrontSoil = 0;
    }
}

void surcharges(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    const double qBack = w.q_Back, qCenter = w.q_Center, qFront = w.q_Front;
    const double hCenterSoil = w.H_CenterSoil;
    c.topic("上載荷重");
    r.wQBack = c.put(w.W_QBack, (r.wb + w.B_Heel) * qBack);
    r.wQCenter = c.put(w.W_QCenter, (c.div(w.Batter_BackIn * hCenterSoil + hCenterSoil * w.Batter_FrontIn,
                                           r.frontHeight, kFrontHeight) +
                                     w.B_Span) *
                                        qCenter);
    r.wQFront = c.put(w.W_QFront, (r.wf + w.B_Toe) * qFront);

    c.topic("自重");
    const double selfWeight = weightSum(w, nullptr);
    r.sumW = c.put(w.SumW, selfWeight);
    r.sumV = c.put(w.SumV, selfWeight + r.wQBack + r.wQCenter + r.wQFront);
}

// The pieces of the parts ① to ⑧ in their order, with the formulas of their areas, arms and heights.
void layPieces(Run& r) {
    model::DesignData& w = r.w;
    const double fh = r.frontHeight, bh = r.backHeight, hCenterSoil = w.H_CenterSoil;
    const double hFrontSoil = w.H_FrontSoil, hBackSoil = w.H_BackSoil;
    const double bToe = w.B_Toe, bHeel = w.B_Heel, bSpan = w.B_Span, B = w.B;
    const double tFront = w.T_WallFront, tFrontTop = w.T_WallFrontTop;
    const double tBack = w.T_WallBack, tBackTop = w.T_WallBackTop;
    const double batterFrontIn = w.Batter_FrontIn, batterFrontOut = w.Batter_FrontOut;
    const double batterBackIn = w.Batter_BackIn, batterBackOut = w.Batter_BackOut;
    const double tSlab = w.T_Slab, tToeTip = w.T_ToeTip, tHeelTip = w.T_HeelTip;
    const double taperToe = w.Taper_Toe, taperHeel = w.Taper_Heel;
    Calc& c = r.c;
    int n = 0;
    // Stores the area and the arm now; the height is stored later, and only for the inertia methods.
    const auto piece = [&](float& a, double av, float& x, double xv, float* y, double yv) {
        c.put(a, av);
        c.put(x, xv);
        r.pieces[n++] = {&a, &x, y, yv};
    };
    using Origin = PartPieces::Origin;
    const auto part = [&](WallPart k, const char* topic, const char* areaName, int first, Origin origin,
                          double offset, bool counted) {
        r.parts[static_cast<int>(k)] = {topic, areaName, first, n - first, origin, offset, counted};
    };

    c.topic("各部の重心位置");
    int first = n;
    piece(w.A_FrontWall_Rect, fh * tFrontTop, w.X_FrontWall_Rect, tFrontTop / 2 + batterFrontOut,
          &w.Y_FrontWall_Rect, fh / 2 + tSlab);
    piece(w.A_FrontWall_TriIn, fh * batterFrontIn / 2, w.X_FrontWall_TriIn,
          batterFrontOut + tFrontTop + batterFrontIn / 3, &w.Y_FrontWall_TriIn, fh / 3 + tSlab);
    piece(w.A_FrontWall_TriOut, fh * batterFrontOut / 2, w.X_FrontWall_TriOut, batterFrontOut * 2 / 3,
          &w.Y_FrontWall_TriOut, fh / 3 + tSlab);
    piece(w.A_FrontWall_Slab, tSlab * tFront, w.X_FrontWall_Slab, tFront / 2, &w.Y_FrontWall_Slab, tSlab / 2);
    part(WallPart::FrontWall, "前たて壁の重心位置", "前たて壁の断面積", first, Origin::Offset, bToe, true);

    first = n;
    piece(w.A_BackWall_Rect, bh * tBackTop, w.X_BackWall_Rect, tBackTop / 2 + batterBackIn,
          &w.Y_BackWall_Rect, bh / 2 + tSlab);
    piece(w.A_BackWall_TriIn, bh * batterBackIn / 2, w.X_BackWall_TriIn, batterBackIn * 2 / 3,
          &w.Y_BackWall_TriIn, bh / 3 + tSlab);
    piece(w.A_BackWall_TriOut, bh * batterBackOut / 2, w.X_BackWall_TriOut,
          batterBackIn + tBackTop + batterBackOut / 3, &w.Y_BackWall_TriOut, bh / 3 + tSlab);
    piece(w.A_BackWall_Slab, tBack * tSlab, w.X_BackWall_Slab, tBack / 2, &w.Y_BackWall_Slab, tSlab / 2);
    part(WallPart::BackWall, "後たて壁の重心位置", "後たて壁の断面積", first, Origin::Offset,
         bToe + tFront + bSpan, true);

    first = n;
    piece(w.A_Slab_Rect, bSpan * tSlab, w.X_Slab_Rect, bSpan / 2, &w.Y_Slab_Rect, tSlab / 2);
    part(WallPart::Slab, "底版の重心位置", "底版の断面積", first, Origin::Offset, bToe + tFront, true);

    first = n;
    piece(w.A_Heel_Rect, tHeelTip * bHeel, w.X_Heel_Rect, bHeel / 2, &w.Y_Heel_Rect, tHeelTip / 2);
    piece(w.A_Heel_Tri, taperHeel * bHeel / 2, w.X_Heel_Tri, bHeel * 2 / 3, &w.Y_Heel_Tri,
          taperHeel / 3 + tHeelTip);
    part(WallPart::Heel, "かかと版の重心位置", "かかと版の断面積", first, Origin::Back, B, w.B_Heel != 0);

    first = n;
    piece(w.A_Toe_Rect, tToeTip * bToe, w.X_Toe_Rect, bToe / 2, &w.Y_Toe_Rect, tToeTip / 2);
    piece(w.A_Toe_Tri, taperToe * bToe / 2, w.X_Toe_Tri, bToe * 2 / 3, &w.Y_Toe_Tri, taperToe / 3 + tToeTip);
    part(WallPart::Toe, "つま先版の重心位置", "つま先版の断面積", first, Origin::Front, 0, w.B_Toe != 0);

    first = n;
    piece(w.A_CenterSoil_Rect, hCenterSoil * bSpan, w.X_CenterSoil_Rect, bSpan / 2, &w.Y_CenterSoil_Rect,
          hCenterSoil / 2 + tSlab);
    piece(w.A_CenterSoil_TriFront, hCenterSoil * r.af / 2, w.X_CenterSoil_TriFront, -r.af / 3,
          &w.Y_CenterSoil_TriFront, 2.0 / 3.0 * hCenterSoil + tSlab);
    piece(w.A_CenterSoil_TriBack, hCenterSoil * r.ab / 2, w.X_CenterSoil_TriBack, r.ab / 3 + bSpan,
          &w.Y_CenterSoil_TriBack, 2.0 / 3.0 * hCenterSoil + tSlab);
    part(WallPart::CenterSoil, "中央土の重心位置", "中央土の断面積", first, Origin::Offset, bToe + tFront,
         w.A_CenterSoil != 0);

    first = n;
    piece(w.A_BackSoil_Rect, bHeel * hBackSoil, w.X_BackSoil_Rect, bHeel / 2, &w.Y_BackSoil_Rect,
          taperHeel + tHeelTip + hBackSoil / 2);
    piece(r.aBackSoilTri, taperHeel * bHeel / 2, r.xBackSoilTri, bHeel / 3, nullptr,
          2.0 / 3.0 * taperHeel + tHeelTip);
    piece(r.aBackSoilWedge, r.wb * hBackSoil / 2, r.xBackSoilWedge, r.wb / 3 + bHeel, nullptr,
          (taperHeel + tHeelTip) + 2.0 / 3.0 * hBackSoil);
    part(WallPart::BackSoil, "背面土の重心位置", "背面土の断面積", first, Origin::Back, B,
         w.A_BackSoil != 0 || batterBackOut != 0);

    first = n;
    piece(w.A_FrontSoil_Rect, bToe * hFrontSoil, w.X_FrontSoil_Rect, bToe / 2, &w.Y_FrontSoil_Rect,
          taperToe + tToeTip + hFrontSoil / 2);
    piece(w.A_FrontSoil_TriToe, taperToe * bToe / 2, w.X_FrontSoil_TriToe, bToe / 3, &w.Y_FrontSoil_TriToe,
          2.0 / 3.0 * taperToe + tToeTip);
    piece(w.A_FrontSoil_TriWall, hFrontSoil * r.wf / 2, w.X_FrontSoil_TriWall, r.wf / 3 + bToe,
          &w.Y_FrontSoil_TriWall, (taperToe + tToeTip) + 2.0 / 3.0 * hFrontSoil);
    part(WallPart::FrontSoil, "前面土の重心位置", "前面土の断面積", first, Origin::Front, 0,
         w.A_FrontSoil != 0 || batterFrontOut != 0);

    if (!r.inertia) return;
    for (int i = 0; i < n; ++i) {
        Piece& p = r.pieces[i];
        if (p.y) c.put(*p.y, p.height);
    }
}

// Lever arms x of the parts, of the surcharges and of the earth pressure, then the heights y. A part
// that does not count keeps its earlier arm; its area is then 0.
void leverArms(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    layPieces(r);
    for (std::size_t i = 0; i < kWallParts.size(); ++i) {
        const PartPieces& part = r.parts[i];
        if (!part.counted) continue;
        c.topic(part.leverTopic);
        const double x = centroid(r, part, false);
        const double arm = part.origin == PartPieces::Origin::Back     ? w.B - x
                           : part.origin == PartPieces::Origin::Offset ? x + part.offset
                                                                       : x;
        c.put(w.*(kWallParts[i].x), arm);
    }

    const double B = w.B, bToe = w.B_Toe, bHeel = w.B_Heel, bSpan = w.B_Span, tFront = w.T_WallFront;
    c.topic("上載荷重の作用位置");
    if (w.W_QBack != 0) c.put(w.X_QBack, B - (r.wb + bHeel) / 2);
    c.put(w.X_QCenter, (r.af + bSpan + r.af) / 2 + (bToe + tFront - r.af));
    if (w.W_QFront != 0) c.put(w.X_QFront, (r.wf + bToe) / 2);
    c.topic("土圧の作用位置");
    const double batterBackOut = w.Batter_BackOut;
    const double s = batterBackOut + c.div(batterBackOut * w.T_Slab, r.backHeight, kBackHeight);
    const double g = bToe + tFront + bSpan + w.Batter_BackIn + w.T_WallBackTop;
    if (w.PAY != 0) c.put(w.X_PAY, s * 2 / 3 + g);
    if (w.DPAY != 0) c.put(w.X_DPAY, s / 2 + g);

    if (!r.inertia) return;
    // The same areas as the lever arms above, so no divisor here can be 0 unless one there was.
    c.topic("各部の重心高さ");
    for (std::size_t i = 0; i < kWallParts.size(); ++i) {
        const PartPieces& part = r.parts[i];
        if (part.counted) c.put(w.*(kWallParts[i].y), centroid(r, part, true));
    }
}

void overturning(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    c.topic("抵抗モーメント");
    const double weightMoment = weightSum(w, &WallPartFields::x);
    c.put(w.SumWx, weightMoment);
    if (r.inertia) c.put(w.SumWy, weightSum(w, &WallPartFields::y));
    r.mr =
        c.put(w.Mr, weightMoment + w.X_QBack * r.wQBack + w.X_QCenter * r.wQCenter + w.X_QFront * r.wQFront);

    c.topic("転倒モーメント");
    if (!r.oneSided) {
        w.Mo = 0;
        return;
    }
    const double H = w.H_EarthPressure, kh = w.Kh, sumWy = w.SumWy;
    if (r.normal || r.ch.method == SeismicMethod::K1) {
        r.mo = c.put(w.Mo, r.pax * H / 3 + H * r.dpax / 2);
    } else if (!r.ch.surchargeInertia) {
        r.mo = c.put(w.Mo, kh * sumWy + (r.dpax * H / 2 + H * r.pax / 3));
    } else {
        r.mo = c.put(w.Mo, r.dpax * H / 2 + r.pax * H / 3 + kh * sumWy + kh * r.wQBack * w.Y_QBack +
                               (static_cast<double>(w.H_CenterSoil) + w.T_Slab) * (kh * r.wQCenter));
    }
    c.topic("転倒に対する安全率");
    c.put(w.F_Overturn, c.div(r.mr, r.mo, "転倒モーメント Mo"));
}

// The resultant, its eccentricity and the contact pressure; false when the run ends here.
bool contactPressure(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    const double B = w.B;
    c.topic("合力の作用位置");
    const double d = c.put(w.d, c.div(r.mr - r.mo, r.sumV, "鉛直力の合計 ΣV"));
    c.put(w.e, B / 2 - d);
    if (-1e-6f < w.e && w.e < 1e-6f) w.e = 0;
    r.e = w.e;
    r.ae = std::fabs(r.e);
    const double ae = r.ae, sumV = r.sumV;

    c.topic("地盤反力");
    r.ratio = platform::toSingle(c.div(ae, B, "底版幅 B"));
    r.middleThird = r.ratio <= platform::toSingle(1.0 / 6.0);
    if (c.failed()) return false;
    if (r.middleThird) {
        r.sigmaMax = c.put(w.Sigma_max, (ae * 6 / B + 1) * (sumV / B));
        r.sigmaMin = c.put(w.Sigma_min, (1 - ae * 6 / B) * (sumV / B));
    } else {
        // At or beyond the edge of the base the wall overturns and the triangle has no meaning.
        if (0.5 - ae / B <= 0 || B / 2 - ae <= 0) {
            c.fail("地盤反力を計算できません（合力の作用位置が底版の端又はその外にあります）。",
                   StabilityFault::ResultantOutsideBase);
            return false;
        }
        r.sigmaMin = c.put(w.Sigma_min, 0);
        r.sigmaMax = c.put(w.Sigma_max, 2 / ((0.5 - ae / B) * 3) * (sumV / B));
    }
    if (!c.failed() && w.Sigma_max == 0)
        c.fail("地盤反力を計算できません（最大地盤反力 σmax が 0 になります）。");
    if (!r.oneSided) return false;

    // e = 0: the zero-pressure point lies infinitely far; the largest single stands for it, and the
    // pressures at the key below are σmax.
    c.topic("地盤反力が0となる位置Xn");
    double xn = std::numeric_limits<float>::max();
    if (r.middleThird) {
        if (r.e != 0)
            xn = c.put(w.Xn, (c.div(B, ae * 6, "偏心距離 e") + 1) * (B / 2));
        else
            w.Xn = std::numeric_limits<float>::max();
    } else {
        xn = c.put(w.Xn, (B / 2 - ae) * 3);
    }
    r.axn = std::fabs(xn);
    return true;
}

// Horizontal force, resistance to sliding and its safety factor; false when the run ends here.
bool sliding(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    const double kh = w.Kh, B = w.B;
    c.topic("水平力");
    if (r.normal || r.ch.method == SeismicMethod::K1) {
        r.sumH = c.put(w.SumH, r.dpax + r.pax);
    } else if (!r.ch.surchargeInertia) {
        r.sumH = c.put(w.SumH, kh * r.sumW + r.pax + r.dpax);
    } else {
        r.sumH = c.put(w.SumH, kh * r.sumW + r.pax + r.dpax + (r.wQCenter + r.wQBack + r.wQFront) * kh);
    }

    c.topic("滑動に対する抵抗力");
    const double mu = w.Mu_Base, cohesion = w.C_Base, sumV = r.sumV;
    r.hasCohesion = w.C_Base != 0;
    // Cohesion needs the effective-area choice; without it RH would keep an earlier value.
    if (r.hasCohesion && !r.ch.eccentricityNotDeducted && !r.ch.eccentricityDeducted) {
        c.fail(kNoEffectiveArea, StabilityFault::NoEffectiveArea);
        return false;
    }
    double rh = 0;
    if (!r.hasCohesion) {
        rh = c.put(w.RH, sumV * mu);
    } else {
        r.aEff = c.put(w.A_Eff, B - r.ae * 2);
        if (r.middleThird) {
            rh = r.ch.eccentricityNotDeducted ? c.put(w.RH, sumV * mu + B * cohesion)
                                              : c.put(w.RH, r.aEff * cohesion + sumV * mu);
        } else {
            rh = r.ch.eccentricityNotDeducted ? c.put(w.RH, sumV * mu + cohesion * B * (r.axn / B))
                                              : c.put(w.RH, r.aEff * cohesion + sumV * mu);
        }
    }
    c.topic("滑動に対する安全率");
    c.put(w.F_Slide, c.div(rh, r.sumH, "水平力の合計 ΣH"));
    return true;
}

void shearKey(Run& r) {
    model::DesignData& w = r.w;
    Calc& c = r.c;
    if (r.ch.basis == DesignBasis::None) {
        c.fail(kNoDesignBasis, StabilityFault::NoDesignBasis);
        return;
    }
    const double B = w.B, mu = w.Mu_Base, cohesion = w.C_Base;
    const double e = r.e, axn = r.axn, sigmaMax = r.sigmaMax, sigmaMin = r.sigmaMin;
    c.topic("突起の受働抵抗");
    const double h0 = w.H0_Key, b1 = w.B1_Key, phiB = w.Phi_Base;
    const double passive = std::tan(rad(phiB / 2 + 45));
    const double l = c.put(w.L_Key, h0 * passive);
    double s1 = sigmaMax, s2 = sigmaMax;
    if (e == 0) {
        c.put(w.Sigma_1, s1);
        c.put(w.Sigma_2, s2);
    } else if (e > 0) {
        s1 = c.put(w.Sigma_1, c.div((axn - (b1 - l)) * sigmaMax, axn, "Xn"));
        s2 = c.put(w.Sigma_2, c.div((axn - b1) * sigmaMax, axn, "Xn"));
    } else {
        s1 = c.put(w.Sigma_1, c.div((axn - (B - (b1 - l))) * sigmaMax, axn, "Xn"));
        s2 = c.put(w.Sigma_2, c.div((axn - (B - b1)) * sigmaMax, axn, "Xn"));
    }
    const double s0 = c.put(w.Sigma_0, (s2 + s1) * 0.5);
    const double p = c.put(w.P_Key, passive * passive * s0);

    c.topic("突起を含む滑動に対する安全率");
    if (r.ch.basis == DesignBasis::Building) {
        const bool inside = r.ratio < platform::toSingle(1.0 / 6.0);
        double w1 = 0;
        if (inside && e >= 0)
            w1 = (sigmaMax + s1) / 2 * (b1 - l) + (sigmaMin + s2) / 2 * (B - b1);
        else if (inside)
            w1 = (sigmaMin + s1) / 2 * (b1 - l) + (sigmaMax + s2) / 2 * (B - b1);
        else if (e >= 0)
            w1 = (axn - b1) * (s2 / 2) + (sigmaMax + s1) / 2 * (b1 - l);
        else
            w1 = (b1 - (B - axn) - l) * (s1 / 2) + (sigmaMax + s2) / 2 * (B - b1);
        w1 = c.put(w.W1_Key, w1);

        double resistance = 0;
        if (!r.hasCohesion)
            resistance = p * h0 + w1 * mu;
        else if (r.middleThird)
            resistance = r.ch.eccentricityNotDeducted ? w1 * mu + B * cohesion + p * h0
                                                      : r.aEff * cohesion + w1 * mu + p * h0;
        else
            resistance = r.ch.eccentricityNotDeducted ? p * h0 + (w1 * mu + cohesion * B * (axn / B))
                                                      : r.aEff * cohesion + w1 * mu + p * h0;
        c.put(w.F_SlideKey, c.div(resistance, r.sumH, "水平力の合計 ΣH"));
    } else {
        const double t = std::tan(rad(phiB));
        const double l2 = r.middleThird ? B - b1 : axn - b1;
        double hk = (sigmaMin + s2) / 2 * l2 * t + (sigmaMax + s2) / 2 * b1 * t;
        if (r.hasCohesion) hk += b1 * cohesion;
        hk = c.put(w.Hk, hk);
        c.put(w.F_SlideKey, c.div(hk, r.sumH, "水平力の合計 ΣH"));
    }
}

} // namespace

platform::Status runStability(model::DesignData& w, const EngineChoices& ch) {
    // Without these choices the overturning moment, the horizontal force or the front soil would keep the
    // values of an earlier run. The symmetric shape has neither moment nor horizontal force, so it needs no
    // seismic method.
    if (ch.shape == GroundShape::None) return platform::Fault{kNoGroundShape, StabilityFault::NoGroundShape};
    const bool normal = ch.loadCase == LoadCase::Normal;
    const bool oneSided = ch.shape == GroundShape::OneSided;
    if (oneSided && !normal && ch.method == SeismicMethod::None)
        return platform::Fault{kNoSeismicMethod, StabilityFault::NoSeismicMethod};
    if (oneSided && w.B_Toe != 0 && !ch.frontSoilCounted && !ch.frontSoilOmitted)
        return platform::Fault{kNoFrontSoilChoice, StabilityFault::NoFrontSoilChoice};

    Run r{w, ch};
    r.normal = normal;
    r.inertia = ch.method == SeismicMethod::K2 || ch.method == SeismicMethod::D1;
    r.oneSided = oneSided;
    earthPressure(r);
    partAreas(r);
    surcharges(r);
    leverArms(r);
    overturning(r);
    if (!contactPressure(r)) return r.c.status();
    if (!sliding(r) || !ch.shearKey) return r.c.status();
    shearKey(r);
    return r.c.status();
}

} // namespace stability
