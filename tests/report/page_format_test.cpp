#include <gtest/gtest.h>

#include <variant>

#include "report/page_format.h"

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

} // namespace
