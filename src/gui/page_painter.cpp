#include "gui/page_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "gui/qt_convert.h"

namespace gui {
namespace {

struct FontEntry {
    QFont font;
    double ascent = 0;
};

// A report page repeats a handful of fonts thousands of times.
const FontEntry& fontFor(const std::string& name, double pixelHeight, QPaintDevice* device) {
    static QHash<QString, FontEntry> cache;
    const int dpi = device ? device->logicalDpiY() : 96;
    const QString key = qs(name) + QLatin1Char('/') + QString::number(pixelHeight, 'f', 3) +
                        QLatin1Char('/') + QString::number(dpi);
    auto it = cache.find(key);
    if (it == cache.end()) {
        FontEntry e;
        e.font = QFont(substituteFont(name));
        e.font.setPointSizeF(std::max(pixelHeight, 0.1) * 72.0 / dpi);
        e.ascent = device ? QFontMetricsF(e.font, device).ascent() : QFontMetricsF(e.font).ascent();
        it = cache.insert(key, e);
    }
    return *it;
}

Qt::PenStyle penStyle(platform::DrawStyle s) {
    switch (s) {
    case platform::DrawStyle::Dash:
        return Qt::DashLine;
    case platform::DrawStyle::Dot:
        return Qt::DotLine;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

void paintPage(QPainter& painter, const platform::Page& page, double scaleX, double scaleY,
               double textScale) {
    painter.save();
    for (const auto& op : page) {
        if (const auto* t = std::get_if<platform::TextOp>(&op)) {
            // A point is 20 twips.
            const FontEntry& f = fontFor(t->fontName, t->fontSize * 20.0 * textScale, painter.device());
            painter.setFont(f.font);
            painter.setPen(toQColor(t->color));
            painter.drawText(QPointF(t->x * scaleX, t->y * scaleY + f.ascent), qs(t->text));
        } else if (const auto* l = std::get_if<platform::LineOp>(&op)) {
            QPen pen(toQColor(l->color));
            pen.setCosmetic(true);
            pen.setWidth(0);
            pen.setStyle(penStyle(l->style));
            painter.setPen(pen);
            painter.drawLine(QPointF(l->x1 * scaleX, l->y1 * scaleY),
                             QPointF(l->x2 * scaleX, l->y2 * scaleY));
        }
    }
    painter.restore();
}

} // namespace gui
