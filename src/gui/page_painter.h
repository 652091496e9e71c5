#pragma once

#include <QFont>
#include <string>

#include "platform/surface.h"

class QPainter;
class QPaintDevice;

namespace gui {

// The font a page's text is painted in on `device`, `pixelHeight` device pixels to the em, and its
// ascent in device pixels: a text's position is the top of its line, its baseline the ascent lower.
struct PageFont {
    QFont font;
    double ascent = 0;
};
const PageFont& pageFont(const std::string& name, double pixelHeight, QPaintDevice* device);

// Paints a recorded page; `scaleX`/`scaleY` are device pixels per unit of the page's coordinates and
// `textScale` device pixels per twip of type size: a picture box's scale extent moves its drawing
// but leaves its type in points. The same painter serves the screen and the printer.
void paintPage(QPainter& painter, const platform::Page& page, double scaleX, double scaleY, double textScale);
inline void paintPage(QPainter& painter, const platform::Page& page, double scale) {
    paintPage(painter, page, scale, scale, scale);
}

} // namespace gui
