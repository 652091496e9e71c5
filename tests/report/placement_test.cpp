#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "report/placement.h"

namespace {

using report::Apart;
using report::Box;
using report::Clearance;
using report::LeaderPlacement;
using report::LeaderTarget;
using report::Outline;
using report::Piece;
using report::Point;
using report::Segment;

// Nine-point texts: a circled number is 180 twips wide, its box 166 high.
constexpr double kSize = 9;

void addOutline(Clearance& room, const Outline& o) {
    for (std::size_t i = 0; i < o.corners.size(); ++i) {
        const Point& a = o.corners[i];
        const Point& b = o.corners[(i + 1) % o.corners.size()];
        room.addLine(a.x, a.y, b.x, b.y);
    }
}

Outline square(double left, double top, double size) {
    return {{{left, top}, {left + size, top}, {left + size, top + size}, {left, top + size}}};
}

// Where two segments cross, away from the second's end at its tip.
bool cross(const Segment& l, const Segment& k) {
    auto side = [](const Segment& s, double x, double y) {
        return (s.x2 - s.x1) * (y - s.y1) - (s.y2 - s.y1) * (x - s.x1);
    };
    return side(l, k.x1, k.y1) * side(l, k.x2, k.y2) < 0 && side(k, l.x1, l.y1) * side(k, l.x2, l.y2) < 0;
}

void expectSlanted(const Segment& l, const std::string& name) {
    const double dx = std::fabs(l.x2 - l.x1), dy = std::fabs(l.y2 - l.y1);
    EXPECT_GE(dx, 100) << name;
    EXPECT_GE(dy, 100) << name;
    // Neither nearly level nor nearly upright: a slope between 1 in 4 and 4 in 1.
    EXPECT_GE(dx, 0.25 * dy - 1e-6) << name;
    EXPECT_GE(dy, 0.25 * dx - 1e-6) << name;
}

// A part number without room in its part (a square of 400 with its outline drawn) stands outside it with
// a leader into it; where a long wall (a line from −3000 to 3000 at x 700) stands beside the part, not
// across the wall, and where the part lies in a closed box of lines (200 around it) it crosses the box
// once more at the least.
TEST(LeaderPlacement, FewestLinesThenTheShortestLeader) {
    struct Case {
        const char* name;
        std::vector<Segment> more;
        int crossed;
    };
    const std::vector<Case> cases{
        {"open all round: into the part, across its outline", {}, 1},
        {"a wall beside it: from the open side", {{700, -3000, 700, 3000}}, 1},
        {"boxed in: across the box too",
         {{-200, -200, 600, -200}, {600, -200, 600, 600}, {600, 600, -200, 600}, {-200, 600, -200, -200}},
         2},
    };
    for (const Case& c : cases) {
        Clearance room(Box{-3000, -3000, 3000, 3000});
        const Outline part = square(0, 0, 400);
        addOutline(room, part);
        for (const Segment& l : c.more)
            room.addLine(l.x1, l.y1, l.x2, l.y2);
        room.addPart(part);
        LeaderTarget target;
        target.tips = part.inner(40);
        ASSERT_FALSE(target.tips.empty());
        const auto led = LeaderPlacement(room, kSize).find({Piece{0, 0, "①"}}, target);
        ASSERT_TRUE(led) << c.name;
        EXPECT_EQ(led->crossed.lines, c.crossed) << c.name;
        const Point tip{led->leader.x2, led->leader.y2};
        EXPECT_TRUE(part.contains(tip)) << c.name;
        // Outside every part, clear of the lines, and beside the part: its leader short.
        const Box b = report::textBox(led->at.x, led->at.y, "①", kSize);
        EXPECT_FALSE(part.meets(b)) << c.name;
        EXPECT_TRUE(room.clear(led->at.x, led->at.y, "①", kSize)) << c.name;
        EXPECT_LE(std::hypot(led->leader.x2 - led->leader.x1, led->leader.y2 - led->leader.y1), 400)
            << c.name;
        expectSlanted(led->leader, c.name);
        for (const Segment& l : c.more) {
            if (l.x1 == 700) {
                EXPECT_LT(led->at.x, 700) << c.name;
            }
        }
    }
}

// A leader crosses no text and no other leader: with a text and a leader kept on the near side of a tip
// on a line, the new leader keeps clear of both.
TEST(LeaderPlacement, ClearOfTextsAndOtherLeaders) {
    Clearance room(Box{-3000, -3000, 3000, 3000});
    room.addLine(0, -500, 0, 500);
    const Segment kept{-400, -300, 0, 200};
    room.addLeader(kept);
    room.addText(-500, 0, "1,500", kSize);
    LeaderTarget target;
    target.tips = {{0, 0}};
    for (const char* text : {"300", "上載荷重"}) {
        const auto led = LeaderPlacement(room, kSize).find({Piece{0, 0, text}}, target);
        ASSERT_TRUE(led) << text;
        EXPECT_EQ(led->crossed.lines, 0) << text;
        EXPECT_FALSE(cross(led->leader, kept)) << text;
        EXPECT_TRUE(room.clearOfTexts(led->leader)) << text;
        EXPECT_TRUE(room.clear(led->at.x, led->at.y, text, kSize)) << text;
        expectSlanted(led->leader, text);
    }
}

// Texts set apart in two rounds: every one whose leader crosses at most one line first, so that one whose
// leader must cross more does not take the only such place. The frame holds one number; A, listed first,
// reaches its tip beyond two walls, B its tip before them.
TEST(SetApart, ThoseWhoseLeadersCrossAtMostOneLineFirst) {
    Clearance room(Box{0, 0, 300, 300});
    room.addLine(500, -1000, 500, 1000);
    room.addLine(600, -1000, 600, 1000);
    const std::vector<Apart> texts{
        {{Piece{0, 0, "①"}}, {{{900, 150}}}, {2000, 2000}},
        {{Piece{0, 0, "②"}}, {{{450, 150}}}, {2000, 2500}},
    };
    const auto set = report::setApart(room, kSize, Clearance::kGap, texts);
    ASSERT_EQ(set.size(), 2u);
    ASSERT_TRUE(set[1].leader);
    EXPECT_EQ(set[1].leader->x2, 450);
    EXPECT_EQ(room.crossing(*set[1].leader, {450, 150}).lines, 0);
    EXPECT_FALSE(set[0].leader);
    EXPECT_EQ(set[0].at.x, 2000);
    EXPECT_EQ(set[0].at.y, 2000);
}

} // namespace

namespace {

// Where a leader may end, on a line or inside a part: a handful of points, even for a part or a line of
// absurd size (a wall typed a million metres high), none off the page.
TEST(LeaderPlacement, TipsForAnyLineOrPartAreAHandful) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(report::along({0, 0}, {0, 100}, 40, 25).size(), 2u); // 40 and 60
    EXPECT_EQ(report::along({0, 0}, {0, 60}, 40, 25).size(), 1u);  // its middle
    EXPECT_EQ(report::along({0, 0}, {0, 4e31}, 40, 25).size(), 16u);
    EXPECT_TRUE(report::along({0, 0}, {0, inf}, 40, 25).empty());
    EXPECT_EQ(square(0, 0, 400).inner(40).size(), 16u); // four by four, the outer 50 in from the edges
    EXPECT_TRUE(square(0, 0, 4e31).inner(40).empty());
    // A wedge with no inside: its middle.
    const Outline wedge{{{0, 0}, {0, 100}, {0, 100}}};
    EXPECT_EQ(wedge.inner(40).size(), 1u);
}

} // namespace
