#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "report/section_forces_walls.h"

namespace {

using platform::LineOp;
using platform::TextOp;

// A4 with the PDF printer's margins, and the top of the page number "－ n －" at the foot.
constexpr double kPrintableWidth = 11338;
constexpr double kPrintableHeight = 16271;
constexpr double kPageNumberTop = 15500;

struct Box {
    double left, top, right, bottom;
};

char32_t next(const std::string& s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t v = n == 1 ? c : c & (0x3F >> (n - 1));
    for (int k = 1; k < n && i + k < s.size(); ++k)
        v = (v << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    return v;
}

// The text's extent, generously: a full-width character as wide as the font size, a half-width one (ASCII,
// half-width kana and marks) half that, the height the font size; blanks at either end take no room.
Box extent(const TextOp& t) {
    const double full = t.fontSize * 20, half = full / 2;
    double x = t.x, left = -1, right = t.x;
    for (std::size_t i = 0; i < t.text.size();) {
        const char32_t c = next(t.text, i);
        const double w = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? half : full;
        if (c != U' ') {
            if (left < 0) left = x;
            right = x + w;
        }
        x += w;
    }
    if (left < 0) left = right = t.x;
    return {left, t.y, right, t.y + full};
}

bool empty(const Box& b) {
    return b.right <= b.left;
}

// Whether the segment passes through the box's inside (a touch at its edge does not count).
bool crosses(const LineOp& l, const Box& b) {
    const double e = 1;
    double t0 = 0, t1 = 1;
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {l.x1 - (b.left + e), (b.right - e) - l.x1, l.y1 - (b.top + e),
                         (b.bottom - e) - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double r = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, r);
            else
                t1 = std::min(t1, r);
        }
    }
    return t0 < t1;
}

bool overlap(const Box& a, const Box& b) {
    const double e = 1;
    return a.left < b.right - e && b.left < a.right - e && a.top < b.bottom - e && b.top < a.bottom - e;
}

bool inside(const Box& b, const Box& frame) {
    return b.left >= frame.left && b.right <= frame.right && b.top >= frame.top && b.bottom <= frame.bottom;
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
// formula drawings after the angle lines stack their rows 200 twips apart, closer than the generous text
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
                overlap(b, extent(texts[j].first)))
                faults.push_back(show(t) + " overlaps " + show(texts[j].first));
        // A line may pass under the baseline, through the room the font keeps for descenders.
        Box inked = b;
        inked.bottom -= t.fontSize * 20 / 8;
        for (const auto& [l, lineWhere] : lines)
            if (lineWhere != Formula && crosses(l, inked))
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
