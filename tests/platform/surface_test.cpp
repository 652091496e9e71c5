#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <variant>

#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "support/recording_services.h"

using namespace platform;

namespace {

TEST(Surface, ATextStatementDrawsItsItemsInARowAndEndsTheLine) {
    RecordingSurface s;
    s.setFontSize(11);
    s.setCurrentX(500);
    s.setCurrentY(1000);
    s.print({"ＫＡ", "＝", 0.297f, "kN/m2"});
    ASSERT_EQ(s.page().size(), 1u);
    const auto& t = std::get<TextOp>(s.page()[0]);
    EXPECT_EQ(t.text, "ＫＡ＝ .297 kN/m2");
    EXPECT_EQ(t.x, 500);
    EXPECT_EQ(t.y, 1000);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 1000 + lineHeight(s.fontName(), 11));

    s.setFontSize(9); // the line feed takes the height of the size in force
    s.print();
    EXPECT_EQ(s.currentY(), 1000 + lineHeight(s.fontName(), 11) + lineHeight(s.fontName(), 9));
    EXPECT_EQ(s.page().size(), 1u); // an empty statement draws nothing
}

TEST(Surface, ALineLeavesThePositionAtItsEndInTheCurrentColourAndStyle) {
    RecordingSurface s;
    s.setForeColor(kLightMagenta);
    s.setDrawStyle(DrawStyle::Dot);
    s.line(100, 200, 300, 400);
    EXPECT_EQ(std::get<LineOp>(s.page()[0]), (LineOp{100, 200, 300, 400, kLightMagenta, DrawStyle::Dot}));
    s.print();
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 400 + lineHeight(s.fontName(), s.fontSize()));

    s.cls();
    EXPECT_TRUE(s.page().empty());
    EXPECT_EQ(s.currentY(), 0);
    EXPECT_EQ(s.foreColor(), kLightMagenta); // clearing keeps the drawing state
}

// A line or a text at a non-finite position is not drawn; the check of the command drawing hears of it.
TEST(Surface, RefusesANonFinitePosition) {
    const double inf = std::numeric_limits<double>::infinity();
    RecordingSurface s;
    FiniteCheck check;
    s.line(0, 0, 100, inf);
    s.line(std::nan(""), 0, 100, 100);
    s.setCurrentX(-inf);
    s.print({"x"});
    EXPECT_TRUE(s.page().empty());
    EXPECT_TRUE(check.failed());
    EXPECT_EQ(check.what(), "図の位置");
    s.print({std::numeric_limits<float>::infinity()}); // a number that cannot be written
    s.line(0, 0, 100, 100);
    s.print({"y"});
    EXPECT_EQ(s.page().size(), 2u);
}

TEST(Surface, ThePrinterHandsOverItsPagesWithoutATrailingBlankSheet) {
    testing_support::RecordingServices services;
    Printer& p = printer();
    p.print({"1"});
    p.newPage();
    p.print({"2"});
    p.newPage();
    EXPECT_TRUE(p.endDoc().ok());
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(services.printed[0].size(), 2u);
    EXPECT_EQ(p.pages().size(), 1u);
    EXPECT_TRUE(p.page().empty());
}

// A job that a fault stops leaves nothing behind for the next one.
TEST(Surface, APrintJobAbandonedByAFaultIsDropped) {
    testing_support::RecordingServices services;
    {
        PrintJob job;
        job.printer().print({"途中"});
        job.printer().newPage();
        job.printer().print({"途中2"});
        // a fault returns here without end()
    }
    {
        PrintJob job;
        job.printer().print({"本文"});
        EXPECT_TRUE(job.end().ok());
    }
    ASSERT_EQ(services.printed.size(), 1u);
    ASSERT_EQ(services.printed[0].size(), 1u);
    ASSERT_EQ(services.printed[0][0].size(), 1u);
    EXPECT_EQ(std::get<TextOp>(services.printed[0][0][0]).text, "本文");

    printer().print({"残り"}); // drawn outside any job
    {
        PrintJob job;
        EXPECT_TRUE(job.end().ok());
    }
    ASSERT_EQ(services.printed.size(), 2u);
    EXPECT_TRUE(services.printed[1].at(0).empty());
}

} // namespace
