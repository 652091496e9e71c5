#include "report/placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "platform/runtime.h"
#include "report/dimension_row.h"
#include "report/page_format.h"

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

// How far a leader rises or falls at the least.
constexpr double kSlant = 100;

bool empty(const Box& b) {
    return b.right <= b.left;
}

Box grown(const Box& b, double across, double upDown) {
    return {b.left - across, b.top - upDown, b.right + across, b.bottom + upDown};
}

// The box that holds a group's texts set at (0, 0); empty for no text.
Box groupBox(const std::vector<Piece>& group, double size) {
    Box g{};
    bool any = false;
    for (const Piece& p : group) {
        const Box b = textBox(p.dx, p.dy, p.text, size);
        g = any ? Box{std::min(g.left, b.left), std::min(g.top, b.top), std::max(g.right, b.right),
                      std::max(g.bottom, b.bottom)}
                : b;
        any = true;
    }
    return g;
}

} // namespace

bool inside(const Box& b, const Box& frame) {
    return b.left >= frame.left && b.right <= frame.right && b.top >= frame.top && b.bottom <= frame.bottom;
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

double textWidth(std::string_view text, double size) {
    double ems = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        ems += halfWidth(text.substr(i, n)) ? 0.5 : 1.0;
        i += n;
    }
    return ems * size * 20.0;
}

namespace {

// What a text's box needs of the text itself, measured once for all the places it is tried at.
struct TextExtent {
    bool blank = true;
    double lead = 0, width = 0, em = 0;
};

TextExtent extentOf(std::string_view text, double size) {
    TextExtent e;
    e.em = size * 20.0;
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return e;
    const std::size_t end = text.find_last_not_of(' ') + 1;
    e.blank = false;
    e.lead = textWidth(text.substr(0, start), size);
    e.width = textWidth(text.substr(start, end - start), size);
    return e;
}

Box boxAt(const TextExtent& e, double x, double y) {
    if (e.blank) return {x, y + 0.04 * e.em, x, y + 0.96 * e.em};
    const double left = x + e.lead;
    return {left, y + 0.04 * e.em, left + e.width, y + 0.96 * e.em};
}

} // namespace

Box textBox(double x, double y, std::string_view text, double size) {
    return boxAt(extentOf(text, size), x, y);
}

bool crosses(double x1, double y1, double x2, double y2, const Box& b) {
    if (std::max(x1, x2) <= b.left || std::min(x1, x2) >= b.right || std::max(y1, y2) <= b.top ||
        std::min(y1, y2) >= b.bottom)
        return false;
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - b.left, b.right - x1, y1 - b.top, b.bottom - y1};
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
    }
    return t0 < t1;
}

