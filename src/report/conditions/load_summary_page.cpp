#include <array>

#include "platform/runtime.h"
#include "report/conditions/report_pages.h"
#include "report/page_format.h"

namespace report {

using model::GroundShape;
using model::KaInput;
using model::LoadCase;
using model::SeismicMethod;
using platform::Surface;

namespace {

enum class Cell { Value, Dash, Empty };

// The columns of the table: the value x (first of three aligned positions, or fixed), the dash's x and
// the rules on either side.
struct Field {
    double valueX;
    double dashX;
    bool aligned;
    Column rules;
};
constexpr Field kV{3500, 3500, true, {3100, 4400}}, kH{4800, 4800, true, {4400, 5700}},
    kX{6200, 6100, false, {5700, 7000}}, kY{7500, 7400, false, {7000, 8300}},
    kVx{8700, 8700, true, {8300, 9600}}, kHy{10000, 10000, true, {9600, 10900}};

class Table {
public:
    Table(Surface& s, double offset) : s_(s), d_(offset) {}

    double y(double y) const { return y + d_; }
    void text(double x, double y, std::string_view t) { placeText(s_, x, this->y(y), {t}); }
    void line(double x1, double y1, double x2, double y2) { s_.line(x1, y(y1), x2, y(y2)); }

    // A cell of the row whose top is `top`: a value, a dash or nothing.
    void cell(const Field& c, double top, Cell kind, double value = 0) {
        if (kind == Cell::Dash) {
            line(c.dashX, top + 200, c.dashX + 500, top + 200);
        } else if (kind == Cell::Value) {
            if (c.aligned)
                alignedCell(s_, c.rules, c.valueX, y(top + 100), value, 3);
            else
                columnText(s_, c.rules, c.valueX, y(top + 100),
                           platform::format(platform::toSingle(value), "0.000"));
        }
    }

private:
    Surface& s_;
    double d_;
};

} // namespace

void writeLoadSummary(Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c) {
    double offset = 0;
    if (c.ka == KaInput::Typed) offset = -3700;
    if (c.ka == KaInput::Computed) {
        if (d.Beta == 0 && d.Theta == 0 && d.Delta == 0) offset = -2900;
        if (c.loadCase == LoadCase::Seismic) offset = 600;
    }
    Table t(s, offset);

    const bool oneSided = c.shape == GroundShape::OneSided;
    const bool twoSided = c.shape == GroundShape::TwoSided;
    const bool normal = c.loadCase == LoadCase::Normal;
    const bool inertia = c.method == SeismicMethod::K2 || c.method == SeismicMethod::D1;

    std::string_view heading;
    if (oneSided) {
        if (normal)
            heading = "            ４）荷重の集計";
        else if (c.method == SeismicMethod::K1)
            heading = "            ４）荷重の集計（水平力＝地震時土圧）";
        else if (c.method == SeismicMethod::K2)
            heading = "            ４）荷重の集計（水平力＝慣性力＋常時土圧）";
        else if (c.method == SeismicMethod::D1)
            heading = "            ４）荷重の集計（水平力＝慣性力＋地震時土圧）";
    } else if (twoSided) {
        heading = "            ４）荷重の集計";
    }
    if (!heading.empty()) placeTextAt(s, t.y(9000), {heading});
    s.print();

    t.line(1600, 9500, 10900, 9500);
    t.line(5700, 9900, 10900, 9900);
    for (int i = 0; i <= 7; ++i)
        t.line(1600, 10300 + 400 * i, 10900, 10300 + 400 * i);
    for (double x : {1600, 3100, 4400, 5700, 8300, 10900})
        t.line(x, 9500, x, 13100);
    for (double x : {7000, 9600})
        t.line(x, 9900, x, 13100);

    struct Placed {
        double x, y;
        const char* text;
        bool oneSidedOnly;
    };
    const Placed heads[] = {
        {1800, 9800, "荷重の種類", false},
        {3300, 9650, "鉛 直 力", false},
        {3300, 9950, "Ｖ(kN/m)", false},
        {4550, 9650, "水 平 力", false},
        {4550, 9950, "Ｈ(kN/m)", false},
        {6400, 9600, "作 用 点 (m)", false},
        {8550, 9600, "モーメント(kN･m/m)", false},
        {6250, 10000, "ｘ", false},
        {7550, 10000, "ｙ", false},
        {8750, 10000, "Ｖ･x", false},
        {10000, 10000, "Ｈ･y", false},
        {1900, 10400, "自 重(W)", false},
        {1900, 10800, "土圧(PA)", true},
        {1800, 11200, "土圧(△PA)", true},
        {1700, 11600, "背面上載荷重", false},
        {1700, 12000, "中央上載荷重", false},
        {1700, 12400, "前面上載荷重", false},
        {1900, 12800, "合 計 Σ", false},
    };
    for (const auto& h : heads)
        if (oneSided || !h.oneSidedOnly) t.text(h.x, h.y, h.text);

    const Cell selfInertia = oneSided   ? (normal || c.method == SeismicMethod::K1 ? Cell::Dash
                                           : inertia                               ? Cell::Value
                                                                                   : Cell::Empty)
                             : twoSided ? Cell::Dash
                                        : Cell::Empty;
    Cell surchargeInertia = Cell::Empty;
    if (normal || (c.loadCase == LoadCase::Seismic && c.method == SeismicMethod::K1))
        surchargeInertia = Cell::Dash;
    else if (c.loadCase == LoadCase::Seismic && inertia)
        surchargeInertia = c.surchargeInertia == 0   ? Cell::Dash
                           : c.surchargeInertia == 1 ? Cell::Value
                                                     : Cell::Empty;

    const double kh = d.Kh, sumW = d.SumW;
    // A wall without weight has no lever arm: its cells show a dash of text instead of a quotient.
    const bool noWeight = sumW == 0;
    const double x = noWeight ? 0 : d.SumWx / sumW;
    auto quotientCell = [&](const Field& col, Cell kind, double value) {
        if (kind == Cell::Value && noWeight)
            placeText(s, col.valueX, t.y(10400), {kNoValue});
        else
            t.cell(col, 10300, kind, value);
    };
    t.cell(kV, 10300, Cell::Value, sumW);
    t.cell(kH, 10300, selfInertia, kh * sumW);
    quotientCell(kX, Cell::Value, x);
    quotientCell(kY, selfInertia, noWeight ? 0 : d.SumWy / sumW);
    quotientCell(kVx, Cell::Value, x * sumW);
    t.cell(kHy, 10300, selfInertia, kh * d.SumWy);

    const double h = d.H_EarthPressure;
    if (oneSided) {
        t.cell(kV, 10700, Cell::Dash);
        t.cell(kH, 10700, Cell::Value, d.PAX);
        t.cell(kX, 10700, Cell::Dash);
        t.cell(kY, 10700, Cell::Value, h / 3);
        t.cell(kVx, 10700, Cell::Dash);
        t.cell(kHy, 10700, Cell::Value, h * d.PAX / 3);
        t.cell(kV, 11100, Cell::Dash);
        t.cell(kH, 11100, Cell::Value, d.DPAX);
        t.cell(kX, 11100, Cell::Dash);
        t.cell(kY, 11100, Cell::Value, h / 2);
        t.cell(kVx, 11100, Cell::Dash);
        t.cell(kHy, 11100, Cell::Value, double(d.DPAX) * h / 2);
    }

    if (d.q_Back != 0 && printedBackSoilArea(d) != 0) {
        t.cell(kV, 11500, Cell::Value, d.W_QBack);
        t.cell(kH, 11500, surchargeInertia, kh * d.W_QBack);
        t.cell(kX, 11500, Cell::Value, d.X_QBack);
        t.cell(kY, 11500, surchargeInertia, d.Y_QBack);
        t.cell(kVx, 11500, Cell::Value, double(d.X_QBack) * d.W_QBack);
        t.cell(kHy, 11500, surchargeInertia, kh * d.W_QBack * d.Y_QBack);
    }
    if (d.q_Center != 0) {
        const double yc = double(d.H_CenterSoil) + d.T_Slab;
        t.cell(kV, 11900, Cell::Value, d.W_QCenter);
        t.cell(kH, 11900, surchargeInertia, kh * d.W_QCenter);
        t.cell(kX, 11900, Cell::Value, d.X_QCenter);
        t.cell(kY, 11900, surchargeInertia, yc);
        t.cell(kVx, 11900, Cell::Value, double(d.W_QCenter) * d.X_QCenter);
        t.cell(kHy, 11900, surchargeInertia, kh * d.W_QCenter * yc);
    }
    // The totals count the front surcharge whenever it weighs anything, with or without the front soil;
    // the overturning moment has no term for its inertia, so its y and H·y stay dashes.
    if (d.W_QFront != 0) {
        t.cell(kV, 12300, Cell::Value, d.W_QFront);
        t.cell(kH, 12300, surchargeInertia, kh * d.W_QFront);
        t.cell(kX, 12300, Cell::Value, d.X_QFront);
        t.cell(kY, 12300, Cell::Dash);
        t.cell(kVx, 12300, Cell::Value, double(d.X_QFront) * d.W_QFront);
        t.cell(kHy, 12300, Cell::Dash);
    }

    t.cell(kV, 12700, Cell::Value, d.SumV);
    Cell sumHKind = Cell::Empty;
    double sumH = double(d.PAX) + d.DPAX;
    if (oneSided) {
        if (normal || c.method == SeismicMethod::K1) {
            sumHKind = Cell::Value;
        } else if (inertia && c.surchargeInertia != 2) {
            sumHKind = Cell::Value;
            sumH += kh * sumW;
            if (c.surchargeInertia == 1) sumH += kh * (double(d.W_QCenter) + d.W_QBack + d.W_QFront);
        }
    } else if (twoSided) {
        sumHKind = Cell::Dash;
    }
    t.cell(kH, 12700, sumHKind, sumH);
    t.cell(kX, 12700, Cell::Dash);
    t.cell(kY, 12700, Cell::Dash);
    t.cell(kVx, 12700, oneSided || twoSided ? Cell::Value : Cell::Empty, d.Mr);
    t.cell(kHy, 12700, oneSided ? Cell::Value : twoSided ? Cell::Dash : Cell::Empty, d.Mo);

    emptyLines(s, 3);
    if (twoSided) s.print({"               両面対称土圧の為、土圧によるモーメントΣＨy＝０"});
}

} // namespace report
