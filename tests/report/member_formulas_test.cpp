#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "report/contact_walls.h"
#include "report/output/form15.h"

namespace {

// A printed number stands for every value that rounds to it: [lo, hi].
struct Interval {
    double lo = 0, hi = 0;
};

Interval operator+(Interval a, Interval b) {
    return {a.lo + b.lo, a.hi + b.hi};
}
Interval operator-(Interval a, Interval b) {
    return {a.lo - b.hi, a.hi - b.lo};
}
Interval operator*(Interval a, Interval b) {
    const double p[4] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}

// The printed arithmetic of a formula as a reader works it out by hand: numbers, ＋ － - × /, ^ with an
// exact exponent, ( ) { } and |…| (absolute value), sqr{…} and Sqr(…). A closing bracket that closes nothing
// open of its kind is read over, as a reader reads "{(a－b)×c^2)/20}". A number with decimals stands for
// the values that round to it; an integer of four or more digits (a value printed "0") too; shorter
// integers are the formula's own constants.
class Arithmetic {
public:
    explicit Arithmetic(std::string text) : s_(std::move(text)) {}

    std::optional<Interval> value() {
        auto v = expr();
        skipStrayClosers();
        if (!v || pos_ != s_.size()) return std::nullopt;
        return v;
    }

private:
    bool take(const char* token) {
        const std::string t(token);
        if (s_.compare(pos_, t.size(), t) != 0) return false;
        pos_ += t.size();
        return true;
    }
    bool at(const char* token) const { return s_.compare(pos_, std::string(token).size(), token) == 0; }
    void skipStrayClosers() {
        while (pos_ < s_.size() && (s_[pos_] == ')' || s_[pos_] == '}') &&
               (closers_.empty() || closers_.back() != s_[pos_]))
            ++pos_;
    }

