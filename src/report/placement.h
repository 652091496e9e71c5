#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace report {

// The width of a text in the report's fonts, in twips. The faces are monospaced: a half-width
// character (ASCII, half-width katakana) takes half an em, any other a whole em of `size` × 20 twips.
double textWidth(std::string_view text, double size);

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The part of its line that a text printed at (x, y) fills: its width, and the line's height less the
// sliver above the glyphs.
Box textBox(double x, double y, std::string_view text, double size);

struct Point {
    double x = 0, y = 0;
};

// One text of a group placed together, at an offset from the group's position.
struct Piece {
    double dx = 0, dy = 0;
    std::string text;
};

// What a drawing already holds, or will hold: its lines and texts, so that a text can be set where it
// crosses none of them, a little apart from each.
class Clearance {
public:
    // The room kept between a text's glyphs and any other line or text.
    static constexpr double kGap = 40;

    // A mark inside a small part of a drawing may come closer.
    static constexpr double kNarrowGap = 25;

    void addLine(double x1, double y1, double x2, double y2);
    void addText(double x, double y, std::string_view text, double size);

    bool clear(double x, double y, std::string_view text, double size, double gap = kGap) const;
    bool clear(Point at, const std::vector<Piece>& group, double size, double gap = kGap) const;

    // The first of the positions where the group is clear, else the first position.
    Point first(const std::vector<Point>& positions, const std::vector<Piece>& group, double size,
                double gap = kGap) const;

private:
    struct Segment {
        double x1, y1, x2, y2;
    };
    std::vector<Segment> lines_;
    std::vector<Box> texts_;
};

// Positions around (x, y): (x, y) itself first, then shifted by multiples of `step` up to `reach`
// sideways and up to `lift` up or down, nearest first.
std::vector<Point> around(double x, double y, double step, double reach, double lift = 0);

// A surface that also keeps what it draws in a Clearance.
class KeptDrawing {
public:
    explicit KeptDrawing(platform::Surface& s) : s_(s) {}

    void line(double x1, double y1, double x2, double y2) {
        s_.line(x1, y1, x2, y2);
        room.addLine(x1, y1, x2, y2);
    }
    // Prints the group at the first clear position of `positions` and keeps it.
    Point place(const std::vector<Point>& positions, const std::vector<Piece>& group,
                double gap = Clearance::kGap);
    Point place(const std::vector<Point>& positions, std::string_view text, double gap = Clearance::kGap);

    platform::Surface& surface() { return s_; }
    Clearance room;

private:
    platform::Surface& s_;
};

} // namespace report
