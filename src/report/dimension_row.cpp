#include "report/dimension_row.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/runtime.h"

namespace report {
namespace {

// Positions and lines are rounded to single precision: a number set a gap off a line is taken as clear of
// it within this much.
constexpr double kHair = 0.5;
// The steps in which a height's number moves along its span, and how far it goes.
constexpr double kAlong = 25, kAlongMost = 1500;

} // namespace

std::string dimensionText(double millimetres) {
    if (!std::isfinite(millimetres)) return {};
    std::string t = platform::format(millimetres, "##,###");
    if (t.find_first_of("0123456789") == std::string::npos) return {};
    return t;
}

DimensionRow DimensionRow::across(double level, std::optional<double> stagger) {
    DimensionRow r;
    r.axis_ = Axis::Across;
    r.level_ = level;
    r.stagger_ = stagger;
    return r;
}

DimensionRow DimensionRow::upright(double x, int side) {
    DimensionRow r;
    r.axis_ = Axis::Upright;
    r.level_ = x;
    r.side_ = side < 0 ? -1 : 1;
    return r;
}

DimensionRow& DimensionRow::segment(double from, double to, std::string text, std::optional<Point> at) {
    segments_.push_back({std::min(from, to), std::max(from, to), std::move(text), at});
    return *this;
}

std::vector<std::size_t> DimensionRow::numbered() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < segments_.size(); ++i)
        if (!segments_[i].text.empty()) out.push_back(i);
    return out;
}

bool DimensionRow::staggers(double size, double gap) const {
    if (axis_ != Axis::Across || open_) return false;
    const std::vector<std::size_t> numbered = this->numbered();
    for (std::size_t k = 1; k + 1 < numbered.size(); ++k) {
        const Span& s = segments_[numbered[k]];
        if (textWidth(s.text, size) + 2 * gap > s.to - s.from) return true;
    }
    return false;
}

std::vector<DimensionRow::Placed> DimensionRow::place(Clearance& room, double size, double gap) const {
    return axis_ == Axis::Across ? placeAcross(room, size, gap) : placeUpright(room, size, gap);
}

namespace {

// Lefts as near as can be to the wanted ones, in their order, each `gap` clear of the one before: the
// least squares under the order, found by merging runs that would overlap into blocks set at their mean.
std::vector<double> spread(const std::vector<double>& wanted, const std::vector<double>& widths, double gap) {
    struct Block {
        double sum;
        int count;
    };
    std::vector<double> offset(wanted.size());
    for (std::size_t i = 1; i < wanted.size(); ++i)
        offset[i] = offset[i - 1] + widths[i - 1] + gap;
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        blocks.push_back({wanted[i] - offset[i], 1});
        while (blocks.size() > 1) {
            const Block& b = blocks.back();
            const Block& a = blocks[blocks.size() - 2];
            if (a.sum / a.count <= b.sum / b.count) break;
            const Block merged{a.sum + b.sum, a.count + b.count};
            blocks.pop_back();
            blocks.back() = merged;
        }
    }
    std::vector<double> out;
    std::size_t i = 0;
    for (const Block& b : blocks)
        for (int k = 0; k < b.count; ++k, ++i)
            out.push_back(b.sum / b.count + offset[i]);
    return out;
}

} // namespace

