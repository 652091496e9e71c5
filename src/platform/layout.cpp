#include "platform/layout.h"

#include <numeric>

#include "platform/controls.h"
#include "platform/form.h"

namespace platform {

Label& caption(Form& form, const char* text, int left, int top, int width, int height, Alignment align,
               Control* container) {
    Label& l = form.addLabel(text, left, top, width, height);
    l.setAlignment(align);
    if (container) l.setContainer(*container);
    return l;
}

Line& rule(Form& form, int x1, int y1, int x2, int y2, Control* container) {
    Line& l = form.addLine(x1, y1, x2, y2);
    if (container) l.setContainer(*container);
    return l;
}

void labelledRow(const RowColumns& c, int top, Control* captionLabel, Control& box, Control* unitLabel) {
    if (captionLabel) captionLabel->move(c.captionLeft, top + c.textDrop, c.captionWidth, c.textHeight);
    box.move(c.boxLeft, top, c.boxWidth, c.boxHeight);
    if (unitLabel) unitLabel->move(c.unitLeft, top + c.textDrop, c.unitWidth, c.textHeight);
}

Grid::Grid(int left, int top, std::initializer_list<int> columnWidths, std::vector<int> rowHeights)
    : left_(left), top_(top), columns_(columnWidths), rows_(std::move(rowHeights)) {}

int Grid::width() const {
    return std::accumulate(columns_.begin(), columns_.end(), 0);
}

int Grid::height() const {
    return std::accumulate(rows_.begin(), rows_.end(), 0);
}

int Grid::x(int c) const {
    return left_ + std::accumulate(columns_.begin(), columns_.begin() + c, 0);
}

int Grid::y(int r) const {
    return top_ + std::accumulate(rows_.begin(), rows_.begin() + r, 0);
}

void Grid::rule(Form& form) const {
    for (int r = 0; r <= rows(); ++r)
        form.addLine(left_, y(r), left_ + width(), y(r));
    for (int c = 0; c <= columns(); ++c)
        form.addLine(x(c), top_, x(c), top_ + height());
}

Label& Grid::cell(Form& form, int r, int c, const char* text, Alignment align) const {
    constexpr int kInset = 45;
    constexpr int kBottom = 15;
    const int w = columns_[static_cast<std::size_t>(c)];
    const int h = rows_[static_cast<std::size_t>(r)];
    return caption(form, text, x(c) + kInset, y(r) + kInset, w - 2 * kInset, h - kInset - kBottom, align);
}

} // namespace platform
