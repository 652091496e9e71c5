#include "page_layout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPolygonF>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <sstream>

#include "gui/page_painter.h"
#include "gui/qt_convert.h"
#include "platform/runtime.h"
#include "report/placement.h"

namespace gui_test {
namespace {

std::string number(double v) {
    std::ostringstream s;
    s << std::lround(v);
    return s.str();
}

std::string lineName(const platform::LineOp& l) {
    std::string style = l.style == platform::DrawStyle::Dot    ? "dotted "
                        : l.style == platform::DrawStyle::Dash ? "dashed "
                                                               : "";
    return style + "line (" + number(l.x1) + "," + number(l.y1) + ")-(" + number(l.x2) + "," + number(l.y2) +
           ")";
}

std::string textName(const platform::TextOp& t) {
    return "「" + t.text + "」 at (" + number(t.x) + "," + number(t.y) + ")";
}

// The ink of a text drawn from the origin of its baseline, glyph by glyph: their outlines where the text
// layout sets them (QFontMetricsF::tightBoundingRect misplaces glyphs after a change of script).
std::vector<QRectF> glyphsOf(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<QRectF> out;
    if (!line.isValid()) return out;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF g = raw.boundingRect(glyphs[i]);
            if (!g.isEmpty()) out.push_back(g.translated(at[i] - QPointF(0, line.ascent())));
        }
    }
    return out;
}

// The figures' frames: the part of its page a figure is drawn in, between the texts above and below it.
struct Frame {
    int page;
    QRectF area;
    const char* name;
};
const Frame kFrames[] = {
    // From the line of the chapter's head (texts set apart may stand beside it), above 6700.
    {2, QRectF(0, 1540, 11500, 5110), "the wall drawing's frame"},
    {4, QRectF(8800, 3300, 2700, 2300), "the stability sketch's frame"}, // beside the bearing checks
};

// Whether a straight line passes through the inside of a rectangle.
bool crosses(const QLineF& line, const QRectF& box) {
    return !box.isEmpty() && report::crosses(line.x1(), line.y1(), line.x2(), line.y2(),
                                             {box.left(), box.top(), box.right(), box.bottom()});
}

} // namespace

std::string LayoutFault::message(const std::string& wall) const {
    return "page " + std::to_string(page) + ", " + wall + ": " + first + " / " + second;
}

SheetLayout::SheetLayout() : printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    // A point is 20 twips.
    const QRectF paint = printer_.pageLayout().paintRect(QPageLayout::Point);
    width_ = paint.width() * 20;
    height_ = paint.height() * 20;
}

std::vector<PrintedItem> SheetLayout::items(const platform::Page& sheet) {
    std::vector<PrintedItem> out;
    // Device pixels per twip, as the print path paints.
    const double scale = printer_.resolution() / 1440.0;
    for (const auto& op : sheet) {
        PrintedItem item;
        if (const auto* t = std::get_if<platform::TextOp>(&op)) {
            const gui::PageFont& f = gui::pageFont(t->fontName, t->fontSize * 20.0 * scale, &printer_);
            const QString text = gui::pageText(t->text);
            const std::vector<QRectF> glyphs = glyphsOf(text, f.font, &printer_);
            if (glyphs.empty()) continue; // blanks only
            const QRawFont raw = QRawFont::fromFont(f.font);
            for (char32_t c : text.toUcs4())
                if (!raw.supportsCharacter(c)) item.lacking.push_back(c);
            item.text = true;
            for (const QRectF& g : glyphs) {
                item.glyphs.push_back(QRectF(t->x + g.left() / scale, t->y + (f.ascent + g.top()) / scale,
                                             g.width() / scale, g.height() / scale));
                item.box |= item.glyphs.back();
            }
            item.what = textName(*t);
            const report::Box set = report::textBox(t->x, t->y, t->text, t->fontSize);
            item.set = QRectF(QPointF(set.left, set.top), QPointF(set.right, set.bottom));
            item.pageNumber = t->x == kPageNumberX && t->y == kPageNumberY && t->text.rfind("－ ", 0) == 0;
        } else if (const auto* l = std::get_if<platform::LineOp>(&op)) {
            item.line = QLineF(l->x1, l->y1, l->x2, l->y2);
            item.dotted = l->style == platform::DrawStyle::Dot;
            item.box = QRectF(item.line.p1(), item.line.p2()).normalized();
            item.what = lineName(*l);
        }
        out.push_back(std::move(item));
    }
    return out;
}

