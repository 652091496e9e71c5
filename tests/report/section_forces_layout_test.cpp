#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "report/placement.h"
#include "report/section_forces_walls.h"

namespace {

using platform::LineOp;
using platform::TextOp;

// A4 with the PDF printer's margins, and the top of the page number "－ n －" at the foot.
constexpr double kPrintableWidth = 11338;
constexpr double kPrintableHeight = 16271;
constexpr double kPageNumberTop = 15500;

using Box = report::Box;

// Where a text's glyphs stand, as the figure is laid out with.
Box extent(const TextOp& t) {
    return report::textBox(t.x, t.y, t.text, t.fontSize);
}

bool empty(const Box& b) {
    return b.right <= b.left;
}

// Whether the segment passes through the box's inside, more than a twip from its edges.
bool crosses(const LineOp& l, const Box& b) {
    return report::crosses(l.x1, l.y1, l.x2, l.y2, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1});
}

// Two texts overlap by more than a twip.
bool overlapBeyondATwip(const Box& a, const Box& b) {
    const double e = 1;
    return a.left < b.right - e && b.left < a.right - e && a.top < b.bottom - e && b.top < a.bottom - e;
}

std::string show(const TextOp& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " at (%.0f, %.0f)", t.x, t.y);
    return "\"" + t.text + "\"" + buf;
}
std::string show(const LineOp& l) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "line (%.0f, %.0f)-(%.0f, %.0f)", l.x1, l.y1, l.x2, l.y2);
    return buf;
}

// Everything on the page stays on the printable area above the page number; the figure (what is drawn
// between the heading and the text that follows it) stays between the two and within the width; no
// text of the figure or of the text flow is crossed by a line or overlaps another. The coefficient's
// formula drawings after the angle lines stack their rows 200 twips apart, closer than their texts'
// height, with the fraction bars between them: they are held to the printable area only.
std::vector<std::string> layoutFaults(const platform::Page& page) {
    enum Part { Top, Figure, Flow, Formula };
    std::vector<std::string> faults;
    std::vector<std::pair<TextOp, Part>> texts;
    std::vector<std::pair<LineOp, Part>> lines;
    double figureTop = 0, figureBottom = kPageNumberTop;
    Part part = Top;
    for (const auto& op : page) {
        if (const auto* t = std::get_if<TextOp>(&op)) {
            const bool running = t->text.rfind("            ", 0) == 0;
            if (part == Top && running) {
                texts.emplace_back(*t, Top);
                part = Figure;
                figureTop = extent(*t).bottom;
                continue;
            }
            if (part == Figure && running) {
                part = Flow;
                figureBottom = t->y;
            }
            texts.emplace_back(*t, part);
            if (t->text.find("後壁背面と鉛直面とのなす角度") != std::string::npos) part = Formula;
        } else {
            lines.emplace_back(std::get<LineOp>(op), part);
        }
    }
    const Box printable{0, 0, kPrintableWidth, std::min(kPrintableHeight, kPageNumberTop)};
    const Box figure{0, figureTop, kPrintableWidth, figureBottom};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [t, where] = texts[i];
        const Box b = extent(t);
        if (empty(b)) continue;
        if (!inside(b, printable)) faults.push_back(show(t) + " leaves the printable area");
        if (where == Figure && !inside(b, figure)) faults.push_back(show(t) + " leaves the figure");
        if (where == Formula) continue;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (texts[j].second != Formula && !empty(extent(texts[j].first)) &&
                overlapBeyondATwip(b, extent(texts[j].first)))
                faults.push_back(show(t) + " overlaps " + show(texts[j].first));
        for (const auto& [l, lineWhere] : lines)
            if (lineWhere != Formula && crosses(l, b))
                faults.push_back(show(t) + " is crossed by " + show(l));
    }
    for (const auto& [l, where] : lines) {
        const Box b{std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2), std::max(l.y1, l.y2)};
        if (!inside(b, printable)) faults.push_back(show(l) + " leaves the printable area");
        if (where == Figure && !inside(b, figure)) faults.push_back(show(l) + " leaves the figure");
    }
    return faults;
}

TEST(SectionForcesLayout, EveryWallsPageStaysInItsFramesWithItsTextsClear) {
    for (const auto& w : section_forces_test::walls()) {
        const auto page = section_forces_test::record(w);
        ASSERT_FALSE(page.empty()) << w.name;
        std::string all;
        for (const auto& f : layoutFaults(page))
            all += "\n  " + f;
        EXPECT_TRUE(all.empty()) << w.name << ":" << all;
    }
}

} // namespace
