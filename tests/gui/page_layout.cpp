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

} // namespace gui_test
