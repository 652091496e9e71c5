#pragma once

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/result.h"

namespace stability {

// The options of the screens that the engine reads; Form4 gathers them from the forms.
struct EngineChoices {
    model::LoadCase loadCase = model::LoadCase::None;         // Form3.opt3 / opt4
    model::DesignBasis basis = model::DesignBasis::None;      // Form3.opt_T / opt_D
    model::SeismicMethod method = model::SeismicMethod::None; // Form25.opt_K1 / opt_K2 / opt_D1
    model::GroundShape shape = model::GroundShape::None;      // Form23.opt1 / opt2
    bool frontSoilCounted = false;                            // Form4.opt3 "計算に含む"
    bool frontSoilOmitted = false;                            // Form4.opt4 "計算に含まない"
    bool shearKey = false;                                    // Form4.opt6 "有り"
    bool deductSurcharge = false;                             // Form4.chk1: q_Back − 5 kN/m2
    bool surchargeInertia = false;                            // Form21.chk1
    bool eccentricityDeducted = false;    // Form14.opt4 or Form21.opt7: cohesion on A' = B − 2|e|
    bool eccentricityNotDeducted = false; // Form14.opt5 or Form21.opt8: cohesion on B less the lifted part
};

// Each operation works on the design data it is given and may leave them half-computed when it fails;
// Form4 runs them on a copy and keeps the copy only on success.

// The geometry derived from the copied dimensions (θ among it) and the cleared part areas and
// surcharge loads.
platform::Status deriveGeometry(model::DesignData& d, model::GroundShape shape);
// The earth-pressure coefficient KA: Coulomb, or Okabe–Mononobe for the seismic earth pressure.
platform::Status computeKa(model::DesignData& d, const EngineChoices& c);
// Loads, overturning, contact pressure, sliding and shear key. On success Sigma_max is non-zero.
platform::Status runStability(model::DesignData& d, const EngineChoices& c);

} // namespace stability
