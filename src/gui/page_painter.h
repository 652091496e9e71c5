#pragma once

#include "platform/surface.h"

class QPainter;

namespace gui {

// Paints a recorded page; `scaleX`/`scaleY` are device pixels per unit of the page's coordinates and
// `textScale` device pixels per twip of type size: a picture box's scale extent moves its drawing
// but leaves its type in points. The same painter serves the screen and the printer.
void paintPage(QPainter& painter, const platform::Page& page, double scaleX, double scaleY, double textScale);
inline void paintPage(QPainter& painter, const platform::Page& page, double scale) {
    paintPage(painter, page, scale, scale, scale);
}

} // namespace gui
