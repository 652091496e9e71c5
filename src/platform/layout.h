#pragma once

#include <initializer_list>
#include <vector>

#include "platform/control.h"

namespace platform {

class Form;
class Label;
class Line;

// Layout helpers shared by the screens, so that no form keeps a private copy. Positions are twips.

// A decorating caption of the form (Form::addLabel) with its alignment; placed inside `container`
// when one is given.
Label& caption(Form& form, const char* text, int left, int top, int width, int height,
               Alignment align = Alignment::Left, Control* container = nullptr);
// A decorating rule of the form, inside `container` when one is given.
Line& rule(Form& form, int x1, int y1, int x2, int y2, Control* container = nullptr);

// The columns of a labelled row: a caption, the box, and the unit after it. The caption and the unit
// sit `textDrop` lower than the box so that their text lines up with the box's.
struct RowColumns {
    int captionLeft, captionWidth;
    int boxLeft, boxWidth, boxHeight;
    int unitLeft, unitWidth;
    int textHeight = 255;
    int textDrop = 30;
};

// Places one labelled row at `top`: the caption and unit are the form's own labels, or null.
void labelledRow(const RowColumns& columns, int top, Control* captionLabel, Control& box, Control* unitLabel);

// A ruled table: column widths and row heights from its top-left corner.
class Grid {
public:
    Grid(int left, int top, std::initializer_list<int> columnWidths, std::vector<int> rowHeights);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const;
    int height() const;
    int columns() const { return static_cast<int>(columns_.size()); }
    int rows() const { return static_cast<int>(rows_.size()); }
    // Left edge of column c and top edge of row r; c = columns() and r = rows() give the far edges.
    int x(int c) const;
    int y(int r) const;

    // Draws every row and column rule.
    void rule(Form& form) const;
    // A caption in cell (r, c), clear of its rules: 45 twips from the left, right and top rules, 15
    // from the bottom one.
    Label& cell(Form& form, int r, int c, const char* text, Alignment align = Alignment::Left) const;

private:
    int left_, top_;
    std::vector<int> columns_;
    std::vector<int> rows_;
};

} // namespace platform