    std::optional<Interval> expr() {
        auto v = term();
        while (v) {
            skipStrayClosers();
            if (take("＋")) {
                auto r = term();
                if (!r) return std::nullopt;
                v = *v + *r;
            } else if (take("－") || take("-")) {
                auto r = term();
                if (!r) return std::nullopt;
                v = *v - *r;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<Interval> term() {
        auto v = unary();
        while (v) {
            skipStrayClosers();
            if (take("×")) {
                auto r = unary();
                if (!r) return std::nullopt;
                v = *v * *r;
            } else if (take("/")) {
                auto r = unary();
                if (!r || (r->lo <= 0 && r->hi >= 0)) return std::nullopt;
                v = *v * Interval{1 / r->hi, 1 / r->lo};
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<Interval> unary() {
        if (take("－") || take("-")) {
            const int powers = powers_;
            auto v = unary();
            // "×-0.822^2" prints a length below zero: no calculation squares one.
            if (!v || powers_ != powers) return std::nullopt;
            return Interval{-v->hi, -v->lo};
        }
        return power();
    }
    std::optional<Interval> power() {
        auto v = primary();
        if (!v || !take("^")) return v;
        ++powers_;
        const std::size_t start = pos_;
        while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.'))
            ++pos_;
        if (start == pos_) return std::nullopt;
        const double n = std::stod(s_.substr(start, pos_ - start));
        if (v->lo >= 0) return Interval{std::pow(v->lo, n), std::pow(v->hi, n)};
        if (n == std::floor(n) && std::fmod(n, 2) != 0)
            return Interval{std::pow(v->lo, n), std::pow(v->hi, n)};
        if (n == std::floor(n)) {
            const double a = std::pow(v->lo, n), b = std::pow(v->hi, n);
            return Interval{v->hi >= 0 ? 0 : std::min(a, b), std::max(a, b)};
        }
        // A length printed 0.000 is no negative number: a fractional power reads it from zero.
        if (v->hi < 0) return std::nullopt;
        return Interval{0, std::pow(v->hi, n)};
    }
    std::optional<Interval> group(char close) {
        closers_.push_back(close);
        auto v = expr();
        skipStrayClosers();
        closers_.pop_back();
        if (!v || pos_ >= s_.size() || s_[pos_] != close) return std::nullopt;
        ++pos_;
        return v;
    }
    std::optional<Interval> primary() {
        if (take("Sqr") || take("sqr")) {
            std::optional<Interval> v;
            if (take("("))
                v = group(')');
            else if (take("{"))
                v = group('}');
            if (!v || v->hi < 0) return std::nullopt;
            return Interval{std::sqrt(std::max(0.0, v->lo)), std::sqrt(v->hi)};
        }
        if (take("(")) return group(')');
        if (take("{")) return group('}');
        if (take("|")) {
            closers_.push_back('|');
            auto v = expr();
            closers_.pop_back();
            if (!v || !take("|")) return std::nullopt;
            if (v->lo >= 0) return v;
            if (v->hi <= 0) return Interval{-v->hi, -v->lo};
            return Interval{0, std::max(-v->lo, v->hi)};
        }
        const std::size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
            ++pos_;
        if (start == pos_) return std::nullopt;
        int decimals = 0;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
                ++pos_, ++decimals;
        }
        const std::string text = s_.substr(start, pos_ - start);
        const double v = std::stod(text);
        const double half = decimals > 0 ? 0.5 * std::pow(10.0, -decimals) : text.size() >= 4 ? 0.5 : 0;
        return Interval{v - half, v + half};
    }

    std::string s_;
    std::size_t pos_ = 0;
    std::vector<char> closers_;
    int powers_ = 0;
};

// The characters of printed arithmetic; a part of a line made of anything else is a formula in letters.
bool arithmetic(const std::string& s) {
    bool op = false;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '(' || c == ')' || c == '{' ||
            c == '}') {
            ++i;
            continue;
        }
        if (c == '/' || c == '^' || c == '|' || c == '-') {
            op = true, ++i;
            continue;
        }
        bool known = false;
        for (const char* t : {"＋", "－", "×", "Sqr", "sqr"}) {
            const std::string token(t);
            if (s.compare(i, token.size(), token) == 0) {
                op = op || (token != "Sqr" && token != "sqr");
                i += token.size(), known = true;
                break;
            }
        }
        if (!known) return false;
    }
    return op;
}

// The number a text starts with ("-1.25kN/m" → "-1.25"), empty when it starts with none.
std::string leadingNumber(const std::string& s) {
    std::size_t i = s.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t digits = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    if (i == digits) return {};
    if (i + 1 < s.size() && s[i] == '.' && std::isdigit(static_cast<unsigned char>(s[i + 1]))) {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i;
    }
    return s.substr(0, i);
}

// One substituted formula and the number printed after it.
struct Formula {
    std::string line, arithmetic, result;
    std::optional<Interval> value;
    bool gives() const {
        if (!value) return false;
        const auto dot = result.find('.');
        const int decimals = dot == std::string::npos ? 0 : static_cast<int>(result.size() - dot - 1);
        const double r = std::stod(result), half = 0.5 * std::pow(10.0, -decimals);
        const double slack = 1e-9 * std::max(1.0, std::fabs(r));
        return value->lo <= r + half + slack && value->hi >= r - half - slack;
    }
};

// The page number "－ 7 －".
bool footer(const platform::TextOp& t) {
    const std::string dash = "－ ", end = " －";
    return t.text.size() > dash.size() + end.size() && t.text.rfind(dash, 0) == 0 &&
           t.text.compare(t.text.size() - end.size(), end.size(), end) == 0 &&
           !leadingNumber(t.text.substr(dash.size())).empty();
}

// A page's lines above its page number: the texts of a line joined, empty lines kept.
std::vector<std::string> pageLines(const platform::Page& page) {
    const double h = platform::lineHeight(platform::kMincho, 11);
    std::vector<std::string> out;
    for (const auto& op : page) {
        const auto* t = std::get_if<platform::TextOp>(&op);
        if (!t || footer(*t)) continue;
        const auto i = static_cast<std::size_t>(std::lround(t->y / h));
        if (out.size() <= i) out.resize(i + 1);
        out[i] += t->text;
    }
    return out;
}

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a);
}

// The formulas of a page. A line that starts with "=", "＋" or "－" continues the line above it; a part
// between two "=" that is printed arithmetic is a substituted formula when a number follows it.
std::vector<Formula> formulas(const std::vector<std::string>& lines) {
    std::vector<std::string> joined;
    std::string previous;
    for (const auto& l : lines) {
        const std::string t = trimmed(l);
        const bool continues =
            !previous.empty() && (t.rfind("=", 0) == 0 || t.rfind("＋", 0) == 0 || t.rfind("－", 0) == 0);
        if (continues)
            joined.back() += t;
        else
            joined.push_back(l);
        previous = t;
    }
    std::vector<Formula> out;
    for (const auto& line : joined) {
        std::vector<std::string> parts;
        for (std::size_t a = 0, b; a <= line.size(); a = b + 1) {
            b = line.find('=', a);
            if (b == std::string::npos) b = line.size();
            parts.push_back(line.substr(a, b - a));
        }
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            const std::string result = leadingNumber(parts[i + 1]);
            if (!arithmetic(parts[i]) || result.empty()) continue;
            out.push_back({line, parts[i], result, Arithmetic(parts[i]).value()});
        }
    }
    return out;
}

// The members of a page, each from its heading ("              ３）底版（中央部）") to the next.
std::vector<std::vector<std::string>> members(const std::vector<std::string>& lines) {
    const std::string indent(14, ' ');
    std::vector<std::vector<std::string>> out;
    for (const auto& l : lines) {
        if (l.size() > indent.size() && l.rfind(indent, 0) == 0 && l[indent.size()] != ' ' &&
            l.find("）") != std::string::npos)
            out.emplace_back();
        if (!out.empty()) out.back().push_back(l);
    }
    return out;
}

// The two parts of a design moment or shear, "M=|M1-M2|=|11.250-19.910|×10^5=…".
std::vector<std::string> parts(const std::string& line) {
    const std::string t = trimmed(line);
    if (t.rfind("M=|", 0) != 0 && t.rfind("S=|", 0) != 0) return {};
    const auto open = t.find("=|", 3);
    if (open == std::string::npos) return {};
    const std::string first = leadingNumber(t.substr(open + 2));
    const std::string rest = t.substr(open + 2 + first.size());
    if (first.empty() || rest.rfind('-', 0) != 0) return {};
    const std::string second = leadingNumber(rest.substr(1));
    if (second.empty()) return {};
    return {first, second};
}

TEST(MemberFormulas, TheCheckerReadsThePrintedArithmetic) {
    // 25.438·6.25/6 = 26.498, not 16.907.
    auto f = formulas({"                 M2=(V1＋2･VP)･B^2/6=(25.438＋2×0.000)×2.500^2/6=16.907kNm/m"});
    ASSERT_EQ(f.size(), 1u);
    EXPECT_FALSE(f[0].gives());
    f = formulas({"                 M2=(V1＋2･VP)･B^2/6=(25.438＋2×0.000)×2.500^2/6=26.498kNm/m"});
    EXPECT_TRUE(f[0].gives());
    // Continued lines, the extra closing parenthesis, Sqr and |…|: 45·9/8 + 15·9/(9√3) − 39.375 = 19.910.
    f = formulas({"                  M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2",
                  "                    =(45.000×3.000^2)/8＋(60.000－45.000)×3.000^2/(9×Sqr(3))",
                  "                    －(40.500＋38.250)/2=19.910kNm/m",
                  "                    =(45.000×3.000^2)/12＋{(60.000－45.000)×3.000^2)/20}=40.500kNm/m",
                  "                   M=|M1-M2|=|11.250-19.910|×10^5=866000Ncm/m"});
    ASSERT_EQ(f.size(), 3u);
    for (const auto& k : f)
        EXPECT_TRUE(k.gives()) << k.line;
    // √(2·15·0.00331 + 0.00331²·225) − 15·0.00331 = 0.269; four-digit integers are printed values.
    f = formulas(
        {"                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×0.00331＋(15×0.00331)^2}－15×0.00331=0.269",
         "                   σc=2M/(k･j･b･d^2)=2×20000000/(0.269×0.910×1000×300.00^2)=1.813N/mm2"});
    ASSERT_EQ(f.size(), 2u);
    EXPECT_TRUE(f[0].gives() && f[1].gives());
    // A negative length squared reads as no length at all, even where the load before it is 0.
    f = formulas({"                 M2=V5･B^2/6=0.000×-0.822^2/6=0.000kNm/m",
                  "                 M2=V5･B^2/6=0.000×0.000^2/6=0.000kNm/m"});
    ASSERT_EQ(f.size(), 2u);
    EXPECT_FALSE(f[0].gives());
    EXPECT_TRUE(f[1].gives());
    // A value the calculation floors at 0: 0.30 × (3.0 − 5.0) × 3.950 × 0.9791 = −2.320, not 0.
    f = formulas({"                △PAX=KA･q･H･cos(0.00ﾟ＋20.000ﾟ)=0.30×(3.0-5.0)×3.950×0.9791=0.000kN/m",
                  "                △PAX=KA･q･H･cos(0.00ﾟ＋20.000ﾟ)=0.30×(3.0-5.0)×3.950×0.9791=-2.320≦0  ∴ "
                  "△PAX=0.000kN/m"});
    ASSERT_EQ(f.size(), 2u);
    EXPECT_FALSE(f[0].gives());
    EXPECT_TRUE(f[1].gives());
}

// Pages 6 to 9, printed through the print options (range 5 … 9), for a wall of every reaction form: every
// substituted formula gives the number printed after it, on pages 7 to 9 the load and reaction parts of
// each design moment and shear are derived on the member's own lines, and every line ends above the page
// number.
TEST(MemberFormulas, EveryPrintedFormulaGivesItsNumber) {
    for (const auto& wall : report_test::contactWalls()) {
        SCOPED_TRACE(wall.name);
        testing_support::RecordingServices services;
        app::Program prog;
        prog.MDIForm1().show();
        const auto designed = report_test::designWall(prog, wall);
        ASSERT_TRUE(designed) << designed.fault().message
                              << (services.messages.empty() ? "" : services.messages.front().text);
        auto& f15 = prog.Form15();
        f15.opt3.click();
        if (f15.chk_P.value() != 1) f15.chk_P.click();
        f15.txt_P.setText("5");
        f15.cmd1.click();
        ASSERT_EQ(services.printed.size(), 1u) << services.lastMessage().text;
        const auto& sheets = services.printed.back();
        ASSERT_GE(sheets.size(), 4u);
        for (std::size_t sheet = 1; sheet < sheets.size(); ++sheet) {
            const int page = static_cast<int>(sheet) + 5;
            SCOPED_TRACE("page " + std::to_string(page));
            // Every line ends above the page number.
            const double h = platform::lineHeight(platform::kMincho, 11);
            const auto number = std::find_if(sheets[sheet].begin(), sheets[sheet].end(), [](const auto& op) {
                const auto* t = std::get_if<platform::TextOp>(&op);
                return t && footer(*t);
            });
            ASSERT_NE(number, sheets[sheet].end());
            const double band = std::get<platform::TextOp>(*number).y;
            for (const auto& op : sheets[sheet]) {
                const auto* t = std::get_if<platform::TextOp>(&op);
                if (t && !footer(*t)) {
                    EXPECT_LE(t->y + h, band) << t->text;
                }
            }
            const auto lines = pageLines(sheets[sheet]);
            const auto found = formulas(lines);
            EXPECT_GE(found.size(), 8u);
            for (const auto& f : found)
                EXPECT_TRUE(f.gives()) << f.line << "\n  " << f.arithmetic << " ≠ " << f.result;
            if (page == 6) continue;
            for (const auto& member : members(lines)) {
                std::set<std::string> derived;
                for (const auto& f : formulas(member))
                    derived.insert(f.result);
                int designLines = 0;
                for (const auto& l : member) {
                    const auto p = parts(l);
                    designLines += !p.empty();
                    for (const auto& v : p)
                        EXPECT_TRUE(derived.count(v))
                            << member.front() << ": " << v << " has no derivation\n  " << l;
                }
                // The key's lines carry their factors themselves; every other member has M (and S).
                if (member.front().find("突起") == std::string::npos) {
                    EXPECT_GE(designLines, 1) << member.front();
                }
            }
        }
    }
}

} // namespace
