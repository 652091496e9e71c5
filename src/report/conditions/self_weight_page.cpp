#include <optional>
#include <vector>

#include "platform/controls.h"
#include "platform/runtime.h"
#include "report/conditions/report_pages.h"
#include "report/page_format.h"
#include "stability/engine.h"

namespace report {

using model::GroundShape;
using model::LoadCase;
using model::SeismicMethod;
using platform::format;
using platform::PrintItem;
using platform::Surface;
using platform::toSingle;

namespace {

std::string f3(double v) {
    return format(v, "0.000");
}

// A width computed with a division; a zero divisor gives no width and the report a dash.
std::optional<float> width(double base, double numer, double denom) {
    if (denom == 0) return std::nullopt;
    return toSingle(base + numer / denom);
}

std::string f3(const std::optional<float>& v) {
    return v ? f3(*v) : std::string(kNoValue);
}

std::string sum(float a, float b) {
    return f3(toSingle(double(a) + b));
}

enum class Inertia { Dash, Value, Empty };

// The columns of the numbers, between their rules (the area's from the "＝" before it).
constexpr Column kArea{4900, 5750}, kWeight{6650, 7600}, kX{7600, 8300}, kY{8300, 9000},
    kMomentX{9000, 10100}, kMomentY{10100, 11200};

struct Row {
    std::string label;
    float area;
    bool roundArea;
    float gamma;
    double gammaX;
    float x, y;
};

// A row of the table for a part of the wall. The names share a column four characters wide: a
// shorter one starts after a blank.
Row partRow(const model::DesignData& d, const stability::WallPartFields& p, float area, bool roundArea) {
    const bool concrete = p.unitWeight == &model::DesignData::GammaC;
    std::string label = std::string(p.number) + (platform::charCount(p.name) < 4 ? " " : "") + p.name;
    return {std::move(label), area, roundArea, d.*p.unitWeight, concrete ? 6000.0 : 6050.0, d.*p.x, d.*p.y};
}

} // namespace

void writeSelfWeight(Surface& s, const model::DesignData& d, const WallPageChoices& c) {
    placeTextAt(s, 7600, {"            １）自 重"});

    s.line(1000, 7900, 11200, 7900);
    for (int i = 0; i <= 9; ++i)
        s.line(1000, 8500 + 500 * i, 11200, 8500 + 500 * i);
    s.line(7600, 8200, 11200, 8200);
    const struct {
        double x, top, bottom;
    } verticals[] = {{1000, 7900, 13000}, {2000, 7900, 12500},  {5750, 7900, 13000},
                     {6650, 7900, 13000}, {7600, 7900, 13000},  {8300, 8200, 13000},
                     {9000, 7900, 13000}, {10100, 8200, 13000}, {11200, 7900, 13000}};
    for (const auto& v : verticals)
        s.line(v.x, v.top, v.x, v.bottom);

    s.setFontSize(kLabelSize);
    const struct {
        const char* text;
        double x, y;
    } heads[] = {{"区 分", 1300, 8100},        {"面  積 Ａ (m2)", 3350, 8100},
                 {"単位重量", 5850, 8000},     {"γ(kN/m3)", 5800, 8250},
                 {"重  量", 6850, 8000},       {"Ｗ(kN/m)", 6800, 8250},
                 {"重心距離 (m)", 7800, 7950}, {"ｘ", 7900, 8250},
                 {"ｙ", 8550, 8250},           {"モーメント(kN･m/m)", 9400, 7950},
                 {"Ｗ･x", 9400, 8250},         {"Ｗ･y", 10500, 8250}};
    for (const auto& h : heads)
        placeText(s, h.x, h.y, {h.text});

    // The back and front soil carry the areas the drawing prints.
    Row rows[stability::kWallPartCount];
    for (int k = 0; k < stability::kWallPartCount; ++k) {
        const auto& part = stability::kWallParts[static_cast<std::size_t>(k)];
        const auto which = static_cast<stability::WallPart>(k);
        const float area = which == stability::WallPart::BackSoil    ? printedBackSoilArea(d)
                           : which == stability::WallPart::FrontSoil ? printedFrontSoilArea(d, c.shape)
                                                                     : d.*part.area;
        const bool roundArea = which == stability::WallPart::FrontWall ||
                               which == stability::WallPart::BackWall ||
                               which == stability::WallPart::BackSoil;
        rows[k] = partRow(d, part, area, roundArea);
    }
    for (int k = 0; k < 8; ++k)
        placeText(s, 1050, 8650 + 500 * k, {rows[k].label});
    placeText(s, 3000, 12650, {"合   計   Σ"});

    const Inertia inertia = c.loadCase == LoadCase::Normal || c.method == SeismicMethod::K1  ? Inertia::Dash
                            : c.method == SeismicMethod::K2 || c.method == SeismicMethod::D1 ? Inertia::Value
                                                                                             : Inertia::Empty;

    const double backH = double(d.H_BackSoil) + d.H2, frontH = double(d.H_FrontSoil) + d.H3;
    const bool backVertical = toSingle(double(d.Batter_BackIn) + d.T_WallBackTop) == d.T_WallBack;
    const bool frontVertical = toSingle(double(d.Batter_FrontIn) + d.T_WallFrontTop) == d.T_WallFront;
    std::optional<float> wc;
    if (frontH != 0 && backH != 0)
        wc = toSingle(double(d.B_Span) + double(d.H_CenterSoil) * d.Batter_FrontIn / frontH +
                      double(d.H_CenterSoil) * d.Batter_BackIn / backH);
    const auto wb = width(double(d.B_Heel) + d.Batter_BackOut, -double(d.Batter_BackOut) * d.H2, backH);
    const auto wf = width(double(d.B_Toe) + d.Batter_FrontOut, -double(d.Batter_FrontOut) * d.H3, frontH);

    // The area formula of each row, one or two placed lines.
    auto formula = [&](int k) {
        const double yk = 8650 + 500 * k;
        auto at = [&](double x, double y, std::initializer_list<PrintItem> items) {
            placeText(s, x, y, items);
        };
        switch (k) {
        case 0:
            if (d.T_WallFrontTop == d.T_WallFront) at(2100, yk, {f3(d.T_WallFrontTop), "×", sum(d.H4, d.H3)});
            if (d.Batter_FrontIn != 0 || d.Batter_FrontOut != 0) {
                at(2100, yk - 100,
                   {sum(d.H_FrontSoil, d.H3), "×(", f3(d.T_WallFrontTop), "＋", f3(d.T_WallFront), ")/2"});
                at(3200, yk + 100, {"＋", f3(d.T_WallFront), "×", f3(d.T_Slab)});
            }
            break;
        case 1:
            if (d.T_WallBackTop == d.T_WallBack) at(2100, yk, {f3(d.T_WallBackTop), "×", sum(d.H1, d.H2)});
            if (d.Batter_BackIn != 0 || d.Batter_BackOut != 0) {
                at(2100, yk - 100,
                   {sum(d.H_BackSoil, d.H2), "×(", f3(d.T_WallBackTop), "＋", f3(d.T_WallBack), ")/2"});
                at(3200, yk + 100, {"＋", f3(d.T_WallBack), "×", f3(d.T_Slab)});
            }
            break;
        case 2:
            at(2100, yk, {f3(d.B_Span), "×", f3(d.T_Slab)});
            break;
        case 3:
            if (d.T_Slab == d.T_HeelTip)
                at(2100, yk, {f3(d.B_Heel), "×", f3(d.T_Slab)});
            else
                at(2100, yk, {f3(d.B_Heel), "×(", f3(d.T_Slab), "＋", f3(d.T_HeelTip), ")/2"});
            break;
        case 4:
            if (d.T_Slab == d.T_ToeTip)
                at(2100, yk, {f3(d.B_Toe), "×", f3(d.T_Slab)});
            else
                at(2100, yk, {f3(d.B_Toe), "×(", f3(d.T_Slab), "＋", f3(d.T_ToeTip), ")/2"});
            break;
        case 5:
            if (d.Batter_FrontIn == 0 && d.Batter_BackIn == 0)
                at(2100, yk, {f3(d.B_Span), "×", f3(d.H_CenterSoil)});
            else
                at(2100, yk, {f3(d.H_CenterSoil), "×(", f3(d.B_Span), "＋", f3(wc), ")/2"});
            break;
        case 6:
            if (d.B_Heel == 0) {
                if (!backVertical) at(2100, yk, {f3(wb), "×", f3(d.H_BackSoil), "/2"});
            } else if (d.T_Slab == d.T_HeelTip) {
                if (backVertical)
                    at(2100, yk, {f3(d.B_Heel), "×", f3(d.H_BackSoil)});
                else
                    at(2100, yk, {"(", f3(d.B_Heel), "＋", f3(wb), ")×", f3(d.H_BackSoil), "/2"});
            } else if (backVertical) {
                at(2100, yk,
                   {f3(d.B_Heel), "×(", f3(d.H_BackSoil), "＋", sum(d.Taper_Heel, d.H_BackSoil), ")/2"});
            } else {
                at(2100, yk - 100, {f3(d.H_BackSoil), "×(", f3(d.B_Heel), "＋", f3(wb), ")/2"});
                at(2900, yk + 100, {"＋", f3(d.B_Heel), "×", f3(d.Taper_Heel), "/2"});
            }
            break;
        default:
            if (d.T_Slab == d.T_ToeTip) {
                if (frontVertical)
                    at(2100, yk, {f3(d.B_Toe), "×", f3(d.H_FrontSoil)});
                else
                    at(2100, yk, {f3(d.H_FrontSoil), "×(", f3(d.B_Toe), "＋", f3(wf), ")/2"});
            } else if (frontVertical) {
                at(2100, yk,
                   {f3(d.B_Toe), "×(", f3(d.H_FrontSoil), "＋", sum(d.H_FrontSoil, d.Taper_Toe), ")/2"});
            } else {
                at(2100, yk - 100, {f3(d.H_FrontSoil), "×(", f3(d.B_Toe), "＋", f3(wf), ")/2"});
                at(2900, yk + 100, {"＋", f3(d.B_Toe), "×", f3(d.Taper_Toe), "/2"});
            }
        }
    };

    s.setFontSize(kCellSize);
    for (int k = 0; k < 8; ++k) {
        const Row& r = rows[k];
        if (r.area == 0) continue;
        const double yk = 8650 + 500 * k;
        formula(k);
        placeText(s, 4700, yk, {"＝"});
        // Some rows print the area as the engine holds it, aligned by its rounded value all the same.
        if (r.roundArea)
            alignedCell(s, kArea, 5050, yk, platform::r4(r.area), 3);
        else
            columnText(s, kArea, platform::digitAlignX(5050, r.area, 3), yk, format(r.area, "0.0000"));
        placeText(s, r.gammaX, yk, {format(r.gamma, "0.0")});
        const double w = double(r.gamma) * r.area;
        alignedCell(s, kWeight, 6900, yk, w, 3);
        columnText(s, kX, 7700, yk, f3(r.x));
        alignedCell(s, kMomentX, 9400, yk, w * r.x, 4);
        if (inertia == Inertia::Dash) {
            s.line(8500, yk + 100, 8800, yk + 100);
            s.line(10500, yk + 100, 10800, yk + 100);
        } else if (inertia == Inertia::Value) {
            columnText(s, kY, 8400, yk, f3(r.y));
            alignedCell(s, kMomentY, 10500, yk, w * r.y, 4);
        }
    }

    s.line(6050, 12750, 6350, 12750);
    alignedCell(s, kWeight, 6900, 12650, d.SumW, 3);
    s.line(7800, 12750, 8100, 12750);
    s.line(8500, 12750, 8800, 12750);
    alignedCell(s, kMomentX, 9400, 12650, d.SumWx, 4);
    if (inertia == Inertia::Dash)
        s.line(10500, 12750, 10800, 12750);
    else if (inertia == Inertia::Value)
        alignedCell(s, kMomentY, 10500, 12650, d.SumWy, 4);

    s.setFontSize(kTextSize);
    auto centroid = [&](float moment) {
        return d.SumW == 0 ? std::string(kNoValue) : f3(toSingle(double(moment) / d.SumW));
    };
    placeText(s, 1850, 13400,
              {"重心 ｘ=ΣW･x/ΣW=", f3(platform::r3(d.SumWx)), "/", f3(platform::r3(d.SumW)), "=",
               centroid(d.SumWx), "m"});
    if (c.method == SeismicMethod::K2 || c.method == SeismicMethod::D1) {
        s.setCurrentX(1850);
        s.print({"　　 ｙ=ΣW･y/ΣW=", f3(platform::r3(d.SumWy)), "/", f3(platform::r3(d.SumW)), "=",
                 centroid(d.SumWy), "m"});
    }

    // Surcharge loads, each as intensity × loaded width.
    emptyLines(s, 2);
    s.print({"　          ２）上載荷重"});
    s.print();
    std::optional<float> wq;
    if (frontH != 0)
        wq = toSingle(double(d.B_Span) +
                      (double(d.H_CenterSoil) * d.Batter_BackIn + double(d.H_CenterSoil) * d.Batter_FrontIn) /
                          frontH);
    auto load = [&](const char* head, float q, const std::optional<float>& w, float W) {
        s.print({head, format(q, "0.00#"), "×", w ? format(*w, "0.0000") : std::string(kNoValue), "=",
                 format(W, "0.0000"), "kN/m"});
    };
    if (d.W_QBack != 0) load("                背面上載荷重･･･W=", d.q_Back, wb, d.W_QBack);
    if (d.W_QCenter != 0) load("                中央上載荷重･･･W=", d.q_Center, wq, d.W_QCenter);
    if (d.W_QFront != 0) load("                前面上載荷重･･･W=", d.q_Front, wf, d.W_QFront);
}

} // namespace report
