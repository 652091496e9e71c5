#include "report/page_format.h"

#include <vector>

#include "platform/runtime.h"
#include "report/placement.h"

namespace report {

void placeTextAt(platform::Surface& s, double y, std::initializer_list<platform::PrintItem> items) {
    s.setCurrentY(y);
    s.print(items);
}

void placeText(platform::Surface& s, double x, double y, std::initializer_list<platform::PrintItem> items) {
    s.setCurrentX(x);
    placeTextAt(s, y, items);
}

void Pen::chain(std::initializer_list<std::pair<double, double>> points) const {
    const auto* p = points.begin();
    for (const auto* q = p + 1; q < points.end(); p = q++)
        line(p->first, p->second, q->first, q->second);
}

std::string fractionBar(int n, std::string lead) {
    for (int i = 0; i < n; ++i)
        lead += "─";
    return lead;
}

void emptyLines(platform::Surface& s, int count) {
    for (int i = 0; i < count; ++i)
        s.print();
}

std::string cellText(double v) {
    return platform::format(platform::r4(v), "0.0000");
}

std::string totalText(double v) {
    return platform::format(platform::r3(v), "0.000");
}

void alignedCell(platform::Surface& s, double baseX, double y, double value, int positions,
                 std::initializer_list<platform::PrintItem> after) {
    std::vector<platform::PrintItem> items{platform::PrintItem(cellText(value))};
    items.insert(items.end(), after.begin(), after.end());
    s.setCurrentX(platform::digitAlignX(baseX, value, positions));
    s.setCurrentY(y);
    s.print(items);
}

double withinColumn(double x, double width, Column column) {
    // Closer than this a number reads as touching the rule.
    constexpr double kSliver = 30;
    if (x >= column.left + kSliver && x + width <= column.right - kSliver) return x;
    return (column.left + column.right - width) / 2.0;
}

void columnText(platform::Surface& s, Column column, double x, double y, const std::string& text) {
    placeText(s, withinColumn(x, textWidth(text, s.fontSize()), column), y, {text});
}

void alignedCell(platform::Surface& s, Column column, double baseX, double y, double value, int positions) {
    columnText(s, column, platform::digitAlignX(baseX, value, positions), y, cellText(value));
}

} // namespace report