std::vector<LayoutFault> SheetLayout::check(const platform::Page& sheet, int page) {
    const std::vector<PrintedItem> all = items(sheet);
    std::vector<LayoutFault> faults;
    auto fault = [&](const PrintedItem& a, const std::string& b) { faults.push_back({page, a.what, b}); };
    for (const PrintedItem& a : all) {
        for (char32_t c : a.lacking) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
            fault(a, std::string("set in another font: ") + code + " is not in the report's font");
        }
        const QRectF& box = a.box;
        if (box.left() < 0 || box.top() < 0 || box.right() > width_ || box.bottom() > height_)
            fault(a, "beyond the printable area (" + number(width_) + " × " + number(height_) + ")");
        else if (!a.pageNumber && box.bottom() > kPageNumberY)
            fault(a, "in the page-number band (from " + number(kPageNumberY) + ")");
    }
    // A figure's line that starts in its frame stays in it.
    for (const Frame& frame : kFrames) {
        if (frame.page != page) continue;
        for (const PrintedItem& a : all)
            if (!a.text && frame.area.contains(a.line.p1()) != frame.area.contains(a.line.p2()))
                fault(a, std::string("leaves ") + frame.name);
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PrintedItem& a = all[i];
        if (!a.text) continue;
        for (std::size_t j = 0; j < all.size(); ++j) {
            const PrintedItem& b = all[j];
            if (b.text && j > i) {
                // Overlapping ink, or two texts of one line with less than a sliver between them. Glyphs
                // that fill their whole line (a vertical bar) may touch the next line's.
                const double down =
                    std::min(a.box.bottom(), b.box.bottom()) - std::max(a.box.top(), b.box.top());
                const double across =
                    std::min(a.box.right(), b.box.right()) - std::max(a.box.left(), b.box.left());
                const bool oneLine = down > 0.3 * std::min(a.box.height(), b.box.height());
                const bool inked = std::any_of(a.glyphs.begin(), a.glyphs.end(), [&](const QRectF& g) {
                    return std::any_of(b.glyphs.begin(), b.glyphs.end(), [&](const QRectF& h) {
                        const QRectF both = g & h;
                        return both.width() > kTouch && both.height() > kTouch;
                    });
                });
                if (down > kTouch && (inked || (oneLine && across > -kTextGap))) fault(a, b.what);
            } else if (!b.text && std::any_of(a.glyphs.begin(), a.glyphs.end(), [&](const QRectF& g) {
                           return crosses(b.line, g.adjusted(-kLineGap, -kLineGap, kLineGap, kLineGap));
                       })) {
                fault(a, b.what);
            }
        }
    }
    return faults;
}

