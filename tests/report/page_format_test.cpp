#include <gtest/gtest.h>

#include <variant>

#include "report/page_format.h"
#include "report/placement.h"

using namespace platform;

namespace {

const TextOp& textAt(const RecordingSurface& s, size_t i) {
    return std::get<TextOp>(s.page().at(i));
}

TEST(PageFormat, ACellIsRoundedFirstAndAlignedByTheRoundedValue) {
    struct Case {
        double value;
        int positions;
        const char* text;
        double x; // base 3000
    };
    const Case cases[] = {
        {9.99994, 3, "9.9999", 3000},    // stays below 10
        {9.99996, 3, "10.0000", 2900},   // rounds to 10: the second position
        {99.99996, 4, "100.0000", 2800}, // rounds to 100
        {100, 3, "100.0000", 2800},      // exactly 100: base − 200 in both kinds
        {100, 4, "100.0000", 2800},         {5000, 3, "5000.0000", 2800}, // three positions end at base − 200
        {999.99996, 4, "1000.0000", 2700},                                // rounds to 1000: base − 300
        {-12345.6, 4, "-12345.6000", 3000}, // a negative value, however large, at base
        {-0.00005, 3, "0.0000", 3000},      // a half goes upward: -0.5 + 0.5 → 0
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        report::alignedCell(s, 3000, 4200, c.value, c.positions, {"m"});
        ASSERT_EQ(s.page().size(), 1u);
        const auto& t = textAt(s, 0);
        EXPECT_EQ(t.text, std::string(c.text) + "m") << c.value;
        EXPECT_EQ(t.x, c.x) << c.value;
        EXPECT_EQ(t.y, 4200) << c.value;
    }
}

TEST(PageFormat, TotalsRoundToThreeDecimalsAndCellsToFour) {
    EXPECT_EQ(report::totalText(12.3455), "12.346"); // 12345.5 + 0.5 → Int 12346
    EXPECT_EQ(report::totalText(-1.0005), "-1.000"); // −1000.5 + 0.5 → −1000
    EXPECT_EQ(report::cellText(0.12345), "0.1235");
}

TEST(PageFormat, PlacedTextStartsAtItsPositionAndRunningTextContinuesBelowIt) {
    RecordingSurface s;
    s.setFontSize(11);
    report::emptyLines(s);
    EXPECT_TRUE(s.page().empty());
    EXPECT_EQ(s.currentY(), 5 * lineHeight(s.fontName(), 11));

    report::placeText(s, 700, 2000, {"ＫＡ", "＝", "0.297"});
    report::placeTextAt(s, 3000, {"x stays 0"});
    s.print({"running"});
    EXPECT_EQ(textAt(s, 0), (TextOp{700, 2000, "ＫＡ＝0.297", s.fontName(), 11, kBlack}));
    EXPECT_EQ(textAt(s, 1).x, 0);
    EXPECT_EQ(textAt(s, 1).y, 3000);
    EXPECT_EQ(textAt(s, 2).y, 3000 + lineHeight(s.fontName(), 11));
}

// A number that would stand within 30 twips of a rule of its column stands in the column's middle.
TEST(PageFormat, ANumberTooLongForItsPlaceInAColumnStandsInTheColumnsMiddle) {
    struct Case {
        double value;
        int positions;
        double x;
    };
    // The weight column of the self-weight table, 6650 to 7600, base 6900, type 10 points (100 twips a
    // digit).
    const Case cases[] = {
        {22.3256, 3, 6800},   // 6800 + 700 = 7500: 100 before the rule, at its place
        {124.4701, 3, 6700},  // 6700 + 800 = 7500
        {1440.7642, 3, 6675}, // 6700 + 900 = 7600 would touch the rule: (6650 + 7600 − 900) / 2
        {-12.5, 3, 6725}, // "-12.5000" at the base, 6900 + 800 = 7700, past the rule: (6650 + 7600 − 800) / 2
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        s.setFontSize(10);
        report::alignedCell(s, report::Column{6650, 7600}, 6900, 12650, c.value, c.positions);
        ASSERT_EQ(s.page().size(), 1u);
        EXPECT_EQ(textAt(s, 0).x, c.x) << c.value;
    }
    EXPECT_EQ(report::withinColumn(7700, 600, {7600, 8300}), 7650); // "12.800": 7700 + 600 = 8300
    EXPECT_EQ(report::withinColumn(7700, 500, {7600, 8300}), 7700); // "9.176" ends 100 before
}

// A text moves off a line to the nearest place that keeps the room from every line and text.
TEST(PageFormat, ATextMovesOffALineToTheNearestClearPlace) {
    EXPECT_EQ(report::textWidth("2,150", 9), 450);    // five half-width characters of 90 twips
    EXPECT_EQ(report::textWidth("上載荷重", 9), 720); // four whole ones of 180
    report::Clearance room;
    room.addLine(1600, 2000, 1600, 6000);
    // "1,500" at 1400 covers 1400 to 1850: crossed. Nearest clear: its right end 40 before the line, x ≤
    // 1110 (13 steps of 25 left, 1075), or its left end 40 after it, x ≥ 1640 (10 steps right, 1650).
    const report::Point at =
        room.first(report::around(1400, 3000, 25, 800), {report::Piece{0, 0, "1,500"}}, 9);
    EXPECT_EQ(at.x, 1650);
    EXPECT_EQ(at.y, 3000);
    room.addText(at.x, at.y, "1,500", 9);
    EXPECT_FALSE(room.clear(1700, 3100, "300", 9)); // on the placed text
    EXPECT_TRUE(room.clear(1700, 3300, "300", 9));  // a line lower

    // A text that keeps only the least room beside a line still keeps 25 above and below one. "W1" at
    // 11 points: its glyphs' box runs from x to x + 220 and from y + 8.8 to y + 211.2.
    report::Clearance figure;
    figure.addLine(1000, 2000, 3000, 2000);
    figure.addLine(4000, 1000, 4000, 3000);
    const double least = report::Clearance::kLeastGap;
    EXPECT_FALSE(figure.clear(2000, 2000 - 211.2 - 24, "W1", 11, least));
    EXPECT_TRUE(figure.clear(2000, 2000 - 211.2 - 26, "W1", 11, least));
    EXPECT_FALSE(figure.clear(4000 - 220 - 19, 1500, "W1", 11, least));
    EXPECT_TRUE(figure.clear(4000 - 220 - 21, 1500, "W1", 11, least));
}

} // namespace
