#include "platform/runtime.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Val, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12abc", 12}, {" 3.5", 3.5},     {"1.2m", 1.2},  {"m1.2", 0},       {"1 2", 12},
        {"", 0},       {".5", 0.5},       {"5.", 5},      {"1e3", 1000},     {"1E-2", 0.01},
        {"1e+2", 100}, {"1e", 1},         {"1e+", 1},     {"1ex", 1},        {"-4", -4},
        {"+4", 4},     {"- 4", -4},       {"1.2.3", 1.2}, {"\t1\r\n2 ", 12}, {"1 e 2", 100},
        {".", 0},      {"-", 0},          {"+-4", 0},     {"--4", 0},        {".e5", 0},
        {"１２", 0},   {"1２", 1},        {"&H10", 0},    {"007", 7},        {"3,500", 3},
        {"1e-999", 0}, {"0e99999999", 0}, {"0.000", 0},   {"　1", 0},        {"2.5kN/m2", 2.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, OutOfRangeGivesInfinityWithoutCrashing) {
    EXPECT_EQ(val("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(val("0.001e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val(std::string(5000, '9') + "e-5000"), 1.0);
    EXPECT_EQ(valSingle("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(valSingle("3.4028235e38"), std::numeric_limits<float>::max());
}

TEST(Val, SingleReadsBackTheGeneralText) {
    EXPECT_EQ(valSingle(" .7133 "), 0.7133f);
    // Seven digits give back every single that is the nearest one to a seven-digit decimal.
    for (const float v : {0.7133f, -0.6666667f, 65.5f, 123456.7f, 1e-5f, 1.234568e7f, 3.3e-7f})
        EXPECT_EQ(valSingle(str(v)), v) << str(v);
    EXPECT_NE(valSingle(str(1.0f / 3.0f)), 1.0f / 3.0f);
}

TEST(Format, Patterns) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {0.125, "0.00", "0.13"},      // an exact tie goes away from zero
        {-0.125, "0.00", "-0.13"},    //
        {2.5, "0", "3"},              //
        {-2.5, "0", "-3"},            //
        {1.005, "0.00", "1.00"},      // the stored value lies below 1.005
        {-0.0001, "0.00", "-0.00"},   // a negative value keeps its sign when it rounds to zero
        {-0.4, "0", "-0"},            //
        {-0.0002, "0.000", "-0.000"}, //
        {-0.0, "0.000", "0.000"},     // negative zero is not a negative value
        {0.29745, "0.00#", "0.297"},  //
        {0.3, "0.00#", "0.30"},       //
        {10, "0.00#", "10.00"},       //
        {12.3456, "0.00#", "12.346"},
        {0.25, "0.0#", "0.25"},
        {0.3, "0.0#", "0.3"},
        {0.96, "0.0", "1.0"},
        {99.95, "0.0", "100.0"}, // stored just above 99.95
        {9.99996, "0.0000", "10.0000"},
        {0.0005, "0.000", "0.001"},
        {1234.5, "0.0000", "1234.5000"},
        {3500, "##,###", "3,500"},
        {0, "##,###", ""},
        {0.4, "##,###", ""},
        {999.5, "##,###", "1,000"},
        {1234567, "##,###", "1,234,567"},
        {-3500, "##,###", "-3,500"},
        {500, "##,###", "500"},
        {1e20, "0", "100000000000000000000"},
        {5e-324, "0.0000", "0.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

// A format handed NaN or infinity writes nothing and reports it, to the innermost check when there is
// one (a command that refuses its result on it), else to the handler (here the test's failure).
TEST(Format, NonFiniteIsRefusedAndReported) {
    const double inf = std::numeric_limits<double>::infinity();
    const float infF = std::numeric_limits<float>::infinity();
    {
        FiniteCheck check;
        EXPECT_EQ(format(std::numeric_limits<double>::quiet_NaN(), "0.00"), "");
        EXPECT_EQ(format(-inf, "0"), "");
        EXPECT_EQ(format(inf, "##,###"), "");
        EXPECT_EQ(str(std::numeric_limits<float>::quiet_NaN()), "");
        EXPECT_EQ(str(-infF), "");
        EXPECT_EQ(numText(infF), "");
        EXPECT_TRUE(check.failed());
        EXPECT_EQ(check.what(), "数値");
    }
    {
        FiniteCheck outer;
        {
            FiniteCheck inner;
            (void)format(3.5, "0.0");
            (void)numText(3.4028235e38f); // the largest single is finite and shown as it is
            EXPECT_FALSE(inner.failed());
            (void)format(inf, "0");
            EXPECT_TRUE(inner.failed());
        }
        EXPECT_FALSE(outer.failed());
    }

    std::vector<std::string> reported;
    auto previous = setNonFiniteHandler([&](std::string_view what) { reported.emplace_back(what); });
    {
        FiniteCheck done; // ended: the handler hears of it again
    }
    (void)numText(-infF);
    setNonFiniteHandler(std::move(previous));
    EXPECT_EQ(reported, std::vector<std::string>{"数値"});
}

TEST(Str, GeneralNumberText) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {150, " 150 "},
        {97.5f, " 97.5 "},
        {0.5f, " .5 "},
        {-1.5f, "-1.5 "},
        {-0.5f, "-.5 "},
        {0.7133f, " .7133 "},
        {0, " 0 "},
        {-0.0f, " 0 "},
        {60, " 60 "},
        {65.5f, " 65.5 "},
        {0.1f, " .1 "},
        {1.0f / 3.0f, " .3333333 "},
        {2.0f / 3.0f, " .6666667 "},
        {1234567, " 1234567 "},
        {9999999, " 9999999 "},
        {123456.7f, " 123456.7 "},
        {0.0001f, " .0001 "}, // stored just below 1E-04, shown as 1E-04 after rounding
        {0.00012345f, " .00012345 "},
        {1e-5f, " 1E-05 "},
        {-2.5e-5f, "-2.5E-05 "},
        {12345678, " 1.234568E+07 "},
        {1e7f, " 1E+07 "},
        {3.4028235e38f, " 3.402823E+38 "},
        {12345685, " 1.234569E+07 "}, // an exact tie at the 8th digit goes away from zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(str(c.value), c.expected) << c.value;
}

TEST(Str, CaptionTextHasNoBlanks) {
    EXPECT_EQ(numText(150), "150");
    EXPECT_EQ(numText(0.5f), ".5");
    EXPECT_EQ(numText(-1.5f), "-1.5");
    EXPECT_EQ(numText(0), "0");
    EXPECT_EQ(numText(1e-5f), "1E-05");
}

TEST(PrintRounding, RoundsHalfUpInDoublePrecision) {
    EXPECT_EQ(r4(9.99996), 10.0);
    EXPECT_EQ(format(r4(9.99996), "0.0000"), "10.0000");
    EXPECT_EQ(r4(1.23454), 1.2345);
    EXPECT_EQ(r4(-0.00005), 0.0); // a half goes upward, also below zero
    EXPECT_EQ(r4(-1.00006), -1.0001);
    EXPECT_EQ(r3(2.0005), 2.001);
    EXPECT_EQ(r3(-2.0015), -2.001);
}

TEST(DigitAlignment, PositionFollowsTheRoundedValue) {
    const struct {
        double value;
        int positions;
        double expected;
    } cases[] = {
        {9.99994, 3, 1000},  {9.99996, 3, 900},   {9.99996, 4, 900}, {0, 4, 1000},     {10, 3, 900},
        {99.99994, 4, 900},  {99.99996, 4, 800},  {100, 3, 800},     {100, 4, 800},    {999.99994, 4, 800},
        {999.99996, 4, 700}, {999.99996, 3, 800}, {123456, 3, 800},  {123456, 4, 700}, {-0.5, 4, 1000},
        {-12345, 3, 1000},   {-99999.9, 4, 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(digitAlignX(1000, c.value, c.positions), c.expected)
            << c.value << " in a " << c.positions << "-position cell";
}

TEST(Rounding, IntAndHalfEven) {
    EXPECT_EQ(vbInt(-2.5), -3);
    EXPECT_EQ(vbInt(2.99), 2);
    const struct {
        double value;
        double even;
    } cases[] = {{2.5, 2}, {3.5, 4},    {-2.5, -2},  {-3.5, -4},  {0.5, 0},
                 {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {1e17, 1e17}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.even) << c.value;
}

TEST(Rounding, CIntRangeAndHalves) {
    EXPECT_EQ(cint(2.5), 2);
    EXPECT_EQ(cint(3.5), 4);
    EXPECT_EQ(cint(-2.5), -2);
    EXPECT_EQ(cint(1.0), 1);
    EXPECT_EQ(cint(32767.4), 32767);
    EXPECT_EQ(cint(-32768.5), -32768);
    EXPECT_FALSE(cint(32767.5));
    EXPECT_FALSE(cint(-32769));
    EXPECT_FALSE(cint(1e300));
    EXPECT_FALSE(cint(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(cint(std::numeric_limits<double>::infinity()));
}

TEST(Single, RoundingAndComparison) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(0x1.fffffefffp127), std::numeric_limits<float>::max());
    EXPECT_EQ(toSingle(0x1.ffffffp127), std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(toSingle(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(sameSingle(1.0 / 6.0, 0.16666667));
    EXPECT_FALSE(sameSingle(1.0 / 6.0, 0.1666667));
    EXPECT_FALSE(sameSingle(std::nan(""), std::nan("")));
}

TEST(Angles, UseTheProgramsPi) {
    EXPECT_EQ(degToRad(180), 3.14159);
    EXPECT_EQ(radToDeg(3.14159), 180);
    EXPECT_EQ(degToRad(30), 30 * 3.14159 / 180);
    EXPECT_NE(degToRad(180), std::numbers::pi);
}

} // namespace
} // namespace platform
