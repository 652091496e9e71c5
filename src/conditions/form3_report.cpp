#include "app/program.h"
#include "conditions/form3.h"
#include "report/conditions/report_pages.h"

namespace conditions {

void Form3::Ippan(platform::Surface& Pri_Obj) {
    using namespace model;
    report::ConditionsPageChoices c;
    c.loadCase = opt3.value() ? LoadCase::Normal : opt4.value() ? LoadCase::Seismic : LoadCase::None;
    c.muTyped = opt5.value();
    c.muComputed = opt6.value();
    // A screen not opened yet has none of its options chosen; reading it must not open it.
    if (prog_.Form4.loaded()) {
        auto& f4 = prog_.Form4();
        c.ka = f4.opt7.value() ? KaInput::Typed : f4.opt8.value() ? KaInput::Computed : KaInput::None;
    }
    if (prog_.Form25.loaded()) {
        auto& f25 = prog_.Form25();
        c.method = f25.opt_K1.value()   ? SeismicMethod::K1
                   : f25.opt_K2.value() ? SeismicMethod::K2
                   : f25.opt_D1.value() ? SeismicMethod::D1
                                        : SeismicMethod::None;
    }
    report::writeConditions(Pri_Obj, prog_.d, c);
}

} // namespace conditions
