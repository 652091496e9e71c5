#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "platform/surface.h"

namespace report {

// What stands in a report where a value cannot be computed (a zero divisor).
inline constexpr std::string_view kNoValue = "―";

// The three font sizes of the report pages: running text and headings, the numbers in a table's
// body, and a table's heads and labels and the drawing's dimension texts.
inline constexpr double kTextSize = 11;
inline constexpr double kCellSize = 10;
inline constexpr double kLabelSize = 9;

// One statement with its top-left corner at (x, y); afterwards x is 0, one line lower.
void placeText(platform::Surface& s, double x, double y, std::initializer_list<platform::PrintItem> items);
// One statement at height y, keeping the x the surface holds (0 after a statement).
void placeTextAt(platform::Surface& s, double y, std::initializer_list<platform::PrintItem> items);

// Drawing at a page's fixed places moved by (dx, dy): the formulas drawn at fixed places move together
// where the text flow or the page around them asks for it.
struct Pen {
    platform::Surface& s;
    double dx = 0, dy = 0;
    void text(double x, double y, std::initializer_list<platform::PrintItem> items) const {
        placeText(s, x + dx, y + dy, items);
    }
    void line(double x1, double y1, double x2, double y2) const {
        s.line(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    }
    // Lines from each point to the next.
    void chain(std::initializer_list<std::pair<double, double>> points) const;
};

// A fraction bar of n box-drawing characters "─" after its lead.
std::string fractionBar(int n, std::string lead = "");

// The empty lines a page starts with.
void emptyLines(platform::Surface& s, int count = 5);

// A value as a table cell prints it: rounded to four decimals and written "0.0000"; the three-decimal
// rounding of quoted totals written "0.000".
std::string cellText(double v);
std::string totalText(double v);

// A number in a table cell: printed "0.0000" after the four-decimal rounding, right-aligned by its
// integer digits from base x (three or four positions 100 twips apart) on the row's line y, followed
// by the given items in the same statement.
void alignedCell(platform::Surface& s, double baseX, double y, double value, int positions,
                 std::initializer_list<platform::PrintItem> after = {});

// A table's column between its rules at `left` and `right`.
struct Column {
    double left, right;
};
// Where a text of `width` placed at x stands in its column: at x, unless that brings it within a
// sliver of a rule (a long number); then in the column's middle.
double withinColumn(double x, double width, Column column);
// A cell's text at (x, y), kept within its column.
void columnText(platform::Surface& s, Column column, double x, double y, const std::string& text);
// alignedCell, kept within its column.
void alignedCell(platform::Surface& s, Column column, double baseX, double y, double value, int positions);

} // namespace report
