#include "report/dimension_row.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/runtime.h"

namespace report {
namespace {

// Positions and lines are rounded to single precision: a number set a gap off a line is taken as clear of
// it within this much.
constexpr double kHair = 0.5;
// The steps in which a height's number moves along its span, and how far it goes.
constexpr double kAlong = 25, kAlongMost = 1500;
// A number over its segment keeps its middle this far from the segment's ends at the least (less in a
// narrow segment), so that it does not read as the neighbour's.
constexpr double kOverEnd = 25;
// A leader to a dimension line ends this far inside the segment's ends at the most.
constexpr double kTipInset = 40;

} // namespace

std::string dimensionText(double millimetres) {
    if (!std::isfinite(millimetres)) return {};
    std::string t = platform::format(millimetres, "##,###");
    if (t.find_first_of("0123456789") == std::string::npos) return {};
    return t;
}

DimensionRow DimensionRow::across(double line, double level, std::optional<double> stagger) {
    DimensionRow r;
    r.axis_ = Axis::Across;
    r.line_ = line;
    r.level_ = level;
    r.stagger_ = stagger;
    return r;
}

DimensionRow DimensionRow::upright(double x, int side) {
    DimensionRow r;
    r.axis_ = Axis::Upright;
    r.line_ = x;
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

// The same within bounds on each left, as near to the least-squares lefts as the bounds allow; none
// where the bounds leave no room for them all in order.
std::optional<std::vector<double>> spreadWithin(const std::vector<double>& wanted,
                                                const std::vector<double>& widths,
                                                const std::vector<double>& lo, const std::vector<double>& hi,
                                                double gap) {
    const std::size_t n = wanted.size();
    // The earliest and the latest each left can be, its neighbours kept apart.
    std::vector<double> earliest(n), latest(n);
    for (std::size_t i = 0; i < n; ++i)
        earliest[i] = i == 0 ? lo[i] : std::max(lo[i], earliest[i - 1] + widths[i - 1] + gap);
    for (std::size_t i = n; i-- > 0;)
        latest[i] = i + 1 == n ? hi[i] : std::min(hi[i], latest[i + 1] - widths[i] - gap);
    for (std::size_t i = 0; i < n; ++i)
        if (earliest[i] > latest[i] + kHair) return std::nullopt;
    std::vector<double> out = spread(wanted, widths, gap);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = std::clamp(out[i], earliest[i], std::max(earliest[i], latest[i]));
    return out;
}

} // namespace

DimensionRow::Own DimensionRow::placeOwn(Clearance& room, double size, double gap) const {
    return axis_ == Axis::Across ? acrossOwn(room, size, gap) : uprightOwn(room, size, gap);
}

std::vector<DimensionRow::Placed> DimensionRow::place(Clearance& room, double size, double gap) const {
    Own own = placeOwn(room, size, gap);
    std::vector<Placed> out = std::move(own.placed);
    const auto set = setApart(room, size, gap, apart(own.apart, size));
    for (std::size_t k = 0; k < set.size(); ++k)
        out.push_back({set[k].at, segments_[own.apart[k]].text, set[k].leader, own.apart[k]});
    std::stable_sort(out.begin(), out.end(),
                     [](const Placed& a, const Placed& b) { return a.segment < b.segment; });
    return out;
}

DimensionRow::Own DimensionRow::acrossOwn(Clearance& room, double size, double gap) const {
    // A number keeps `gap` inside its segment and from what the drawing holds; one set outside an
    // extension line, or beside another number, stands the room kept beside a text off it.
    constexpr double off = Clearance::kGap;
    Own own;
    auto keep = [&](std::size_t i, Point p) {
        own.placed.push_back({p, segments_[i].text, std::nullopt, i});
        room.addText(p.x, p.y, segments_[i].text, size);
    };
    // On a level that no line runs along, the digits' ink keeps well inside their box above and below.
    auto clear = [&](std::size_t i, Point p, double upDown = Clearance::kGapUpDown) {
        return room.clearBox(textBox(p.x, p.y, segments_[i].text, size), gap - kHair, upDown);
    };
    auto width = [&](std::size_t i) { return textWidth(segments_[i].text, size); };
    auto centred = [&](std::size_t i, double y) {
        return Point{(segments_[i].from + segments_[i].to - width(i)) / 2, y};
    };
    auto fits = [&](std::size_t i) { return width(i) + 2 * gap <= segments_[i].to - segments_[i].from; };
    // The numbers of `which` that can stand at level y over their own segments: each at its given place
    // where that is over its segment (with `wantGiven`), else centred, those beside each other moved
    // apart in their order, none further than keeps its middle over its own segment. A wider segment's
    // number keeps its place first. Those that cannot stand there are returned.
    auto overOwnSegments = [&](const std::vector<std::size_t>& which, double y, bool wantGiven,
                               double upDown) {
        std::vector<std::size_t> byWidth = which;
        std::stable_sort(byWidth.begin(), byWidth.end(), [&](std::size_t a, std::size_t b) {
            return segments_[a].to - segments_[a].from > segments_[b].to - segments_[b].from;
        });
        std::vector<std::size_t> kept, left;
        std::vector<double> lefts;
        for (std::size_t i : byWidth) {
            std::vector<std::size_t> trial = kept;
            trial.insert(std::upper_bound(trial.begin(), trial.end(), i), i);
            std::vector<double> wanted, widths, lo, hi;
            for (std::size_t k : trial) {
                const Span& s = segments_[k];
                const double w = width(k), margin = std::min(kOverEnd, (s.to - s.from) / 4);
                const auto& given = s.at;
                const bool over =
                    given && given->x + w / 2 >= s.from + margin && given->x + w / 2 <= s.to - margin;
                wanted.push_back(wantGiven && over ? given->x : centred(k, y).x);
                widths.push_back(w);
                lo.push_back(s.from + margin - w / 2);
                hi.push_back(s.to - margin - w / 2);
            }
            const auto trialLefts = spreadWithin(wanted, widths, lo, hi, off);
            bool ok = trialLefts.has_value();
            for (std::size_t k = 0; ok && k < trial.size(); ++k)
                ok = clear(trial[k], {(*trialLefts)[k], y}, upDown);
            if (!ok) {
                left.push_back(i);
                continue;
            }
            kept = std::move(trial);
            lefts = *trialLefts;
        }
        for (std::size_t k = 0; k < kept.size(); ++k)
            keep(kept[k], {lefts[k], y});
        std::sort(left.begin(), left.end());
        return left;
    };
    const std::vector<std::size_t> numbered = this->numbered();
    const std::size_t first = numbered.empty() ? 0 : numbered.front();
    const std::size_t last = numbered.empty() ? 0 : numbered.back();
    // A number at either end of the row that its segment cannot hold stands beyond the row's end.
    auto ends = [&](const std::vector<std::size_t>& which) {
        std::vector<std::size_t> others;
        for (std::size_t i : which) {
            const Point p = i == first ? Point{segments_[i].from - off - width(i), level_}
                                       : Point{segments_[i].to + off, level_};
            if ((i == first || i == last) && !fits(i) && clear(i, p))
                keep(i, p);
            else
                others.push_back(i);
        }
        return others;
    };
    if (open_) {
        // No extension line crosses the numbers' level: beside each other they only keep apart; those that
        // find no room over their segments go to the second level, beyond the first.
        own.apart = overOwnSegments(ends(numbered), level_, true, Clearance::kGapUpDown);
        if (stagger_) own.apart = overOwnSegments(own.apart, *stagger_, false, Clearance::kGapUpDown);
        return own;
    }
    // The numbers that fit their segments first, so that a crowded one knows where its neighbours stand.
    auto within = [&](std::size_t i, Point p) {
        const Box b = textBox(p.x, p.y, segments_[i].text, size);
        return b.left >= segments_[i].from + gap && b.right <= segments_[i].to - gap;
    };
    std::vector<std::size_t> crowded;
    for (std::size_t i : numbered) {
        const auto& given = segments_[i].at;
        const Point c = centred(i, level_);
        if (given && within(i, *given) && clear(i, *given))
            keep(i, *given);
        else if (within(i, c) && clear(i, c))
            keep(i, c);
        else
            crowded.push_back(i);
    }
    // The others on the second level, over their own segments: a number set beside an extension line
    // in its neighbour's segment would read as a part of that segment.
    own.apart = ends(crowded);
    if (stagger_) own.apart = overOwnSegments(own.apart, *stagger_, false, 0);
    return own;
}

DimensionRow::Own DimensionRow::uprightOwn(Clearance& room, double size, double gap) const {
    const double x = line_;
    Own own;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        const Span& s = segments_[i];
        if (s.text.empty()) continue;
        auto beside = [&](Point p) {
            const Box b = textBox(p.x, p.y, s.text, size);
            const double middle = (b.top + b.bottom) / 2;
            return (b.right <= x || b.left >= x) && middle >= s.from && middle <= s.to;
        };
        auto sideX = [&](int side, double off) {
            return side > 0 ? x + off : x - off - textWidth(s.text, size);
        };
        const double centred = uprightCentre(s, size);
        std::optional<Point> found;
        auto tryAt = [&](Point p, double by, double upDown = Clearance::kGapUpDown) {
            if (!found && beside(p) && room.clearBox(textBox(p.x, p.y, s.text, size), by - kHair, upDown))
                found = p;
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
            tryAt({sideX(side, Clearance::kNarrowGap), centred}, std::min(gap, Clearance::kNarrowGap), 0);
        if (!found) {
            own.apart.push_back(i);
            continue;
        }
        room.addText(found->x, found->y, s.text, size);
        own.placed.push_back({*found, s.text, std::nullopt, i});
    }
    return own;
}

double DimensionRow::uprightCentre(const Span& s, double size) const {
    // At the given height where that is within the span, else centred on it.
    const Box b = s.at ? textBox(line_ + 1, s.at->y, s.text, size) : Box{};
    const double middle = (b.top + b.bottom) / 2;
    return s.at && middle >= s.from && middle <= s.to ? s.at->y : (s.from + s.to) / 2 - size * 20.0 / 2;
}

std::vector<Apart> DimensionRow::apart(const std::vector<std::size_t>& which, double size) const {
    std::vector<Apart> out;
    for (std::size_t i : which) {
        const Span& s = segments_[i];
        Apart a;
        a.group = {Piece{0, 0, s.text}};
        a.mayStandInPart = true;
        // Its leader ends on the row's line within the segment. A height's number stands above its line's
        // lower end, under which lie the drawing's other rows, unless nothing there reaches.
        const double inset = std::min(kTipInset, (s.to - s.from) / 3);
        if (axis_ == Axis::Across) {
            a.target.tips = along({s.from, line_}, {s.to, line_}, inset, 25);
            a.fallback = {(s.from + s.to - textWidth(s.text, size)) / 2, stagger_.value_or(level_)};
        } else {
            a.target.tips = along({line_, s.from}, {line_, s.to}, inset, 25);
            a.target.floor = s.to - Clearance::kGapUpDown;
            a.mayGoUnder = true;
            a.fallback = {side_ > 0 ? line_ + Clearance::kGap
                                    : line_ - Clearance::kGap - textWidth(s.text, size),
                          uprightCentre(s, size)};
        }
        out.push_back(std::move(a));
    }
    return out;
}

} // namespace report
