#include "report/coefficient_formula.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "report/page_format.h"
#include "report/placement.h"

namespace report {

namespace {

// How far the two movable parts of a drawing go left, in whole steps: the bracket with the root and its
// texts, and the denominator's lead with the "=" and the main bar's left end.
struct Shift {
    double lead = 0, bracket = 0;
};

Shift shiftFor(double leadEnd, double bracketX, double rootEnd, double rootBar, double step,
               double leftmost) {
    auto steps = [&](double over) { return over > 0 ? step * std::ceil(over / step) : 0.0; };
    Shift k;
    k.bracket = -steps(rootEnd - rootBar);
    k.lead = std::max(-steps(leadEnd - (bracketX + k.bracket)), -step * std::floor(leftmost / step));
    return k;
}

double widest(const std::string& a, const std::string& b, double size) {
    return std::max(textWidth(a, size), textWidth(b, size));
}

} // namespace

void coulombSubstituted(const Pen& at, const FormulaAngles& a, int bar, const std::string& rootBarEnd) {
    const std::string &p = a.phi, &t = a.theta, &dl = a.delta, &b = a.beta;
    const std::string lead = "cos^2(" + t + "ﾟ)×cos(" + t + "ﾟ＋" + dl + "ﾟ)×";
    const std::string over = "sin(" + p + "ﾟ＋" + dl + "ﾟ)×sin(" + p + "ﾟ－" + b + "ﾟ)";
    const std::string under = "cos(" + t + "ﾟ＋" + dl + "ﾟ)×cos(" + t + "ﾟ－" + b + "ﾟ)";
    const double step = textWidth("─", kTextSize);
    const Shift k = shiftFor(1700 + textWidth(lead, kTextSize), 5700, 6400 + widest(over, under, kTextSize),
                             10900, step, 1500);
    const double l = k.lead, r = k.bracket;
    at.text(5100, 11450, {"cos^2(" + p + "ﾟ－" + t + "ﾟ)"});
    at.text(1500 + l, 11650, {fractionBar(bar + static_cast<int>(std::lround(-l / step)), "=")});
    at.text(6400 + r, 11900, {over});
    at.text(11150, 11900, {"2"});
    at.text(1700 + l, 12100, {lead});
    at.text(5775 + r, 12100, {"1＋"});
    at.text(6300 + r, 12100, {fractionBar(21 + static_cast<int>(std::lround(-r / step))) + rootBarEnd});
    at.text(6400 + r, 12300, {under});
    at.chain({{6075 + r, 12375}, {6100 + r, 12300}, {6150 + r, 12500}, {6300 + r, 11850}, {10900, 11850}});
    at.chain({{5800 + r, 11850}, {5700 + r, 11950}, {5700 + r, 12450}, {5800 + r, 12550}});
    at.chain({{10950, 11850}, {11050, 11950}, {11050, 12450}, {10950, 12550}});
}

void okabeSubstituted(const Pen& at, const FormulaAngles& a) {
    const std::string &p = a.phi, &t = a.theta, &dl = a.delta, &b = a.beta, &k = a.thetaK;
    const std::string lead = "cos" + k + "ﾟ×cos^2(" + t + "ﾟ)×cos(" + dl + "ﾟ＋" + t + "ﾟ＋" + k + "ﾟ)×";
    const std::string over = "sin(" + p + "ﾟ－" + b + "ﾟ－" + k + "ﾟ)×sin(" + p + "ﾟ＋" + dl + "ﾟ)";
    const std::string under = "cos(" + dl + "ﾟ＋" + t + "ﾟ＋" + k + "ﾟ)×cos(" + t + "ﾟ－" + b + "ﾟ)";
    const Shift shift = shiftFor(1230 + textWidth(lead, kLabelSize), 6000,
                                 6700 + widest(over, under, kLabelSize), 11000, 1, 1030);
    const double l = shift.lead, r = shift.bracket;
    at.text(4600, 12300, {"(1－" + a.kv + ")×cos^2(" + p + "ﾟ－" + t + "ﾟ－" + k + "ﾟ)"});
    at.text(1030 + l, 12470, {"="});
    at.text(6700 + r, 12700, {over});
    at.text(11200, 12700, {"2"});
    at.text(1230 + l, 12900, {lead});
    at.text(6075 + r, 12900, {"1＋"});
    at.text(6700 + r, 13100, {under});
    at.chain({{1200 + l, 12550}, {11250, 12550}});
    at.chain({{6650 + r, 12980}, {11000, 12980}});
    at.chain({{6375 + r, 13175}, {6400 + r, 13100}, {6450 + r, 13300}, {6600 + r, 12650}, {11000, 12650}});
    at.chain({{6100 + r, 12650}, {6000 + r, 12750}, {6000 + r, 13250}, {6100 + r, 13350}});
    at.chain({{11030, 12650}, {11130, 12750}, {11130, 13250}, {11030, 13350}});
}

} // namespace report
