#pragma once

#include "app/screen_header.h"

#include <functional>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "platform/result.h"

namespace app {
struct Program;
}

namespace report {

class PreviewPage;

// A named operation of a page: a calculation that refreshes the stored values, or a writer drawing
// on the output object. A fault ends the page.
struct PageStep {
    std::string name; // "Form4.KEIJYOU"
    std::function<platform::Status()> run;
};
using PageSteps = std::vector<PageStep>;

// Told the name of every page step as it starts; lets a test follow the chain.
void setStepObserver(std::function<void(const std::string&)> observer);
// Runs the steps in order, up to the first fault.
platform::Status runSteps(const PageSteps& steps);

// The optional members and the report pages that hold them: page 8 holds G and the first present of
// the heel H, the toe I and the shear key J; page 9, only with two or more present, the others.
enum class MemberReport { G, H, I, J };
struct OptionalMembers {
    bool heel = false, toe = false, key = false;
    int count() const { return int(heel) + int(toe) + int(key); }
};
OptionalMembers optionalMembers(const model::DesignData& d);
std::vector<MemberReport> page8Members(OptionalMembers m);
std::vector<MemberReport> page9Members(OptionalMembers m); // empty: no page 9

// The writers of report page 1 … 9, in order, for the present values.
PageSteps pageWriters(app::Program& program, int page);

// The stability engine's two calculations, and the design conditions' copy.
PageStep stepForm4HENSUU(app::Program& program);
PageStep stepForm4DANMEM_1(app::Program& program);
PageStep stepForm3HENSUU(app::Program& program);

// Shows report page `page` in place of `from` (may be null) with its canvas as the output object,
// clears the canvas and runs `before`, then the page's writers. A fault is shown as an error
// message and leaves the canvas empty.
void turnTo(app::Program& program, PreviewPage* from, int page, const PageSteps& before);

} // namespace report
