#include "platform/surface.h"

#include <cmath>

#include "platform/runtime.h"

namespace platform {
namespace {
// One point of type per point of line.
double fixedLineHeight(std::string_view, double size) {
    return std::round(size * 20.0);
}

LineMetrics& metrics() {
    static LineMetrics m = fixedLineHeight;
    return m;
}
} // namespace

PrintItem::PrintItem(float number) : text_(str(number)) {}

void setLineMetrics(LineMetrics m) {
    metrics() = m ? std::move(m) : LineMetrics(fixedLineHeight);
}

double lineHeight(std::string_view fontName, double size) {
    return metrics()(fontName, size);
}

void Surface::line(double x1, double y1, double x2, double y2) {
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
        draw(LineOp{x1, y1, x2, y2, foreColor_, drawStyle_});
    else
        reportNonFinite("図の位置");
    x_ = x2;
    y_ = y2;
}

void Surface::print(std::initializer_list<PrintItem> items) {
    std::string text;
    for (const auto& item : items)
        text += item.text();
    statement(std::move(text));
}

void Surface::print(const std::vector<PrintItem>& items) {
    std::string text;
    for (const auto& item : items)
        text += item.text();
    statement(std::move(text));
}

void Surface::statement(std::string text) {
    if (!text.empty()) {
        if (std::isfinite(x_) && std::isfinite(y_))
            draw(TextOp{x_, y_, std::move(text), fontName_, fontSize_, foreColor_});
        else
            reportNonFinite("図の位置");
    }
    x_ = 0;
    y_ += lineHeight(fontName_, fontSize_);
}

void RecordingSurface::cls() {
    pages_.back().clear();
    resetPosition();
    if (onDrawn) onDrawn();
}

void RecordingSurface::newPage() {
    pages_.emplace_back();
    resetPosition();
}

void RecordingSurface::discard() {
    pages_.assign(1, Page{});
    if (onDrawn) onDrawn();
}

void RecordingSurface::draw(DrawOp op) {
    pages_.back().push_back(std::move(op));
    if (onDrawn) onDrawn();
}

} // namespace platform
