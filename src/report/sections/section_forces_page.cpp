#include "report/sections/section_forces_page.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime.h"
#include "platform/services.h"
#include "report/coefficient_formula.h"
#include "report/dimension_row.h"
#include "report/page_format.h"
#include "report/placement.h"

namespace report {

using model::DesignBasis;
using model::GroundShape;
using model::KaInput;
using model::LoadCase;
using model::SeismicMethod;
using platform::format;
using platform::PrintItem;
using platform::Surface;
using platform::toSingle;

namespace {

// The reaction under the base: uniform, a trapezoid, or a triangle from the toe tip or from the heel tip
// when the resultant lies outside the middle third on that side.
enum class Shape { Uniform, Trapezoid, Triangle, HeelTriangle };

Shape reactionShape(const model::DesignData& d) {
    if (d.e == 0) return Shape::Uniform;
    // A zero base width leaves no ratio; the reaction then counts as inside the middle third.
    const float r = d.B == 0 ? 0.0f : toSingle(std::fabs(double(d.e) / double(d.B)));
    if (r <= toSingle(1.0 / 6)) return Shape::Trapezoid;
    return d.e > 0 ? Shape::Triangle : Shape::HeelTriangle;
}

std::string f2(double v) {
    return format(v, "0.00");
}
std::string f3(double v) {
    return format(v, "0.000");
}
std::string f4(double v) {
    return format(v, "0.0000");
}
std::string mm(double metres) {
    return dimensionText(toSingle(metres * 1000));
}

// The figure's frame: page twips from metres, as Singles.
struct Frame {
    const model::DesignData& d;
    double scale;               // m per 1000 twips
    double pressure;            // twips per kN/m2
    double top = 1700;          // page y of the rear wall's top
    double reaction = pressure; // twips per kN/m2 of the reaction diagram
    double height() const { return double(d.H1) + double(d.H2); }
    float X(double x) const { return toSingle(2850 + 1000 * x / scale); }
    float Y(double depth) const { return toSingle(top + 1000 * depth / scale); }
    float yb() const { return Y(height()); }
    // A level at height h above the base underside.
    float level(double h) const { return Y(height() - h); }
    float slabTop() const { return level(d.T_Slab); }
    // Twips below a page y by a reaction value.
    float off(double y, float value, double twips = 0) const {
        return toSingle(y + value * reaction + twips);
    }
    float up(double y, float value) const { return toSingle(y - value * pressure); }
};

void heading(Surface& s, const model::DesignData& d, const SectionForcesChoices& c) {
    emptyLines(s, 5);
    if (c.loadCase == LoadCase::Normal)
        s.print({"            ", d.SectionNo, "－３ 断面の検討（常時）"});
    else if (c.loadCase == LoadCase::Seismic)
        s.print({"            ", d.SectionNo, "－３ 断面の検討（地震時）"});
    s.print();
}

void outline(Sketch& s, const Frame& f) {
    const auto& d = f.d;
    const double B = d.B, toe = d.B_Toe, heel = d.B_Heel;
    const float top = f.slabTop(), yb = f.yb(), front = f.level(double(d.H4) + double(d.H3)), rear = f.Y(0);
    const double frontOut = toe + d.Batter_FrontOut;
    s.line(f.X(frontOut), front, f.X(frontOut + d.T_WallFrontTop), front);
    s.line(f.X(frontOut), front, f.X(toe), top);
    s.line(f.X(double(d.T_WallFront) + toe - d.Batter_FrontIn), front, f.X(double(d.T_WallFront) + toe), top);
    const double backIn = B - (double(d.Batter_BackOut) + heel + d.T_WallBackTop);
    const double backOut = B - (double(d.Batter_BackOut) + heel);
    s.line(f.X(backIn), rear, f.X(backOut), rear);
    s.line(f.X(backIn), rear, f.X(B - (double(d.Batter_BackOut) + heel + d.T_WallBackTop + d.Batter_BackIn)),
           top);
    s.line(f.X(backOut), rear, f.X(B - heel), top);
    s.line(f.X(double(d.T_WallFront) + toe), top, f.X(B - (double(d.T_WallBack) + heel)), top);
    s.line(f.X(toe), yb, f.X(B - heel), yb);
    if (heel != 0) {
        const float tip = f.level(d.T_HeelTip);
        s.line(f.X(B - heel), top, f.X(B), tip);
        s.line(f.X(B), tip, f.X(B), yb);
        s.line(f.X(B - heel), yb, f.X(B), yb);
    } else {
        s.line(f.X(B - heel), top, f.X(B - heel), yb);
    }
    if (toe != 0) {
        const float tip = f.level(d.T_ToeTip);
        s.line(f.X(toe), top, 2850, tip);
        s.line(2850, tip, 2850, yb);
        s.line(f.X(toe), yb, 2850, yb);
    } else {
        s.line(f.X(toe), top, f.X(toe), yb);
    }
}

void ground(Sketch& s, const Frame& f, GroundShape shape) {
    const auto& d = f.d;
    const double B = d.B, heel = d.B_Heel, toe = d.B_Toe;
    const double exposed = double(d.H_BackSoil) + double(d.H2);
    const float back = f.Y(d.H2), top = f.slabTop(), yb = f.yb();
    // A wall with neither back soil nor a part above the ground puts the ground line at its foot.
    const double part = exposed != 0 ? double(d.H2) / exposed : 0;
    const float xg = f.X(B - (double(d.Batter_BackOut) + heel) + d.Batter_BackOut * part);
    const float rearFoot = heel != 0 ? top : yb;
    const float xr = f.X(B - heel);
    s.line(xg, back, toSingle(xg + 150.0), back);
    s.line(toSingle(xg + 150.0), back, toSingle(xr + 500.0), rearFoot);
    s.line(xr, rearFoot, toSingle(xr + 500.0), rearFoot);
    if (shape != GroundShape::TwoSided) return;
    const float xf = f.X(toe + d.Batter_FrontOut - d.Batter_FrontOut * part);
    const float frontFoot = toe != 0 ? top : yb;
    const float xt = f.X(toe);
    s.line(xf, back, toSingle(xf - 150.0), back);
    s.line(toSingle(xf - 150.0), back, toSingle(xt - 500.0), frontFoot);
    s.line(xt, frontFoot, toSingle(xt - 500.0), frontFoot);
}

void loadBlocks(Sketch& s, const Frame& f) {
    const auto& d = f.d;
    const double B = d.B, toe = d.B_Toe, heel = d.B_Heel;
    const float top = f.slabTop();
    if (d.B_Span != 0) {
        const float x1 = f.X(double(d.T_WallFront) + toe), x2 = f.X(double(d.T_WallFront) + toe + d.B_Span);
        const float w = f.up(top, d.W1);
        s.line(x1, w, x2, w);
        if (d.Batter_FrontIn != 0) s.line(x1, w, x1, top);
        if (d.Batter_BackIn != 0) s.line(x2, w, x2, top);
    }
    if (heel != 0) {
        const float tip = f.level(d.T_HeelTip), xr = f.X(B - heel), xe = f.X(B);
        s.line(xr, f.up(top, d.W2), xe, f.up(tip, d.W3));
        s.line(xe, tip, xe, f.up(tip, d.W3));
        s.line(xr, top, xr, f.up(top, d.W2));
    }
    if (toe != 0) {
        const float tip = f.level(d.T_ToeTip), xt = f.X(toe);
        s.line(2850, f.up(tip, d.W5), xt, f.up(top, d.W4));
        s.line(2850, tip, 2850, f.up(tip, d.W5));
        if (d.Batter_FrontOut != 0) s.line(xt, top, xt, f.up(top, d.W4));
    }
}

// The reaction points from the toe tip: name, abscissa and value.
struct ReactionPoint {
    const char* name;
    double x;
    float v;
};

std::vector<ReactionPoint> innerPoints(const model::DesignData& d) {
    const double toe = d.B_Toe, front = toe + d.T_WallFront;
    return {{"V1", toe, d.V1},
            {"V2", front, d.V2},
            {"V3", front + double(d.B_Span) / 2, d.V3},
            {"V4", front + d.B_Span, d.V4},
            {"V5", front + double(d.B_Span) + d.T_WallBack, d.V5}};
}

// The length over which the base is in contact, from the toe tip for the triangle and from the heel tip
// for the heel's: the whole base unless the reaction is a triangle, whose zero lies at Xn. Beyond it the
// reactions are not drawn.
double contactLength(const model::DesignData& d, Shape shape) {
    const double xn = std::fabs(double(d.Xn));
    if ((shape != Shape::Triangle && shape != Shape::HeelTriangle) || !std::isfinite(xn) || xn > d.B)
        return d.B;
    return xn;
}

// Whether a point lies inside the contact length.
bool inContact(const model::DesignData& d, Shape shape, double x) {
    const double contact = contactLength(d, shape);
    if (shape == Shape::Triangle) return x < contact;
    if (shape == Shape::HeelTriangle) return double(d.B) - x < contact;
    return true;
}

void reactionDiagram(Sketch& s, const Frame& f, Shape shape) {
    const auto& d = f.d;
    const float yb = f.yb();
    auto ordinate = [&](double x, float v) { s.line(f.X(x), yb, f.X(x), f.off(yb, v)); };
    if (shape == Shape::HeelTriangle) {
        ordinate(d.B, d.VR);
        s.line(f.X(d.B), f.off(yb, d.VR), f.X(double(d.B) - contactLength(d, shape)), yb);
    } else {
        ordinate(0, d.VP);
        if (shape == Shape::Triangle) {
            s.line(2850, f.off(yb, d.VP), f.X(contactLength(d, shape)), yb);
        } else {
            ordinate(d.B, d.VR);
            s.line(2850, f.off(yb, d.VP), f.X(d.B), f.off(yb, d.VR));
        }
    }
    if (shape == Shape::Uniform) return;
    for (const auto& p : innerPoints(d))
        if (inContact(d, shape, p.x)) ordinate(p.x, p.v);
}

// The deepest ordinate the reaction diagram draws, kN/m2.
double deepestReaction(const model::DesignData& d, Shape shape) {
    double deepest = shape == Shape::HeelTriangle ? d.VR : d.VP;
    if (shape == Shape::Trapezoid || shape == Shape::Uniform) deepest = std::max(deepest, double(d.VR));
    if (shape != Shape::Uniform)
        for (const auto& p : innerPoints(d))
            if (inContact(d, shape, p.x)) deepest = std::max(deepest, double(p.v));
    return deepest;
}

// The reaction diagram's scale: the pressure scale, unless the diagram would then reach the dimension
// rows, whose ticks start 300 twips below the ordinate they hang from (a reaction far above the others
// at an end of the base); then as much less as keeps it clear of them.
double reactionScale(const model::DesignData& d, Shape shape, double pressure) {
    constexpr double room = 300 - Clearance::kGap;
    const double below = (deepestReaction(d, shape) - (d.e >= 0 ? d.V1 : d.V5)) * pressure;
    return below > room ? pressure * room / below : pressure;
}

// The level of the ordinate the dimension rows hang from.
float ordinateBase(const Frame& f) {
    return f.off(f.yb(), f.d.e >= 0 ? f.d.V1 : f.d.V5);
}

// The parts' widths under the base, with their numbers above the row's line at `level` and a crowded one's
// on the second level at `stagger`.
DimensionRow partsRow(const Frame& f, double level, double stagger) {
    const auto& d = f.d;
    const double toe = d.B_Toe, front = toe + d.T_WallFront;
    const float xt = f.X(toe), x2 = f.X(front), x4 = f.X(front + d.B_Span),
                xh = f.X(front + double(d.B_Span) + d.T_WallBack), xb = f.X(d.B);
    auto at = [&](double x) { return std::optional<Point>(Point{x, level}); };
    DimensionRow parts = DimensionRow::across(level + 200, level, stagger);
    if (toe != 0) parts.segment(2850, xt, mm(toe), at(f.X(toe / 2) - 150.0));
    parts.segment(xt, x2, mm(d.T_WallFront), at(f.X(d.T_WallFront / 2 + toe) - 100.0));
    parts.segment(x2, x4, mm(d.B_Span), at(f.X(front + double(d.B_Span) / 2) - 150.0));
    parts.segment(x4, xh, mm(d.T_WallBack), at(f.X(front + d.B_Span + double(d.T_WallBack) / 2) - 150.0));
    if (d.B_Heel != 0)
        parts.segment(xh, xb, mm(d.B_Heel),
                      at(f.X(front + d.B_Span + d.T_WallBack + double(d.B_Heel) / 2) - 150.0));
    return parts;
}

// Where a crowded part's number stands: under the reaction names, which keep above 300 twips below their
// ordinate, the rows then hanging lower by as much, so that names and numbers never share a level.
constexpr double kStaggerBelowNames = 320, kStaggerDrop = 300;

// The level the dimension rows are drawn from: 300 twips above their extension lines' tops.
float dimensionBase(const Frame& f) {
    const float base = ordinateBase(f);
    return partsRow(f, 0, 0).staggers(kLabelSize) ? toSingle(base + kStaggerDrop) : base;
}

void dimensionLines(Sketch& s, const Frame& f) {
    const auto& d = f.d;
    const double B = d.B, toe = d.B_Toe, heel = d.B_Heel;
    const float top = f.slabTop(), yb = f.yb(), back = f.Y(d.H2), rear = f.Y(0), xb = f.X(B);
    const float yv = dimensionBase(f);
    auto at = [](float y, double twips) { return toSingle(y + twips); };
    s.line(2100, top, 2100, yb);
    s.line(2100, top, 2750, top);
    s.line(2100, yb, 2750, yb);
    s.line(at(xb, 1350), rear, at(xb, 1350), yb);
    s.line(at(xb, 850), back, at(xb, 850), yb);
    s.line(at(xb, 1350), rear, at(xb, 100), rear);
    if (d.H2 != 0) s.line(at(xb, 1350), back, at(xb, 100), back);
    s.line(at(xb, 850), top, at(xb, 100), top);
    s.line(at(xb, 1350), yb, at(xb, 100), yb);
    s.line(2850, at(yv, 700), xb, at(yv, 700));
    s.line(2850, at(yv, 1000), xb, at(yv, 1000));
    const float xt = f.X(toe);
    if (toe != 0) {
        s.line(2850, at(yv, 300), 2850, at(yv, 1000));
        s.line(xt, at(yv, 300), xt, at(yv, 700));
    } else {
        s.line(xt, at(yv, 300), xt, at(yv, 1000));
    }
    const double front = toe + d.T_WallFront;
    for (double x : {front, front + d.B_Span}) {
        const float px = f.X(x);
        s.line(px, at(yv, 300), px, at(yv, 700));
    }
    const float xh = f.X(front + double(d.B_Span) + d.T_WallBack);
    if (heel != 0) {
        s.line(xh, at(yv, 300), xh, at(yv, 700));
        s.line(xb, at(yv, 300), xb, at(yv, 1000));
    } else {
        s.line(xh, at(yv, 300), xh, at(yv, 1000));
    }
}

// Where the text flow below the figure starts.
constexpr double kFlowTop = 6900;

// Where a name or number may go when its own place is taken: up, down, left or right.
constexpr Point kUp{0, -1}, kDown{0, 1}, kLeft{-1, 0}, kRight{1, 0};
// A moved text goes in steps of 10 twips, up to 1200.
constexpr double kStep = 10;
constexpr int kSteps = 120;

// The places given, then those of `from` moved a step further each round in each of the directions.
std::vector<Point> moved(std::initializer_list<Point> places, std::initializer_list<Point> from,
                         std::initializer_list<Point> moves) {
    std::vector<Point> at(places);
    for (int k = 1; k <= kSteps; ++k)
        for (const Point& p : from)
            for (const Point& m : moves)
                at.push_back({p.x + m.x * k * kStep, p.y + m.y * k * kStep});
    return at;
}

// The places given, then the first of them moved.
std::vector<Point> moved(std::initializer_list<Point> places, std::initializer_list<Point> moves) {
    return moved(places, {*places.begin()}, moves);
}

// A load name's place, else the nearest place beside or above it: a load name stands above its block.
std::vector<Point> aboveOrBeside(Point place) {
    static const std::vector<Point> offsets = [] {
        std::vector<Point> all = around(0, 0, kStep, kSteps * kStep, kSteps * kStep);
        std::erase_if(all, [](const Point& p) { return p.y > 0; });
        return all;
    }();
    std::vector<Point> at;
    at.reserve(offsets.size());
    for (const Point& o : offsets)
        at.push_back({place.x + o.x, place.y + o.y});
    return at;
}

void loadNames(Sketch& s, const Frame& f, double size) {
    const auto& d = f.d;
    const double B = d.B, toe = d.B_Toe, heel = d.B_Heel, H = f.height();
    auto name = [&](const char* text, double x, float y, float w) {
        s.text(text, size, aboveOrBeside({toSingle(x), toSingle(y - w * f.pressure - 200)}));
    };
    if (d.B_Span != 0)
        name("W1", f.X(double(d.T_WallFront) + toe + double(d.B_Span) / 2) - 100.0, f.Y(H - d.T_Slab), d.W1);
    const float heelTop = f.Y(double(d.H_BackSoil) + d.H2);
    if (heel != 0 && d.W2 == d.W3) {
        name("W2", f.X(B - heel / 2), heelTop, d.W2);
    } else if (heel != 0) {
        name("W2", f.X(B - heel) + 50.0, heelTop, d.W2);
        name("W3", f.X(B), f.Y(double(d.H_BackSoil) + d.H2 + d.Taper_Heel), d.W3);
    }
    const float toeTip = f.Y(H - d.T_ToeTip);
    if (toe != 0 && d.W4 == d.W5) {
        name("W4", f.X(toe / 2) - 100.0, toeTip, d.W4);
    } else if (toe != 0) {
        name("W4", f.X(toe) - 250.0, f.Y(H - d.T_ToeTip - d.Taper_Toe), d.W4);
        name("W5", 2550, toeTip, d.W5);
    }
}

void reactionNames(Sketch& s, const Frame& f, Shape shape, double size) {
    const auto& d = f.d;
    const float yb = f.yb();
    // A name keeps above the dimension rows' extension lines, and above a crowded part's number, where it
    // can.
    const double lowest = ordinateBase(f) + 300.0 - Clearance::kLeastGap;
    auto name = [&](const char* text, double x, float v) {
        std::vector<Point> at = moved({{toSingle(x), f.off(yb, v, 30)}}, {kDown, kLeft, kRight});
        std::vector<Point> above;
        std::copy_if(at.begin(), at.end(), std::back_inserter(above),
                     [&](const Point& p) { return textBox(p.x, p.y, text, size).bottom <= lowest; });
        s.text(text, size, above.empty() ? at : above);
    };
    const auto points = innerPoints(d);
    if (shape == Shape::Uniform) {
        name("V", f.X(points[2].x) - 100.0, d.V3);
        return;
    }
    // The span centre's name stands a little left of its ordinate, the wall faces' further; only the
    // triangle's V2 stands on its ordinate.
    const double shift[5] = {-200, shape == Shape::Triangle ? 0.0 : -200.0, -100, -200, 0};
    for (std::size_t i = 0; i < points.size(); ++i)
        if (inContact(d, shape, points[i].x)) name(points[i].name, f.X(points[i].x) + shift[i], points[i].v);
    if (shape != Shape::Triangle && d.B_Heel != 0) name("VR", f.X(d.B), d.VR);
    if (shape != Shape::HeelTriangle && d.B_Toe != 0) name("VP", 2650, d.VP);
}

// The figure's dimension rows, in the order their numbers are placed.
std::vector<DimensionRow> dimensionRows(const Frame& f) {
    const auto& d = f.d;
    const double B = d.B, H = f.height();
    const float xb = f.X(B), yv = dimensionBase(f);
    auto at = [](double x, double y) { return std::optional<Point>(Point{x, y}); };
    const double slab = f.Y(H - double(d.T_Slab) / 2) - 50.0;
    const float top = f.slabTop(), yb = f.yb(), back = f.Y(d.H2), rear = f.Y(0);
    std::vector<DimensionRow> rows;
    rows.push_back(DimensionRow::upright(2100, -1).segment(top, yb, mm(d.T_Slab), at(1900, slab)));
    // H1 and H2 are the two parts of the total height: both are written on the right of its line.
    DimensionRow total = DimensionRow::upright(xb + 1350.0, 1);
    total.segment(back, yb, mm(d.H1), at(xb + 1350.0 - 200, f.Y(double(d.H1) / 2 + d.H2) - 50.0));
    total.segment(rear, back, mm(d.H2), at(xb + 1350.0 + 50, f.Y(double(d.H2) / 2) - 75.0));
    rows.push_back(std::move(total));
    DimensionRow soil = DimensionRow::upright(xb + 850.0, -1);
    soil.segment(back, top, mm(d.H_BackSoil),
                 at(xb + 850.0 - 200, f.Y(H - d.T_Slab - double(d.H_BackSoil) / 2) - 50.0));
    soil.segment(top, yb, mm(d.T_Slab), at(xb + 850.0 - 200, slab));
    rows.push_back(std::move(soil));
    // The parts' widths, a crowded one's on the second level between the reaction names and the
    // extension lines; B in its own row.
    rows.push_back(partsRow(f, yv + 500.0, ordinateBase(f) + kStaggerBelowNames));
    rows.push_back(DimensionRow::across(yv + 1000.0, yv + 800.0)
                       .segment(2850, xb, mm(B), at(f.X(B / 2) - 150.0, yv + 800.0)));
    return rows;
}

void contactLines(Surface& s, const model::DesignData& d, Shape shape) {
    s.setFontSize(kTextSize);
    s.setCurrentX(0);
    s.setCurrentY(kFlowTop);
    if (shape == Shape::Uniform) return;
    const std::string e = f3(std::fabs(d.e)), B = f3(d.B), xn = f3(d.Xn);
    s.print({"            中立軸までの距離"});
    if (shape == Shape::Trapezoid)
        s.print({"            Xn=(B/2)･[1＋{B/(6e)}]=(", B, "/2)×[1＋{", B, "/(6×", e, ")}]=", xn, "m"});
    else
        s.print({"            Xn=3･{(B/2)-e}=3×{(", B, "/2)-", e, "}=", xn, "m"});
    s.print();
}

void reactionLines(Surface& s, const model::DesignData& d, Shape shape) {
    using Entry = std::pair<const char*, float>;
    auto line = [&](const std::vector<Entry>& entries, const char* unit = "kN/m2") {
        std::vector<PrintItem> items;
        bool first = true;
        for (const auto& [name, v] : entries) {
            items.emplace_back(std::string(first ? "            " : "  ") + name + "=");
            items.emplace_back(f3(v));
            items.emplace_back(unit);
            first = false;
        }
        s.print(items);
    };
    const bool toe = d.B_Toe != 0, heel = d.B_Heel != 0;
    if (shape == Shape::Uniform) {
        line({{"V", d.V1}});
    } else if (shape == Shape::Trapezoid) {
        if (!toe && !heel) line({{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}, {"V5", d.V5}});
        if (toe && heel) line({{"VP", d.VP}, {"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}});
        if (!toe && heel) line({{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}});
        if (heel) line({{"V5", d.V5}, {"VR", d.VR}});
        if (toe && !heel) {
            line({{"VP", d.VP}, {"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}});
            line({{"V4", d.V4}, {"V5", d.V5}});
        }
    } else if (shape == Shape::Triangle) {
        const double B = d.B;
        const float xn = d.Xn;
        const float b1 = toSingle(B - d.B_Heel), b2 = toSingle(B - d.B_Heel - d.T_WallBack);
        const float b3 = toSingle(B - d.B_Heel - d.T_WallBack - double(d.B_Span) / 2);
        const float b4 = toSingle(B - d.B_Heel - d.T_WallBack - d.B_Span);
        if (b1 <= xn && xn < d.B) {
            line({{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}}, "KN/m2");
            line({{"V5", d.V5}}, "KN/m2");
        } else if (b2 <= xn && xn < b1) {
            line({{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}, {"VP", d.VP}});
        } else if (b3 <= xn && xn < b2) {
            line({{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"VP", d.VP}});
        } else if (b4 <= xn && xn < b3) {
            line({{"V1", d.V1}, {"V2", d.V2}, {"VP", d.VP}});
        } else if (d.B_Toe <= xn && xn < b4) {
            // Short of the front wall's inner face: the toe's values, which its member page takes.
            line({{"V1", d.V1}, {"VP", d.VP}});
        } else if (0 < xn && xn < d.B_Toe) {
            line({{"VP", d.VP}});
        }
    } else if (shape == Shape::HeelTriangle) {
        // The reactions within Xn of the heel tip, in their order across the base; with a heel its two
        // values make the second line, as in the trapezoid.
        const double back = double(d.B_Heel) + d.T_WallBack;
        const std::pair<Entry, double> points[] = {{{"V1", d.V1}, back + d.B_Span + d.T_WallFront},
                                                   {{"V2", d.V2}, back + d.B_Span},
                                                   {{"V3", d.V3}, back + double(d.B_Span) / 2},
                                                   {{"V4", d.V4}, back},
                                                   {{"V5", d.V5}, d.B_Heel}};
        std::vector<Entry> first, second;
        for (std::size_t i = 0; i < std::size(points); ++i)
            if (toSingle(points[i].second) <= d.Xn)
                (heel && i == 4 ? second : first).push_back(points[i].first);
        if (heel) second.push_back({"VR", d.VR});
        if (!first.empty()) line(first);
        if (!second.empty()) line(second);
    }
    s.print();
}

void loadLines(Surface& s, const model::DesignData& d, const SectionForcesChoices& c) {
    const std::string gs = format(d.GammaS, "0.0#"), gc = format(d.GammaC, "0.0#");
    const std::string slab = f3(d.T_Slab);
    auto soil = [&](const char* name, double soilHeight, const std::string& concrete, float q, float w) {
        s.print({std::string("            ") + name + "=(", f3(toSingle(soilHeight)), "×", gs, ")＋(",
                 concrete, "×", gc, ")＋", f2(q), "=", f3(w), "kN/m2"});
    };
    auto bare = [&](const char* name, const std::string& concrete, float q, float w) {
        s.print({std::string("            ") + name + "=(", concrete, "×", gc, ")＋", f2(q), "=", f3(w),
                 "kN/m2"});
    };
    soil("W1", d.H_CenterSoil, slab, d.q_Center, d.W1);
    if (d.B_Heel != 0) {
        soil("W2", d.H_BackSoil, slab, d.q_Back, d.W2);
        if (d.W2 != d.W3) soil("W3", double(d.H_BackSoil) + d.Taper_Heel, f3(d.T_HeelTip), d.q_Back, d.W3);
    }
    if (d.B_Toe != 0) {
        const bool split = d.W4 != d.W5;
        if (c.shape == GroundShape::OneSided && c.frontSoilCounted) {
            soil("W4", d.H_FrontSoil, slab, d.q_Front, d.W4);
            if (split) soil("W5", double(d.Taper_Toe) + d.H_FrontSoil, f3(d.T_ToeTip), d.q_Front, d.W5);
        }
        if (c.shape == GroundShape::OneSided && c.frontSoilOmitted) {
            bare("W4", slab, d.q_Front, d.W4);
            if (split) bare("W5", f3(d.T_ToeTip), d.q_Front, d.W5);
        }
        if (c.shape == GroundShape::TwoSided) {
            soil("W4", d.H_BackSoil, slab, d.q_Front, d.W4);
            if (split) soil("W5", double(d.H_BackSoil) + d.Taper_Toe, f3(d.T_ToeTip), d.q_Front, d.W5);
        }
    }
    s.print();
}

// Trigonometric terms of the coefficient formulas, from angles in degrees.
double rad(double deg) {
    return deg * platform::kPi / 180.0;
}
double sinD(double deg) {
    return std::sin(rad(deg));
}
double cosD(double deg) {
    return std::cos(rad(deg));
}
double cos2D(double deg) {
    return cosD(deg) * cosD(deg);
}

void rankine(Surface& s, const model::DesignData& d) {
    s.print({"              主働土圧係数"});
    s.print({"               KA=tan^2(45ﾟ-φ/2)"});
    s.print({"                 =tan^2(45ﾟ-", f2(d.Phi_Back), "ﾟ/2)"});
    s.print({"                 =tan^2(", f2(toSingle(45.0 - double(d.Phi_Back) / 2)), "ﾟ)"});
    s.print({"                 =", f3(d.KA_Sect)});
}

void coulomb(const Pen& s, const model::DesignData& d) {
    const double phi = d.Phi_Back, th = d.Theta_Rear, del = d.Delta, beta = d.Beta;
    const std::string p = f2(phi), t = f2(th), dl = f2(del), b = f2(beta);
    s.text(1200, 10100, {"主働土圧係数"});
    s.text(3800, 10300, {"cos^2(φ－θ）"});
    s.text(1300, 10500, {fractionBar(26, "KA=")});
    s.text(4550, 10750, {"sin(φ＋δ)sin(φ－β)"});
    s.text(7300, 10750, {"2"});
    s.text(1700, 10950, {"cos^2θcos(θ＋δ)"});
    s.text(3875, 10950, {"1＋"});
    s.text(4450, 10950, {fractionBar(12), " "});
    s.text(4550, 11150, {"cos(θ＋δ)cos(θ－β)"});
    s.chain({{4175, 11225}, {4200, 11150}, {4250, 11350}, {4400, 10700}, {7050, 10700}});
    s.chain({{3875, 10700}, {3775, 10800}, {3775, 11300}, {3875, 11400}});
    s.chain({{7100, 10700}, {7200, 10800}, {7200, 11300}, {7100, 11400}});

    coulombSubstituted(s, {p, t, dl, b, "", ""}, 44, " ");

    const std::string c2PhiTh = f4(cos2D(phi - th)), c2Th = f4(cos2D(th)), cDelTh = f4(cosD(del + th));
    if (d.Phi_Back >= d.Beta) {
        s.text(3500, 12600, {c2PhiTh});
        s.text(1500, 12800, {fractionBar(21, "=")});
        s.text(4350, 13050, {f4(sinD(phi + del)), "×", f4(sinD(std::fabs(phi - beta)))});
        s.text(6250, 13050, {"2"});
        s.text(1700, 13250, {c2Th, "×", cDelTh, "×"});
        s.text(3675, 13250, {"1＋"});
        s.text(4250, 13250, {fractionBar(8)});
        s.text(4350, 13450, {cDelTh, "×", f4(cosD(std::fabs(th - beta)))});
        s.text(1500, 13750, {"=", f3(d.KA_Sect)});
        s.chain({{3975, 13525}, {4000, 13450}, {4050, 13650}, {4200, 13000}, {6000, 13000}});
        s.chain({{3675, 13000}, {3575, 13100}, {3575, 13600}, {3675, 13700}});
        s.chain({{6050, 13000}, {6150, 13100}, {6150, 13600}, {6050, 13700}});
    } else {
        s.text(2150, 12600, {c2PhiTh});
        s.text(1500, 12800, {fractionBar(8, "=")});
        s.text(1700, 13000, {c2Th, "×", cDelTh});
        s.text(1500, 13300, {"=", f3(d.KA_Sect)});
    }
}

void okabe(const Pen& s, const model::DesignData& d, const SectionForcesChoices& c) {
    const double phi = d.Phi_Back, th = d.Theta_Rear, del = d.Delta, beta = d.Beta, tk = d.ThetaK;
    const std::string p = f2(phi), t = f2(th), dl = f2(del), b = f2(beta), k = f2(tk);
    const std::string kh = f2(d.Kh), kv = f2(d.Kv);
    if (c.basis == DesignBasis::Building)
        s.text(1400, 10100, {"設計水平震度Kh=", kh, "    設計鉛直震度Kv=", kv});
    else if (c.basis == DesignBasis::Road)
        s.text(1400, 10100,
               {"設計水平震度Kh=CZ･Kho=", kNoValue, "×", kNoValue, "=", kh, "    設計鉛直震度Kv=", kv});
    s.text(1400, 10100 + platform::lineHeight(s.s.fontName(), kTextSize),
           {"地震合成角θk=Atn{Kh/(1－Kv)}", "=", "Atn{", kh, "/(1－", kv, ")}=", k, "ﾟ"});
    s.text(1400, 10900, {"地震時主働土圧係数"});
    s.s.setFontSize(kLabelSize);

    s.text(3600, 11150, {"(1－Kv)cos^2(φ－θ－θk）"});
    s.text(950, 11320, {"ＫAE="});
    s.text(5020, 11550, {"sin(φ－β－θk)sin(φ＋δ)"});
    s.text(7770, 11550, {"2"});
    s.text(1500, 11750, {"cosθk cos^2θcos(δ＋θ＋θk)"});
    s.text(4345, 11750, {"1＋"});
    s.text(5020, 11950, {"cos(δ＋θ＋θk)cos(θ－β)"});
    s.line(1450, 11400, 7870, 11400);
    s.line(4920, 11830, 7590, 11830);
    s.chain({{4645, 12025}, {4670, 11950}, {4720, 12150}});
    s.chain({{4740, 12150}, {4870, 11500}, {7590, 11500}});
    s.chain({{4345, 11500}, {4245, 11600}, {4245, 12100}, {4345, 12200}});
    s.chain({{7570, 11500}, {7670, 11600}, {7670, 12100}, {7570, 12200}});

    okabeSubstituted(s, {p, t, dl, b, k, kv});

    const std::string oneMinusKv = f2(toSingle(1.0 - double(d.Kv)));
    const std::string numer = f4(cos2D(phi - th - tk)), cK = f4(cosD(tk)), c2Th = f4(cos2D(th));
    const std::string cDTK = f4(cosD(del + th + tk));
    if (toSingle(beta + tk) <= d.Phi_Back) {
        s.text(3030, 13450, {oneMinusKv, "×", numer});
        s.text(1030, 13620, {"="});
        s.text(4230, 13850, {f4(sinD(std::fabs(phi - beta - tk))), "×", f4(sinD(phi + del))});
        s.text(5780, 13850, {"2"});
        s.text(1230, 14050, {cK, "×", c2Th, "×", cDTK, "×"});
        s.text(3555, 14050, {"1＋"});
        s.text(4230, 14250, {cDTK, "×", f4(cosD(std::fabs(th - beta)))});
        s.text(1030, 14550, {"=", f3(d.KA_Sect)});
        s.line(1180, 13700, 6030, 13700);
        s.line(4130, 14130, 5530, 14130);
        s.chain({{3855, 14325}, {3880, 14250}});
        s.chain({{3870, 14250}, {3930, 14450}, {4080, 13800}, {5530, 13800}});
        s.chain({{3555, 13800}, {3455, 13900}, {3455, 14400}, {3555, 14500}});
        s.chain({{5580, 13800}, {5680, 13900}, {5680, 14400}, {5580, 14500}});
    } else {
        s.text(1680, 13450, {oneMinusKv, "×", numer});
        s.text(1030, 13620, {"="});
        s.text(1230, 13800, {cK, "×", c2Th, "×", cDTK});
        s.text(1030, 14100, {"=", f3(d.KA_Sect)});
        s.line(1180, 13700, 3380, 13700);
    }
    emptyLines(s.s, 2);
    s.s.setFontSize(kTextSize);
}

void coefficient(Surface& s, const model::DesignData& d, const SectionForcesChoices& c) {
    s.print({"            地表面と水平面とのなす角度    ：β=", format(d.Beta, "0.00#"), "ﾟ"});
    s.print({"            後壁背面と鉛直面とのなす角度  ：θ=", f2(d.Theta_Rear), "ﾟ"});
    s.setDrawStyle(platform::DrawStyle::Solid);
    if (c.ka == KaInput::Typed) s.print({"            主働土圧係数 KA=", format(d.KA_Sect, "0.00#")});
    if (c.ka != KaInput::Computed) return;
    // The coefficient drawings stand at fixed places below the text flow; where a font's taller lines have
    // carried the flow past their top, they move down by the overrun so that nothing overlaps.
    const Pen pen{s, 0, std::max(0.0, s.currentY() - 10100)};
    if (c.loadCase == LoadCase::Normal || c.method == SeismicMethod::K2) {
        if (d.Beta == 0 && d.Theta_Rear == 0 && d.Delta == 0)
            rankine(s, d);
        else
            coulomb(pen, d);
    }
    // The normal case's coefficient is Coulomb's even while a seismic method is still chosen.
    if (c.loadCase != LoadCase::Normal && (c.method == SeismicMethod::K1 || c.method == SeismicMethod::D1))
        okabe(pen, d, c);
}

} // namespace

float sectionDrawScale(const model::DesignData& d) {
    const double h = double(d.H1) + double(d.H2);
    return toSingle(toSingle(h) <= 1 ? 3.0 / 10 : h * 3 / 10);
}

float sectionPressureScale(float sigmaMax) {
    const double q = sigmaMax;
    if (q <= 100) return toSingle(q * 10 / 100);
    // Band k holds 100k < q ≤ 100(k + 1) and divides by 500k.
    const double k = std::ceil(q / 100) - 1;
    return toSingle(q * 10 / (500 * k));
}

namespace {

// The figure planned, but for its numbers without room by their lines, still to be set apart: they will
// stand within the room, so the figure takes the same room without them.
struct Planned {
    Sketch sketch;
    std::vector<Apart> apart;
    // The figure with those numbers set apart.
    Sketch finished() && {
        sketch.setApart(apart, kLabelSize);
        return std::move(sketch);
    }
};

Planned figure(const Frame& f, const SectionForcesChoices& c, Shape shape, double nameSize, const Box& room) {
    Sketch s(room, Clearance::kLeastGap);
    outline(s, f);
    ground(s, f, c.shape);
    loadBlocks(s, f);
    reactionDiagram(s, f, shape);
    dimensionLines(s, f);
    // The numbers first: each belongs beside its own line, where a name can stand aside for it; those
    // without room there stand apart once the names have their places.
    const std::vector<DimensionRow> rows = dimensionRows(f);
    std::vector<std::vector<std::size_t>> without;
    for (const DimensionRow& row : rows)
        without.push_back(s.placeOwn(row, kLabelSize));
    loadNames(s, f, nameSize);
    reactionNames(s, f, shape, nameSize);
    std::vector<Apart> texts;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (Apart& a : rows[i].apart(without[i], kLabelSize))
            texts.push_back(std::move(a));
    return {std::move(s), std::move(texts)};
}

// The longest load block or reaction ordinate the figure draws, in kN/m2.
double pressureReach(const model::DesignData& d) {
    double reach = 0;
    auto take = [&](std::initializer_list<float> values) {
        for (float v : values)
            reach = std::max(reach, std::fabs(double(v)));
    };
    take({d.VP, d.V1, d.V2, d.V3, d.V4, d.V5, d.VR});
    if (d.B_Span != 0) take({d.W1});
    if (d.B_Heel != 0) take({d.W2, d.W3});
    if (d.B_Toe != 0) take({d.W4, d.W5});
    return reach;
}

// The figure at the two scales when it fits its room (the printable width, between the heading and the
// text that follows). Else its length scale shrinks until it is narrow enough; then, until it is low
// enough, the pressure scale, but no further than to leave the longest block or ordinate 400 twips long;
// then both together. A figure that would rise above the room moves down first.
Sketch fittedFigure(const model::DesignData& d, const SectionForcesChoices& c, Shape shape, double nameSize,
                    const Box& room) {
    const Frame given{d, sectionDrawScale(d), sectionPressureScale(d.Sigma_max)};
    auto at = [&](double length, double pressure) {
        Frame f{d, given.scale / length, given.pressure * pressure};
        f.reaction = reactionScale(d, shape, f.pressure);
        Planned p = figure(f, c, shape, nameSize, room);
        if (const double over = room.top - p.sketch.extent().top; over > 0) {
            f.top += over;
            p = figure(f, c, shape, nameSize, room);
        }
        return p;
    };
    auto wide = [&](const Planned& p) {
        return p.sketch.extent().left >= room.left && p.sketch.extent().right <= room.right;
    };
    auto fits = [&](const Planned& p) {
        return wide(p) && p.sketch.extent().top >= room.top && p.sketch.extent().bottom <= room.bottom;
    };
    // The largest factor up to 1 that passes, found by halving the interval above `low`, a factor that
    // passes or 0; failing every one tried, the smallest tried.
    auto largest = [](double low, auto passes) {
        if (passes(1.0)) return 1.0;
        double high = 1;
        for (int i = 0; i < 24; ++i) {
            const double mid = (low + high) / 2;
            (passes(mid) ? low : high) = mid;
        }
        return low > 0 ? low : high;
    };
    // Most figures fit at the scales given; planned once, that figure is the page's.
    if (Planned p = at(1, 1); fits(p)) return std::move(p).finished();
    const double length = largest(0, [&](double k) { return wide(at(k, 1)); });
    if (Planned p = at(length, 1); fits(p)) return std::move(p).finished();
    const double reach = pressureReach(d) * given.pressure;
    const double least = reach > 400 ? 400 / reach : 1;
    if (fits(at(length, least)))
        return at(length, largest(least, [&](double k) { return fits(at(length, k)); })).finished();
    const double both = largest(0, [&](double k) { return fits(at(length * k, least * k)); });
    return at(length * both, least * both).finished();
}

} // namespace

void writeSectionForces(Surface& s, const model::DesignData& d, const SectionForcesChoices& c) {
    const double nameSize = s.fontSize();
    heading(s, d, c);
    // The figure keeps to the A4 printable width, which the preview's canvas also takes without a printer,
    // and ends 100 twips above the text flow.
    const Box room{0, s.currentY(), platform::PrinterGeometry{}.printableWidth, kFlowTop - 100};
    const Shape shape = reactionShape(d);
    fittedFigure(d, c, shape, nameSize, room).draw(s);
    contactLines(s, d, shape);
    reactionLines(s, d, shape);
    loadLines(s, d, c);
    coefficient(s, d, c);
}

} // namespace report
