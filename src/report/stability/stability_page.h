#pragma once

#include <functional>

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/surface.h"

namespace report {

// A seismic limit of the stability-method dialog: none chosen, F ≥ 1.0 or F ≥ 1.2.
enum class SeismicLimit { None, F10, F12 };

// The options of the screens and dialogs that the stability page reads.
struct StabilityPageChoices {
    model::LoadCase loadCase = model::LoadCase::None;    // Form3.opt3 / opt4
    model::GroundShape shape = model::GroundShape::None; // Form23.opt1 / opt2
    model::DesignBasis basis = model::DesignBasis::None; // Form3.opt_T / opt_D
    bool shearKey = false;                               // Form4.opt6 "有り" (else opt5 "無し")
    bool eccentricityDeducted = false;    // Form14.opt4 or Form21.opt7: cohesion on A' = B − 2|e|
    bool eccentricityNotDeducted = false; // Form14.opt5 or Form21.opt8: cohesion on B less the lifted part
    SeismicLimit overturning = SeismicLimit::None; // Form21.opt1 (F ≥ 1.0, e ≤ B/2) / opt2 (F ≥ 1.2, e ≤ B/3)
    SeismicLimit sliding = SeismicLimit::None; // Form21.opt5 / opt6
};

// The stability page of the wall chapter: overturning, bearing pressure, sliding, the shear key and
// the sketch in the right margin, from the results of a stability run on the present inputs. Each
// failing verdict is drawn in light magenta and followed by one call of `beep`.
void writeStability(platform::Surface& s, const model::DesignData& d, const StabilityPageChoices& c,
                    const std::function<void()>& beep);

} // namespace report
