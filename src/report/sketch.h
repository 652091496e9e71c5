#pragma once

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "platform/surface.h"

namespace report {

// A rectangle on the page, in twips.
struct Area {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The room a text takes, generously: a full-width character as wide as the font size, a half-width one
// (ASCII, half-width kana and marks) half that, and the font size high; blanks at either end take none.
Area textArea(double x, double y, const std::string& text, double size);

// Whether a segment passes through the inside of an area (touching its edge does not count).
bool crosses(double x1, double y1, double x2, double y2, const Area& a);

// A drawing planned before it is drawn: its lines, and its texts each put where no line crosses it and
// no other text stands, inside the room the drawing may use; its extent is known before it is drawn.
class Sketch {
public:
    struct Place {
        double x, y;
    };
    struct Move {
        double dx, dy;
    };

    explicit Sketch(const Area& room) : room_(room) {}

    void line(double x1, double y1, double x2, double y2);

    // The text at the first of its places when that is clear, else at the first of the others that is
    // clear with some room to spare, else at the nearest such place reached by moving the first one in
    // one of the directions given; when none is, at the first place.
    void text(const std::string& text, double size, std::initializer_list<Place> places,
              std::initializer_list<Move> moves);

    // The rectangle that holds every line and text planned; empty before anything is.
    Area extent() const;

    // Draws the plan in its order, changing the font size where a text's differs.
    void draw(platform::Surface& s) const;

private:
    struct Segment {
        double x1, y1, x2, y2;
    };
    struct Label {
        double x, y;
        std::string text;
        double size;
    };
    bool clear(double x, double y, const std::string& text, double size, double across, double upDown) const;

    Area room_;
    std::vector<std::variant<Segment, Label>> items_;
};

} // namespace report
