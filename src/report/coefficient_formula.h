#pragma once

#include <string>

#include "report/page_format.h"

namespace report {

// The angles and the vertical coefficient as a coefficient's formula prints them ("0.00").
struct FormulaAngles {
    std::string phi, theta, delta, beta, thetaK, kv;
};

// The second drawing of an earth-pressure coefficient, its angles substituted: Coulomb's in 11 points with
// fraction bars of characters (the main bar `bar` characters long after its "=", the root's bar followed
// by `rootBarEnd`), and the seismic form in 9 points with drawn bars. Both stand where the section-force
// page sets them, moved as the pen moves them. A denominator longer than its place (a signed angle, "-0.00")
// moves, with the "=" and the main bar's left end, to the left until it clears the bracket "[1＋√(…)]^2";
// texts under the root longer than its bar move the bracket and the root to the left as well. The right
// bracket and its exponent keep their places, so the drawing stays within the page.
void coulombSubstituted(const Pen& at, const FormulaAngles& a, int bar, const std::string& rootBarEnd);
void okabeSubstituted(const Pen& at, const FormulaAngles& a);

} // namespace report
