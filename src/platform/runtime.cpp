#include "platform/runtime.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <utility>

namespace platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A non-negative value as the digits of its exact decimal expansion: value = 0.digits × 10^intLen.
struct Decimal {
    std::string digits;
    int intLen = 0;
};

Decimal exactDecimal(double a) {
    int e = 0;
    std::frexp(a, &e);
    // The lowest mantissa bit is 2^(e − 53), and 2^−k needs exactly k decimals, so this prints the
    // exact value and glibc's own rounding never comes into play.
    const int decimals = std::clamp(53 - e, 0, 1074);
    std::array<char, 1500> buf{};
    const int n = std::snprintf(buf.data(), buf.size(), "%.*f", decimals, a);
    // printf's decimal separator follows LC_NUMERIC, which the Qt application takes from the user's
    // environment, so any non-digit is taken for it.
    Decimal d;
    bool separator = false;
    for (int i = 0; i < n; ++i) {
        if (isDigit(buf[i])) {
            d.digits += buf[i];
        } else if (!separator) {
            separator = true;
            d.intLen = static_cast<int>(d.digits.size());
        }
    }
    if (!separator) d.intLen = static_cast<int>(d.digits.size());
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the dropped ones.
void roundDecimal(Decimal& d, std::size_t keep) {
    if (keep >= d.digits.size()) {
        d.digits.resize(keep, '0');
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (!up) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return;
        }
        d.digits[i] = '0';
    }
    d.digits.insert(d.digits.begin(), '1');
    ++d.intLen;
}

struct Pattern {
    int minInt = 0;
    int minFrac = 0;
    int maxFrac = 0;
    bool grouping = false;
};

Pattern parsePattern(std::string_view pattern) {
    Pattern p;
    const auto point = pattern.find('.');
    const auto intPart = pattern.substr(0, point);
    p.minInt = static_cast<int>(std::count(intPart.begin(), intPart.end(), '0'));
    p.grouping = intPart.find(',') != std::string_view::npos;
    if (point != std::string_view::npos) {
        const auto fracPart = pattern.substr(point + 1);
        p.minFrac = static_cast<int>(std::count(fracPart.begin(), fracPart.end(), '0'));
        p.maxFrac = p.minFrac + static_cast<int>(std::count(fracPart.begin(), fracPart.end(), '#'));
    }
    return p;
}

NonFiniteHandler& nonFiniteHandler() {
    static NonFiniteHandler handler;
    return handler;
}

FiniteCheck*& innermostCheck() {
    static FiniteCheck* check = nullptr;
    return check;
}

// Digits of a non-zero float's magnitude, rounded to 7 significant digits, without sign or blanks.
std::string generalDigits(float v) {
    const double a = std::fabs(static_cast<double>(v));
    if (!(a > 0)) return "0";
    Decimal d = exactDecimal(a);
    const auto first = d.digits.find_first_not_of('0');
    roundDecimal(d, first + 7);
    const auto lead = d.digits.find_first_not_of('0');
    std::string sig = d.digits.substr(lead, 7);
    while (sig.size() > 1 && sig.back() == '0')
        sig.pop_back();
    const int exp10 = d.intLen - static_cast<int>(lead) - 1;

    std::string out;
    if (exp10 >= 7 || exp10 < -4) {
        out += sig[0];
        if (sig.size() > 1) out.append(".").append(sig, 1);
        std::array<char, 16> e{};
        std::snprintf(e.data(), e.size(), "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        return out.append(e.data());
    }
    if (exp10 < 0) return out.append(".").append(static_cast<std::size_t>(-exp10 - 1), '0').append(sig);
    const auto intDigits = static_cast<std::size_t>(exp10 + 1);
    if (sig.size() <= intDigits) return sig.append(intDigits - sig.size(), '0');
    return out.append(sig, 0, intDigits).append(".").append(sig, intDigits);
}

} // namespace