namespace {

bool near(double a, double b, double within = 1) {
    return std::fabs(a - b) <= within;
}

// A length in mm as a dimension prints it; nothing for one that rounds to 0.
std::string millimetres(double mm) {
    const std::string t = platform::format(mm, "##,###");
    return t.find_first_of("0123456789") == std::string::npos ? std::string() : t;
}

bool numberLike(const std::string& t) {
    return !t.empty() && t.find_first_not_of("-0123456789,") == std::string::npos;
}

std::string plain(const std::string& what) {
    const auto open = what.find("「"), close = what.find("」");
    if (open == std::string::npos || close == std::string::npos) return {};
    return what.substr(open + 3, close - open - 3);
}

// The distinct positions of a sorted list, those within a twip of each other taken as one.
std::vector<double> distinct(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::vector<double> out;
    for (double x : v)
        if (out.empty() || x - out.back() > 1) out.push_back(x);
    return out;
}

bool horizontal(const QLineF& l) {
    return near(l.y1(), l.y2(), 0.01) && !near(l.x1(), l.x2(), 0.01);
}

bool vertical(const QLineF& l) {
    return near(l.x1(), l.x2(), 0.01) && !near(l.y1(), l.y2(), 0.01);
}

std::string pointName(const QPointF& p) {
    std::string name = "(";
    name += number(p.x()) + "," + number(p.y()) + ")";
    return name;
}

double distance(const QPointF& p, const QRectF& box) {
    const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
    const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
    return std::hypot(dx, dy);
}

double distance(const QPointF& p, const QLineF& l) {
    const QPointF along = l.p2() - l.p1();
    const double squared = QPointF::dotProduct(along, along);
    const double t =
        squared == 0 ? 0 : std::clamp(QPointF::dotProduct(p - l.p1(), along) / squared, 0.0, 1.0);
    const QPointF foot = l.p1() + t * along;
    return std::hypot(p.x() - foot.x(), p.y() - foot.y());
}

// The part of its page a figure's lines lie in: page 2's wall drawing, page 5's section-force figure above
// the text that follows it (the coefficient formulas below draw lines of their own).
QRectF figureFrame(int page, double width) {
    return page == 2 ? kFrames[0].area : QRectF(0, 0, width, 6900);
}

// One dimension line with the extension lines that mark off its segments.
struct DimensionLine {
    bool across = true;
    double at = 0;                      // a row's y, an upright's x
    std::vector<double> ticks;          // where the extension lines meet it, in order: x across, y upright
    double bandTop = 0, bandBottom = 0; // where a row's numbers stand
};

struct Dimensions {
    double perMetre = 0, partsY = 0;
    std::vector<DimensionLine> lines;
    // What a segment's length prints as at the drawing's scale.
    std::string due(double from, double to) const {
        return millimetres(std::fabs(to - from) / perMetre * 1000);
    }
};

// The dimension lines of the drawing of the wall `d` on page 2 or 5, read from the sheet: the two rows under
// the base from its front end at 2850 (the lowest measures the whole width B and so gives the scale), page
// 2's row above the walls, and the heights' upright lines. None where the rows under the base are missing.
std::optional<Dimensions> dimensionsOf(const std::vector<const PrintedItem*>& lines, int page,
                                       const model::DesignData& d) {
    std::vector<std::pair<double, double>> rows; // (y, right end)
    for (const PrintedItem* l : lines)
        if (horizontal(l->line) && near(std::min(l->line.x1(), l->line.x2()), 2850) &&
            l->line.y1() < (page == 2 ? 6700 : 6900))
            rows.emplace_back(l->line.y1(), std::max(l->line.x1(), l->line.x2()));
    std::sort(rows.begin(), rows.end());
    if (rows.size() < 2 || d.B <= 0) return std::nullopt;
    const double wholeY = rows.back().first, right = rows.back().second;
    Dimensions dims;
    dims.partsY = wholeY;
    for (const auto& [y, r] : rows)
        if (y < wholeY - 1 && near(r, right)) dims.partsY = y;
    dims.perMetre = (right - 2850) / d.B;

    struct Row {
        double y, bandTop, bandBottom, left, right;
    };
    std::vector<Row> across{{dims.partsY, dims.partsY - (page == 2 ? 610 : 700), dims.partsY, 2850, right},
                            {wholeY, dims.partsY, wholeY, 2850, right}};
    if (page == 2) {
        double l = 1e9, r = -1e9;
        for (const PrintedItem* a : lines)
            if (horizontal(a->line) && near(a->line.y1(), 2100)) {
                l = std::min({l, a->line.x1(), a->line.x2()});
                r = std::max({r, a->line.x1(), a->line.x2()});
            }
        // Its second level stands above the first, beside the chapter's head.
        if (l < r) across.push_back({2100, 1540, 2100, l, r});
    }
    for (const Row& row : across) {
        std::vector<double> ticks;
        for (const PrintedItem* a : lines) {
            const QLineF& l = a->line;
            const double top = std::min(l.y1(), l.y2()), bottom = std::max(l.y1(), l.y2());
            if (vertical(l) && l.x1() >= row.left - 1 && l.x1() <= row.right + 1 && top <= row.y + 1 &&
                bottom >= row.y - 1 && top >= row.y - 1000)
                ticks.push_back(l.x1());
        }
        dims.lines.push_back({true, row.y, distinct(ticks), row.bandTop, row.bandBottom});
    }

    // Left of the base and right of its back end, and on page 2 the slab's and the fill's between the walls,
    // a quarter of the span from the front wall.
    std::vector<double> uprights;
    if (page == 2)
        uprights = {1600, 2100, right + 750, right + 1250,
                    double(platform::toSingle(2850 + (double(d.B_Toe) + d.T_WallFront + d.B_Span / 4.0) *
                                                         dims.perMetre))};
    else
        uprights = {2100, right + 850, right + 1350};
    for (double x : uprights) {
        double top = 1e9, bottom = -1e9;
        // The dimension line, not a short stroke of a surcharge's hatching that stands on it, nor a rule of
        // the table under the figure.
        const double below = page == 2 ? 6700 : 6900;
        for (const PrintedItem* a : lines)
            if (vertical(a->line) && near(a->line.x1(), x) && std::fabs(a->line.dy()) > 60 &&
                std::max(a->line.y1(), a->line.y2()) < below) {
                top = std::min({top, a->line.y1(), a->line.y2()});
                bottom = std::max({bottom, a->line.y1(), a->line.y2()});
            }
        if (top >= bottom) continue;
        // The lines that meet it mark off its segments: the ground and the slab's top across the others, but
        // only its own extension lines, which end on it, on the toe's line, which a ground line lower than
        // the toe's top runs across.
        std::vector<double> ticks{top, bottom};
        for (const PrintedItem* a : lines) {
            const QLineF& l = a->line;
            const bool ends = near(l.x1(), x) || near(l.x2(), x);
            if (horizontal(l) && std::min(l.x1(), l.x2()) <= x + 1 && std::max(l.x1(), l.x2()) >= x - 1 &&
                (ends || x != 2100) && l.y1() >= top - 1 && l.y1() <= bottom + 1)
                ticks.push_back(l.y1());
        }
        dims.lines.push_back({false, x, distinct(ticks)});
    }
    return dims;
}

// A leader: a slanted line from beside a text to a tip at what the text names.
struct Leader {
    const PrintedItem* text;
    const PrintedItem* line;
    QPointF from, tip;
    std::string name() const {
        return text->what + " by the leader " + pointName(from) + "-" + pointName(tip);
    }
};

// A line's end with no other line's end or body this near ends in the open.
constexpr double kFreeEnd = 3;
// A leader starts this near its text's ink.
constexpr double kLeaderStart = 80;
// A line a leader meets this near its tip is what it ends on, not one it crosses.
constexpr double kAtTip = 10;

// The leaders of a figure: its lines that neither lie level nor stand upright and have an end in the open,
// by a text. The figure's own slanted lines, the battered faces, tapers, ground lines and load slopes, meet
// other lines at both ends. A leader starts by its text at its end in the open, else at its other end (one
// that starts on a line). Where more than one text is near, or both ends are in the open, the leader is the
// text's that it points away from, as it reads.
std::vector<Leader> leadersIn(const std::vector<PrintedItem>& all, const QRectF& frame) {
    std::vector<Leader> out;
    for (const PrintedItem& a : all) {
        const QLineF& l = a.line;
        if (a.text || horizontal(l) || vertical(l) || l.length() == 0 || !frame.contains(l.p1()) ||
            !frame.contains(l.p2()))
            continue;
        const std::array<QPointF, 2> ends{l.p1(), l.p2()};
        std::array<bool, 2> open{};
        for (int e : {0, 1})
            open[e] = std::none_of(all.begin(), all.end(), [&](const PrintedItem& b) {
                return !b.text && &b != &a && distance(ends[e], b.line) <= kFreeEnd;
            });
        if (!open[0] && !open[1]) continue;
        std::optional<Leader> best;
        // By the nearest text, then by the one it points away from most.
        std::pair<double, double> bestKey{1e9, 2};
        for (const bool fromOpen : {true, false}) {
            for (int e : {0, 1}) {
                if (open[e] != fromOpen) continue;
                const QPointF end = ends[e], tip = ends[1 - e];
                for (const PrintedItem& t : all) {
                    // A leader starts beside its text, not in it.
                    const double apart = t.text ? distance(end, t.box) : 1e9;
                    if (!t.text || t.pageNumber || apart > kLeaderStart || t.box.contains(end)) continue;
                    // The cosine between the way from the text to the end and the leader's own way.
                    const QPointF out = end - t.box.center(), way = tip - end;
                    const double away =
                        QPointF::dotProduct(out, way) /
                        std::max(1e-9, std::hypot(out.x(), out.y()) * std::hypot(way.x(), way.y()));
                    if (const std::pair<double, double> key{std::round(apart / 10), -away}; key < bestKey) {
                        bestKey = key;
                        best = Leader{&t, &a, end, tip};
                    }
                }
            }
            if (best) break;
        }
        if (best) out.push_back(*best);
    }
    return out;
}

double area(const QPolygonF& p) {
    double twice = 0;
    for (qsizetype i = 0; i < p.size(); ++i)
        twice += p[i].x() * p[(i + 1) % p.size()].y() - p[(i + 1) % p.size()].x() * p[i].y();
    return std::fabs(twice) / 2;
}

// Whether a point lies inside an outline, off its edges.
bool inside(const QPointF& p, const QPolygonF& outline) {
    if (area(outline) < 1 || !outline.containsPoint(p, Qt::OddEvenFill)) return false;
    for (qsizetype i = 0; i < outline.size(); ++i)
        if (distance(p, QLineF(outline[i], outline[(i + 1) % outline.size()])) < 1) return false;
    return true;
}

// Whether a box lies wholly inside an outline: its corners inside, no edge through it.
bool inside(const QRectF& box, const QPolygonF& outline) {
    for (const QPointF& c : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        if (!inside(c, outline)) return false;
    for (qsizetype i = 0; i < outline.size(); ++i)
        if (crosses(QLineF(outline[i], outline[(i + 1) % outline.size()]), box)) return false;
    return true;
}

// Whether a box and an outline share some of their inside.
bool overlaps(const QRectF& box, const QPolygonF& outline) {
    if (area(outline) < 1 || box.isEmpty()) return false;
    for (const QPointF& c :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(), box.center()})
        if (inside(c, outline)) return true;
    for (qsizetype i = 0; i < outline.size(); ++i)
        if (crosses(QLineF(outline[i], outline[(i + 1) % outline.size()]), box)) return true;
    return false;
}

const char* const kPartNumbers[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};

int partOf(const std::string& text) {
    for (int k = 0; k < 8; ++k)
        if (text == kPartNumbers[k]) return k;
    return -1;
}

// The outlines of the wall drawing's parts ① … ⑧ in twips, from the design data: ① and ② the walls with
// the slab under each, ③ the slab between them, ④ the heel, ⑤ the toe, ⑥ the fill between the walls' inner
// faces, ⑦ the back soil over the heel up to the back ground, ⑧ the front soil over the toe up to the front
// ground `frontGround` metres above the base's underside (none where there is none). X runs from the base's
// front end at 2850, Y up from its underside at y0.
std::array<QPolygonF, 8> partOutlines(const model::DesignData& d, double perMetre, double y0,
                                      std::optional<double> frontGround) {
    const double B = d.B, toe = d.B_Toe, heel = d.B_Heel, slab = d.T_Slab;
    const double frontIn = toe + d.T_WallFront, backIn = B - heel - d.T_WallBack, backOut = B - heel;
    const double frontTop = double(d.H3) + d.H4, backTop = double(d.H1) + d.H2;
    const double frontTopOut = toe + d.Batter_FrontOut, frontTopIn = frontTopOut + d.T_WallFrontTop;
    const double backTopOut = backOut - d.Batter_BackOut, backTopIn = backTopOut - d.T_WallBackTop;
    // Where a wall's face stands at height y, between its foot on the slab and its top.
    auto face = [&](double foot, double atTop, double top, double y) {
        return top == slab ? foot : foot + (atTop - foot) * (y - slab) / (top - slab);
    };
    auto at = [&](std::initializer_list<std::pair<double, double>> points) {
        QPolygonF p;
        for (const auto& [x, y] : points)
            p << QPointF(2850 + x * perMetre, y0 - y * perMetre);
        return p;
    };
    const double toeTop = toe != 0 ? double(d.T_ToeTip) : slab,
                 heelTop = heel != 0 ? double(d.T_HeelTip) : slab;
    const double fill = slab + d.H_CenterSoil;
    std::array<QPolygonF, 8> parts{
        at({{toe, 0},
            {toe, slab},
            {frontTopOut, frontTop},
            {frontTopIn, frontTop},
            {frontIn, slab},
            {frontIn, 0}}),
        at({{backIn, 0},
            {backIn, slab},
            {backTopIn, backTop},
            {backTopOut, backTop},
            {backOut, slab},
            {backOut, 0}}),
        at({{frontIn, 0}, {frontIn, slab}, {backIn, slab}, {backIn, 0}}),
        heel != 0 ? at({{backOut, 0}, {backOut, slab}, {B, heelTop}, {B, 0}}) : QPolygonF(),
        toe != 0 ? at({{0, 0}, {0, toeTop}, {toe, slab}, {toe, 0}}) : QPolygonF(),
        at({{frontIn, slab},
            {face(frontIn, frontTopIn, frontTop, fill), fill},
            {face(backIn, backTopIn, backTop, fill), fill},
            {backIn, slab}}),
        at({{face(backOut, backTopOut, backTop, d.H1), d.H1}, {backOut, slab}, {B, heelTop}, {B, d.H1}}),
        QPolygonF()};
    if (frontGround)
        parts[7] = at({{0, toeTop},
                       {toe, slab},
                       {face(toe, frontTopOut, frontTop, *frontGround), *frontGround},
                       {0, *frontGround}});
    return parts;
}

// A surcharge's hatched block: its top line and the strokes that hang from it, 10 twips per kN/m2.
struct Block {
    QRectF area;
    double strokes;
};

std::vector<Block> blocksIn(const std::vector<const PrintedItem*>& lines) {
    std::vector<Block> out;
    for (const PrintedItem* top : lines) {
        if (!horizontal(top->line)) continue;
        const double y = top->line.y1(), left = std::min(top->line.x1(), top->line.x2()),
                     right = std::max(top->line.x1(), top->line.x2());
        std::vector<double> lengths, xs;
        for (const PrintedItem* s : lines) {
            const QLineF& l = s->line;
            if (vertical(l) && near(std::min(l.y1(), l.y2()), y) && l.x1() >= left - 1 &&
                l.x1() <= right + 1) {
                lengths.push_back(std::fabs(l.dy()));
                xs.push_back(l.x1());
            }
        }
        // Hatching: runs of strokes 100 apart (from either end of a block between walls), unlike the
        // extension lines that hang from a dimension line.
        xs = distinct(xs);
        std::size_t hatched = 0;
        for (std::size_t i = 0; i < xs.size(); ++i)
            for (std::size_t j = i + 1; j < xs.size(); ++j)
                hatched += near(xs[j] - xs[i], 100);
        if (lengths.size() >= 2 && hatched >= 2 &&
            std::all_of(lengths.begin(), lengths.end(), [&](double h) { return near(h, lengths.front()); }))
            out.push_back({QRectF(left, y, right - left, lengths.front()), lengths.front()});
    }
    return out;
}

// The load a surcharge label's value "N.NkN/m2" gives, if it is one.
std::optional<double> surchargeValue(const std::string& text) {
    const std::string unit = "kN/m2";
    if (text.size() <= unit.size() || text.compare(text.size() - unit.size(), unit.size(), unit) != 0)
        return std::nullopt;
    char* end = nullptr;
    const std::string value = text.substr(0, text.size() - unit.size());
    const double q = std::strtod(value.c_str(), &end);
    if (end != value.c_str() + value.size()) return std::nullopt;
    return q;
}

bool surchargeWord(const std::string& text) {
    return text.rfind("上載荷重", 0) == 0;
}

} // namespace