namespace {

// The side of the square cells the lines are filed under, so that a question about a small box or a short
// leader looks at the lines near it only.
constexpr double kCell = 400;

long long cellKey(long long ix, long long iy) {
    return ix * 1000003LL + iy;
}

Box boundsOf(const Segment& s) {
    return {std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
}

// Whether a box spans few enough cells to look them up one by one: a few pages' worth.
bool manageable(const Box& b) {
    constexpr double most = 64 * kCell;
    return std::isfinite(b.left) && std::isfinite(b.right) && std::isfinite(b.top) &&
           std::isfinite(b.bottom) && b.right - b.left <= most && b.bottom - b.top <= most &&
           std::fabs(b.left) < 1e9 && std::fabs(b.top) < 1e9;
}

} // namespace

void Clearance::addLine(double x1, double y1, double x2, double y2) {
    const auto index = static_cast<std::uint32_t>(lines_.size());
    lines_.push_back({x1, y1, x2, y2});
    // A line far longer than the page (a wall of absurd size) is asked every time.
    const Box b = boundsOf(Segment{x1, y1, x2, y2});
    if (!manageable(b)) {
        everywhere_.push_back(index);
        return;
    }
    for (double ix = std::floor(b.left / kCell); ix <= std::floor(b.right / kCell); ++ix)
        for (double iy = std::floor(b.top / kCell); iy <= std::floor(b.bottom / kCell); ++iy)
            cells_[cellKey(static_cast<long long>(ix), static_cast<long long>(iy))].push_back(index);
}

template <typename F> bool Clearance::anyLineNear(const Box& b, F f) const {
    if (!manageable(b)) return std::any_of(lines_.begin(), lines_.end(), f);
    for (const std::uint32_t i : everywhere_)
        if (f(lines_[i])) return true;
    seen_.resize(lines_.size());
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    for (double ix = std::floor(b.left / kCell); ix <= std::floor(b.right / kCell); ++ix)
        for (double iy = std::floor(b.top / kCell); iy <= std::floor(b.bottom / kCell); ++iy) {
            const auto cell = cells_.find(cellKey(static_cast<long long>(ix), static_cast<long long>(iy)));
            if (cell == cells_.end()) continue;
            for (const std::uint32_t i : cell->second)
                if (seen_[i] != stamp_) {
                    seen_[i] = stamp_;
                    if (f(lines_[i])) return true;
                }
        }
    return false;
}

void Clearance::addText(double x, double y, std::string_view text, double size) {
    if (const Box b = textBox(x, y, text, size); !empty(b)) texts_.push_back(b);
}

bool Clearance::clear(double x, double y, std::string_view text, double size, double gap) const {
    return clearBox(textBox(x, y, text, size), gap);
}

bool Clearance::clearBox(const Box& b, double gap, double upDown) const {
    if (empty(b)) return true;
    if (frame_ && !inside(b, *frame_)) return false;
    const Box kept = grown(b, gap, upDown);
    auto across = [&](const Segment& l) { return crosses(l.x1, l.y1, l.x2, l.y2, kept); };
    if (anyLineNear(kept, across) || std::any_of(leaders_.begin(), leaders_.end(), across)) return false;
    // A leader's start is its own text's.
    if (std::any_of(leaders_.begin(), leaders_.end(), [&](const Segment& l) {
            return crosses(l.x1, l.y1, l.x1, l.y1, grown(b, kStartRoom, kStartRoom));
        }))
        return false;
    return std::none_of(texts_.begin(), texts_.end(), [&](const Box& t) { return overlap(kept, t); });
}

bool Clearance::clear(Point at, const std::vector<Piece>& group, double size, double gap) const {
    return std::all_of(group.begin(), group.end(),
                       [&](const Piece& p) { return clear(at.x + p.dx, at.y + p.dy, p.text, size, gap); });
}

Point Clearance::first(const std::vector<Point>& positions, const std::vector<Piece>& group, double size,
                       double gap) const {
    std::vector<TextExtent> extents;
    extents.reserve(group.size());
    for (const Piece& piece : group)
        extents.push_back(extentOf(piece.text, size));
    for (const Point& p : positions) {
        bool clear = true;
        for (std::size_t i = 0; clear && i < group.size(); ++i)
            clear = clearBox(boxAt(extents[i], p.x + group[i].dx, p.y + group[i].dy), gap);
        if (clear) return p;
    }
    return positions.empty() ? Point{} : positions.front();
}

bool Clearance::clearOfTexts(const Segment& l) const {
    return std::none_of(texts_.begin(), texts_.end(), [&](const Box& t) {
        return crosses(l.x1, l.y1, l.x2, l.y2, grown(t, kLeastGap, kLeastGap));
    });
}

void Clearance::addLeader(const Segment& l) {
    leaders_.push_back(l);
}

namespace {

Box boundsOf(const Outline& o) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Box e{inf, inf, -inf, -inf};
    for (const Point& p : o.corners)
        e = {std::min(e.left, p.x), std::min(e.top, p.y), std::max(e.right, p.x), std::max(e.bottom, p.y)};
    return e;
}

// Whether two boxes share any point, edges included.
bool touch(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

void Clearance::addPart(Outline part) {
    parts_.push_back({boundsOf(part), std::move(part)});
}

bool Clearance::inPart(const Box& b) const {
    return std::any_of(parts_.begin(), parts_.end(),
                       [&](const Body& p) { return touch(p.bounds, b) && p.outline.meets(b); });
}

namespace {

// Where two segments meet, if they do: the cross products of each one's ends against the other.
std::optional<Point> meet(const Segment& a, const Segment& b) {
    if (std::max(a.x1, a.x2) < std::min(b.x1, b.x2) || std::max(b.x1, b.x2) < std::min(a.x1, a.x2) ||
        std::max(a.y1, a.y2) < std::min(b.y1, b.y2) || std::max(b.y1, b.y2) < std::min(a.y1, a.y2))
        return std::nullopt;
    const double rx = a.x2 - a.x1, ry = a.y2 - a.y1, sx = b.x2 - b.x1, sy = b.y2 - b.y1;
    const double denom = rx * sy - ry * sx;
    const double qx = b.x1 - a.x1, qy = b.y1 - a.y1;
    if (denom == 0) {
        // Parallel: they meet only where they lie on one line and overlap.
        if (qx * ry - qy * rx != 0) return std::nullopt;
        const double len = rx * rx + ry * ry;
        if (len == 0) return std::nullopt;
        const double t0 = (qx * rx + qy * ry) / len, t1 = t0 + (sx * rx + sy * ry) / len;
        if (std::max(t0, t1) < 0 || std::min(t0, t1) > 1) return std::nullopt;
        const double t = std::clamp(std::min(t0, t1), 0.0, 1.0);
        return Point{a.x1 + t * rx, a.y1 + t * ry};
    }
    const double t = (qx * sy - qy * sx) / denom, u = (qx * ry - qy * rx) / denom;
    if (t < 0 || t > 1 || u < 0 || u > 1) return std::nullopt;
    return Point{a.x1 + t * rx, a.y1 + t * ry};
}

// A leader meets what it ends on within this much of its tip.
constexpr double kAtTip = 2;

double distance(Point a, Point b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

} // namespace

bool Clearance::meetsLeader(const Segment& l) const {
    return std::any_of(leaders_.begin(), leaders_.end(),
                       [&](const Segment& k) { return meet(l, k).has_value(); });
}

bool Clearance::roomAtStart(Point start) const {
    const Box around{start.x - kStartRoom, start.y - kStartRoom, start.x + kStartRoom, start.y + kStartRoom};
    return std::none_of(texts_.begin(), texts_.end(), [&](const Box& t) { return overlap(around, t); });
}

bool Clearance::offLines(Point p, double by) const {
    const Box around{p.x - by, p.y - by, p.x + by, p.y + by};
    return !anyLineNear(around, [&](const Segment& l) { return crosses(l.x1, l.y1, l.x2, l.y2, around); });
}

void Clearance::addBlock(const Box& block) {
    blocks_.push_back({block,
                       {{{block.left, block.top},
                         {block.right, block.top},
                         {block.right, block.bottom},
                         {block.left, block.bottom}}}});
}

Crossing Clearance::crossing(const Segment& l, Point tip) const {
    Crossing c;
    std::vector<Point> met;
    anyLineNear(boundsOf(l), [&](const Segment& k) {
        if (const auto at = meet(l, k); at && distance(*at, tip) > kAtTip) met.push_back(*at);
        return false;
    });
    c.lines = static_cast<int>(met.size());
    // Whether the leader enters a body and leaves it again: neither of its ends lies inside.
    const Point start{l.x1, l.y1};
    const Box span = boundsOf(l);
    auto through = [&](const Body& body) {
        const Outline& o = body.outline;
        if (!touch(body.bounds, span) || o.contains(start) || o.contains(tip)) return false;
        for (std::size_t i = 0; i < o.corners.size(); ++i) {
            const Point& a = o.corners[i];
            const Point& b = o.corners[(i + 1) % o.corners.size()];
            if (meet(l, {a.x, a.y, b.x, b.y})) return true;
        }
        return false;
    };
    // One body passed through is crossed once: a block, its strokes and all, or a part.
    for (const Body& b : blocks_)
        if (through(b)) {
            const Box in = grown(b.bounds, 0.5, 0.5);
            const auto inside = std::count_if(met.begin(), met.end(), [&](const Point& p) {
                return p.x >= in.left && p.x <= in.right && p.y >= in.top && p.y <= in.bottom;
            });
            c.absorbed = std::max(c.absorbed, static_cast<int>(inside) - 1);
        }
    if (std::any_of(parts_.begin(), parts_.end(), through)) c.absorbed = std::max(c.absorbed, 1);
    c.absorbed = std::clamp(c.absorbed, 0, std::max(c.lines - 1, 0));
    return c;
}

namespace {

// The most points a leader's tip is tried at: enough to find a way in, few enough to try them all.
constexpr int kMostTips = 16;
// How far beyond the frame a tip may lie: further, no leader from the frame could reach it.
constexpr double kFarOff = 1e6;

} // namespace

bool Outline::contains(Point p) const {
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x)) in = !in;
    }
    return in;
}

