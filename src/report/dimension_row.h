#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/placement.h"

namespace report {

// One dimension line of a drawing with the chain of segments its extension lines mark off, each with its
// number. The row places its own numbers as a drawing is read: a number stands in its row and by its own
// segment, never in another row's band.
//
// Across (a horizontal row): a number stands at its given place when that lies inside its segment and is
// clear, else centred in the segment; a segment too narrow for its number has it beyond the row's end
// when it is the first or the last, else on the row's second level over its segment. Numbers on a level
// that no extension line crosses (the second level, or a row whose numbers stand on the far side of its
// line) keep the order of their segments and move apart only as far as they must, each still over its
// own segment; one that finds no room there stands near with a leader to the row's line within its
// segment.
//
// Upright (a vertical line): a number stands at its given place when that is beside the line and within
// the segment's span, else beside the line on the row's side, then on the other, centred on the span,
// then moved along the span; a span too short for its number has it near with a leader to the line
// within the span, above the line's lower end unless only under it a leader finds a clear way.
class DimensionRow {
public:
    enum class Axis { Across, Upright };

    struct Span {
        double from = 0, to = 0; // x of the extension lines across, y up and down
        std::string text;        // empty: nothing to print
        std::optional<Point> at; // the number's place where that is clear
    };

    struct Placed {
        Point at;
        std::string text;
        std::optional<Segment> leader;
        std::size_t segment = 0;
    };

    // The numbers that have room by their segments, and the segments whose numbers have none.
    struct Own {
        std::vector<Placed> placed;
        std::vector<std::size_t> apart;
    };

    // A horizontal row on the line at `line` whose numbers stand with their top at `level`; `stagger`, the
    // top of the second level within the row's band, for numbers too wide for their segments.
    static DimensionRow across(double line, double level, std::optional<double> stagger = std::nullopt);
    // A vertical dimension line at `x`, its numbers first on the given side (−1 left, +1 right).
    static DimensionRow upright(double x, int side);

    // The numbers' level lies across no extension line (they stand on the line's other side).
    DimensionRow& open() {
        open_ = true;
        return *this;
    }

    DimensionRow& segment(double from, double to, std::string text, std::optional<Point> at = std::nullopt);

    // The numbers placed clear of what `room` holds (at `size` points, keeping `gap` from it), each kept
    // in `room` as it is placed: first those that have room by their segments, then the others each near
    // with a leader to its segment. A drawing places every text that has room at its place before any is
    // set apart, so that none stands apart where another's own place is.
    std::vector<Placed> place(Clearance& room, double size, double gap = Clearance::kGap) const;
    Own placeOwn(Clearance& room, double size, double gap = Clearance::kGap) const;
    // The numbers of the segments `which` as texts to set apart, each with a leader to the row's line
    // within its segment.
    std::vector<Apart> apart(const std::vector<std::size_t>& which, double size) const;

    // Whether a number between the row's first and last stands on the second level: its segment holds it
    // with `gap` on either side.
    bool staggers(double size, double gap = Clearance::kGap) const;

    const std::vector<Span>& segments() const { return segments_; }

private:
    // The segments that have a number, in order.
    std::vector<std::size_t> numbered() const;
    Own acrossOwn(Clearance& room, double size, double gap) const;
    Own uprightOwn(Clearance& room, double size, double gap) const;
    // The height of an upright number's top: at its given place where that is within its span, else
    // centred on the span.
    double uprightCentre(const Span& s, double size) const;

    Axis axis_ = Axis::Across;
    double line_ = 0, level_ = 0;
    std::optional<double> stagger_;
    int side_ = 1;
    bool open_ = false;
    std::vector<Span> segments_;
};

// A length in mm as the drawings print it, "##,###": a length that rounds to 0 mm prints nothing.
std::string dimensionText(double millimetres);

} // namespace report
