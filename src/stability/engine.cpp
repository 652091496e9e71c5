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

struct Piece {
    double a; // area as stored
    double x; // lever arm as stored
};

// Σ(x × A) / ΣA over the pieces of a part, in their order.
double centroid(Calc& c, std::initializer_list<Piece> pieces, const char* area) {
    double moment = 0;
    double total = 0;
    for (const Piece& p : pieces) {
        moment += p.x * p.a;
        total += p.a;
    }
    return c.div(moment, total, area);
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

    for (float* v : {&w.A_FrontWall, &w.A_BackWall, &w.A_Slab, &w.A_Heel, &w.A_Toe, &w.A_CenterSoil,
                     &w.A_BackSoil, &w.A_FrontSoil, &w.W_QBack, &w.W_QCenter, &w.W_QFront})
        *v = 0;
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
    return platform::Fault{kNoSeismicMethod};
}

platform::Status runStability(model::DesignData& w, const EngineChoices& ch) {
    const bool normal = ch.loadCase == LoadCase::Normal;
    const bool inertia = ch.method == SeismicMethod::K2 || ch.method == SeismicMethod::D1;
    // Without these choices the overturning moment, the horizontal force or the front soil would keep the
    // values of an earlier run. The symmetric shape has neither moment nor horizontal force, so it needs no
    // seismic method.
    if (ch.shape == GroundShape::None) return platform::Fault{kNoGroundShape};
    const bool oneSided = ch.shape == GroundShape::OneSided;
    if (oneSided && !normal && ch.method == SeismicMethod::None) return platform::Fault{kNoSeismicMethod};
    if (oneSided && w.B_Toe != 0 && !ch.frontSoilCounted && !ch.frontSoilOmitted)
        return platform::Fault{kNoFrontSoilChoice};

    const double H = w.H_EarthPressure, h2 = w.H2, h3 = w.H3;
    const double hFrontSoil = w.H_FrontSoil, hBackSoil = w.H_BackSoil, hCenterSoil = w.H_CenterSoil;
    const double B = w.B, bToe = w.B_Toe, bHeel = w.B_Heel, bSpan = w.B_Span;
    const double tFront = w.T_WallFront, tFrontTop = w.T_WallFrontTop;
    const double tBack = w.T_WallBack, tBackTop = w.T_WallBackTop;
    const double batterFrontIn = w.Batter_FrontIn, batterFrontOut = w.Batter_FrontOut;
    const double batterBackIn = w.Batter_BackIn, batterBackOut = w.Batter_BackOut;
    const double tSlab = w.T_Slab, tToeTip = w.T_ToeTip, tHeelTip = w.T_HeelTip;
    const double taperToe = w.Taper_Toe, taperHeel = w.Taper_Heel;
    const double ka = w.KA, qBack = w.q_Back, qCenter = w.q_Center, qFront = w.q_Front;
    const double gs = w.GammaS, gc = w.GammaC, kh = w.Kh;

    Calc c("土圧");
    const double pa = c.put(w.PA, H * H * (ka * 0.5 * gs));
    const double a = (w.Theta + static_cast<double>(w.Delta)) * platform::kPi / 180;
    const double pax = c.put(w.PAX, pa * std::cos(a));
    c.put(w.PAY, pa * std::sin(a));
    const double dpa = c.put(w.DPA, ch.deductSurcharge ? (qBack - 5) * ka * H : qBack * ka * H);
    const double dpax = c.put(w.DPAX, dpa * std::cos(a));
    c.put(w.DPAY, dpa * std::sin(a));

    c.topic("各部の断面積");
    const double frontHeight = h3 + hFrontSoil;
    const double backHeight = h2 + hBackSoil;
    const double wf = c.div(batterFrontOut * hFrontSoil, hFrontSoil + h3, kFrontHeight);
    const double wb = c.div(batterBackOut * hBackSoil, hBackSoil + h2, kBackHeight);
    const double af = c.div(batterFrontIn * hCenterSoil, frontHeight, kFrontHeight);
    const double ab = c.div(batterBackIn * hCenterSoil, backHeight, kBackHeight);

    const double aFrontWall = c.put(w.A_FrontWall, frontHeight * (tFront + tFrontTop) / 2 + tFront * tSlab);
    const double aBackWall = c.put(w.A_BackWall, backHeight * (tBack + tBackTop) / 2 + tBack * tSlab);
    const double aSlab = c.put(w.A_Slab, bSpan * tSlab);
    const double aHeel = c.put(w.A_Heel, (tHeelTip + tSlab) * bHeel / 2);
    const double aToe = c.put(w.A_Toe, (tToeTip + tSlab) * bToe / 2);
    const double aCenterSoil = c.put(w.A_CenterSoil, hCenterSoil * (bSpan + (af + bSpan + ab)) / 2);
    const double aBackSoil =
        c.put(w.A_BackSoil, hBackSoil * (bHeel + (wb + bHeel)) / 2 + bHeel * taperHeel / 2);
    const double frontSoil = hFrontSoil * (bToe + (wf + bToe)) / 2 + bToe * taperToe / 2;
    if (oneSided) {
        if (ch.frontSoilCounted)
            c.put(w.A_FrontSoil, frontSoil);
        else if (ch.frontSoilOmitted)
            w.A_FrontSoil = 0;
    } else {
        c.put(w.A_FrontSoil, frontSoil);
        if (w.A_FrontSoil < 1e-6f) w.A_FrontSoil = 0;
    }
    const double aFrontSoil = w.A_FrontSoil;

    c.topic("上載荷重");
    const double wQBack = c.put(w.W_QBack, (wb + bHeel) * qBack);
    const double wQCenter = c.put(
        w.W_QCenter,
        (c.div(batterBackIn * hCenterSoil + hCenterSoil * batterFrontIn, frontHeight, kFrontHeight) + bSpan) *
            qCenter);
    const double wQFront = c.put(w.W_QFront, (wf + bToe) * qFront);

    c.topic("自重");
    const double selfWeight = gc * aBackWall + gc * aFrontWall + gc * aSlab + gc * aHeel + gc * aToe +
                              aCenterSoil * gs + gs * aBackSoil + gs * aFrontSoil;
    const double sumW = c.put(w.SumW, selfWeight);
    const double sumV = c.put(w.SumV, selfWeight + wQBack + wQCenter + wQFront);

    // Pieces: area and x always, y for the inertia methods only.
    c.topic("各部の重心位置");
    c.put(w.A_FrontWall_Rect, frontHeight * tFrontTop);
    c.put(w.X_FrontWall_Rect, tFrontTop / 2 + batterFrontOut);
    c.put(w.A_FrontWall_TriIn, frontHeight * batterFrontIn / 2);
    c.put(w.X_FrontWall_TriIn, batterFrontOut + tFrontTop + batterFrontIn / 3);
    c.put(w.A_FrontWall_TriOut, frontHeight * batterFrontOut / 2);
    c.put(w.X_FrontWall_TriOut, batterFrontOut * 2 / 3);
    c.put(w.A_FrontWall_Slab, tSlab * tFront);
    c.put(w.X_FrontWall_Slab, tFront / 2);

    c.put(w.A_BackWall_Rect, backHeight * tBackTop);
    c.put(w.X_BackWall_Rect, tBackTop / 2 + batterBackIn);
    c.put(w.A_BackWall_TriIn, backHeight * batterBackIn / 2);
    c.put(w.X_BackWall_TriIn, batterBackIn * 2 / 3);
    c.put(w.A_BackWall_TriOut, backHeight * batterBackOut / 2);
    c.put(w.X_BackWall_TriOut, batterBackIn + tBackTop + batterBackOut / 3);
    c.put(w.A_BackWall_Slab, tBack * tSlab);
    c.put(w.X_BackWall_Slab, tBack / 2);

    c.put(w.A_Slab_Rect, bSpan * tSlab);
    c.put(w.X_Slab_Rect, bSpan / 2);

    c.put(w.A_Heel_Rect, tHeelTip * bHeel);
    c.put(w.X_Heel_Rect, bHeel / 2);
    c.put(w.A_Heel_Tri, taperHeel * bHeel / 2);
    c.put(w.X_Heel_Tri, bHeel * 2 / 3);

    c.put(w.A_Toe_Rect, tToeTip * bToe);
    c.put(w.X_Toe_Rect, bToe / 2);
    c.put(w.A_Toe_Tri, taperToe * bToe / 2);
    c.put(w.X_Toe_Tri, bToe * 2 / 3);

    c.put(w.A_CenterSoil_Rect, hCenterSoil * bSpan);
    c.put(w.X_CenterSoil_Rect, bSpan / 2);
    c.put(w.A_CenterSoil_TriFront, hCenterSoil * af / 2);
    c.put(w.X_CenterSoil_TriFront, -af / 3);
    c.put(w.A_CenterSoil_TriBack, hCenterSoil * ab / 2);
    c.put(w.X_CenterSoil_TriBack, ab / 3 + bSpan);

    // The back soil's triangle over the heel taper and its wedge against the rear wall are not kept.
    float aBackSoilTri = 0, xBackSoilTri = 0, aBackSoilWedge = 0, xBackSoilWedge = 0;
    c.put(w.A_BackSoil_Rect, bHeel * hBackSoil);
    c.put(w.X_BackSoil_Rect, bHeel / 2);
    c.put(aBackSoilTri, taperHeel * bHeel / 2);
    c.put(xBackSoilTri, bHeel / 3);
    c.put(aBackSoilWedge, wb * hBackSoil / 2);
    c.put(xBackSoilWedge, wb / 3 + bHeel);

    c.put(w.A_FrontSoil_Rect, bToe * hFrontSoil);
    c.put(w.X_FrontSoil_Rect, bToe / 2);
    c.put(w.A_FrontSoil_TriToe, taperToe * bToe / 2);
    c.put(w.X_FrontSoil_TriToe, bToe / 3);
    c.put(w.A_FrontSoil_TriWall, hFrontSoil * wf / 2);
    c.put(w.X_FrontSoil_TriWall, wf / 3 + bToe);

    double yBackSoilTri = 0, yBackSoilWedge = 0;
    if (inertia) {
        c.put(w.Y_FrontWall_Rect, frontHeight / 2 + tSlab);
        c.put(w.Y_FrontWall_TriIn, frontHeight / 3 + tSlab);
        c.put(w.Y_FrontWall_TriOut, frontHeight / 3 + tSlab);
        c.put(w.Y_FrontWall_Slab, tSlab / 2);
        c.put(w.Y_BackWall_Rect, backHeight / 2 + tSlab);
        c.put(w.Y_BackWall_TriIn, backHeight / 3 + tSlab);
        c.put(w.Y_BackWall_TriOut, backHeight / 3 + tSlab);
        c.put(w.Y_BackWall_Slab, tSlab / 2);
        c.put(w.Y_Slab_Rect, tSlab / 2);
        c.put(w.Y_Heel_Rect, tHeelTip / 2);
        c.put(w.Y_Heel_Tri, taperHeel / 3 + tHeelTip);
        c.put(w.Y_Toe_Rect, tToeTip / 2);
        c.put(w.Y_Toe_Tri, taperToe / 3 + tToeTip);
        c.put(w.Y_CenterSoil_Rect, hCenterSoil / 2 + tSlab);
        c.put(w.Y_CenterSoil_TriFront, 2.0 / 3.0 * hCenterSoil + tSlab);
        c.put(w.Y_CenterSoil_TriBack, 2.0 / 3.0 * hCenterSoil + tSlab);
        c.put(w.Y_BackSoil_Rect, taperHeel + tHeelTip + hBackSoil / 2);
        yBackSoilTri = 2.0 / 3.0 * taperHeel + tHeelTip;
        yBackSoilWedge = (taperHeel + tHeelTip) + 2.0 / 3.0 * hBackSoil;
        c.put(w.Y_FrontSoil_Rect, taperToe + tToeTip + hFrontSoil / 2);
        c.put(w.Y_FrontSoil_TriToe, 2.0 / 3.0 * taperToe + tToeTip);
        c.put(w.Y_FrontSoil_TriWall, (taperToe + tToeTip) + 2.0 / 3.0 * hFrontSoil);
    }

    // Lever arms: a part whose condition fails keeps its earlier value; its area is then 0.
    c.topic("前たて壁の重心位置");
    c.put(w.X_FrontWall, centroid(c,
                                  {{w.A_FrontWall_Rect, w.X_FrontWall_Rect},
                                   {w.A_FrontWall_TriIn, w.X_FrontWall_TriIn},
                                   {w.A_FrontWall_TriOut, w.X_FrontWall_TriOut},
                                   {w.A_FrontWall_Slab, w.X_FrontWall_Slab}},
                                  "前たて壁の断面積") +
                             bToe);
    c.topic("後たて壁の重心位置");
    c.put(w.X_BackWall, centroid(c,
                                 {{w.A_BackWall_Rect, w.X_BackWall_Rect},
                                  {w.A_BackWall_TriIn, w.X_BackWall_TriIn},
                                  {w.A_BackWall_TriOut, w.X_BackWall_TriOut},
                                  {w.A_BackWall_Slab, w.X_BackWall_Slab}},
                                 "後たて壁の断面積") +
                            (bToe + tFront + bSpan));
    c.topic("底版の重心位置");
    const double aSlabRect = w.A_Slab_Rect;
    c.put(w.X_Slab,
          c.div(static_cast<double>(w.X_Slab_Rect) * aSlabRect, aSlabRect, "底版の断面積") + (bToe + tFront));
    if (w.B_Heel != 0) {
        c.topic("かかと版の重心位置");
        c.put(w.X_Heel, B - centroid(c, {{w.A_Heel_Rect, w.X_Heel_Rect}, {w.A_Heel_Tri, w.X_Heel_Tri}},
                                     "かかと版の断面積"));
    }
    if (w.B_Toe != 0) {
        c.topic("つま先版の重心位置");
        c.put(w.X_Toe,
              centroid(c, {{w.A_Toe_Rect, w.X_Toe_Rect}, {w.A_Toe_Tri, w.X_Toe_Tri}}, "つま先版の断面積"));
    }
    const bool centerSoil = w.A_CenterSoil != 0;
    if (centerSoil) {
        c.topic("中央土の重心位置");
        c.put(w.X_CenterSoil, centroid(c,
                                       {{w.A_CenterSoil_Rect, w.X_CenterSoil_Rect},
                                        {w.A_CenterSoil_TriFront, w.X_CenterSoil_TriFront},
                                        {w.A_CenterSoil_TriBack, w.X_CenterSoil_TriBack}},
                                       "中央土の断面積") +
                                  (bToe + tFront));
    }
    const bool backSoil = w.A_BackSoil != 0 || w.Batter_BackOut != 0;
    if (backSoil) {
        c.topic("背面土の重心位置");
        c.put(w.X_BackSoil, B - centroid(c,
                                         {{w.A_BackSoil_Rect, w.X_BackSoil_Rect},
                                          {aBackSoilTri, xBackSoilTri},
                                          {aBackSoilWedge, xBackSoilWedge}},
                                         "背面土の断面積"));
    }
    const bool frontSoilPart = w.A_FrontSoil != 0 || w.Batter_FrontOut != 0;
    if (frontSoilPart) {
        c.topic("前面土の重心位置");
        c.put(w.X_FrontSoil, centroid(c,
                                      {{w.A_FrontSoil_Rect, w.X_FrontSoil_Rect},
                                       {w.A_FrontSoil_TriToe, w.X_FrontSoil_TriToe},
                                       {w.A_FrontSoil_TriWall, w.X_FrontSoil_TriWall}},
                                      "前面土の断面積"));
    }

    c.topic("上載荷重の作用位置");
    if (w.W_QBack != 0) c.put(w.X_QBack, B - (wb + bHeel) / 2);
    c.put(w.X_QCenter, (af + bSpan + af) / 2 + (bToe + tFront - af));
    if (w.W_QFront != 0) c.put(w.X_QFront, (wf + bToe) / 2);
    c.topic("土圧の作用位置");
    const double s = batterBackOut + c.div(batterBackOut * tSlab, backHeight, kBackHeight);
    const double g = bToe + tFront + bSpan + batterBackIn + tBackTop;
    if (w.PAY != 0) c.put(w.X_PAY, s * 2 / 3 + g);
    if (w.DPAY != 0) c.put(w.X_DPAY, s / 2 + g);

    if (inertia) {
        // The same areas as the lever arms above, so no divisor here can be 0 unless one there was.
        c.topic("各部の重心高さ");
        c.put(w.Y_FrontWall, centroid(c,
                                      {{w.A_FrontWall_Rect, w.Y_FrontWall_Rect},
                                       {w.A_FrontWall_TriIn, w.Y_FrontWall_TriIn},
                                       {w.A_FrontWall_TriOut, w.Y_FrontWall_TriOut},
                                       {w.A_FrontWall_Slab, w.Y_FrontWall_Slab}},
                                      "前たて壁の断面積"));
        c.put(w.Y_BackWall, centroid(c,
                                     {{w.A_BackWall_Rect, w.Y_BackWall_Rect},
                                      {w.A_BackWall_TriIn, w.Y_BackWall_TriIn},
                                      {w.A_BackWall_TriOut, w.Y_BackWall_TriOut},
                                      {w.A_BackWall_Slab, w.Y_BackWall_Slab}},
                                     "後たて壁の断面積"));
        c.put(w.Y_Slab, c.div(static_cast<double>(w.Y_Slab_Rect) * aSlabRect, aSlabRect, "底版の断面積"));
        if (w.B_Heel != 0)
            c.put(w.Y_Heel, centroid(c, {{w.A_Heel_Rect, w.Y_Heel_Rect}, {w.A_Heel_Tri, w.Y_Heel_Tri}},
                                     "かかと版の断面積"));
        if (w.B_Toe != 0)
            c.put(w.Y_Toe, centroid(c, {{w.A_Toe_Rect, w.Y_Toe_Rect}, {w.A_Toe_Tri, w.Y_Toe_Tri}},
                                    "つま先版の断面積"));
        if (centerSoil)
            c.put(w.Y_CenterSoil, centroid(c,
                                           {{w.A_CenterSoil_Rect, w.Y_CenterSoil_Rect},
                                            {w.A_CenterSoil_TriFront, w.Y_CenterSoil_TriFront},
                                            {w.A_CenterSoil_TriBack, w.Y_CenterSoil_TriBack}},
                                           "中央土の断面積"));
        if (backSoil)
            c.put(w.Y_BackSoil, centroid(c,
                                         {{w.A_BackSoil_Rect, w.Y_BackSoil_Rect},
                                          {aBackSoilTri, yBackSoilTri},
                                          {aBackSoilWedge, yBackSoilWedge}},
                                         "背面土の断面積"));
        if (frontSoilPart)
            c.put(w.Y_FrontSoil, centroid(c,
                                          {{w.A_FrontSoil_Rect, w.Y_FrontSoil_Rect},
                                           {w.A_FrontSoil_TriToe, w.Y_FrontSoil_TriToe},
                                           {w.A_FrontSoil_TriWall, w.Y_FrontSoil_TriWall}},
                                          "前面土の断面積"));
    }

    c.topic("抵抗モーメント");
    const double weightMoment = gc * aBackWall * w.X_BackWall + gc * aFrontWall * w.X_FrontWall +
                                gc * aSlab * w.X_Slab + gc * aHeel * w.X_Heel + gc * aToe * w.X_Toe +
                                aCenterSoil * gs * w.X_CenterSoil + gs * aBackSoil * w.X_BackSoil +
                                gs * aFrontSoil * w.X_FrontSoil;
    c.put(w.SumWx, weightMoment);
    if (inertia) {
        c.put(w.SumWy, gc * aBackWall * w.Y_BackWall + gc * aFrontWall * w.Y_FrontWall +
                           gc * aSlab * w.Y_Slab + gc * aHeel * w.Y_Heel + gc * aToe * w.Y_Toe +
                           aCenterSoil * gs * w.Y_CenterSoil + gs * aBackSoil * w.Y_BackSoil +
                           gs * aFrontSoil * w.Y_FrontSoil);
    }
    const double mr =
        c.put(w.Mr, weightMoment + w.X_QBack * wQBack + w.X_QCenter * wQCenter + w.X_QFront * wQFront);

    c.topic("転倒モーメント");
    double mo = 0;
    if (oneSided) {
        const double sumWy = w.SumWy;
        if (normal || ch.method == SeismicMethod::K1) {
            mo = c.put(w.Mo, pax * H / 3 + H * dpax / 2);
        } else if (!ch.surchargeInertia) {
            mo = c.put(w.Mo, kh * sumWy + (dpax * H / 2 + H * pax / 3));
        } else {
            mo = c.put(w.Mo, dpax * H / 2 + pax * H / 3 + kh * sumWy + kh * wQBack * w.Y_QBack +
                                 (hCenterSoil + tSlab) * (kh * wQCenter));
        }
        c.topic("転倒に対する安全率");
        c.put(w.F_Overturn, c.div(mr, mo, "転倒モーメント Mo"));
    } else {
        w.Mo = 0;
    }

    c.topic("合力の作用位置");
    const double d = c.put(w.d, c.div(mr - mo, sumV, "鉛直力の合計 ΣV"));
    c.put(w.e, B / 2 - d);
    if (-1e-6f < w.e && w.e < 1e-6f) w.e = 0;
    const double e = w.e;
    const double ae = std::fabs(e);

    c.topic("地盤反力");
    const double ratio = platform::toSingle(c.div(ae, B, "底版幅 B"));
    const float sixth = platform::toSingle(1.0 / 6.0);
    const bool middleThird = ratio <= sixth;
    double sigmaMax = 0, sigmaMin = 0;
    if (c.failed()) return c.status();
    if (middleThird) {
        sigmaMax = c.put(w.Sigma_max, (ae * 6 / B + 1) * (sumV / B));
        sigmaMin = c.put(w.Sigma_min, (1 - ae * 6 / B) * (sumV / B));
    } else {
        // At or beyond the edge of the base the wall overturns and the triangle has no meaning.
        if (0.5 - ae / B <= 0 || B / 2 - ae <= 0) {
            c.fail("地盤反力を計算できません（合力の作用位置が底版の端又はその外にあります）。");
            return c.status();
        }
        sigmaMin = c.put(w.Sigma_min, 0);
        sigmaMax = c.put(w.Sigma_max, 2 / ((0.5 - ae / B) * 3) * (sumV / B));
    }
    if (!c.failed() && w.Sigma_max == 0)
        c.fail("地盤反力を計算できません（最大地盤反力 σmax が 0 になります）。");
    if (!oneSided) return c.status();

    // e = 0: the zero-pressure point lies infinitely far; the largest single stands for it, and the
    // pressures at the key below are σmax.
    c.topic("地盤反力が0となる位置Xn");
    double xn = std::numeric_limits<float>::max();
    if (middleThird) {
        if (e != 0)
            xn = c.put(w.Xn, (c.div(B, ae * 6, "偏心距離 e") + 1) * (B / 2));
        else
            w.Xn = std::numeric_limits<float>::max();
    } else {
        xn = c.put(w.Xn, (B / 2 - ae) * 3);
    }
    const double axn = std::fabs(xn);

    c.topic("水平力");
    double sumH = 0;
    if (normal || ch.method == SeismicMethod::K1) {
        sumH = c.put(w.SumH, dpax + pax);
    } else if (!ch.surchargeInertia) {
        sumH = c.put(w.SumH, kh * sumW + pax + dpax);
    } else {
        sumH = c.put(w.SumH, kh * sumW + pax + dpax + (wQCenter + wQBack + wQFront) * kh);
    }

    c.topic("滑動に対する抵抗力");
    const double mu = w.Mu_Base, cohesion = w.C_Base;
    const bool hasCohesion = w.C_Base != 0;
    // Cohesion needs the effective-area choice; without it RH would keep an earlier value.
    if (hasCohesion && !ch.eccentricityNotDeducted && !ch.eccentricityDeducted) {
        c.fail(kNoEffectiveArea);
        return c.status();
    }
    double aEff = 0, rh = 0;
    if (!hasCohesion) {
        rh = c.put(w.RH, sumV * mu);
    } else {
        aEff = c.put(w.A_Eff, B - ae * 2);
        if (middleThird) {
            rh = ch.eccentricityNotDeducted ? c.put(w.RH, sumV * mu + B * cohesion)
                                            : c.put(w.RH, aEff * cohesion + sumV * mu);
        } else {
            rh = ch.eccentricityNotDeducted ? c.put(w.RH, sumV * mu + cohesion * B * (axn / B))
                                            : c.put(w.RH, aEff * cohesion + sumV * mu);
        }
    }
    c.topic("滑動に対する安全率");
    c.put(w.F_Slide, c.div(rh, sumH, "水平力の合計 ΣH"));
    if (!ch.shearKey) return c.status();

    if (ch.basis == DesignBasis::None) {
        c.fail(kNoDesignBasis);
        return c.status();
    }
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
    if (ch.basis == DesignBasis::Building) {
        const bool inside = ratio < sixth;
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
        if (!hasCohesion)
            resistance = p * h0 + w1 * mu;
        else if (middleThird)
            resistance = ch.eccentricityNotDeducted ? w1 * mu + B * cohesion + p * h0
                                                    : aEff * cohesion + w1 * mu + p * h0;
        else
            resistance = ch.eccentricityNotDeducted ? p * h0 + (w1 * mu + cohesion * B * (axn / B))
                                                    : aEff * cohesion + w1 * mu + p * h0;
        c.put(w.F_SlideKey, c.div(resistance, sumH, "水平力の合計 ΣH"));
    } else {
        const double t = std::tan(rad(phiB));
        const double l2 = middleThird ? B - b1 : axn - b1;
        double hk = (sigmaMin + s2) / 2 * l2 * t + (sigmaMax + s2) / 2 * b1 * t;
        if (hasCohesion) hk += b1 * cohesion;
        hk = c.put(w.Hk, hk);
        c.put(w.F_SlideKey, c.div(hk, sumH, "水平力の合計 ΣH"));
    }
    return c.status();
}

} // namespace stability
