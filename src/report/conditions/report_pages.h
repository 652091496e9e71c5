#pragma once

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/surface.h"

// The writers of report pages 1 to 3: the design conditions, the wall drawing with the self weight
// and surcharges, and the earth pressure with the load summary. They only read the design data.
namespace report {

// The options of the screens that the pages read; the forms gather them.
struct ConditionsPageChoices {
    model::LoadCase loadCase = model::LoadCase::None;         // Form3.opt3 / opt4
    model::SeismicMethod method = model::SeismicMethod::None; // Form25.opt_K1 / opt_K2 / opt_D1
    model::KaInput ka = model::KaInput::None;                 // Form4.opt7 / opt8
    bool muTyped = false;                                     // Form3.opt5
    bool muComputed = false;                                  // Form3.opt6: tan φB
};

struct WallPageChoices {
    model::LoadCase loadCase = model::LoadCase::None;         // Form3.opt3 / opt4
    model::SeismicMethod method = model::SeismicMethod::None; // Form25
    model::GroundShape shape = model::GroundShape::None;      // Form23.opt1 / opt2
};

struct EarthPressurePageChoices {
    model::LoadCase loadCase = model::LoadCase::None;         // Form3.opt3 / opt4
    model::DesignBasis basis = model::DesignBasis::None;      // Form3.opt_T / opt_D
    model::SeismicMethod method = model::SeismicMethod::None; // Form25
    model::GroundShape shape = model::GroundShape::None;      // Form23.opt1 / opt2
    model::KaInput ka = model::KaInput::None;                 // Form4.opt7 / opt8
    bool deductSurcharge = false;                             // Form4.chk1
    int surchargeInertia = 0;                                 // Form21.chk1: 0 clear, 1 ticked, 2 grayed
};

// The areas of the back soil ⑦ and the front soil ⑧ as the report prints them: no heel with a
// vertical earth face leaves no back soil, and one-sided ground without a toe no front soil, whatever
// rounding remainder the engine kept.
float printedBackSoilArea(const model::DesignData& d);
float printedFrontSoilArea(const model::DesignData& d, model::GroundShape shape);

// Page 1: the design conditions, as running text from the top of a fresh page.
void writeConditions(platform::Surface& s, const model::DesignData& d, const ConditionsPageChoices& c);
// Page 2, upper half: the chapter head and the dimensioned wall drawing.
void writeWallDrawing(platform::Surface& s, const model::DesignData& d, const WallPageChoices& c);
// Page 2, lower half: the self-weight table, the centroid and the surcharge loads.
void writeSelfWeight(platform::Surface& s, const model::DesignData& d, const WallPageChoices& c);
// Page 3, upper part: the earth-pressure coefficient and the resultants.
void writeEarthPressure(platform::Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c);
// Page 3, lower part: the load summary table.
void writeLoadSummary(platform::Surface& s, const model::DesignData& d, const EarthPressurePageChoices& c);

} // namespace report
