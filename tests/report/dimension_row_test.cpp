#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "report/dimension_row.h"

namespace {

using report::Clearance;
using report::DimensionRow;
using report::Point;

// Nine-point numbers: a digit or a comma is 90 twips wide, so "300" is 270 and "1,000" 450. A number keeps
// 40 twips from the extension lines and the numbers beside it.
constexpr double kSize = 9;

// A row at level 400 whose extension lines cross it, its second level at 10: each segment's ticks are
// kept as lines from 200 to 600, as a drawing would hold them.
Clearance ticked(const std::vector<double>& ticks) {
    Clearance room;
    for (double x : ticks)
        room.addLine(x, 200, x, 600);
    return room;
}

struct Seg {
    double from, to;
    const char* text;
};

std::vector<DimensionRow::Placed> placeAcross(const std::vector<Seg>& segs, bool open = false) {
    DimensionRow row = DimensionRow::across(600, 400, 10);
    if (open) row.open();
    std::vector<double> ticks;
    for (const Seg& s : segs) {
        row.segment(s.from, s.to, s.text);
        ticks.push_back(s.from);
        ticks.push_back(s.to);
    }
    Clearance room = open ? Clearance() : ticked(ticks);
    return row.place(room, kSize);
}

TEST(DimensionRow, AcrossEachNumberByItsOwnSegment) {
    // A number set apart has no fixed place: its leader ends on the row's line at 600 within its segment.
    constexpr double kApart = -1;
    struct Expect {
        const char* text;
        double x, y;
    };
    struct Case {
        const char* name;
        std::vector<Seg> segs;
        bool open;
        std::vector<Expect> placed;
    };
    const std::vector<Case> cases{
        // 450 + 2·40 fits 1000: centred, (1000 − 450)/2 = 275.
        {"fits centred", {{0, 1000, "1,000"}}, false, {{"1,000", 275, 400}}},
        // 200 holds no 270: the first segment's number stands beyond the row's front end, 0 − 40 − 270;
        // the last one's beyond its back end, 2200 + 40.
        {"too narrow at the ends: outside on the free side",
         {{0, 200, "200"}, {200, 2000, "1,800"}, {2000, 2200, "200"}},
         false,
         {{"200", -310, 400}, {"1,800", 875, 400}, {"200", 2240, 400}}},
        // The 200 wide part between two wide ones: on the second level over its own segment, (2000 + 2200 −
        // 270)/2 = 1965, not beside a tick in a neighbour, where it would read as part of that segment.
        {"too narrow between: staggered over its own segment",
         {{0, 2000, "2,000"}, {2000, 2200, "200"}, {2200, 4200, "2,000"}},
         false,
         {{"2,000", 775, 400}, {"200", 1965, 10}, {"2,000", 2975, 400}}},
        // Two parts of 300 between wide ones: on the second level the centred lefts 1015 and 1315 stand 10
        // short of 270 + 40 apart; each moves 5, to 1010 and 1320, its middle still over its own segment.
        {"crowded: staggered apart by the least, each over its own segment",
         {{0, 1000, "1,000"}, {1000, 1300, "250"}, {1300, 1600, "250"}, {1600, 2600, "1,000"}},
         false,
         {{"1,000", 275, 400}, {"250", 1010, 10}, {"250", 1320, 10}, {"1,000", 1875, 400}}},
        // Two parts of 150: their middles may stand 250 apart at the most, short of 310. The first keeps
        // the second level, centred, 1075 − 135; the second stands apart with a leader to its segment.
        {"too crowded for the second level: the other apart",
         {{0, 1000, "1,000"}, {1000, 1150, "150"}, {1150, 1300, "150"}, {1300, 2300, "1,000"}},
         false,
         {{"1,000", 275, 400}, {"150", 940, 10}, {"150", kApart, kApart}, {"1,000", 1575, 400}}},
        // A row whose numbers stand across no tick (above its line): the first and last, too wide for
        // their segments, beyond the row's ends (0 − 40 − 270 and 450 + 40); the middle one centred.
        {"open row: the ends beyond, the middle over its segment",
         {{0, 150, "250"}, {150, 300, "250"}, {300, 450, "250"}},
         true,
         {{"250", -310, 400}, {"250", 90, 400}, {"250", 490, 400}}},
        // A length that rounds to 0 mm has no text: nothing is placed, and its neighbours are laid out as
        // if it were not there.
        {"zero: nothing", {{0, 1000, "1,000"}, {1000, 1000, ""}}, false, {{"1,000", 275, 400}}},
    };
    for (const Case& c : cases) {
        // A drawing asks before it draws whether a row needs its second level.
        DimensionRow row = DimensionRow::across(600, 400, 10);
        if (c.open) row.open();
        bool staggered = false;
        for (const Seg& s : c.segs)
            row.segment(s.from, s.to, s.text);
        const auto placed = placeAcross(c.segs, c.open);
        for (const auto& p : placed)
            staggered = staggered || p.at.y == 10;
        EXPECT_EQ(row.staggers(kSize), staggered) << c.name;
        ASSERT_EQ(placed.size(), c.placed.size()) << c.name;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].text, c.placed[i].text) << c.name;
            if (c.placed[i].x == kApart) {
                ASSERT_TRUE(placed[i].leader) << c.name << " " << i;
                const Seg& seg = c.segs[placed[i].segment];
                EXPECT_EQ(placed[i].leader->y2, 600) << c.name;
                EXPECT_GT(placed[i].leader->x2, seg.from) << c.name;
                EXPECT_LT(placed[i].leader->x2, seg.to) << c.name;
                continue;
            }
            EXPECT_NEAR(placed[i].at.x, c.placed[i].x, 0.01) << c.name << " " << i;
            EXPECT_NEAR(placed[i].at.y, c.placed[i].y, 0.01) << c.name << " " << i;
            EXPECT_FALSE(placed[i].leader) << c.name;
        }
    }
}

