#include "report/page_format.h"

#include <vector>

#include "platform/runtime.h"

namespace report {

void placeTextAt(platform::Surface& s, double y, std::initializer_list<platform::PrintItem> items) {
    s.setCurrentY(y);
    s.print(items);
}

void placeText(platform::Surface& s, double x, double y, std::initializer_list<platform::PrintItem> items) {
    s.setCurrentX(x);
    placeTextAt(s, y, items);
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

} // namespace report
