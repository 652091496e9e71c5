#include <array>
#include <cmath>

#include "platform/runtime.h"
#include "report/coefficient_formula.h"
#include "report/conditions/report_pages.h"
#include "report/page_format.h"

namespace report {

using model::KaInput;
using model::LoadCase;
using model::SeismicMethod;
using platform::format;
using platform::PrintItem;
using platform::Surface;

namespace {

double rad(float deg) {
    return double(deg) * platform::kPi / 180.0;
}

std::string f2(float v) {
    return format(v, "0.00");
}

std::string f4(double v) {
    return format(v, "0.0000");
}

void lines(Surface& s, std::initializer_list<std::array<double, 4>> segments) {
    for (const auto& g : segments)
        s.line(g[0], g[1], g[2], g[3]);
}

void shortForm(Surface& s, const model::DesignData& d) {
    s.print();
    s.print({"                主働土圧係数"});
    s.print({"                KA=tan^2(45ﾟ-φ/2)"});
    s.print({"                  =tan^2(45ﾟ-", f2(d.Phi_Back), "ﾟ/2)"});
    const float half = platform::toSingle(45.0 - double(platform::toSingle(double(d.Phi_Back) / 2.0)));
    s.print({"                  =tan^2(", f2(half), "ﾟ)"});
    s.print({"                  =", format(d.KA, "0.000")});
}

void coulombFraction(Surface& s, const model::DesignData& d) {
    const float phi = d.Phi_Back, del = d.Delta, bet = d.Beta, th = d.Theta;
    const std::string p = f2(phi), dl = f2(del), b = f2(bet), t = f2(th);

    placeText(s, 1300, 1500, {"主働土圧係数"});
    placeText(s, 3800, 1700, {"cos^2(φ－θ）"});
    placeText(s, 1300, 1900, {"KA=──────────────────────────"});
    placeText(s, 4550, 2150, {"sin(φ＋δ)sin(φ－β)"});
    placeText(s, 7300, 2150, {"2"});
    placeText(s, 1700, 2350, {"cos^2θcos(θ＋δ)"});
    placeText(s, 3875, 2350, {"1＋"});
    placeText(s, 4450, 2350, {"──────────── "});
    placeText(s, 4550, 2550, {"cos(θ＋δ)cos(θ－β)"});
    lines(s, {{4175, 2625, 4200, 2550},
              {4200, 2550, 4250, 2750},
              {4250, 2750, 4400, 2100},
              {4400, 2100, 7050, 2100},
              {3875, 2100, 3775, 2200},
              {3775, 2200, 3775, 2700},
              {3775, 2700, 3875, 2800},
              {7100, 2100, 7200, 2200},
              {7200, 2200, 7200, 2700},
              {7200, 2700, 7100, 2800}});

    coulombSubstituted(Pen{s, 0, -8600}, {p, t, dl, b, "", ""}, 43, "");

    const double cos2PhiTheta = std::pow(std::cos(rad(phi) - rad(th)), 2);
    const double cos2Theta = std::pow(std::cos(rad(th)), 2);
    const double cosThetaDelta = std::cos(rad(th) + rad(del));
    const std::string ka = format(d.KA, "0.000");
    if (phi >= bet) {
        const double sinPhiDelta = std::sin(rad(phi) + rad(del));
        const double sinPhiBeta = std::sin(std::fabs(rad(phi) - rad(bet)));
        const double cosThetaBeta = std::cos(std::fabs(rad(th) - rad(bet)));
        placeText(s, 3500, 4000, {f4(cos2PhiTheta)});
        placeText(s, 1500, 4200, {"=─────────────────────"});
        placeText(s, 4350, 4450, {f4(sinPhiDelta), "×", f4(sinPhiBeta)});
        placeText(s, 6250, 4450, {"2"});
        placeText(s, 1700, 4650, {f4(cos2Theta), "×", f4(cosThetaDelta), "×"});
        placeText(s, 3675, 4650, {"1＋"});
        placeText(s, 4250, 4650, {"────────"});
        placeText(s, 4350, 4850, {f4(cosThetaDelta), "×", f4(cosThetaBeta)});
        placeText(s, 1500, 5050, {"=", ka});
        lines(s, {{3975, 4925, 4000, 4850},
                  {4000, 4850, 4050, 5050},
                  {4050, 5050, 4200, 4400},
                  {4200, 4400, 6000, 4400},
                  {3675, 4400, 3575, 4500},
                  {3575, 4500, 3575, 5000},
                  {3575, 5000, 3675, 5100},
                  {6050, 4400, 6150, 4500},
                  {6150, 4500, 6150, 5000},
                  {6150, 5000, 6050, 5100}});
    } else {
        placeText(s, 2150, 4000, {f4(cos2PhiTheta)});
        placeText(s, 1500, 4200, {"=────────"});
        placeText(s, 1700, 4400, {f4(cos2Theta), "×", f4(cosThetaDelta)});
        placeText(s, 1500, 4700, {"=", ka});
    }
    emptyLines(s, 2);
}

void seismicBlock(Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c) {
    const float phi = d.Phi_Back, del = d.Delta, bet = d.Beta, th = d.Theta, tk = d.ThetaK;
    const std::string kv = f2(d.Kv);
    if (c.basis == model::DesignBasis::Road)
        // No screen asks for the regional factor or the standard coefficient: a dash stands for each.
        placeText(
            s, 1800, 1400,
            {"設計水平震度Kh=CZ･Kho=", kNoValue, "×", kNoValue, "=", f2(d.Kh), "    設計鉛直震度Kv=", kv});
    else if (c.basis == model::DesignBasis::Building)
        placeText(s, 1800, 1400, {"設計水平震度Kh=", f2(d.Kh), "    設計鉛直震度Kv=", kv});
    placeText(s, 1800, 1700,
              {"地震合成角θk=Atn{Kh/(1－Kv)}", "=", "Atn{", f2(d.Kh), "/(1－", kv, ")}=", f2(tk), "ﾟ"});
    placeText(s, 1300, 2100, {"地震時主働土圧係数"});
    s.setFontSize(kLabelSize);

    placeText(s, 3800, 2350, {"(1－Kv)cos^2(φ－θ－θk）"});
    placeText(s, 1150, 2520, {"ＫAE="});
    placeText(s, 5220, 2750, {"sin(φ－β－θk)sin(φ＋δ)"});
    placeText(s, 7970, 2750, {"2"});
    placeText(s, 1700, 2950, {"cosθk cos^2θcos(δ＋θ＋θk)"});
    placeText(s, 4545, 2950, {"1＋"});
    placeText(s, 5220, 3150, {"cos(δ＋θ＋θk)cos(θ－β)"});
    lines(s, {{1650, 2600, 8070, 2600},
              {5120, 3030, 7790, 3030},
              {4845, 3225, 4870, 3150},
              {4870, 3150, 4920, 3350},
              {4920, 3350, 5070, 2700},
              {5070, 2700, 7790, 2700},
              {4545, 2700, 4445, 2800},
              {4445, 2800, 4445, 3300},
              {4445, 3300, 4545, 3400},
              {7770, 2700, 7870, 2800},
              {7870, 2800, 7870, 3300},
              {7870, 3300, 7770, 3400}});

    const std::string p = f2(phi), dl = f2(del), b = f2(bet), t = f2(th), k = f2(tk);
    okabeSubstituted(Pen{s, 200, -8800}, {p, t, dl, b, k, kv});

    const std::string oneMinusKv = f2(platform::toSingle(1.0 - double(d.Kv)));
    const double cos2 = std::pow(std::cos(rad(phi) - rad(th) - rad(tk)), 2);
    const double cosTk = std::cos(rad(tk));
    const double cos2Theta = std::pow(std::cos(rad(th)), 2);
    const double cosDtk = std::cos(rad(th) + rad(del) + rad(tk));
    const std::string ka = format(d.KA, "0.000");
    if (platform::toSingle(double(tk) + double(bet)) <= phi) {
        const double sinPbt = std::sin(std::fabs(rad(phi) - rad(bet) - rad(tk)));
        const double sinPd = std::sin(rad(phi) + rad(del));
        const double cosTb = std::cos(std::fabs(rad(th) - rad(bet)));
        placeText(s, 3230, 4650, {oneMinusKv, "×", f4(cos2)});
        placeText(s, 1230, 4820, {"="});
        placeText(s, 4430, 5050, {f4(sinPbt), "×", f4(sinPd)});
        placeText(s, 5980, 5050, {"2"});
        placeText(s, 1430, 5250, {f4(cosTk), "×", f4(cos2Theta), "×", f4(cosDtk), "×"});
        placeText(s, 3755, 5250, {"1＋"});
        placeText(s, 4430, 5450, {f4(cosDtk), "×", f4(cosTb)});
        placeText(s, 1230, 5750, {"=", ka});
        lines(s, {{1380, 4900, 6230, 4900},
                  {4330, 5330, 5730, 5330},
                  {4055, 5525, 4080, 5450},
                  {4080, 5450, 4130, 5650},
                  {4130, 5650, 4280, 5000},
                  {4280, 5000, 5730, 5000},
                  {3755, 5000, 3655, 5100},
                  {3655, 5100, 3655, 5600},
                  {3655, 5600, 3755, 5700},
                  {5780, 5000, 5880, 5100},
                  {5880, 5100, 5880, 5600},
                  {5880, 5600, 5780, 5700}});
    } else {
        placeText(s, 1880, 4650, {oneMinusKv, "×", f4(cos2)});
        placeText(s, 1230, 4820, {"="});
        placeText(s, 1430, 5000, {f4(cosTk), "×", f4(cos2Theta), "×", f4(cosDtk)});
        placeText(s, 1230, 5300, {"=", ka});
        s.line(1380, 4900, 3380, 4900);
    }
    emptyLines(s, 2);
    s.setFontSize(kTextSize);
}

void resultants(Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c) {
    const std::string ka = format(d.KA, "0.00#"), h = format(d.H_EarthPressure, "0.000");
    const std::string dl = f2(d.Delta), th = f2(d.Theta);
    const std::string cosTd = f4(std::cos(rad(d.Theta) + rad(d.Delta)));
    s.print();
    s.print({" 　　　　　　　 前面及び背面土による土圧"});
    s.print({"                PA=1/2･KA･γ･H^2=1/2×", ka, "×", format(d.GammaS, "0.0#"), "×", h,
             "^2=", f4(d.PA), "kN/m"});
    s.print({"                PAX=PA･cosδ=PA･cos(δ＋θ)=PA･cos(", dl, "＋", th, ")ﾟ=", f4(d.PA), "×", cosTd,
             "=", f4(d.PAX), "kN/m"});
    if (d.q_Back != 0) {
        const std::string q = format(d.q_Back, "0.0#");
        s.print();
        s.print({" 　　　　　　　 背面上載荷重による土圧"});
        if (c.deductSurcharge) {
            s.print({"               "
                     "(宅造法施行令の別表第二を用いるので、上載荷重から５kN/m2を差し引いて算定する。)"});
            s.print({"                △PA=KA･q･H=", ka, "×(", q, "-5.0)×", h, "=", f4(d.DPA), "kN/m"});
        } else {
            s.print({"                △PA=KA･q･H=", ka, "×", q, "×", h, "=", f4(d.DPA), "kN/m"});
        }
        s.print({"                △PAX=△PA･cosδ=△PA･cos(δ＋θ)=△PA･cos(", dl, "＋", th, ")ﾟ=", f4(d.DPA), "×",
                 cosTd, "=", f4(d.DPAX), "kN/m"});
    }
    s.print();
    s.print({"               作用点の位置"});
    if (d.PAX != 0)
        s.print({"                  PAX：y=H/3=", h,
                 "/3=", format(platform::toSingle(double(d.H_EarthPressure) / 3.0), "0.000"), "m"});
    if (d.DPAX != 0)
        s.print({"                △PAX：y=H/2=", h,
                 "/2=", format(platform::toSingle(double(d.H_EarthPressure) / 2.0), "0.000"), "m"});
}

} // namespace

void writeEarthPressure(Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c) {
    emptyLines(s, 5);
    s.print({"　          ３）擁壁に及ぼす土圧"});
    s.setDrawStyle(platform::DrawStyle::Solid);
    const bool normalPressure = c.loadCase == LoadCase::Normal || c.method == SeismicMethod::K2;
    const bool seismicPressure = c.method == SeismicMethod::K1 || c.method == SeismicMethod::D1;
    if (c.ka == KaInput::Typed) {
        s.print();
        s.print({"                主働土圧係数 KA=", format(d.KA, "0.00#")});
    } else if (c.ka == KaInput::Computed && normalPressure) {
        if (d.Beta == 0 && d.Delta == 0 && d.Theta == 0)
            shortForm(s, d);
        else
            coulombFraction(s, d);
    } else if (c.ka == KaInput::Computed && seismicPressure) {
        seismicBlock(s, d, c);
    }
    resultants(s, d, c);
}

} // namespace report