std::vector<LayoutFault> SheetLayout::checkDimensions(const platform::Page& sheet, int page,
                                                      const model::DesignData& d) {
    std::vector<LayoutFault> faults;
    const std::vector<PrintedItem> all = items(sheet);
    std::vector<const PrintedItem*> texts, lines;
    for (const PrintedItem& a : all)
        (a.text ? texts : lines).push_back(&a);
    const std::optional<Dimensions> dims = dimensionsOf(lines, page, d);
    if (!dims) {
        faults.push_back({page, "the dimension rows under the base", "not found"});
        return faults;
    }
    const std::vector<Leader> leaders = leadersIn(all, figureFrame(page, width_));
    auto ledTo = [&](const PrintedItem* t, auto&& tipOk) {
        return std::any_of(leaders.begin(), leaders.end(),
                           [&](const Leader& l) { return l.text == t && tipOk(l.tip); });
    };

    for (const DimensionLine& row : dims->lines) {
        if (!row.across) continue;
        const std::vector<double>& ticks = row.ticks;
        std::vector<std::size_t> numbered;
        for (std::size_t i = 0; i + 1 < ticks.size(); ++i)
            if (!dims->due(ticks[i], ticks[i + 1]).empty()) numbered.push_back(i);
        std::vector<const PrintedItem*> claimed;
        std::vector<std::string> missing;
        for (std::size_t i : numbered) {
            const std::string want = dims->due(ticks[i], ticks[i + 1]);
            const double from = ticks[i], to = ticks[i + 1];
            // Over its segment, or a crowded end's number just beyond the row's end; else led to its segment.
            auto placed = [&](const PrintedItem* t) {
                const QRectF& b = t->box;
                if (b.top() < row.bandTop - 5 || b.bottom() > row.bandBottom + 5) return false;
                if (b.center().x() >= from && b.center().x() <= to) return true;
                if (i == numbered.front() && b.right() <= ticks.front() && ticks.front() - b.right() <= 200)
                    return true;
                return i == numbered.back() && b.left() >= ticks.back() && b.left() - ticks.back() <= 200;
            };
            auto led = [&](const PrintedItem* t) {
                return ledTo(t, [&](const QPointF& tip) {
                    return near(tip.y(), row.at, 2) && tip.x() > from + 1 && tip.x() < to - 1;
                });
            };
            const auto found = std::find_if(texts.begin(), texts.end(), [&](const PrintedItem* t) {
                return plain(t->what) == want &&
                       std::find(claimed.begin(), claimed.end(), t) == claimed.end() && (placed(t) || led(t));
            });
            if (found == texts.end()) {
                faults.push_back({page,
                                  "「" + want + "」 of the segment " + number(from) + "-" + number(to) +
                                      " of the row at " + number(row.at),
                                  "neither over its segment in its row's band, beyond the row's end nor led "
                                  "to its segment"});
                missing.push_back(want);
                continue;
            }
            claimed.push_back(*found);
        }
        // A stranger in the band: not a number of this row that is already reported out of its place, nor
        // one whose leader shows what it measures.
        for (const PrintedItem* t : texts) {
            const QRectF& b = t->box;
            if (numberLike(plain(t->what)) && !ledTo(t, [](const QPointF&) { return true; }) &&
                std::find(missing.begin(), missing.end(), plain(t->what)) == missing.end() &&
                b.center().y() > row.bandTop && b.center().y() < row.bandBottom &&
                b.center().x() > ticks.front() - 600 && b.center().x() < ticks.back() + 600 &&
                std::find(claimed.begin(), claimed.end(), t) == claimed.end())
                faults.push_back(
                    {page, t->what, "in the band of the row at " + number(row.at) + ", not its number"});
        }
    }

    for (const DimensionLine& upright : dims->lines) {
        if (upright.across) continue;
        const double x = upright.at;
        const std::vector<double>& ticks = upright.ticks;
        for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
            const double from = ticks[i], to = ticks[i + 1];
            const std::string want = dims->due(from, to);
            if (want.empty()) continue;
            const bool found = std::any_of(texts.begin(), texts.end(), [&](const PrintedItem* t) {
                if (plain(t->what) != want) return false;
                const QRectF& b = t->box;
                const bool beside = (b.right() <= x + 2 && x - b.right() <= 200) ||
                                    (b.left() >= x - 2 && b.left() - x <= 200);
                if (beside && b.center().y() >= from && b.center().y() <= to) return true;
                return ledTo(t, [&](const QPointF& tip) {
                    return near(tip.x(), x, 2) && tip.y() > from && tip.y() < to;
                });
            });
            if (!found)
                faults.push_back({page,
                                  "「" + want + "」 of the span " + number(from) + "-" + number(to) +
                                      " of the line at x " + number(x),
                                  "not beside its line within its span"});
        }
    }
    return faults;
}

