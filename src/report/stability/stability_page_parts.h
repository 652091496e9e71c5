#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "model/design_data.h"
#include "platform/surface.h"
#include "report/stability/stability_page.h"

// The pieces of the stability page, in the order the page prints them.
namespace report::stability_page {

// What every piece of the page reads, with the eccentricity ratio the pieces choose their forms by.
struct Page {
    Page(platform::Surface& s, const model::DesignData& d, const StabilityPageChoices& c,
         const std::function<void()>& beep);

    platform::Surface& s;
    const model::DesignData& d;
    const StabilityPageChoices& c;
    const std::function<void()>& beep;

    // r = |e|/B in single precision; none for a zero base width, which counts as partial contact.
    std::optional<float> r;
    // The whole base is in contact: r ≤ 1/6 (the formulas), r < 1/6 (the key's W1 forms and the sketch).
    bool fullContact() const;
    bool strictlyFullContact() const;
    // R = |Xn|/B, the share of the base in contact, "0.000"; "―" for a zero base width.
    std::string contactRatioText() const;

    bool oneSided() const { return c.shape == model::GroundShape::OneSided; }
    bool normal() const { return c.loadCase == model::LoadCase::Normal; }
    bool seismic() const { return c.loadCase == model::LoadCase::Seismic; }
    // The cohesion on the whole width (or none at all), else on the effective width A'.
    bool wholeWidth() const;
    bool effectiveWidth() const;

    // A verdict line: a failing one in light magenta, then the beep and black again.
    void verdict(bool pass, std::initializer_list<platform::PrintItem> items);
    void startFailing();
    void endFailing();
};

// The limit of a safety factor with the tails of its passing and failing line.
struct Limit {
    float value;
    const char* pass;
    const char* fail;
};
inline constexpr Limit kLimit15{1.5f, " > 1.5  ∴ O.K", " < 1.5"};
inline constexpr Limit kLimit10{1.0f, " > 1.0  ∴ O.K", " < 1.0"};
inline constexpr Limit kLimit12{1.2f, " > 1.2  ∴ O.K", " < 1.2"};
// The sliding limit of the load case (Form21.opt5 / opt6 in the seismic case); none without one.
std::optional<Limit> slidingLimit(const Page& p);

// "0.000", the form of most numbers of the page.
std::string n3(double v);

void writeOverturningAndBearing(Page& p);
// False when the page ends with the sliding line (the normal case without a key, failing).
bool writeSliding(Page& p);
void writeShearKey(Page& p);
// The sketch's variant: 1 to 5 without a key, 6 to 9 with one.
int sketchVariant(const Page& p);
void writeSketch(Page& p);

} // namespace report::stability_page