namespace {

// Whether f holds for any of the outline's edges, each from a corner to the next.
template <typename F> bool anyEdge(const std::vector<Point>& corners, F f) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point& a = corners[i];
        const Point& b = corners[(i + 1) % corners.size()];
        if (f(Segment{a.x, a.y, b.x, b.y})) return true;
    }
    return false;
}

std::array<Point, 4> cornersOf(const Box& b) {
    return {Point{b.left, b.top}, Point{b.right, b.top}, Point{b.right, b.bottom}, Point{b.left, b.bottom}};
}

double distanceTo(const Segment& s, Point p) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, len = dx * dx + dy * dy;
    const double t = len == 0 ? 0 : std::clamp(((p.x - s.x1) * dx + (p.y - s.y1) * dy) / len, 0.0, 1.0);
    return distance({s.x1 + t * dx, s.y1 + t * dy}, p);
}

} // namespace

bool Outline::holds(const Box& b) const {
    if (corners.size() < 3) return false;
    const auto box = cornersOf(b);
    return std::all_of(box.begin(), box.end(), [&](const Point& p) { return contains(p); }) &&
           !anyEdge(corners, [&](const Segment& e) { return crosses(e.x1, e.y1, e.x2, e.y2, b); });
}

bool Outline::meets(const Box& b) const {
    if (corners.size() < 3 || empty(b)) return false;
    const auto box = cornersOf(b);
    return std::any_of(box.begin(), box.end(), [&](const Point& p) { return contains(p); }) ||
           anyEdge(corners, [&](const Segment& e) { return crosses(e.x1, e.y1, e.x2, e.y2, b); });
}