TEST(DimensionRow, AcrossTheGivenPlaceIsKeptWhereItIsInsideAndClear) {
    DimensionRow row = DimensionRow::across(600, 400);
    row.segment(0, 1000, "1,000", Point{100, 400}).segment(1000, 1400, "300", Point{1100, 400});
    Clearance room = ticked({0, 1000, 1400});
    const auto placed = row.place(room, kSize);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].at.x, 100); // 100 to 550, inside 40 to 960
    // "300" at 1100 would end at 1370, within 40 of the tick at 1400: centred, 1200 − 135.
    EXPECT_EQ(placed[1].at.x, 1065);
}

// A vertical line at x 1000, its numbers first on the right.
TEST(DimensionRow, UprightBesideItsLineWithinItsSpan) {
    struct Case {
        const char* name;
        Point given;
        Point placed;
    };
    const Case cases[] = {
        // 800 to 1250 crosses the line: beside it on the right, 40 clear, at the given height, which lies
        // within the span 0 to 1000.
        {"given place across the line", {800, 450}, {1040, 450}},
        {"given place beside the line, within the span: kept", {500, 450}, {500, 450}},
        // 450 + 90 below the span's end: centred on the span, 500 − 90.
        {"given height beyond the span", {800, 1400}, {1040, 410}},
    };
    for (const Case& c : cases) {
        DimensionRow row = DimensionRow::upright(1000, 1);
        row.segment(0, 1000, "2,500", c.given);
        Clearance room;
        room.addLine(1000, 0, 1000, 1000);
        const auto placed = row.place(room, kSize);
        ASSERT_EQ(placed.size(), 1u) << c.name;
        EXPECT_EQ(placed[0].at.x, c.placed.x) << c.name;
        EXPECT_EQ(placed[0].at.y, c.placed.y) << c.name;
    }
    // A span of 100 on the line at 1000 (0 to 100) holds no line of type. Its number stands apart with a
    // short slanted leader to the line within the span that crosses no line where it can, else one; above
    // the span's lower end, unless only a place under it has such a leader.
    struct Level {
        double y, from, to;
    };
    struct LedCase {
        const char* name;
        std::vector<Level> lines;
        int crossed; // lines the leader crosses
        bool under;  // the number stands under the span
    };
    const std::vector<LedCase> led{
        {"short ticks: near, crossing none", {{0, 950, 1050}, {100, 950, 1050}}, 0, false},
        {"long lines: near, crossing one", {{0, 500, 1500}, {100, 500, 1500}}, 1, false},
        // A band of 150 above the span holds no number: a leader from above it crosses two lines, one from
        // under the span only the span's lower line.
        {"boxed in above: under, crossing one",
         {{0, -3000, 3000}, {100, -3000, 3000}, {-150, -3000, 3000}},
         1,
         true},
    };
    for (const LedCase& c : led) {
        DimensionRow row = DimensionRow::upright(1000, 1);
        row.segment(0, 100, "300");
        Clearance room;
        room.addLine(1000, -500, 1000, 600);
        for (const Level& l : c.lines)
            room.addLine(l.from, l.y, l.to, l.y);
        const Clearance before = room;
        const auto placed = row.place(room, kSize);
        ASSERT_EQ(placed.size(), 1u) << c.name;
        ASSERT_TRUE(placed[0].leader) << c.name;
        const report::Segment l = *placed[0].leader;
        EXPECT_EQ(l.x2, 1000) << c.name;
        EXPECT_GT(l.y2, 0) << c.name; // on the line within the span
        EXPECT_LT(l.y2, 100) << c.name;
        EXPECT_TRUE(before.clear(placed[0].at.x, placed[0].at.y, "300", kSize)) << c.name;
        EXPECT_LE(std::hypot(l.x1 - l.x2, l.y1 - l.y2), 700) << c.name;
        EXPECT_GE(std::fabs(l.x1 - l.x2), 100) << c.name; // slanted: neither level nor upright
        EXPECT_GE(std::fabs(l.y1 - l.y2), 100) << c.name;
        EXPECT_EQ(placed[0].at.y > 100, c.under) << c.name;
        int crossed = 0;
        for (const Level& k : c.lines)
            if ((l.y1 - k.y) * (l.y2 - k.y) < 0) {
                const double x = l.x1 + (k.y - l.y1) / (l.y2 - l.y1) * (l.x2 - l.x1);
                crossed += x > k.from && x < k.to;
            }
        EXPECT_EQ(crossed, c.crossed) << c.name;
    }
}

TEST(DimensionRow, ALengthThatRoundsToNothingPrintsNothing) {
    struct Case {
        double mm;
        const char* text;
    };
    const Case cases[] = {
        {350, "350"}, {1900, "1,900"},
        {0.4, ""},    {-1.86e-5, ""}, // a batter of −1.86E−8 m, as single precision leaves 0.45 − 0.4 − 0.05
        {0, ""},      {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(report::dimensionText(c.mm), c.text) << c.mm;
}

} // namespace
