#include "report/placement.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

// The length of a UTF-8 sequence from its lead byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    return 4;
}

// Whether the code point of a UTF-8 sequence is set half an em wide: ASCII and the half-width forms.
bool halfWidth(std::string_view seq) {
    if (seq.size() == 1) return true;
    if (seq.size() != 3) return false;
    const unsigned cp =
        (unsigned(seq[0] & 0x0F) << 12) | (unsigned(seq[1] & 0x3F) << 6) | unsigned(seq[2] & 0x3F);
    return cp >= 0xFF61 && cp <= 0xFF9F;
}

bool overlaps(const Box& a, const Box& b, double gapX, double gapY) {
    return a.left < b.right + gapX && b.left < a.right + gapX && a.top < b.bottom + gapY &&
           b.top < a.bottom + gapY;
}

// Whether the segment passes within the box widened by the gaps.
bool crosses(double x1, double y1, double x2, double y2, const Box& b, double gapX, double gapY) {
    const double left = b.left - gapX, right = b.right + gapX, top = b.top - gapY, bottom = b.bottom + gapY;
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// Room between a text and what lies beside it, and above or below it (a line of type leaves some
// below its glyphs already).
constexpr double kGapY = 25;

} // namespace

double textWidth(std::string_view text, double size) {
    double ems = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        ems += halfWidth(text.substr(i, n)) ? 0.5 : 1.0;
        i += n;
    }
    return ems * size * 20.0;
}

Box textBox(double x, double y, std::string_view text, double size) {
    // Leading blanks print nothing.
    const std::size_t start = text.find_first_not_of(' ');
    const double lead = start == std::string_view::npos ? 0 : double(start) * size * 10.0;
    const double em = size * 20.0;
    return {x + lead, y + 0.04 * em, x + textWidth(text, size), y + 0.96 * em};
}

void Clearance::addLine(double x1, double y1, double x2, double y2) {
    lines_.push_back({x1, y1, x2, y2});
}

void Clearance::addText(double x, double y, std::string_view text, double size) {
    texts_.push_back(textBox(x, y, text, size));
}

bool Clearance::clear(double x, double y, std::string_view text, double size, double gap) const {
    const Box b = textBox(x, y, text, size);
    const double gapY = std::min(gap, kGapY);
    for (const Segment& l : lines_)
        if (crosses(l.x1, l.y1, l.x2, l.y2, b, gap, gapY)) return false;
    for (const Box& t : texts_)
        if (overlaps(b, t, gap, gapY)) return false;
    return true;
}

bool Clearance::clear(Point at, const std::vector<Piece>& group, double size, double gap) const {
    return std::all_of(group.begin(), group.end(),
                       [&](const Piece& p) { return clear(at.x + p.dx, at.y + p.dy, p.text, size, gap); });
}

Point Clearance::first(const std::vector<Point>& positions, const std::vector<Piece>& group, double size,
                       double gap) const {
    for (const Point& p : positions)
        if (clear(p, group, size, gap)) return p;
    return positions.empty() ? Point{} : positions.front();
}

std::vector<Point> around(double x, double y, double step, double reach, double lift) {
    std::vector<Point> out;
    const int across = static_cast<int>(std::floor(reach / step));
    const int up = static_cast<int>(std::floor(lift / step));
    for (int j = -up; j <= up; ++j)
        for (int i = -across; i <= across; ++i)
            out.push_back({x + i * step, y + j * step});
    std::stable_sort(out.begin(), out.end(), [&](const Point& a, const Point& b) {
        return std::hypot(a.x - x, a.y - y) < std::hypot(b.x - x, b.y - y);
    });
    return out;
}

Point KeptDrawing::place(const std::vector<Point>& positions, const std::vector<Piece>& group, double gap) {
    const double size = s_.fontSize();
    const Point at = room.first(positions, group, size, gap);
    for (const Piece& p : group) {
        s_.setCurrentX(at.x + p.dx);
        s_.setCurrentY(at.y + p.dy);
        s_.print({p.text});
        room.addText(at.x + p.dx, at.y + p.dy, p.text, size);
    }
    return at;
}

Point KeptDrawing::place(const std::vector<Point>& positions, std::string_view text, double gap) {
    return place(positions, {Piece{0, 0, std::string(text)}}, gap);
}

} // namespace report