std::vector<Point> Outline::inner(double inset) const {
    if (corners.size() < 3) return {};
    Box e{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners)
        e = {std::min(e.left, p.x), std::min(e.top, p.y), std::max(e.right, p.x), std::max(e.bottom, p.y)};
    if (!manageable(e)) return {};
    // About four points across and four down, none closer than 25.
    const double stepX = std::max(25.0, (e.right - e.left) / 4);
    const double stepY = std::max(25.0, (e.bottom - e.top) / 4);
    for (double in = inset; in >= 5; in /= 2) {
        std::vector<Point> out;
        for (double y = e.top + stepY / 2; y < e.bottom; y += stepY)
            for (double x = e.left + stepX / 2; x < e.right; x += stepX)
                if (const Point p{x, y};
                    contains(p) && !anyEdge(corners, [&](const Segment& s) { return distanceTo(s, p) < in; }))
                    out.push_back(p);
        if (!out.empty()) return out;
    }
    // A sliver: the points inside on a grid as fine as it is narrow; one with no inside at all (a soil
    // wedge over a batter that is zero but for rounding): its middle, on its outline.
    std::vector<Point> out;
    const double fine = std::max({1.0, std::min(e.right - e.left, e.bottom - e.top) / 4,
                                  std::max(e.right - e.left, e.bottom - e.top) / 64});
    for (double y = e.top + fine / 2; y < e.bottom && out.size() < kMostTips; y += fine)
        for (double x = e.left + fine / 2; x < e.right && out.size() < kMostTips; x += fine)
            if (contains({x, y})) out.push_back({x, y});
    if (out.empty()) out.push_back({(e.left + e.right) / 2, (e.top + e.bottom) / 2});
    return out;
}

std::vector<Point> along(Point a, Point b, double inset, double step) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!std::isfinite(length)) return {};
    if (length <= 2 * inset) return {Point{(a.x + b.x) / 2, (a.y + b.y) / 2}};
    const int n = static_cast<int>(std::clamp(std::floor((length - 2 * inset) / step), 1.0, kMostTips - 1.0));
    std::vector<Point> out;
    for (int i = 0; i <= n; ++i) {
        const double t = (inset + (length - 2 * inset) * i / n) / length;
        out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
    return out;
}

