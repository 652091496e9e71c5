#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/result.h"

namespace sections {

// The options of the screens that the member calculations read; Form7 gathers them from the forms.
struct MemberChoices : model::ScreenChoices {
    bool surchargeInertia = false; // Form7.chk_1 "上載荷重の慣性力を算入する"
};

// What a member's row of the screen gives its calculation.
struct MemberRow {
    int listIndex = -1;        // the bar list's selection: a row of BarTable, −1 none
    std::string coverCaption;  // the cover label's caption (mm)
    std::string surchargeText; // Form7.txt_1, the surcharge inertia's height (m); walls only
};

// Every operation works on the design data it is given and may leave them half-computed when it fails;
// Form7 runs them on a copy and keeps the copy only on success.

// Contact length, ground reactions along the base, slab loads and the rear wall's inclination. The
// reaction is linear from the edge of largest pressure (the toe tip for e > 0, the heel tip for e < 0) and
// zero beyond the contact length; e = 0 gives a uniform reaction.
platform::Status groundReactions(model::DesignData& d, const MemberChoices& c);

// The ground reaction under the span as the base-slab members take it: a trapezoid heavier at the front
// or at the rear wall when the contact covers the span, uniform for e = 0, else none of these forms.
enum class SlabReaction { FrontHeavy, RearHeavy, Uniform, None };
SlabReaction slabReaction(const model::DesignData& d);

// The reaction under the heel: the whole heel in contact (trapezoid), contact ending on it from the toe
// side (triangle), or contact from the heel tip ending on it (none of these forms).
enum class HeelReaction { Trapezoid, Triangle, None };
HeelReaction heelReaction(const model::DesignData& d);
// The loaded length of the heel under the triangle (m): from its root to the end of the contact, 0 when
// the contact ends before the root.
double heelTriangleLength(const model::DesignData& d);

// The reaction under a member that the forms above do not describe: the contact ends on the span, on the
// toe, or on the heel from its tip, or before the member. It is a triangle, `peak` at one end of the
// member falling to zero at `length` from that end (a length of 0: the member carries nothing); the end is
// the front end of the span or the root of the heel or toe, or with `fromFar` the rear end or the tip.
struct PartialContact {
    bool fromFar = false;
    double length = 0; // m
    float peak = 0;    // kN/m2: V2 or V4 (span), V1 or VP (toe), VR (heel)
};
// None where the span, heel or toe takes one of the forms above (member H: always none).
std::optional<PartialContact> partialContact(const model::DesignData& d, model::Member m);

// △PAX of the wall at its fixed end (kN/m) as its formula gives it: with the 5 kN/m2 deduction it may come
// out at 0 or below, and member B then takes 0.
double wallBSurchargeThrust(const model::DesignData& d, const MemberChoices& ch);

// Design moment and shear of one member from the ground reactions last computed (and Y3_Surch for the
// walls).
platform::Status memberForces(model::DesignData& d, model::Member m, const MemberChoices& c);

// The allowable steel stress for a bar of this area: 195 N/mm2 from "D25,D29" up, else the long-term
// value, under the building code in the normal case; otherwise Sigma_sa is left as it is.
void applyBarSizeRule(model::DesignData& d, float barArea, const MemberChoices& c);

// Cover, bar, effective depth, required steel and bars per metre, and the largest spacing. Returns the
// calculated-spacing caption: whole millimetres, or empty when no bar is chosen or nothing is required.
platform::Result<std::string> steelAndSpacing(model::DesignData& d, model::Member m, const MemberChoices& c,
                                              const MemberRow& row);

// The cover and the chosen bar's values alone (no bar: left as they are), for a row chosen while the
// stability results are absent. A cover beyond the single range is a fault, and nothing is taken.
platform::Status takeBar(model::DesignData& d, model::Member m, const MemberRow& row);

// The whole member command: the surcharge height (walls), the ground reactions, the member's forces and
// its steel and spacing.
platform::Result<std::string> designMember(model::DesignData& d, model::Member m, const MemberChoices& c,
                                           const MemberRow& row);

// Where one member's steel and spacing values live in the design data; member C has no S, Phi, NbarPhi
// and TauC (null).
struct MemberValues {
    float *M, *S, *D, *Deff, *J, *At, *Phi, *NbarAt, *NbarPhi, *Nbar, *PitchReq;
    float *BarArea, *BarPeri, *Cover, *CoverC;
    std::string* Bar;
    float *Pitch, *P, *K, *Jc, *SigmaC, *SigmaS, *TauC;
};
MemberValues memberValues(model::DesignData& d, model::Member m);

// The message of a design spacing that reads as zero or less.
inline constexpr const char* kNoDesignSpacing = "設計上の鉄筋の間隔を入力してください。";

// One member's allowable-stress check at a design spacing (n = 15, per metre of wall).
struct StressCheck {
    float sigmaC = 0, sigmaS = 0, tauC = 0; // N/mm2, unrounded
    bool overC = false, overS = false, overTau = false;
    std::string textC, textS, textTau; // as shown, "0.000"; member C's τc "――"
    bool ng() const { return overC || overS || overTau; }
};

// Whether a working stress exceeds its allowable. A stress is judged by its size: a negative moment or
// shear gives a negative stress, which fails as a positive one of the same size does (equality passes).
inline bool exceeds(float stress, float allowable) {
    return std::fabs(stress) > allowable;
}

// Stores the spacing, p, k, j and the stresses (rounded as shown), applies the bar-size rule for the
// member's bar and judges the size of each stress, unrounded, against its allowable (equality passes). A
// spacing that reads as zero or less, no bar or no effective depth is refused without computing anything
// else.
platform::Result<StressCheck> checkStresses(model::DesignData& d, model::Member m, const MemberChoices& c,
                                            const std::string& spacingText);
// The same at a spacing already read (mm).
platform::Result<StressCheck> checkStresses(model::DesignData& d, model::Member m, const MemberChoices& c,
                                            double spacing);

// The section screen's own active earth-pressure coefficient KA_Sect (and θk in the seismic case):
// Coulomb in the normal case and with the inertia force plus the normal earth pressure, else
// Okabe–Mononobe.
platform::Status sectionKa(model::DesignData& d, const MemberChoices& c);

} // namespace sections
