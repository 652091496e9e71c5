#include "app/program.h"
#include "platform/services.h"
#include "report/stability/stability_page.h"
#include "stability/form4.h"

namespace stability {

void Form4::KENTOU(platform::Surface& Pri_Obj) {
    using namespace model;
    using report::SeismicLimit;
    auto& f3 = prog_.Form3();
    auto& f23 = prog_.Form23();
    report::StabilityPageChoices c;
    c.loadCase = f3.opt3.value() ? LoadCase::Normal : f3.opt4.value() ? LoadCase::Seismic : LoadCase::None;
    c.basis = f3.opt_T.value()   ? DesignBasis::Building
              : f3.opt_D.value() ? DesignBasis::Road
                                 : DesignBasis::None;
    c.shape = f23.opt1.value()   ? GroundShape::OneSided
              : f23.opt2.value() ? GroundShape::TwoSided
                                 : GroundShape::None;
    c.shearKey = opt6.value();
    // A dialog that was never loaded has none of its options set; reading it must not create it.
    if (const auto* f14 = prog_.Form14.get()) {
        c.eccentricityDeducted = f14->opt4.value();
        c.eccentricityNotDeducted = f14->opt5.value();
    }
    if (const auto* f21 = prog_.Form21.get()) {
        c.eccentricityDeducted = c.eccentricityDeducted || f21->opt7.value();
        c.eccentricityNotDeducted = c.eccentricityNotDeducted || f21->opt8.value();
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