namespace {

// A leader runs no flatter and no steeper than this slope allows, so that it reads as neither a
// dimension line nor an extension line.
constexpr double kSlope = 0.15;

} // namespace

std::optional<Point> leaderStart(const Box& around, Point tip) {
    std::optional<Point> best;
    double shortest = std::numeric_limits<double>::infinity();
    auto consider = [&](Point s) {
        const double dx = std::fabs(tip.x - s.x), dy = std::fabs(tip.y - s.y);
        if (dx < std::max(kSlant, kSlope * dy) - 1e-9 || dy < std::max(kSlant, kSlope * dx) - 1e-9) return;
        if (const double d = std::sqrt(dx * dx + dy * dy); d < shortest) {
            shortest = d;
            best = s;
        }
    };
    // From the top or the bottom side, anywhere along it.
    if (tip.y < around.top || tip.y > around.bottom) {
        const double y = tip.y < around.top ? around.top : around.bottom;
        const double need = std::max(kSlant, kSlope * std::fabs(tip.y - y));
        for (double x : {tip.x - need, tip.x + need, around.left, around.right})
            if (x >= around.left && x <= around.right) consider({x, y});
    }
    // From the left or the right side.
    if (tip.x < around.left || tip.x > around.right) {
        const double x = tip.x < around.left ? around.left : around.right;
        const double need = std::max(kSlant, kSlope * std::fabs(tip.x - x));
        for (double y : {tip.y - need, tip.y + need, around.top, around.bottom})
            if (y >= around.top && y <= around.bottom) consider({x, y});
    }
    return best;
}

