#include "app/program.h"
#include "conditions/form3.h"
#include "report/conditions/report_pages.h"

namespace conditions {

void Form3::Ippan(platform::Surface& Pri_Obj) {
    using namespace model;
    report::ConditionsPageChoices c;
    c.loadCase = loadCase();
    c.muTyped = opt5.value();
    c.muComputed = opt6.value();
    // A screen not opened yet has none of its options chosen; reading it must not open it.
    if (prog_.Form4.loaded()) {
        auto& f4 = prog_.Form4();
        c.ka = f4.opt7.value() ? KaInput::Typed : f4.opt8.value() ? KaInput::Computed : KaInput::None;
    }
    if (prog_.Form25.loaded()) c.method = prog_.Form25().method();
    report::writeConditions(Pri_Obj, prog_.d, c);
}

} // namespace conditions