std::vector<DimensionRow::Placed> DimensionRow::placeAcross(Clearance& room, double size, double gap) const {
    // A number keeps `gap` inside its segment and from what the drawing holds; one set outside an
    // extension line stands the room kept beside a text off it.
    constexpr double off = Clearance::kGap;
    std::vector<std::optional<Point>> at(segments_.size());
    auto keep = [&](std::size_t i, Point p) {
        at[i] = p;
        room.addText(p.x, p.y, segments_[i].text, size);
    };
    auto clear = [&](std::size_t i, Point p) {
        return room.clearBox(textBox(p.x, p.y, segments_[i].text, size), gap - kHair);
    };
    auto width = [&](std::size_t i) { return textWidth(segments_[i].text, size); };
    auto centred = [&](std::size_t i, double y) {
        return Point{(segments_[i].from + segments_[i].to - width(i)) / 2, y};
    };
    // The numbers on a level free of extension lines keep their order and move apart only as far as
    // they must.
    auto spreadAt = [&](const std::vector<std::size_t>& which, double y, bool wantGiven) {
        std::vector<double> wanted, widths;
        for (std::size_t i : which) {
            const auto& given = segments_[i].at;
            wanted.push_back(wantGiven && given ? given->x : centred(i, y).x);
            widths.push_back(width(i));
        }
        const std::vector<double> lefts = spread(wanted, widths, off);
        for (std::size_t k = 0; k < which.size(); ++k)
            keep(which[k], {lefts[k], y});
    };
    const std::vector<std::size_t> numbered = this->numbered();
    if (open_) {
        spreadAt(numbered, level_, true);
    } else {
        auto within = [&](std::size_t i, Point p) {
            const Box b = textBox(p.x, p.y, segments_[i].text, size);
            return b.left >= segments_[i].from + gap && b.right <= segments_[i].to - gap;
        };
        // The numbers that fit their segments first, so that a crowded one knows where its neighbours stand.
        for (std::size_t i : numbered) {
            const auto& given = segments_[i].at;
            const Point c = centred(i, level_);
            if (given && within(i, *given) && clear(i, *given))
                keep(i, *given);
            else if (within(i, c) && clear(i, c))
                keep(i, c);
        }
        // A crowded number at either end of the row stands beyond it.
        const std::size_t first = numbered.empty() ? 0 : numbered.front();
        const std::size_t last = numbered.empty() ? 0 : numbered.back();
        auto before = [&](std::size_t i) { return Point{segments_[i].from - off - width(i), level_}; };
        auto after = [&](std::size_t i) { return Point{segments_[i].to + off, level_}; };
        for (std::size_t i : numbered) {
            if (at[i] || (i != first && i != last)) continue;
            if (const Point p = i == first ? before(i) : after(i); clear(i, p)) keep(i, p);
        }
        // The others on the second level, over their own segments: a number set beside an extension line
        // in its neighbour's segment would read as a part of that segment.
        std::vector<std::size_t> staggered;
        for (std::size_t i : numbered)
            if (!at[i]) staggered.push_back(i);
        spreadAt(staggered, stagger_.value_or(level_), false);
    }
    std::vector<Placed> out;
    for (std::size_t i = 0; i < segments_.size(); ++i)
        if (at[i]) out.push_back({*at[i], segments_[i].text, std::nullopt});
    return out;
}

std::vector<DimensionRow::Placed> DimensionRow::placeUpright(Clearance& room, double size, double gap) const {
    const double x = level_;
    const double em = size * 20.0;
    std::vector<Placed> out;
    for (const Span& s : segments_) {
        if (s.text.empty()) continue;
        const double w = textWidth(s.text, size);
        auto beside = [&](Point p) {
            const Box b = textBox(p.x, p.y, s.text, size);
            const double middle = (b.top + b.bottom) / 2;
            return (b.right <= x || b.left >= x) && middle >= s.from && middle <= s.to;
        };
        auto sideX = [&](int side, double off) { return side > 0 ? x + off : x - off - w; };
        // At the given height where that is within the span, else centred on it.
        const double centred = s.at && beside({x + 1, s.at->y}) ? s.at->y : (s.from + s.to) / 2 - em / 2;
        std::optional<Point> found;
        auto tryAt = [&](Point p, double by) {
            if (!found && beside(p) && room.clearBox(textBox(p.x, p.y, s.text, size), by - kHair)) found = p;
        };
        if (s.at) tryAt(*s.at, gap);
        // Off the line by the room kept beside a text, else by the narrower room of a small part.
        for (double off : {Clearance::kGap, Clearance::kNarrowGap}) {
            const double by = std::min(gap, off);
            for (int side : {side_, -side_})
                tryAt({sideX(side, off), centred}, by);
            for (double k = kAlong; !found && k <= std::min((s.to - s.from) / 2, kAlongMost); k += kAlong)
                for (int side : {side_, -side_})
                    for (double dy : {-k, k})
                        tryAt({sideX(side, off), centred + dy}, by);
        }
        // A span lower than a line of type with its room above and below: the digits' ink lies well
        // inside their box.
        for (int side : {side_, -side_})
            if (!found && beside({sideX(side, Clearance::kNarrowGap), centred}) &&
                room.clearBox(textBox(sideX(side, Clearance::kNarrowGap), centred, s.text, size),
                              std::min(gap, Clearance::kNarrowGap) - kHair, 0))
                found = Point{sideX(side, Clearance::kNarrowGap), centred};
        std::optional<Segment> leader;
        if (!found) {
            const Point middle{x, (s.from + s.to) / 2};
            const std::vector<Piece> number{Piece{0, 0, s.text}};
            // Never below the line's own lower end: under it lie the drawing's other rows.
            if (auto led = nearWithLeader(room, number, size, middle, 700, s.to - Clearance::kGapUpDown);
                led || (led = outsideWithLeader(room, number, size, middle, 600))) {
                found = led->at;
                leader = led->leader;
            }
        }
        const Point p = found.value_or(Point{sideX(side_, Clearance::kGap), centred});
        room.addText(p.x, p.y, s.text, size);
        if (leader) room.addLine(leader->x1, leader->y1, leader->x2, leader->y2);
        out.push_back({p, s.text, leader});
    }
    return out;
}

} // namespace report
