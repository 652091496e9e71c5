#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/runtime.h"
#include "platform/services.h"
#include "report/conditions/report_pages.h"
#include "report/dimension_row.h"
#include "report/page_format.h"
#include "report/placement.h"

namespace report {

using model::GroundShape;
using model::LoadCase;
using platform::format;
using platform::Surface;
using platform::toSingle;

namespace {

std::optional<double> ratio(double numer, double denom) {
    if (denom == 0) return std::nullopt;
    return numer / denom;
}

std::string mm(double metres) {
    return dimensionText(metres * 1000.0);
}

// The width a base may take on the page: from its front end at 2850 twips, the dimensions beyond its
// back end reach about 1850 further, to the right end of the tables below.
constexpr double kDrawingWidth = 6200;
// The steps in which a text moves off a line.
constexpr double kStep = 25;
// A leader ends this far inside what it names at the most.
constexpr double kTipInset = 40;

} // namespace

float printedBackSoilArea(const model::DesignData& d) {
    if (d.B_Heel == 0 && toSingle(double(d.Batter_BackIn) + d.T_WallBackTop) == d.T_WallBack) return 0;
    return d.A_BackSoil;
}

float printedFrontSoilArea(const model::DesignData& d, GroundShape shape) {
    if (shape == GroundShape::OneSided && d.B_Toe == 0) return 0;
    return d.A_FrontSoil;
}

void writeWallDrawing(Surface& s, const model::DesignData& d, const WallPageChoices& c) {
    emptyLines(s, 5);
    s.print({"          § ", d.SectionNo, "．ＲＣ擁壁（", d.WallSymbol, "）の設計"});
    s.print();
    const double headY = s.currentY();
    std::string head;
    if (c.loadCase == LoadCase::Normal)
        head = "            " + d.SectionNo + "－１ 荷重の計算（常時）";
    else if (c.loadCase == LoadCase::Seismic)
        head = "            " + d.SectionNo + "－１ 荷重の計算（地震時）";
    if (!head.empty()) s.print({head});

    const bool oneSided = c.shape == GroundShape::OneSided;
    const bool twoSided = c.shape == GroundShape::TwoSided && !oneSided;
    const double height = double(d.H1) + d.H2;
    // The drawing stands on its taller wall, 1000 / 0.35 twips high above 1 m; a base too wide for the
    // page at that scale is drawn smaller, so that the dimensions beyond its back end stay on the page.
    const double top = std::max(height, double(d.H3) + d.H4);
    const double byHeight = toSingle(top) <= 1.0f ? 0.35 : double(toSingle(top * 3.5 / 10.0));
    const double scale = std::max(byHeight, double(toSingle(double(d.B) * 1000.0 / kDrawingWidth)));
    auto X = [&](double x) { return double(toSingle(2850.0 + x * 1000.0 / scale)); };
    auto Y = [&](double y) { return double(toSingle(2600.0 + (top - y) * 1000.0 / scale)); };
    KeptDrawing page(s);
    // The drawing keeps under the chapter head and above the lines below it, within the printable width;
    // beside the head's line, clear of it, stand only texts set apart from their places.
    page.room = Clearance(Box{0, headY, platform::PrinterGeometry{}.printableWidth, 6650});
    page.room.addText(0, headY, head, kTextSize);
    auto wall = [&](double x1, double y1, double x2, double y2) { page.line(X(x1), Y(y1), X(x2), Y(y2)); };

    const double B = d.B, bToe = d.B_Toe, bHeel = d.B_Heel, tSlab = d.T_Slab;
    const double backH = double(d.H_BackSoil) + d.H2, frontH = double(d.H_FrontSoil) + d.H3;
    const double xBackOut = B - bHeel - d.Batter_BackOut; // outer top corner of the back wall
    const double xFrontOut = bToe + d.Batter_FrontOut;    // outer top corner of the front wall
    const double hc = tSlab + d.H_CenterSoil;
    // The face points at a ground or fill level divide by a wall's height above the slab; a wall of
    // no such height leaves them, and whatever stands on them, out of the drawing.
    std::optional<double> gb, gf, cf, cb;
    if (auto r = ratio(double(d.Batter_BackOut) * d.H2, backH)) gb = xBackOut + *r;
    if (auto r = ratio(double(d.Batter_FrontOut) * d.H_FrontSoil, frontH)) gf = bToe + *r;
    if (auto r = ratio(double(d.Batter_FrontIn) * d.H_CenterSoil, frontH)) cf = bToe + d.T_WallFront - *r;
    if (auto r = ratio(double(d.Batter_BackIn) * d.H_CenterSoil, backH)) cb = B - bHeel - d.T_WallBack + *r;

    const double topF = double(d.H3) + d.H4;
    wall(xFrontOut, topF, xFrontOut + d.T_WallFrontTop, topF);
    wall(xFrontOut, topF, bToe, tSlab);
    wall(bToe + d.T_WallFront - d.Batter_FrontIn, topF, bToe + d.T_WallFront, tSlab);
    const double backInTop = xBackOut - d.T_WallBackTop;
    wall(backInTop, height, xBackOut, height);
    wall(backInTop, height, backInTop - d.Batter_BackIn, tSlab);
    wall(xBackOut, height, B - bHeel, tSlab);
    wall(bToe + d.T_WallFront, tSlab, B - bHeel - d.T_WallBack, tSlab);
    wall(bToe, 0, B - bHeel, 0);
    if (bHeel != 0) {
        wall(B - bHeel, tSlab, B, d.T_HeelTip);
        wall(B, d.T_HeelTip, B, 0);
        wall(B - bHeel, 0, B, 0);
    } else {
        wall(B - bHeel, tSlab, B - bHeel, 0);
    }
    if (bToe != 0) {
        wall(bToe, tSlab, 0, d.T_ToeTip);
        wall(0, d.T_ToeTip, 0, 0);
        wall(bToe, 0, 0, 0);
    } else {
        wall(bToe, tSlab, bToe, 0);
    }

    const double yH1 = Y(d.H1), yH4 = Y(d.H4);
    const bool slabAboveFront = tSlab > d.H4;
    if (gb) page.line(X(*gb), yH1, X(B) + 900, yH1);
    if (oneSided) {
        if (!slabAboveFront && gf)
            page.line(1300, yH4, X(*gf), yH4);
        else if (slabAboveFront)
            page.line(1300, yH4, 2850, yH4);
    } else if (twoSided && gf) {
        page.line(1600, yH1, X(*gf), yH1);
    }
    if (cf && cb) page.line(X(*cf), Y(hc), X(*cb), Y(hc));

    // A back block of 10 twips per kN/m2 that would reach up into the dimensions above the walls stops
    // below them; its label gives the load.
    const double backTop = std::max(yH1 - 10.0 * d.q_Back, std::min(2550.0, yH1 - 100.0));
    // Each block's top line, where its label's leader may end.
    std::optional<Segment> backBlock, frontBlock, centreBlock;
    if (gb) {
        const double top = backTop;
        page.line(X(*gb), top, X(*gb) + 1200, top);
        page.line(X(*gb), yH1, X(*gb), top);
        for (int k = 1; k <= 12; ++k)
            page.line(X(*gb) + 100 * k, yH1, X(*gb) + 100 * k, top);
        backBlock = Segment{X(*gb), top, X(*gb) + 1200, top};
        page.room.addBlock({X(*gb), top, X(*gb) + 1200, yH1});
    }
    if (d.q_Front != 0 && gf && (oneSided || twoSided)) {
        const double base = oneSided ? (slabAboveFront ? Y(tSlab) : yH4) : yH1;
        const double start = oneSided ? (slabAboveFront ? 700 : 1200) : 1100;
        const int strokes = oneSided && slabAboveFront ? 7 : 12;
        const double top = base - 10.0 * d.q_Front;
        page.line(X(bToe) - start, top, X(*gf), top);
        for (int k = 0; k <= strokes; ++k)
            page.line(X(*gf) - 100 * k, base, X(*gf) - 100 * k, top);
        frontBlock = Segment{X(bToe) - start, top, X(*gf), top};
        page.room.addBlock({X(bToe) - start, top, X(*gf), base});
    }
    if (d.q_Center != 0 && cf && cb) {
        const double top = Y(hc) - 10.0 * d.q_Center;
        page.line(X(*cf), top, X(*cb), top);
        // The strokes from either wall stop at the other: a narrow span holds fewer.
        for (int k = 0; k <= 7 && X(*cf) + 100 * k <= X(*cb); ++k) {
            page.line(X(*cf) + 100 * k, Y(hc), X(*cf) + 100 * k, top);
            page.line(X(*cb) - 100 * k, Y(hc), X(*cb) - 100 * k, top);
        }
        centreBlock = Segment{X(*cf), top, X(*cb), top};
        page.room.addBlock({X(*cf), top, X(*cb), Y(hc)});
    }

    // Dimension lines.
    const double xFrontTopIn = xFrontOut + d.T_WallFrontTop;
    page.line(X(xFrontOut), 2100, X(xBackOut), 2100);
    page.line(X(xFrontOut), 2100, X(xFrontOut), 2500);
    page.line(X(xBackOut), 2100, X(xBackOut), 2500);
    page.line(X(xFrontTopIn), 2100, X(xFrontTopIn), 2500);
    page.line(X(backInTop), 2100, X(backInTop), 2500);
    if (d.Batter_FrontOut != 0) {
        page.line(X(xFrontOut), 2100, X(bToe), 2100);
        page.line(X(bToe), 2100, X(bToe), 2500);
    }
    if (d.Batter_BackOut != 0) {
        page.line(X(xBackOut), 2100, X(B - bHeel), 2100);
        page.line(X(B - bHeel), 2100, X(B - bHeel), 2500);
    }
    const double y0 = Y(0);
    page.line(1600, Y(topF), 1600, y0);
    page.line(1600, Y(topF), 2750, Y(topF));
    page.line(1600, y0, 2750, y0);
    page.line(2100, Y(d.T_ToeTip), 2100, y0);
    page.line(2100, Y(d.T_ToeTip), 2750, Y(d.T_ToeTip));
    if (bToe == 0 && twoSided) page.line(2100, Y(tSlab), 2750, Y(tSlab));
    if (twoSided) page.line(2100, Y(d.T_ToeTip), 2100, yH1);
    const double xr = X(B);
    page.line(xr + 1250, yH1, xr + 1250, y0);
    page.line(xr + 1250, yH1, xr + 150, yH1);
    page.line(xr + 1250, y0, xr + 150, y0);
    const double tipY = Y(d.T_HeelTip != 0 ? d.T_HeelTip : d.T_Slab);
    page.line(xr + 750, tipY, xr + 150, tipY);
    page.line(xr + 750, yH1, xr + 750, y0);
    if (d.H2 != 0) {
        page.line(xr + 1250, Y(height), xr + 1250, yH1);
        page.line(xr + 1250, Y(height), xr + 150, Y(height));
    }
    const double xm = bToe + d.T_WallFront + d.B_Span / 4.0;
    page.line(X(xm), Y(hc), X(xm), y0);
    page.line(2850, y0 + 600, xr, y0 + 600);
    page.line(2850, y0 + 900, xr, y0 + 900);
    page.line(2850, y0 + 900, 2850, y0 + 200);
    for (double x : {bToe, bToe + d.T_WallFront, B - bHeel - d.T_WallBack, B - bHeel})
        page.line(X(x), y0 + 600, X(x), y0 + 200);
    page.line(xr, y0 + 900, xr, y0 + 200);

    // The dotted part boundaries, drawn last; the texts keep clear of them too.
    const float backSoil = printedBackSoilArea(d), frontSoil = printedFrontSoilArea(d, c.shape);
    std::vector<std::array<double, 4>> dotted{{xr, Y(d.T_HeelTip), xr, yH1}};
    if (frontSoil > 0 && oneSided) dotted.push_back({2850, yH4, 2850, Y(d.T_ToeTip)});
    if (frontSoil > 0 && twoSided) dotted.push_back({2850, yH1, 2850, Y(d.T_ToeTip)});
    if (bToe != 0) dotted.push_back({X(bToe), Y(tSlab), X(bToe), y0});
    dotted.push_back({X(bToe + d.T_WallFront), Y(tSlab), X(bToe + d.T_WallFront), y0});
    dotted.push_back({X(B - bHeel - d.T_WallBack), Y(tSlab), X(B - bHeel - d.T_WallBack), y0});
    if (bHeel != 0) dotted.push_back({X(B - bHeel), y0, X(B - bHeel), Y(tSlab)});
    for (const auto& l : dotted)
        page.room.addLine(l[0], l[1], l[2], l[3]);

    // Dimension numbers in mm, each line's by the row it measures.
    s.setFontSize(kLabelSize);
    const double xWallFront = X(bToe + d.T_WallFront), xWallBack = X(B - bHeel - d.T_WallBack);
    auto at = [](double x, double y) { return std::optional<Point>(Point{x, y}); };
    DimensionRow tops = DimensionRow::across(2100, 1900, 1700);
    tops.open();
    if (d.Batter_FrontOut != 0)
        tops.segment(X(bToe), X(xFrontOut), mm(d.Batter_FrontOut), at(X(bToe) - 200, 1900));
    tops.segment(X(xFrontOut), X(xFrontTopIn), mm(d.T_WallFrontTop),
                 at(X(xFrontOut + d.T_WallFrontTop / 2.0) - 100, 1900));
    tops.segment(X(xFrontTopIn), X(backInTop), mm(d.B_SpanTop),
                 at(X(xFrontTopIn + d.B_SpanTop / 2.0) - 200, 1900));
    tops.segment(X(backInTop), X(xBackOut), mm(d.T_WallBackTop),
                 at(X(xBackOut - d.T_WallBackTop / 2.0) - 150, 1900));
    if (d.Batter_BackOut != 0)
        tops.segment(X(xBackOut), X(B - bHeel), mm(d.Batter_BackOut), at(X(B - bHeel), 1900));

    // The heights on the left stand left of their line, those on the right of the back wall right of the
    // outer line and left of the inner one.
    DimensionRow left = DimensionRow::upright(1600, -1);
    if (oneSided) {
        left.segment(Y(topF), yH4, mm(d.H3), at(1400, Y(d.H4 + d.H3 / 2.0) - 50));
        left.segment(yH4, y0, mm(d.H4), at(1400, Y(d.H4 / 2.0) - 75));
    } else if (twoSided) {
        if (d.H2 != 0) left.segment(Y(height), yH1, mm(d.H2), at(1400, Y(d.H1 + d.H2 / 2.0) - 50));
        left.segment(yH1, y0, mm(d.H1), at(1400, Y(d.H1 / 2.0) - 50));
    }
    DimensionRow outer = DimensionRow::upright(xr + 1250, 1);
    if (d.H2 != 0) outer.segment(Y(height), yH1, mm(d.H2), at(xr + 1300, Y(d.H1 + d.H2 / 2.0) - 50));
    outer.segment(yH1, y0, mm(d.H1), at(xr + 1050, Y(d.H1 / 2.0) - 50));
    const double heelSoil = toSingle(double(d.H_BackSoil) + d.Taper_Heel);
    const double toeSoil = toSingle(double(d.H_BackSoil) + d.Taper_Toe);
    DimensionRow inner = DimensionRow::upright(xr + 750, -1);
    if (bHeel != 0) {
        inner.segment(yH1, tipY, mm(heelSoil), at(xr + 400, Y(d.H1 - heelSoil / 2.0) - 50));
        inner.segment(tipY, y0, mm(d.T_HeelTip), at(xr + 450, Y(d.T_HeelTip / 2.0) - 75));
    } else {
        inner.segment(yH1, tipY, mm(d.H_BackSoil), at(xr + 400, Y(d.H1 - d.H_BackSoil / 2.0) - 50));
        inner.segment(tipY, y0, mm(tSlab), at(xr + 450, Y(tSlab / 2.0) - 75));
    }
    DimensionRow toe = DimensionRow::upright(2100, 1);
    if (bToe != 0 && twoSided)
        toe.segment(yH1, Y(d.T_ToeTip), mm(toeSoil), at(2000, Y(d.H1 - toeSoil / 2.0) - 50));
    if (bToe == 0 && twoSided) {
        toe.segment(yH1, Y(tSlab), mm(toSingle(double(d.H1) - tSlab)),
                    at(2000, Y(d.H1 - d.H_BackSoil / 2.0) - 50));
        toe.segment(Y(tSlab), y0, mm(tSlab), at(2150, Y(tSlab / 2.0) - 75));
    }
    if (bToe != 0) toe.segment(Y(d.T_ToeTip), y0, mm(d.T_ToeTip), at(2150, Y(d.T_ToeTip / 2.0) - 75));
    // The slab and the fill between the walls, on the span's side of their line.
    DimensionRow middle = DimensionRow::upright(X(xm), 1);
    middle.segment(Y(hc), Y(tSlab), mm(d.H_CenterSoil),
                   at(X(xm) - 100, Y(tSlab + d.H_CenterSoil / 2.0) - 75));
    middle.segment(Y(tSlab), y0, mm(tSlab), at(X(xm) - 100, Y(tSlab / 2.0) - 75));

    // The parts' widths under the base, staggered up between the base and their extension lines where
    // crowded; the whole width in its own row below.
    DimensionRow parts = DimensionRow::across(y0 + 600, y0 + 400, y0 + 10);
    if (bToe != 0) parts.segment(X(0), X(bToe), mm(bToe), at(X(bToe / 2.0) - 150, y0 + 400));
    parts.segment(X(bToe), xWallFront, mm(d.T_WallFront), at(X(bToe + d.T_WallFront / 2.0) - 100, y0 + 400));
    parts.segment(xWallFront, xWallBack, mm(d.B_Span),
                  at(X(bToe + d.T_WallFront + d.B_Span / 2.0) - 200, y0 + 400));
    parts.segment(xWallBack, X(B - bHeel), mm(d.T_WallBack),
                  at(X(B - bHeel - d.T_WallBack / 2.0) - 100, y0 + 400));
    if (bHeel != 0) parts.segment(X(B - bHeel), xr, mm(bHeel), at(X(B - bHeel / 2.0) - 100, y0 + 400));
    DimensionRow whole = DimensionRow::across(y0 + 900, y0 + 700);
    whole.segment(X(0), xr, mm(B), at(X(B / 2.0) - 200, y0 + 700));
    // Every number that has room by its segment first; those without stand apart once every text has
    // had its own place.
    const DimensionRow* rows[] = {&tops, &left, &outer, &inner, &toe, &middle, &parts, &whole};
    std::vector<std::vector<std::size_t>> apart;
    for (const DimensionRow* row : rows)
        apart.push_back(page.placeOwn(*row));

    // Surcharge labels, 400 and 200 twips above their blocks, moved together where that is taken (the
    // central one within the span); else apart, above the base, with a leader to the block's top.
    struct Label {
        std::vector<Piece> group;
        Point at;
        Segment block;
    };
    std::vector<Label> labelsApart;
    auto label = [&](std::string_view word, double xWord, double xValue, float q, double top,
                     const std::optional<Segment>& block,
                     std::optional<std::pair<double, double>> within = std::nullopt) {
        const std::vector<Piece> group{Piece{0, 0, std::string(word)},
                                       Piece{xValue - xWord, 200, format(q, "0.0#") + "kN/m2"}};
        std::vector<Point> at = around(xWord, top - 400, kStep, 800, 400);
        if (within) {
            const double wide = std::max(textWidth(group[0].text, kLabelSize),
                                         group[1].dx + textWidth(group[1].text, kLabelSize));
            std::erase_if(at,
                          [&](const Point& p) { return p.x < within->first || p.x + wide > within->second; });
        }
        const auto clear = std::find_if(
            at.begin(), at.end(), [&](const Point& p) { return page.room.clear(p, group, kLabelSize); });
        if (clear != at.end())
            page.place({*clear}, group);
        else if (block)
            labelsApart.push_back({group, at.empty() ? Point{xWord, top - 400} : at.front(), *block});
        else
            page.place(at.empty() ? std::vector<Point>{{xWord, top - 400}} : at, group);
    };
    if (d.q_Back != 0) {
        if (auto r = ratio(double(d.Batter_BackOut) * d.H2, height)) {
            const double x = X(xBackOut + *r) + 300;
            label("上載荷重", x, x, d.q_Back, backTop, backBlock);
        }
    }
    if (d.q_Center != 0 && cf && cb) {
        const double x = X(bToe + d.Batter_FrontOut + d.Batter_FrontIn + d.B_Span / 2.0) - 100;
        label("上載荷重", x, x, d.q_Center, Y(hc) - 10.0 * d.q_Center, centreBlock,
              std::pair{X(*cf), X(*cb)});
    }
    if (d.q_Front != 0) {
        if (oneSided && !slabAboveFront)
            label("上載荷重", X(bToe) - 950, X(bToe) - 900, d.q_Front, yH4 - 10.0 * d.q_Front, frontBlock);
        else if (oneSided)
            label("上載荷重 ", X(bToe) - 950, X(bToe) - 900, d.q_Front, Y(tSlab) - 10.0 * d.q_Front,
                  frontBlock);
        else if (twoSided)
            label("上載荷重", X(bToe) - 950, X(bToe) - 900, d.q_Front, yH1 - 10.0 * d.q_Front, frontBlock);
    }

    // Part numbers: inside their part where there is room, nearest to their places first; else apart,
    // outside every part, with a leader into their own.
    struct Part {
        const char* n;
        double x, y;
        Outline outline;
    };
    std::vector<Part> numbered;
    const double xHeel = X(B - bHeel), ySlab = Y(tSlab);
    if (d.A_FrontWall != 0)
        numbered.push_back({"①",
                            X(bToe + d.T_WallFront / 2.0) - 100,
                            Y((topF + tSlab) / 2.0) - 50,
                            {{{X(bToe), y0},
                              {X(bToe), ySlab},
                              {X(xFrontOut), Y(topF)},
                              {X(bToe + d.T_WallFront - d.Batter_FrontIn), Y(topF)},
                              {xWallFront, ySlab},
                              {xWallFront, y0}}}});
    if (d.A_BackWall != 0)
        numbered.push_back({"②",
                            X(B - bHeel - d.T_WallBack / 2.0) - 100,
                            Y(height / 2.0) - 50,
                            {{{xWallBack, y0},
                              {X(backInTop - d.Batter_BackIn), ySlab},
                              {X(backInTop), Y(height)},
                              {X(xBackOut), Y(height)},
                              {xHeel, ySlab},
                              {xHeel, y0}}}});
    if (d.A_Slab != 0)
        numbered.push_back({"③",
                            X(bToe + d.T_WallFront + d.B_Span / 2.0) - 50,
                            Y(tSlab / 2.0) - 50,
                            {{{xWallFront, ySlab}, {xWallBack, ySlab}, {xWallBack, y0}, {xWallFront, y0}}}});
    if (d.A_Heel != 0)
        numbered.push_back({"④",
                            X(B - bHeel / 2.0) - 100,
                            Y(d.T_HeelTip / 2.0) - 50,
                            {{{xHeel, ySlab}, {xr, Y(d.T_HeelTip)}, {xr, y0}, {xHeel, y0}}}});
    if (d.A_Toe != 0)
        numbered.push_back({"⑤",
                            X(bToe / 2.0) - 100,
                            Y(d.T_ToeTip / 2.0) - 50,
                            {{{X(0), Y(d.T_ToeTip)}, {X(bToe), ySlab}, {X(bToe), y0}, {X(0), y0}}}});
    if (d.A_CenterSoil != 0) {
        // The fill narrows to its surface between battered faces.
        numbered.push_back({"⑥",
                            X(bToe + d.T_WallFront + d.B_Span / 2.0) + 100,
                            Y(tSlab + d.H_CenterSoil / 2.0) - 50,
                            {{{xWallFront, ySlab},
                              {xWallBack, ySlab},
                              {cb ? X(*cb) : xWallBack, Y(hc)},
                              {cf ? X(*cf) : xWallFront, Y(hc)}}}});
    }
    if (backSoil != 0)
        numbered.push_back({"⑦",
                            X(B - bHeel / 2.0) - 100,
                            Y(d.H1 - d.H_BackSoil / 2.0) - 50,
                            {{{gb ? X(*gb) : X(xBackOut), yH1},
                              {xr, yH1},
                              {xr, Y(bHeel != 0 ? d.T_HeelTip : tSlab)},
                              {xHeel, ySlab}}}});
    if (frontSoil > 0) {
        const double y = oneSided ? Y(tSlab + d.H_FrontSoil / 2.0) : Y(d.H1 - d.H_BackSoil / 2.0);
        const double ground = oneSided ? yH4 : yH1;
        numbered.push_back(
            {"⑧",
             X(bToe / 2.0) - 100,
             y - 25,
             {{{X(0), ground}, {gf ? X(*gf) : X(bToe), ground}, {X(bToe), ySlab}, {X(0), Y(d.T_ToeTip)}}}});
    }
    std::vector<const Part*> partsApart;
    for (const Part& part : numbered) {
        const char* n = part.n;
        const std::vector<Point> at = around(part.x, part.y, kStep, 600, 1500);
        const auto roomy = std::find_if(at.begin(), at.end(), [&](const Point& p) {
            return part.outline.holds(textBox(p.x, p.y, n, kLabelSize)) &&
                   page.room.clear(p.x, p.y, n, kLabelSize, Clearance::kNarrowGap);
        });
        if (roomy != at.end())
            page.place({*roomy}, n, Clearance::kNarrowGap);
        else
            partsApart.push_back(&part);
    }

    // The texts without room at their places, each apart with a leader to what it names: no text set
    // apart stands inside a part.
    for (const Part& part : numbered)
        page.room.addPart(part.outline);
    std::vector<Apart> texts;
    for (std::size_t i = 0; i < std::size(rows); ++i)
        for (Apart& a : rows[i]->apart(apart[i], kLabelSize))
            texts.push_back(std::move(a));
    for (const Label& l : labelsApart)
        texts.push_back(
            {.group = l.group,
             .target = {.tips = along({l.block.x1, l.block.y1}, {l.block.x2, l.block.y2}, kTipInset, 50),
                        .floor = y0 - Clearance::kGapUpDown},
             .fallback = l.at,
             .mayStandInPart = true});
    for (const Part* part : partsApart)
        texts.push_back({.group = {Piece{0, 0, part->n}},
                         .target = {.tips = part->outline.inner(kTipInset), .offLines = true},
                         .fallback = {part->x, part->y}});
    page.setApart(texts);

    // Dotted part boundaries.
    s.setDrawStyle(platform::DrawStyle::Dot);
    for (const auto& l : dotted)
        s.line(l[0], l[1], l[2], l[3]);
    s.setDrawStyle(platform::DrawStyle::Solid);

    s.setFontSize(kTextSize);
    placeText(s, 0, 6700, {"                   地表面と水平面とのなす角度 β=0ﾟ"});
    s.print({"                   壁背面と鉛直面とのなす角度 θ=", format(d.Theta, "0.00#"), "ﾟ"});
    s.print({"                   粘着力０の土圧に対しては、H=Ho=", format(d.H_EarthPressure, "0.000"), "m"});
    s.print();
}

} // namespace report
