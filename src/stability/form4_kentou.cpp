#include "app/program.h"
#include "platform/services.h"
#include "report/stability/stability_page.h"
#include "stability/form4.h"

namespace stability {

void Form4::KENTOU(platform::Surface& Pri_Obj) {
    using report::SeismicLimit;
    // The engine's choices: its run for this page has already consulted the dialogs it needs.
    const EngineChoices e = engineChoices();
    report::StabilityPageChoices c;
    c.loadCase = e.loadCase;
    c.basis = e.basis;
    c.shape = e.shape;
    c.shearKey = e.shearKey;
    c.eccentricityDeducted = e.eccentricityDeducted;
    c.eccentricityNotDeducted = e.eccentricityNotDeducted;
    // A dialog that was never loaded has none of its options set; reading it must not create it.
    if (const auto* f21 = prog_.Form21.get()) {
        c.overturning = f21->opt1.value()   ? SeismicLimit::F10
                        : f21->opt2.value() ? SeismicLimit::F12
                                            : SeismicLimit::None;
        c.sliding = f21->opt5.value()   ? SeismicLimit::F10
                    : f21->opt6.value() ? SeismicLimit::F12
                                        : SeismicLimit::None;
    }
    report::writeStability(Pri_Obj, prog_.d, c, [] { platform::beep(); });
}

} // namespace stability
