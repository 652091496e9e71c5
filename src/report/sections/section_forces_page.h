#pragma once

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/surface.h"

namespace report {

// The options of the screens that the section-force page reads; Form7 gathers them.
struct SectionForcesChoices : model::ScreenChoices {
    model::KaInput ka = model::KaInput::None; // Form7.opt1 typed / opt2 computed
};

// The length scale of the section-force figure (m per 1000 twips) and its pressure scale (twips per
// kN/m2); the pressure bands of 100 kN/m2 go on above 1000 kN/m2 in the same way. The figure is drawn at
// these scales where it fits its room on the page, and at smaller ones where it does not.
float sectionDrawScale(const model::DesignData& d);
float sectionPressureScale(float sigmaMax);

// The first page of the member-section part: the heading, the figure of the wall with its loads,
// ground reaction and dimensions, the contact length, the reactions and slab loads, and the section
// screen's earth-pressure coefficient. The figure keeps between the heading and the text below it and
// within the printable width, its names and numbers clear of its lines. It reads the design data only;
// the design spacings are stored by the caller before.
void writeSectionForces(platform::Surface& s, const model::DesignData& d, const SectionForcesChoices& c);

} // namespace report
