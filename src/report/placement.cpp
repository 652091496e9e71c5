#include "report/placement.h"

#include <algorithm>
#include <cmath>
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

void Clearance::addLine(double x1, double y1, double x2, double y2) {
    lines_.push_back({x1, y1, x2, y2});
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
    for (const Segment& l : lines_)
        if (crosses(l.x1, l.y1, l.x2, l.y2, kept)) return false;
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

std::optional<Led> outsideWithLeader(const Clearance& room, const std::vector<Piece>& group, double size,
                                     Point anchor, double lift) {
    constexpr double gap = Clearance::kGap;
    if (group.empty()) return std::nullopt;
    const Box g = groupBox(group, size);
    const double left = g.left, right = g.right, top = g.top, bottom = g.bottom;
    const Box drawing = room.extent();
    const double middle = (top + bottom) / 2;
    for (const Point& step : around(0, 0, 25, 0, lift)) {
        // A level leader would read as an extension line.
        if (std::fabs(step.y) < kSlant) continue;
        const double y = anchor.y + step.y - middle;
        for (const bool after : {true, false}) {
            const double x = after ? drawing.right + 2 * gap - left : drawing.left - 2 * gap - right;
            const Segment leader{after ? x + left - gap / 2 : x + right + gap / 2, y + middle, anchor.x,
                                 anchor.y};
            if (room.clear({x, y}, group, size) && room.clearOfTexts(leader)) return Led{{x, y}, leader};
        }
    }
    return std::nullopt;
}

int Clearance::linesMet(const Segment& l, Point anchor) const {
    // Where two segments meet: the cross products of each one's ends against the other.
    auto meet = [](const Segment& a, const Segment& b) -> std::optional<Point> {
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
    };
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const Segment& k) {
        const auto at = meet(l, k);
        return at && std::hypot(at->x - anchor.x, at->y - anchor.y) > kLeastGap;
    }));
}

std::optional<Led> nearWithLeader(const Clearance& room, const std::vector<Piece>& group, double size,
                                  Point anchor, double reach, double floor) {
    if (group.empty()) return std::nullopt;
    const Box g = groupBox(group, size);
    if (empty(g)) return std::nullopt;
    constexpr double off = Clearance::kGap / 2;
    // By the lines the leader crosses, then by its length.
    std::vector<std::pair<std::pair<int, double>, Led>> found;
    for (const Point& p :
         around(anchor.x - (g.left + g.right) / 2, anchor.y - (g.top + g.bottom) / 2, 25, reach, reach)) {
        const Box b{p.x + g.left, p.y + g.top, p.x + g.right, p.y + g.bottom};
        // From the side of the group that faces the anchor; a leader that neither rises nor runs far
        // enough would read as a dimension's own line.
        const double x = anchor.x < b.left ? b.left - off : anchor.x > b.right ? b.right + off : anchor.x;
        const double y = anchor.y < b.top ? b.top - off : anchor.y > b.bottom ? b.bottom + off : anchor.y;
        if (std::fabs(anchor.x - x) < kSlant || std::fabs(anchor.y - y) < kSlant) continue;
        const Segment leader{x, y, anchor.x, anchor.y};
        const double length = std::hypot(anchor.x - x, anchor.y - y);
        if (length > reach) continue;
        if (b.bottom > floor || y > floor) continue;
        if (!room.clear(p, group, size) || !room.clearOfTexts(leader)) continue;
        if (const int met = room.linesMet(leader, anchor); met <= 1)
            found.push_back({{met, length}, Led{p, leader}});
    }
    if (found.empty()) return std::nullopt;
    return std::min_element(found.begin(), found.end(),
                            [](const auto& a, const auto& b) { return a.first < b.first; })
        ->second;
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
    for (const Segment& l : lines_)
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

void KeptDrawing::place(const DimensionRow& row) {
    for (const auto& p : row.place(room, s_.fontSize())) {
        if (p.leader) s_.line(p.leader->x1, p.leader->y1, p.leader->x2, p.leader->y2);
        placeText(s_, platform::toSingle(p.at.x), platform::toSingle(p.at.y), {p.text});
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

void Sketch::place(const DimensionRow& row, double size) {
    for (const auto& p : row.place(room_, size, gap_)) {
        if (p.leader) items_.emplace_back(*p.leader);
        items_.emplace_back(Label{platform::toSingle(p.at.x), platform::toSingle(p.at.y), p.text, size});
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
