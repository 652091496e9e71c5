#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/surface.h"

namespace report {

// The width of a text in the report's fonts, in twips. The faces are monospaced: a half-width
// character (ASCII, half-width katakana) takes half an em, any other a whole em of `size` × 20 twips.
double textWidth(std::string_view text, double size);

// A rectangle on the page, in twips.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Where the glyphs of a text printed at (x, y) stand: from its first character that is not a blank to
// its last, over its line's height less a sliver above and below. Blanks alone give an empty box.
Box textBox(double x, double y, std::string_view text, double size);

// Whether box b lies within frame, and whether two boxes share any of their inside.
bool inside(const Box& b, const Box& frame);
bool overlap(const Box& a, const Box& b);

// Whether a segment passes through the inside of a box (touching its edge does not count).
bool crosses(double x1, double y1, double x2, double y2, const Box& b);

struct Point {
    double x = 0, y = 0;
};

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// One text of a group placed together, at an offset from the group's position.
struct Piece {
    double dx = 0, dy = 0;
    std::string text;
};

// What a drawing already holds, or will hold: its lines and texts, so that a text can be set where it
// crosses none of them, a little apart from each, and inside the frame the drawing may use.
class Clearance {
public:
    // The room kept beside a text's glyphs from any other line or text.
    static constexpr double kGap = 40;
    // A mark inside a small part of a drawing may come closer.
    static constexpr double kNarrowGap = 25;
    // The least: glyphs any closer to a line run into it. Names and numbers set among a figure's close
    // lines keep no more.
    static constexpr double kLeastGap = 20;
    // The room above and below a text, whatever is kept beside it: a line of type leaves some there already.
    static constexpr double kGapUpDown = 25;

    Clearance() = default;
    explicit Clearance(const Box& frame) : frame_(frame) {}

    void addLine(double x1, double y1, double x2, double y2);
    void addText(double x, double y, std::string_view text, double size);

    bool clear(double x, double y, std::string_view text, double size, double gap = kGap) const;
    bool clear(Point at, const std::vector<Piece>& group, double size, double gap = kGap) const;
    // Whether a text's box is clear, keeping `gap` beside it and `upDown` above and below.
    bool clearBox(const Box& b, double gap, double upDown = kGapUpDown) const;

    // The first of the positions where the group is clear, else the first position.
    Point first(const std::vector<Point>& positions, const std::vector<Piece>& group, double size,
                double gap = kGap) const;

    // Whether a line keeps clear of every text kept.
    bool clearOfTexts(const Segment& l) const;
    // How many of the lines kept a segment meets, but for its end at `anchor`.
    int linesMet(const Segment& l, Point anchor) const;

    // The rectangle that holds every line and text kept; empty before anything is.
    Box extent() const;

private:
    std::vector<Segment> lines_;
    std::vector<Box> texts_;
    std::optional<Box> frame_;
};

// A group of texts that has no room at its place, set outside the drawing kept in `room` (beyond its right
// end, else its left, at the anchor's height or the nearest clear one within `lift`) with a leader from its
// near side to `anchor`: the group's position and the leader, clear of every text; none where nothing is.
struct Led {
    Point at;
    Segment leader;
};
std::optional<Led> outsideWithLeader(const Clearance& room, const std::vector<Piece>& group, double size,
                                     Point anchor, double lift);
// The same group set near `anchor` (within `reach`, and with its leader above `floor`) with a short slanted
// leader that crosses no text and at most one line, none where it can; none where there is no such place.
std::optional<Led> nearWithLeader(const Clearance& room, const std::vector<Piece>& group, double size,
                                  Point anchor, double reach,
                                  double floor = std::numeric_limits<double>::infinity());

// Positions around (x, y): (x, y) itself first, then shifted by multiples of `step` up to `reach`
// sideways and up to `lift` up or down, nearest first.
std::vector<Point> around(double x, double y, double step, double reach, double lift = 0);

// A surface that also keeps what it draws in a Clearance.
class DimensionRow;

class KeptDrawing {
public:
    explicit KeptDrawing(platform::Surface& s) : s_(s) {}

    void line(double x1, double y1, double x2, double y2) {
        s_.line(x1, y1, x2, y2);
        room.addLine(x1, y1, x2, y2);
    }
    // Prints the group at the first position of `positions` where it is clear, and keeps it.
    Point place(const std::vector<Point>& positions, const std::vector<Piece>& group,
                double gap = Clearance::kGap);
    Point place(const std::vector<Point>& positions, std::string_view text, double gap = Clearance::kGap);
    // Prints a dimension's numbers where the row places them.
    void place(const DimensionRow& row);

    Clearance room;

private:
    platform::Surface& s_;
};

// A drawing planned before it is drawn, so that its extent is known first: its lines, and its texts each
// put where it is clear (keeping `gap` beside it) inside the frame the drawing may use.
class Sketch {
public:
    Sketch(const Box& frame, double gap) : room_(frame), gap_(gap) {}

    void line(double x1, double y1, double x2, double y2);

    // The text at the first of the positions where it is clear, else at the first position.
    void text(const std::string& text, double size, const std::vector<Point>& positions);
    // A dimension's numbers where the row places them.
    void place(const DimensionRow& row, double size);

    Box extent() const { return room_.extent(); }

    // Draws the plan in its order, changing the font size where a text's differs.
    void draw(platform::Surface& s) const;

private:
    struct Label {
        double x, y;
        std::string text;
        double size;
    };
    Clearance room_;
    double gap_;
    std::vector<std::variant<Segment, Label>> items_;
};

} // namespace report