std::array<LeaderOptions, 2> LeaderPlacement::search(const std::vector<Piece>& group,
                                                     const LeaderTarget& target) const {
    std::array<LeaderOptions, 2> out;
    // Tips on the page only; inside a part, off its lines where there are such.
    const Box drawing = room_.extent();
    const Box frame = room_.frame().value_or(
        Box{drawing.left - 3000, drawing.top - 3000, drawing.right + 3000, drawing.bottom + 3000});
    if (!manageable(frame)) return out;
    std::vector<Point> onPage, offLine;
    for (const Point& t : target.tips)
        if (inside(Box{t.x, t.y, t.x, t.y}, grown(frame, kFarOff, kFarOff))) onPage.push_back(t);
    for (const Point& t : onPage)
        if (target.offLines && room_.offLines(t, Clearance::kLeastGap)) offLine.push_back(t);
    const std::vector<Point>& tipsAt = target.offLines && !offLine.empty() ? offLine : onPage;
    if (group.empty() || tipsAt.empty()) return out;
    const Box g = groupBox(group, size_);
    if (empty(g)) return out;
    std::vector<TextExtent> extents;
    for (const Piece& piece : group)
        extents.push_back(extentOf(piece.text, size_));
    Box tips{tipsAt[0].x, tipsAt[0].y, tipsAt[0].x, tipsAt[0].y};
    for (const Point& t : tipsAt)
        tips = {std::min(tips.left, t.x), std::min(tips.top, t.y), std::max(tips.right, t.x),
                std::max(tips.bottom, t.y)};
    // A leader leaves its text half the room kept beside a text away from it.
    constexpr double off = Clearance::kGap / 2;
    struct Candidate {
        double length;
        std::size_t position;
        Segment leader;
    };
    struct Stage {
        double reach, step;
        std::size_t tips; // the leaders tried from each place, to as many tips, the shortest
    };
    // Near the target first, finely; then further, more coarsely. A place further still would want a
    // leader too long to read as its text's: the frame is searched only where there is no place nearer.
    constexpr double kAnywhere = 1e6;
    constexpr Stage stages[] = {{600, 25, 6}, {2000, 50, 3}, {kAnywhere, 100, 3}};
    // By the lines crossed as counted, then as drawn; among equals the first found, the shortest.
    auto better = [](const Led& a, const std::optional<Led>& b) {
        return !b || std::pair{a.crossed.counted(), a.crossed.lines} <
                         std::pair{b->crossed.counted(), b->crossed.lines};
    };
    std::vector<Point> positions;
    std::vector<Candidate> candidates;
    for (const Stage& stage : stages) {
        if (stage.reach == kAnywhere && out[0].fewest) break;
        positions.clear();
        candidates.clear();
        // The group's box within reach of the tips, and within the frame.
        const double w = g.right - g.left, h = g.bottom - g.top;
        const double left = std::max(frame.left, tips.left - stage.reach - w) - g.left;
        const double right = std::min(frame.right, tips.right + stage.reach + w) - g.right;
        const double top = std::max(frame.top, tips.top - stage.reach - h) - g.top;
        const double bottom = std::min(frame.bottom, tips.bottom + stage.reach + h) - g.bottom;
        // On a grid through the place centred on the tips, or the nearest within reach.
        const double cx =
            std::clamp((tips.left + tips.right - g.left - g.right) / 2, left, std::max(left, right));
        const double cy =
            std::clamp((tips.top + tips.bottom - g.top - g.bottom) / 2, top, std::max(top, bottom));
        const double x0 = cx - std::floor((cx - left) / stage.step) * stage.step;
        const double y0 = cy - std::floor((cy - top) / stage.step) * stage.step;
        for (double y = y0; y <= bottom; y += stage.step)
            for (double x = x0; x <= right; x += stage.step) {
                const Box b{x + g.left, y + g.top, x + g.right, y + g.bottom};
                if (b.bottom > target.floor || (shunParts_ && room_.inPart(b))) continue;
                // The shortest leaders from here, each to its own tip.
                std::array<Candidate, 6> best;
                const std::size_t most = std::min(stage.tips, best.size());
                std::size_t kept = 0;
                const Box around = grown(b, off, off);
                for (const Point& t : tipsAt) {
                    // No leader from the box is shorter than the way from the box to the tip.
                    const double dx = std::max({around.left - t.x, 0.0, t.x - around.right});
                    const double dy = std::max({around.top - t.y, 0.0, t.y - around.bottom});
                    const double least = dx * dx + dy * dy;
                    if (least > stage.reach * stage.reach ||
                        (kept == most && least >= best[most - 1].length * best[most - 1].length))
                        continue;
                    const auto s = leaderStart(around, t);
                    if (!s || s->y > target.floor) continue;
                    const double length = distance(*s, t);
                    if (length > stage.reach || (kept == most && best[most - 1].length <= length)) continue;
                    std::size_t i = std::min(kept, most - 1);
                    for (; i > 0 && best[i - 1].length > length; --i)
                        best[i] = best[i - 1];
                    best[i] = {length, positions.size(), {s->x, s->y, t.x, t.y}};
                    kept = std::min(kept + 1, most);
                }
                if (kept == 0) continue;
                positions.push_back({x, y});
                candidates.insert(candidates.end(), best.begin(), best.begin() + kept);
            }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.length < b.length; });
        // How clear the group is at a position, worked out when first asked: not at all, keeping the close
        // room, keeping the whole room.
        std::vector<signed char> clear(positions.size(), -1);
        auto clearAt = [&](Point p, double gap) {
            for (std::size_t i = 0; i < group.size(); ++i)
                if (!room_.clearBox(boxAt(extents[i], p.x + group[i].dx, p.y + group[i].dy), gap))
                    return false;
            return true;
        };
        std::array<LeaderOptions, 2> inStage;
        for (const Candidate& c : candidates) {
            signed char& how = clear[c.position];
            if (how < 0) {
                const Point p = positions[c.position];
                how = !clearAt(p, close_) ? 0 : close_ < gap_ && !clearAt(p, gap_) ? 1 : 2;
            }
            if (how == 0 || !leaderFree(c.leader)) continue;
            const Led led{positions[c.position], c.leader,
                          room_.crossing(c.leader, {c.leader.x2, c.leader.y2})};
            for (std::size_t v = how == 2 ? 0 : 1; v < 2; ++v) {
                LeaderOptions& o = inStage[v];
                if (led.crossed.lines <= 1 && better(led, o.oneLine)) o.oneLine = led;
                if (led.crossed.counted() <= 1 && better(led, o.oneCounted)) o.oneCounted = led;
                if (better(led, o.fewest)) o.fewest = led;
            }
            // Nothing after it, longer, does better, for the whole room or the close.
            if (how == 2 && led.crossed.lines == 0) break;
        }
        for (std::size_t v = 0; v < 2; ++v) {
            if (!out[v].oneLine) out[v].oneLine = inStage[v].oneLine;
            if (!out[v].oneCounted) out[v].oneCounted = inStage[v].oneCounted;
            if (inStage[v].fewest && better(*inStage[v].fewest, out[v].fewest))
                out[v].fewest = inStage[v].fewest;
        }
        if (out[0].oneLine) break;
    }
    return out;
}