std::vector<LayoutFault> SheetLayout::checkLeaders(const platform::Page& sheet, int page,
                                                   const model::DesignData& d) {
    std::vector<LayoutFault> faults;
    const std::vector<PrintedItem> all = items(sheet);
    const QRectF frame = figureFrame(page, width_);
    std::vector<const PrintedItem*> texts, lines;
    for (const PrintedItem& a : all)
        if (a.text && frame.intersects(a.box))
            texts.push_back(&a);
        else if (!a.text)
            lines.push_back(&a);
    const std::optional<Dimensions> dims = dimensionsOf(lines, page, d);
    if (!dims) {
        faults.push_back({page, "the dimension rows under the base", "not found"});
        return faults;
    }
    const std::vector<Leader> leaders = leadersIn(all, frame);
    auto isLeader = [&](const PrintedItem* l) {
        return std::any_of(leaders.begin(), leaders.end(), [&](const Leader& k) { return k.line == l; });
    };
    const double y0 = dims->partsY - 600;
    std::array<QPolygonF, 8> parts;
    if (page == 2) {
        // The front soil reaches up to the top of its dotted front boundary.
        std::optional<double> frontGround;
        for (const PrintedItem* l : lines)
            if (l->dotted && vertical(l->line) && near(l->line.x1(), 2850))
                frontGround = (y0 - std::min(l->line.y1(), l->line.y2())) / dims->perMetre;
        parts = partOutlines(d, dims->perMetre, y0, frontGround);
    }
    const std::vector<Block> blocks = blocksIn(lines);
    // On a dimension line strictly within a segment whose length prints as `want`.
    auto onSegment = [&](const QPointF& tip, const std::string& want) {
        return std::any_of(dims->lines.begin(), dims->lines.end(), [&](const DimensionLine& l) {
            if (!near(l.across ? tip.y() : tip.x(), l.at, 2)) return false;
            const double along = l.across ? tip.x() : tip.y();
            for (std::size_t i = 0; i + 1 < l.ticks.size(); ++i)
                if (along > l.ticks[i] + 1 && along < l.ticks[i + 1] - 1 &&
                    dims->due(l.ticks[i], l.ticks[i + 1]) == want)
                    return true;
            return false;
        });
    };
    // A surcharge label's other text: its value "N.NkN/m2" a line under "上載荷重", or that word over it.
    auto companion = [&](const PrintedItem* t) -> const PrintedItem* {
        const std::string text = plain(t->what);
        const bool word = surchargeWord(text);
        if (!word && !surchargeValue(text)) return nullptr;
        for (const PrintedItem* o : texts) {
            const PrintedItem* top = word ? t : o;
            const PrintedItem* under = word ? o : t;
            if (o != t && surchargeWord(plain(top->what)) && surchargeValue(plain(under->what)) &&
                near(under->box.top() - top->box.top(), 200, 60) &&
                near(under->box.left(), top->box.left(), 150))
                return o;
        }
        return nullptr;
    };
    // The load a surcharge label gives.
    auto surcharge = [&](const PrintedItem* t) -> std::optional<double> {
        if (auto q = surchargeValue(plain(t->what))) return q;
        if (const PrintedItem* value = companion(t)) return surchargeValue(plain(value->what));
        return std::nullopt;
    };

    // The lines a leader from `from` to `tip` crosses, but where it ends at its tip: lines that meet where
    // it crosses them count once (it passes a corner of the drawing there), and one that passes through a
    // part or a surcharge's block, going in and coming out again, crosses that body once.
    auto crossings = [&](QPointF from, QPointF tip, std::string* crossed) -> std::size_t {
        const QLineF l(from, tip);
        std::vector<QPointF> at;
        for (const PrintedItem* other : lines) {
            QPointF p;
            if (isLeader(other) || l.intersects(other->line, &p) != QLineF::BoundedIntersection ||
                QLineF(p, tip).length() <= kAtTip)
                continue;
            if (crossed) *crossed += (crossed->empty() ? "" : ", ") + other->what;
            if (std::none_of(at.begin(), at.end(),
                             [&](const QPointF& q) { return QLineF(p, q).length() <= kFreeEnd; }))
                at.push_back(p);
        }
        auto through = [&](const QPolygonF& body) {
            if (area(body) < 1 || inside(from, body) || inside(tip, body)) return false;
            for (qsizetype k = 0; k < body.size(); ++k)
                if (l.intersects(QLineF(body[k], body[(k + 1) % body.size()]), nullptr) ==
                    QLineF::BoundedIntersection)
                    return true;
            return false;
        };
        // One body passed through counts once: a block, its strokes and all, or a part.
        std::size_t absorbed = 0;
        for (const Block& b : blocks)
            if (through(QPolygonF(b.area))) {
                const QRectF in = b.area.adjusted(-1, -1, 1, 1);
                const auto n =
                    std::count_if(at.begin(), at.end(), [&](const QPointF& p) { return in.contains(p); });
                absorbed = std::max(absorbed, n > 1 ? std::size_t(n - 1) : 0);
            }
        if (std::any_of(parts.begin(), parts.end(), through)) absorbed = std::max<std::size_t>(absorbed, 1);
        return at.size() - std::min(absorbed, at.empty() ? 0 : at.size() - 1);
    };
    // Where the leader of a text would end at what the text names: inside its part, along the segment it
    // measures, along the top of the block it labels; 40 within each.
    auto tipsFor = [&](const PrintedItem* t, QPointF end) {
        std::vector<QPointF> tips;
        const std::string text = plain(t->what);
        auto along = [&](QPointF a, QPointF b) {
            const double length = QLineF(a, b).length();
            if (length <= 80) return;
            for (double k = 40; k <= length - 40; k += 25)
                tips.push_back(a + (b - a) * (k / length));
        };
        if (const int k = partOf(text); page == 2 && k >= 0) {
            const QRectF r = parts[k].boundingRect();
            for (double y = r.top() + 20; y < r.bottom(); y += 25)
                for (double x = r.left() + 20; x < r.right(); x += 25)
                    if (const QPointF p(x, y); inside(p, parts[k])) {
                        bool deep = true;
                        for (qsizetype e = 0; deep && e < parts[k].size(); ++e)
                            deep =
                                distance(p, QLineF(parts[k][e], parts[k][(e + 1) % parts[k].size()])) >= 40;
                        // Off the lines drawn across the part, which a leader ending there would seem to
                        // name.
                        for (const PrintedItem* l : lines)
                            deep = deep && (isLeader(l) || distance(p, l->line) >= 20);
                        if (deep) tips.push_back(p);
                    }
        } else if (numberLike(text)) {
            // Along the segment its leader ends on: another of the same length is another's.
            for (const DimensionLine& l : dims->lines) {
                if (!near(l.across ? end.y() : end.x(), l.at, 2)) continue;
                const double at = l.across ? end.x() : end.y();
                for (std::size_t i = 0; i + 1 < l.ticks.size(); ++i)
                    if (at > l.ticks[i] && at < l.ticks[i + 1] &&
                        dims->due(l.ticks[i], l.ticks[i + 1]) == text)
                        l.across ? along({l.ticks[i], l.at}, {l.ticks[i + 1], l.at})
                                 : along({l.at, l.ticks[i]}, {l.at, l.ticks[i + 1]});
            }
        } else if (const auto q = surcharge(t)) {
            for (const Block& b : blocks)
                if (near(b.strokes, 10 * *q)) along(b.area.topLeft(), b.area.topRight());
        }
        return tips;
    };
    // A free place, by the drawings' own room (their boxes of a text, 40 beside and 25 above and below clear
    // of every other text and line, 60 from another leader's start, in no part, a label above the base), and
    // a slanted leader from 20 beside it, no longer than 2000, crossing no text and no other leader, that
    // crosses at most one line: the place's top-left corner and the leader's tip, if the sheet has one.
    auto freePlace = [&](const Leader& leader) -> std::optional<std::pair<QPointF, QPointF>> {
        std::vector<const PrintedItem*> group{leader.text};
        if (const PrintedItem* c = companion(leader.text)) group.push_back(c);
        QRectF set;
        for (const PrintedItem* t : group)
            set |= t->set;
        const std::vector<QPointF> tips = tipsFor(leader.text, leader.tip);
        if (tips.empty()) return std::nullopt;
        QRectF reach;
        for (const QPointF& t : tips)
            reach |= QRectF(t, QSizeF(1, 1));
        reach.adjust(-2000 - set.width(), -2000 - set.height(), 2000, 2000);
        reach &= frame;
        const bool label = surcharge(leader.text).has_value();
        auto grown = [](const QRectF& r, double across, double upDown) {
            return r.adjusted(-across, -upDown, across, upDown);
        };
        auto others = [&](const PrintedItem* t) {
            return std::find(group.begin(), group.end(), t) == group.end();
        };
        auto clear = [&](const QRectF& b) {
            if (!frame.contains(b) || (label && b.bottom() > y0 - 25)) return false;
            for (const PrintedItem* t : texts)
                if (others(t) && grown(b, 40, 25).intersects(t->set)) return false;
            for (const PrintedItem* l : lines)
                if (l != leader.line && crosses(l->line, grown(b, 40, 25))) return false;
            for (const Leader& k : leaders)
                if (k.line != leader.line && grown(b, 60, 60).contains(k.from)) return false;
            return std::none_of(parts.begin(), parts.end(),
                                [&](const QPolygonF& p) { return overlaps(b, p); });
        };
        for (double y = reach.top(); y + set.height() <= reach.bottom(); y += 50)
            for (double x = reach.left(); x + set.width() <= reach.right(); x += 50) {
                const QPointF shift = QPointF(x, y) - set.topLeft();
                if (!std::all_of(group.begin(), group.end(),
                                 [&](const PrintedItem* t) { return clear(t->set.translated(shift)); }))
                    continue;
                const QRectF around = grown(set.translated(shift), 20, 20);
                for (const QPointF& tip : tips) {
                    const auto start = report::leaderStart(
                        {around.left(), around.top(), around.right(), around.bottom()}, {tip.x(), tip.y()});
                    const std::optional<QPointF> from =
                        start ? std::optional<QPointF>(QPointF(start->x, start->y)) : std::nullopt;
                    if (!from || QLineF(*from, tip).length() > 2000) continue;
                    const QLineF l(*from, tip);
                    bool ok = std::none_of(texts.begin(), texts.end(), [&](const PrintedItem* t) {
                        return crosses(l, grown(t->set, 20, 20)) ||
                               (others(t) && grown(t->set, 60, 60).contains(*from));
                    });
                    for (const Leader& k : leaders)
                        ok = ok && (k.line == leader.line || l.intersects(QLineF(k.from, k.tip), nullptr) !=
                                                                 QLineF::BoundedIntersection);
                    if (ok && crossings(*from, tip, nullptr) <= 1) return std::pair{QPointF(x, y), tip};
                }
            }
        return std::nullopt;
    };

    for (std::size_t i = 0; i < leaders.size(); ++i) {
        const Leader& leader = leaders[i];
        auto fault = [&](const std::string& what) { faults.push_back({page, leader.name(), what}); };
        const QLineF l(leader.from, leader.tip);
        // A level or upright leader reads as a dimension's own line.
        if (std::fabs(l.dx()) < 90 || std::fabs(l.dy()) < 90)
            fault("too near level or upright (" + number(std::fabs(l.dx())) + " across, " +
                  number(std::fabs(l.dy())) + " up or down)");
        std::string crossed;
        const std::size_t count = crossings(leader.from, leader.tip, &crossed);
        // More only where the sheet has no free place whose leader would cross at most one: between walls
        // standing closer together than a number is wide, over a base whose strip under it the parts'
        // widths take.
        if (count > 1)
            if (const auto free = freePlace(leader))
                fault("crosses " + std::to_string(count) + " lines (" + crossed + "), though a place at " +
                      pointName(free->first) + " is free, its leader to " + pointName(free->second) +
                      " crossing at most one");
        for (std::size_t j = i + 1; j < leaders.size(); ++j)
            if (l.intersects(QLineF(leaders[j].from, leaders[j].tip), nullptr) == QLineF::BoundedIntersection)
                fault("crosses the leader of " + leaders[j].name());
        for (const PrintedItem* t : texts)
            if (t != leader.text && t != companion(leader.text) &&
                std::any_of(t->glyphs.begin(), t->glyphs.end(),
                            [&](const QRectF& g) { return crosses(l, g); }))
                fault("crosses " + t->what);

        const std::string text = plain(leader.text->what);
        if (const int k = partOf(text); page == 2 && k >= 0) {
            if (!inside(leader.tip, parts[k])) fault("ends outside part " + text);
        } else if (numberLike(text)) {
            if (!onSegment(leader.tip, text)) fault("ends off the segment whose length it gives");
        } else if (const auto q = page == 2 ? surcharge(leader.text) : std::nullopt) {
            // A block that would reach up into the dimensions above the walls stops below them, at 2550, or
            // 100 above its ground.
            const bool onBlock = std::any_of(blocks.begin(), blocks.end(), [&](const Block& b) {
                const bool stopped =
                    b.strokes < 10 * *q && (near(b.area.top(), 2550) || near(b.strokes, 100));
                return (near(b.strokes, 10 * *q) || stopped) &&
                       b.area.adjusted(0, -2, 0, 0).contains(leader.tip);
            });
            if (!onBlock) fault("ends off the hatched block of its load");
        } else {
            fault("leads from a text that names nothing a leader points to");
        }
    }

    if (page != 2) return faults;
    for (const PrintedItem* t : texts) {
        const int k = partOf(plain(t->what));
        if (k < 0) continue;
        const bool led = std::any_of(leaders.begin(), leaders.end(),
                                     [&](const Leader& l) { return l.text == t && inside(l.tip, parts[k]); });
        if (area(parts[k]) < 1)
            faults.push_back({page, t->what, "its part has no outline in the drawing"});
        else if (!inside(t->box, parts[k]) && !led)
            faults.push_back({page, t->what, "neither inside its part nor led into it"});
        const QRectF ink = t->box.adjusted(kTouch, kTouch, -kTouch, -kTouch);
        for (int j = 0; j < 8; ++j)
            if (j != k && overlaps(ink, parts[j]))
                faults.push_back({page, t->what, std::string("over part ") + kPartNumbers[j]});
    }
    return faults;
}

} // namespace gui_test
