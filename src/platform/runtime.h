#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The leading number of a text (UTF-8). Blanks, tabs, CR and LF anywhere are skipped ("1 2" is 12);
// then an optional sign, digits with at most one decimal point (".5" is 0.5, "5." is 5) and an
// optional exponent: e or E, an optional sign and digits ("1e3" is 1000; "1e" and "1e+" read 1).
// Reading stops at the first other character. Only ASCII digits count (full-width digits end the
// number) and "&H"/"&O" prefixes are not recognised. No mantissa digit gives 0. A magnitude beyond
// the double range gives ±inf, one below it ±0.
double val(std::string_view text);
// val rounded to single precision, as a design value stores it.
float valSingle(std::string_view text);

// Formats by a pattern of "0" (digit always shown), "#" (digit shown when significant), "," (thousands
// separator) and "." ("0", "0.0", "0.0#", "0.00", "0.00#", "0.000", "0.0000", "##,###"). The value is
// rounded half away from zero on its exact binary value; a negative value gets a leading "-" also
// when it rounds to zero ("-0", "-0.000"). "##,###" of a value below 0.5 is "".
// NaN and infinities are refused (see reportNonFinite) and give "".
std::string format(double value, std::string_view pattern);

// General number text of a single-precision value as the project file and an unformatted report item
// write it: sign place (blank or "-"), up to 7 significant digits (halves away from zero), no trailing
// zeros, no "0" before the point, then one blank: " 150 ", " .7133 ", "-1.5 ". Exponent form when
// the rounded magnitude is 1E+07 or more or below 1E-04: " 1E-05 ", " 1.234568E+07 ".
// NaN and infinities are refused (see reportNonFinite) and give "".
std::string str(float v);
// str without the sign-place blank and the trailing blank, for captions: "150", ".5", "-1.5".
std::string numText(float v);

// The last guard against NaN and infinity: the number formats and the drawing surface call this when
// handed one, which the command computing it must have refused with a message of its own. Within a
// FiniteCheck it is counted for that check; otherwise the installed handler runs (the tests make it a
// failure, the fuzz run stops on it). `what` names the refused value for a message: "数値" (a
// format), "図の位置" (the surface).
void reportNonFinite(std::string_view what);
using NonFiniteHandler = std::function<void(std::string_view what)>;
// Returns the handler it replaces.
NonFiniteHandler setNonFiniteHandler(NonFiniteHandler handler);

// Collects what reportNonFinite is told while it lives (the innermost one), for a command that refuses
// its whole result on it: a report page whose own arithmetic overflows from finite stored values.
class FiniteCheck {
public:
    FiniteCheck();
    ~FiniteCheck();
    FiniteCheck(const FiniteCheck&) = delete;
    FiniteCheck& operator=(const FiniteCheck&) = delete;

    bool failed() const { return !what_.empty(); }
    // The first refused value's name.
    const std::string& what() const { return what_; }

private:
    friend void reportNonFinite(std::string_view what);
    FiniteCheck* outer_;
    std::string what_;
};

// Int, the largest whole number not above v.
double vbInt(double v);
double roundHalfEven(double v);
// Half to even; empty outside -32768…32767 (after rounding) or when v is not finite.
std::optional<int> cint(double v);

// Rounding of printed table cells: Int(v × 10000 + 0.5) / 10000 and Int(v × 1000 + 0.5) / 1000.
double r4(double v);
double r3(double v);
// x of a table cell right-aligned by the integer digits of r4(value): base for t < 10 (negatives
// too), base − 100 below 100, then base − 200 (three positions) or base − 200 / base − 300 around
// 1000 (four positions).
double digitAlignX(double base, double value, int positions);

// Nearest single (ties to even); beyond the single range ±inf, as the hardware does.
float toSingle(double v);
bool sameSingle(double a, double b);

// The program's own π.
inline constexpr double kPi = 3.14159;
double degToRad(double deg);
double radToDeg(double rad);

} // namespace platform
