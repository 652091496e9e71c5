#include "gui/page_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "gui/qt_convert.h"

namespace gui {
namespace {

// A line's pen. The dots and dashes are measured in pixels of the 96-dpi screen, scaled to the
// device, so that they keep the size the preview shows them in on a printer's finer grid and in a PDF,
// where a pattern of device pixels would close into a solid line.
QPen linePen(const platform::LineOp& l, double screenPixel) {
    QPen pen(toQColor(l.color));
    pen.setCosmetic(true);
    pen.setWidth(0);
    const double unit = std::max(screenPixel, 1.0);
    switch (l.style) {
    case platform::DrawStyle::Dash:
        pen.setDashPattern({4 * unit, 2 * unit});
        break;
    case platform::DrawStyle::Dot:
        pen.setDashPattern({unit, 2 * unit});
        break;
    default:
        break;
    }
    return pen;
}

} // namespace

// A report page repeats a handful of fonts thousands of times.
const PageFont& pageFont(const std::string& name, double pixelHeight, QPaintDevice* device) {
    static QHash<QString, PageFont> cache;
    const int dpi = device ? device->logicalDpiY() : 96;
    const QString key = qs(name) + QLatin1Char('/') + QString::number(pixelHeight, 'f', 3) +
                        QLatin1Char('/') + QString::number(dpi);
    auto it = cache.find(key);
    if (it == cache.end()) {
        PageFont e;
        e.font = QFont(substituteFont(name));
        e.font.setPointSizeF(std::max(pixelHeight, 0.1) * 72.0 / dpi);
        e.ascent = device ? QFontMetricsF(e.font, device).ascent() : QFontMetricsF(e.font).ascent();
        it = cache.insert(key, e);
    }
    return *it;
}

void paintPage(QPainter& painter, const platform::Page& page, double scaleX, double scaleY,
               double textScale) {
    painter.save();
    for (const auto& op : page) {
        if (const auto* t = std::get_if<platform::TextOp>(&op)) {
            // A point is 20 twips.
            const PageFont& f = pageFont(t->fontName, t->fontSize * 20.0 * textScale, painter.device());
            painter.setFont(f.font);
            painter.setPen(toQColor(t->color));
            painter.drawText(QPointF(t->x * scaleX, t->y * scaleY + f.ascent), pageText(t->text));
        } else if (const auto* l = std::get_if<platform::LineOp>(&op)) {
            painter.setPen(linePen(*l, textScale * kTwipsPerPixel));
            painter.drawLine(QPointF(l->x1 * scaleX, l->y1 * scaleY),
                             QPointF(l->x2 * scaleX, l->y2 * scaleY));
        }
    }
    painter.restore();
}

} // namespace gui
