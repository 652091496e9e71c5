#include "page_layout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
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
    {2, QRectF(0, 1800, 11500, 4850), "the wall drawing's frame"},       // under the chapter head, above 6700
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
            item.pageNumber = t->x == kPageNumberX && t->y == kPageNumberY && t->text.rfind("－ ", 0) == 0;
        } else if (const auto* l = std::get_if<platform::LineOp>(&op)) {
            item.line = QLineF(l->x1, l->y1, l->x2, l->y2);
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

} // namespace

std::vector<LayoutFault> SheetLayout::checkDimensions(const platform::Page& sheet, int page,
                                                      const model::DesignData& d) {
    std::vector<LayoutFault> faults;
    const std::vector<PrintedItem> all = items(sheet);
    std::vector<const PrintedItem*> texts, lines;
    for (const PrintedItem& a : all)
        (a.text ? texts : lines).push_back(&a);
    auto horizontal = [](const QLineF& l) {
        return near(l.y1(), l.y2(), 0.01) && !near(l.x1(), l.x2(), 0.01);
    };
    auto vertical = [](const QLineF& l) { return near(l.x1(), l.x2(), 0.01) && !near(l.y1(), l.y2(), 0.01); };
    // The two rows under the base run from its front end at 2850 to its back end: the whole width lowest.
    std::vector<std::pair<double, double>> rows; // (y, right end)
    for (const PrintedItem* l : lines)
        if (horizontal(l->line) && near(std::min(l->line.x1(), l->line.x2()), 2850) &&
            l->line.y1() < (page == 2 ? 6700 : 6900))
            rows.emplace_back(l->line.y1(), std::max(l->line.x1(), l->line.x2()));
    std::sort(rows.begin(), rows.end());
    if (rows.size() < 2 || d.B <= 0) {
        faults.push_back({page, "the dimension rows under the base", "not found"});
        return faults;
    }
    const double wholeY = rows.back().first, right = rows.back().second;
    double partsY = wholeY;
    for (const auto& [y, r] : rows)
        if (y < wholeY - 1 && near(r, right)) partsY = y;
    const double perMetre = (right - 2850) / d.B;
    auto due = [&](double from, double to) { return millimetres((to - from) / perMetre * 1000); };

    struct Row {
        double y, bandTop, bandBottom, left, right, reach;
    };
    std::vector<Row> across{{partsY, partsY - (page == 2 ? 610 : 700), partsY, 2850, right, 300},
                            {wholeY, partsY, wholeY, 2850, right, 300}};
    if (page == 2) {
        double l = 1e9, r = -1e9;
        for (const PrintedItem* a : lines)
            if (horizontal(a->line) && near(a->line.y1(), 2100)) {
                l = std::min({l, a->line.x1(), a->line.x2()});
                r = std::max({r, a->line.x1(), a->line.x2()});
            }
        if (l < r) across.push_back({2100, 1800, 2100, l, r, 300});
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
        ticks = distinct(ticks);
        std::vector<const PrintedItem*> claimed;
        double lastCentre = -1e9;
        for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
            const std::string want = due(ticks[i], ticks[i + 1]);
            if (want.empty()) continue;
            const PrintedItem* found = nullptr;
            for (const PrintedItem* t : texts) {
                const QRectF& b = t->box;
                if (plain(t->what) != want || b.top() < row.bandTop - 5 || b.bottom() > row.bandBottom + 5)
                    continue;
                const double off = b.center().x() < ticks[i]       ? ticks[i] - b.right()
                                   : b.center().x() > ticks[i + 1] ? b.left() - ticks[i + 1]
                                                                   : 0;
                if (off <= row.reach && b.center().x() > lastCentre &&
                    std::find(claimed.begin(), claimed.end(), t) == claimed.end()) {
                    found = t;
                    break;
                }
            }
            if (!found) {
                faults.push_back({page,
                                  "「" + want + "」 of the segment " + number(ticks[i]) + "-" +
                                      number(ticks[i + 1]) + " of the row at " + number(row.y),
                                  "not in its row's band by its segment, in order"});
                continue;
            }
            claimed.push_back(found);
            lastCentre = found->box.center().x();
        }
        for (const PrintedItem* t : texts) {
            const QRectF& b = t->box;
            if (numberLike(plain(t->what)) && b.center().y() > row.bandTop &&
                b.center().y() < row.bandBottom && b.center().x() > row.left - 600 &&
                b.center().x() < row.right + 600 &&
                std::find(claimed.begin(), claimed.end(), t) == claimed.end())
                faults.push_back(
                    {page, t->what, "in the band of the row at " + number(row.y) + ", not its number"});
        }
    }

    // The vertical dimension lines: left of the base and right of its back end, and on page 2 the slab's
    // and the fill's between the walls, a quarter of the span from the front wall.
    std::vector<double> uprights;
    if (page == 2)
        uprights = {
            1600, 2100, right + 750, right + 1250,
            double(platform::toSingle(2850 + (double(d.B_Toe) + d.T_WallFront + d.B_Span / 4.0) * perMetre))};
    else
        uprights = {2100, right + 850, right + 1350};
    for (double x : uprights) {
        double top = 1e9, bottom = -1e9;
        // The dimension line, not a short stroke of a surcharge's hatching that stands on it.
        for (const PrintedItem* a : lines)
            if (vertical(a->line) && near(a->line.x1(), x) && std::fabs(a->line.dy()) > 60) {
                top = std::min({top, a->line.y1(), a->line.y2()});
                bottom = std::max({bottom, a->line.y1(), a->line.y2()});
            }
        if (top >= bottom) continue;
        std::vector<double> ticks{top, bottom};
        for (const PrintedItem* a : lines) {
            const QLineF& l = a->line;
            if (horizontal(l) && std::min(l.x1(), l.x2()) <= x + 1 && std::max(l.x1(), l.x2()) >= x - 1 &&
                l.y1() >= top - 1 && l.y1() <= bottom + 1)
                ticks.push_back(l.y1());
        }
        ticks = distinct(ticks);
        for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
            const double from = ticks[i], to = ticks[i + 1];
            const std::string want = due(from, to);
            if (want.empty()) continue;
            const bool found = std::any_of(texts.begin(), texts.end(), [&](const PrintedItem* t) {
                if (plain(t->what) != want) return false;
                const QRectF& b = t->box;
                const bool beside = (b.right() <= x + 2 && x - b.right() <= 200) ||
                                    (b.left() >= x - 2 && b.left() - x <= 200);
                if (beside && b.center().y() >= from && b.center().y() <= to) return true;
                // Or a leader from beside the number to the line within the span.
                const QRectF reach = b.adjusted(-80, -80, 80, 80);
                return std::any_of(lines.begin(), lines.end(), [&](const PrintedItem* a) {
                    const QLineF& l = a->line;
                    for (const auto& [p, q] : {std::pair{l.p1(), l.p2()}, std::pair{l.p2(), l.p1()}})
                        if (reach.contains(p) && near(q.x(), x, 2) && q.y() > from && q.y() < to) return true;
                    return false;
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

} // namespace gui_test