double val(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };

    bool negative = false;
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::string number;
    bool point = false;
    bool anyDigit = false;
    for (;;) {
        skipBlanks();
        if (i < text.size() && isDigit(text[i])) {
            anyDigit = true;
        } else if (i < text.size() && text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += text[i++];
    }
    if (!anyDigit) return 0.0;
    const std::size_t mantissaLen = number.size();

    // The exponent counts only with at least one digit; "1e" and "1e+" read as 1.
    std::int64_t exponent = 0;
    skipBlanks();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipBlanks();
        std::string expText = "e";
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            expText += text[i++];
        }
        bool expDigit = false;
        for (;;) {
            skipBlanks();
            if (i >= text.size() || !isDigit(text[i])) break;
            expDigit = true;
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
            expText += text[i++];
        }
        if (expDigit) {
            number += expText;
            if (expNegative) exponent = -exponent;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude of the leading digit.
        const auto mantissa = std::string_view(number).substr(0, mantissaLen);
        const auto pointAt = std::min(mantissa.find('.'), mantissa.size());
        const auto firstDigit = mantissa.find_first_of("123456789");
        if (firstDigit == std::string_view::npos) return 0.0;
        const auto magnitude = static_cast<std::int64_t>(pointAt) - static_cast<std::int64_t>(firstDigit) -
                               (firstDigit < pointAt ? 1 : 0);
        value = magnitude + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

float valSingle(std::string_view text) {
    return toSingle(val(text));
}

void reportNonFinite(std::string_view what) {
    if (FiniteCheck* check = innermostCheck()) {
        if (check->what_.empty()) check->what_ = what;
        return;
    }
    if (nonFiniteHandler()) nonFiniteHandler()(what);
}

NonFiniteHandler setNonFiniteHandler(NonFiniteHandler handler) {
    return std::exchange(nonFiniteHandler(), std::move(handler));
}

FiniteCheck::FiniteCheck() : outer_(innermostCheck()) {
    innermostCheck() = this;
}

FiniteCheck::~FiniteCheck() {
    innermostCheck() = outer_;
}

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        reportNonFinite("数値");
        return {};
    }
    const Pattern p = parsePattern(pattern);
    Decimal d = exactDecimal(std::fabs(value));
    roundDecimal(d, static_cast<std::size_t>(d.intLen + p.maxFrac));

    std::string intDigits = d.digits.substr(0, static_cast<std::size_t>(d.intLen));
    intDigits.erase(0, std::min(intDigits.find_first_not_of('0'), intDigits.size()));
    if (intDigits.size() < static_cast<std::size_t>(p.minInt))
        intDigits.insert(0, static_cast<std::size_t>(p.minInt) - intDigits.size(), '0');
    if (p.grouping) {
        for (auto at = static_cast<std::ptrdiff_t>(intDigits.size()) - 3; at > 0; at -= 3)
            intDigits.insert(static_cast<std::size_t>(at), 1, ',');
    }

    std::string frac = d.digits.substr(static_cast<std::size_t>(d.intLen));
    while (frac.size() > static_cast<std::size_t>(p.minFrac) && frac.back() == '0')
        frac.pop_back();

    std::string out = value < 0 ? "-" : "";
    out += intDigits;
    if (!frac.empty()) out.append(".").append(frac);
    return out;
}

std::string numText(float v) {
    if (!std::isfinite(v)) {
        reportNonFinite("数値");
        return {};
    }
    std::string out = v < 0 ? "-" : "";
    return out.append(generalDigits(v));
}

std::string str(float v) {
    if (!std::isfinite(v)) {
        reportNonFinite("数値");
        return {};
    }
    std::string out = v < 0 ? "" : " ";
    return out.append(numText(v)).append(" ");
}

double vbInt(double v) {
    return std::floor(v);
}

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    const double below = std::floor(v);
    const double fraction = v - below; // exact: the fractional part of a double is a double
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<int> cint(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int>(r);
}

double r4(double v) {
    return vbInt(v * 10000.0 + 0.5) / 10000.0;
}

double r3(double v) {
    return vbInt(v * 1000.0 + 0.5) / 1000.0;
}

double digitAlignX(double base, double value, int positions) {
    const double t = r4(value);
    if (!(t >= 10.0)) return base;
    if (t < 100.0) return base - 100.0;
    if (positions <= 3 || t < 1000.0) return base - 200.0;
    return base - 300.0;
}

float toSingle(double v) {
    // Halfway between the largest single and 2^128: at or beyond it the nearest single is infinity.
    constexpr double overflow = 0x1.ffffffp127;
    if (std::fabs(v) >= overflow)
        return std::signbit(v) ? -std::numeric_limits<float>::infinity()
                               : std::numeric_limits<float>::infinity();
    if (std::fabs(v) > std::numeric_limits<float>::max())
        return std::signbit(v) ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(v);
}

bool sameSingle(double a, double b) {
    return toSingle(a) == toSingle(b);
}

double degToRad(double deg) {
    return deg * kPi / 180.0;
}

double radToDeg(double rad) {
    return rad * 180.0 / kPi;
}

} // namespace platform
