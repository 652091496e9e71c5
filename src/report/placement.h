#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

// A closed outline on the page, its corners in order: a part of a drawing.
struct Outline {
    std::vector<Point> corners;

    // Whether a point lies inside (off the outline itself).
    bool contains(Point p) const;
    // Whether a box lies wholly inside, and whether it shares any of the inside.
    bool holds(const Box& b) const;
    bool meets(const Box& b) const;
    // Points at least `inset` inside every edge, spread over the inside; less inset where it is narrow; the
    // middle of an outline with no inside.
    std::vector<Point> inner(double inset) const;
};

// The lines a leader crosses. One that passes through a body of the drawing (a part, or a surcharge's
// hatched block) crosses its outline going in and coming out, and a block's strokes between: for a leader
// that has no way round it, that counts as one line, for one such body.
struct Crossing {
    int lines = 0;
    int absorbed = 0; // lines counted with others: those of a body passed through
    int counted() const { return lines - absorbed; }
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

    // Room between a leader's start and any text but its own, so that it reads as its text's.
    static constexpr double kStartRoom = 60;

    // A leader: kept clear of as a line is, and met by no other leader.
    void addLeader(const Segment& l);
    // A surcharge's hatched block, from its top line down to the ground it stands on.
    void addBlock(const Box& block);
    // A part of the drawing, inside which no text set apart from its place stands.
    void addPart(Outline part);
    bool inPart(const Box& b) const;

    // Whether a line keeps clear of every text kept, and whether it meets a leader kept.
    bool clearOfTexts(const Segment& l) const;
    bool meetsLeader(const Segment& l) const;
    // Whether a leader may start here: no text but its own within kStartRoom.
    bool roomAtStart(Point start) const;
    // Whether a point keeps `by` off every line kept.
    bool offLines(Point p, double by) const;
    // The lines kept (leaders aside) a leader crosses, but where it ends at `tip`, and those of them that
    // count with others, for the parts and blocks it passes through.
    Crossing crossing(const Segment& l, Point tip) const;

    const std::optional<Box>& frame() const { return frame_; }

    // The rectangle that holds every line and text kept; empty before anything is.
    Box extent() const;

private:
    // Whether f holds for a line kept whose cells the box meets, each line asked once.
    template <typename F> bool anyLineNear(const Box& b, F f) const;

    std::vector<Segment> lines_, leaders_;
    std::unordered_map<long long, std::vector<std::uint32_t>> cells_;
    std::vector<std::uint32_t> everywhere_; // lines too long to file by cells
    mutable std::vector<std::uint32_t> seen_;
    mutable std::uint32_t stamp_ = 0;
    std::vector<Box> texts_;
    struct Body {
        Box bounds;
        Outline outline;
    };
    std::vector<Body> parts_, blocks_;
    std::optional<Box> frame_;
};

// Points along a line from `a` to `b`, `inset` from either end and about `step` apart; its middle where it
// is shorter than twice the inset.
std::vector<Point> along(Point a, Point b, double inset, double step);

// Where a leader to `tip` leaves the box `around` its text: on a side facing the tip, the point from which
// the shortest slanted leader runs, at least 100 across and 100 up or down and no flatter or steeper than
// 0.15 in 1, so that it reads as neither a dimension line nor an extension line; none where the tip lies
// within the box or there is no such point.
std::optional<Point> leaderStart(const Box& around, Point tip);

// A group of texts set apart from its place, and the leader from it to what it names.
struct Led {
    Point at;
    Segment leader;
    Crossing crossed;
};

// What a text set apart names: the points its leader may end at (inside the part it names, on the
// dimension line within the segment it measures, on the hatch it labels), and the level the text and its
// leader keep above.
struct LeaderTarget {
    std::vector<Point> tips;
    double floor = std::numeric_limits<double>::infinity();
    // Tips inside a part keep off the lines drawn across it, which a leader ending there would seem to name.
    bool offLines = false;
};