std::optional<Led> LeaderPlacement::find(const std::vector<Piece>& group, const LeaderTarget& target) const {
    const LeaderOptions o = search(group, target)[0];
    return o.oneLine ? o.oneLine : o.oneCounted ? o.oneCounted : o.fewest;
}

bool LeaderPlacement::free(const std::vector<Piece>& group, const Led& led, bool close) const {
    return room_.clear(led.at, group, size_, close ? close_ : gap_) && leaderFree(led.leader);
}

bool LeaderPlacement::leaderFree(const Segment& l) const {
    return room_.roomAtStart({l.x1, l.y1}) && room_.clearOfTexts(l) && !room_.meetsLeader(l);
}

std::vector<SetApart> setApart(Clearance& room, double size, double gap, const std::vector<Apart>& texts) {
    // In a tight spot a text set apart may come as close as a mark inside a small part does; where nothing
    // else reaches, a number or a label may stand in a part.
    const double close = std::min(gap, Clearance::kNarrowGap);
    const LeaderPlacement placements[] = {{room, size, gap, close}, {room, size, close, close, false}};
    std::vector<std::optional<SetApart>> set(texts.size());
    auto keep = [&](std::size_t i, Point at, const std::optional<Segment>& leader) {
        for (const Piece& p : texts[i].group)
            room.addText(at.x + p.dx, at.y + p.dy, p.text, size);
        if (leader) room.addLeader(*leader);
        set[i] = SetApart{at, leader};
    };
    // What a search found for a text, kept while it stays free: what the texts set since take only ever
    // rules places out.
    using Found = std::optional<std::array<LeaderOptions, 2>>;
    std::vector<std::array<std::array<Found, 2>, std::size(placements)>> found(texts.size());
    auto options = [&](std::size_t i, std::size_t placement,
                       bool under) -> const std::array<LeaderOptions, 2>& {
        Found& f = found[i][placement][under];
        if (!f) {
            LeaderTarget target = texts[i].target;
            if (under) target.floor = std::numeric_limits<double>::infinity();
            f = placements[placement].search(texts[i].group, target);
        }
        return *f;
    };
    // Those whose leaders cross at most one line, above their floors, then under them, then closer to what
    // they pass; then those that pass through a body and cross nothing else, then those that do so from a
    // part; then the others, where their leaders cross fewest.
    enum class Class { OneLine, OneCounted, Fewest };
    struct Round {
        Class which;
        std::size_t placement;
        bool close;
    };
    const Round rounds[] = {{Class::OneLine, 0, false},    {Class::OneLine, 0, true},
                            {Class::OneCounted, 0, false}, {Class::OneCounted, 0, true},
                            {Class::OneCounted, 1, false}, {Class::Fewest, 0, false}};
    for (const Round& round : rounds)
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (const bool under : {false, true}) {
                if (set[i] || (under && !texts[i].mayGoUnder) ||
                    (round.placement == 1 && !texts[i].mayStandInPart))
                    continue;
                auto pick = [&]() -> const std::optional<Led>& {
                    const LeaderOptions& o = options(i, round.placement, under)[round.close];
                    return round.which == Class::OneLine      ? o.oneLine
                           : round.which == Class::OneCounted ? o.oneCounted
                                                              : o.fewest;
                };
                // A place found before that the texts set since have taken is searched for again.
                if (pick() && !placements[round.placement].free(texts[i].group, *pick(), round.close))
                    found[i][round.placement][under].reset();
                if (const auto& led = pick()) keep(i, led->at, led->leader);
            }
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!set[i]) keep(i, texts[i].fallback, std::nullopt);
    std::vector<SetApart> out;
    for (const auto& s : set)
        out.push_back(*s);
    return out;
}

Box Clearance::extent() const {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Box e{inf, inf, -inf, -inf};
    auto add = [&](const Box& b) {
        e.left = std::min(e.left, b.left);
        e.top = std::min(e.top, b.top);
        e.right = std::max(e.right, b.right);
        e.bottom = std::max(e.bottom, b.bottom);
    };
    for (const auto* lines : {&lines_, &leaders_})
        for (const Segment& l : *lines)
            add({std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2), std::max(l.y1, l.y2)});
    for (const Box& t : texts_)
        add(t);
    return e.left <= e.right ? e : Box{};
}

std::vector<Point> around(double x, double y, double step, double reach, double lift) {
    std::vector<Point> out;
    const int across = static_cast<int>(std::floor(reach / step));
    const int up = static_cast<int>(std::floor(lift / step));
    for (int j = -up; j <= up; ++j)
        for (int i = -across; i <= across; ++i)
            out.push_back({x + i * step, y + j * step});
    std::vector<std::pair<double, Point>> keyed;
    keyed.reserve(out.size());
    for (const Point& p : out)
        keyed.emplace_back(std::hypot(p.x - x, p.y - y), p);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = keyed[i].second;
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

namespace {

void print(platform::Surface& s, const std::vector<DimensionRow::Placed>& placed) {
    for (const auto& p : placed) {
        if (p.leader) s.line(p.leader->x1, p.leader->y1, p.leader->x2, p.leader->y2);
        placeText(s, platform::toSingle(p.at.x), platform::toSingle(p.at.y), {p.text});
    }
}

} // namespace

std::vector<std::size_t> KeptDrawing::placeOwn(const DimensionRow& row) {
    DimensionRow::Own own = row.placeOwn(room, s_.fontSize());
    print(s_, own.placed);
    return own.apart;
}

void KeptDrawing::setApart(const std::vector<Apart>& texts, double gap) {
    const auto set = report::setApart(room, s_.fontSize(), gap, texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (const auto& l = set[i].leader) s_.line(l->x1, l->y1, l->x2, l->y2);
        for (const Piece& p : texts[i].group)
            placeText(s_, platform::toSingle(set[i].at.x + p.dx), platform::toSingle(set[i].at.y + p.dy),
                      {p.text});
    }
}

void Sketch::line(double x1, double y1, double x2, double y2) {
    items_.emplace_back(Segment{x1, y1, x2, y2});
    room_.addLine(x1, y1, x2, y2);
}

void Sketch::text(const std::string& text, double size, const std::vector<Point>& positions) {
    const Point p = room_.first(positions, {Piece{0, 0, text}}, size, gap_);
    const Label label{platform::toSingle(p.x), platform::toSingle(p.y), text, size};
    items_.emplace_back(label);
    room_.addText(label.x, label.y, text, size);
}

void Sketch::add(Point at, const std::string& text, const std::optional<Segment>& leader, double size) {
    if (leader) items_.emplace_back(*leader);
    items_.emplace_back(Label{platform::toSingle(at.x), platform::toSingle(at.y), text, size});
}

std::vector<std::size_t> Sketch::placeOwn(const DimensionRow& row, double size) {
    DimensionRow::Own own = row.placeOwn(room_, size, gap_);
    for (const auto& p : own.placed)
        add(p.at, p.text, p.leader, size);
    return own.apart;
}

void Sketch::setApart(const std::vector<Apart>& texts, double size) {
    const auto set = report::setApart(room_, size, gap_, texts);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t k = 0; k < texts[i].group.size(); ++k) {
            const Piece& p = texts[i].group[k];
            add({set[i].at.x + p.dx, set[i].at.y + p.dy}, p.text, k == 0 ? set[i].leader : std::nullopt,
                size);
        }
}

void Sketch::draw(platform::Surface& s) const {
    for (const auto& item : items_) {
        if (const auto* l = std::get_if<Segment>(&item)) {
            s.line(l->x1, l->y1, l->x2, l->y2);
        } else {
            const auto& t = std::get<Label>(item);
            if (s.fontSize() != t.size) s.setFontSize(t.size);
            placeText(s, t.x, t.y, {t.text});
        }
    }
}

} // namespace report