// The places a group of texts set apart may take, by what their leaders cross: the best whose leader
// crosses at most one line, the best that crosses one as counted (through a body), the one that crosses
// fewest. Each is the one of its kind nearest the target.
struct LeaderOptions {
    std::optional<Led> oneLine, oneCounted, fewest;
};

// Sets a group of texts that has no room at its place in the nearest free place of the drawing kept in
// `room`, within its frame, inside the drawing (but in none of its parts) or outside it alike, joined to
// what it names by a straight slanted leader that crosses no text and no other leader. Of the places found
// near the target it takes the one whose leader crosses the fewest lines (one through a body counted as
// one line), then the fewest lines, then the shortest; only where there are none whose leader crosses at
// most one does it look further.
class LeaderPlacement {
public:
    // A text keeps `gap` from what the drawing holds, or no less than `close` in a tight spot; with
    // `shunParts` false it may stand inside a part of the drawing too.
    LeaderPlacement(const Clearance& room, double size, double gap = Clearance::kGap,
                    double close = Clearance::kGap, bool shunParts = true)
        : room_(room), size_(size), gap_(gap), close_(std::min(gap, close)), shunParts_(shunParts) {}

    // The places keeping `gap`, and those keeping no less than `close`.
    std::array<LeaderOptions, 2> search(const std::vector<Piece>& group, const LeaderTarget& target) const;
    // The best of those keeping `gap`: one that crosses at most one line, else one as counted, else the
    // fewest.
    std::optional<Led> find(const std::vector<Piece>& group, const LeaderTarget& target) const;
    // Whether a place found before is still free of what the drawing has taken since.
    bool free(const std::vector<Piece>& group, const Led& led, bool close = false) const;

private:
    // Whether a leader keeps clear of the texts and the other leaders.
    bool leaderFree(const Segment& l) const;

    const Clearance& room_;
    double size_, gap_, close_;
    bool shunParts_;
};

// A text, or a group of texts set together, without room at its place.
struct Apart {
    std::vector<Piece> group;
    LeaderTarget target;
    Point fallback;              // where it stands when no leader reaches what it names
    bool mayGoUnder = false;     // it may stand under the target's floor where nothing above reaches
    bool mayStandInPart = false; // it may stand inside a part where nothing outside reaches
};

// Where a text set apart stands, and its leader.
struct SetApart {
    Point at;
    std::optional<Segment> leader;
};

// Sets texts apart, each kept in `room` with its leader as it is set: first, in their order, every one
// that has a place whose leader crosses at most one line, so that none whose leader must cross more takes
// such a place from another; then those whose leaders pass through one body and cross nothing else; then
// each of the others where its leader crosses fewest.
std::vector<SetApart> setApart(Clearance& room, double size, double gap, const std::vector<Apart>& texts);

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
    // Prints the numbers of a row that have room by their segments; returns the segments whose numbers
    // have none, to be set apart once every text has had its own place.
    std::vector<std::size_t> placeOwn(const DimensionRow& row);
    // Prints texts set apart, with their leaders.
    void setApart(const std::vector<Apart>& texts, double gap = Clearance::kGap);

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
    // A row's numbers that have room by their segments; returns the segments whose numbers have none, to
    // be set apart once every text has had its own place.
    std::vector<std::size_t> placeOwn(const DimensionRow& row, double size);
    // Texts set apart, with their leaders.
    void setApart(const std::vector<Apart>& texts, double size);

    Box extent() const { return room_.extent(); }

    // Draws the plan in its order, changing the font size where a text's differs.
    void draw(platform::Surface& s) const;

private:
    struct Label {
        double x, y;
        std::string text;
        double size;
    };
    // A placed text and its leader, if it has one.
    void add(Point at, const std::string& text, const std::optional<Segment>& leader, double size);
    Clearance room_;
    double gap_;
    std::vector<std::variant<Segment, Label>> items_;
};

} // namespace report
