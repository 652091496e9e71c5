#include "app/program.h"
#include "platform/runtime.h"
#include "report/sections/section_forces_page.h"
#include "sections/form7.h"

namespace sections {

void Form7::HAIKIN(platform::Surface& Pri_Obj) {
    // The member pages that follow print and compute with the spacings typed here, whether or not the
    // page itself was shown.
    auto& d = prog_.d;
    d.Pitch_r2 = platform::valSingle(txt2.text());
    d.Pitch_r5 = platform::valSingle(txt5.text());
    d.Pitch_r6 = platform::valSingle(txt6.text());
    d.Pitch_r7 = platform::valSingle(txt7.text());
    d.Pitch_r8 = platform::valSingle(txt8.text());
    d.Pitch_r9 = platform::valSingle(txt9.text());
    d.Pitch_r10 = platform::valSingle(txt10.text());

    const MemberChoices m = memberChoices();
    report::SectionForcesChoices c;
    c.loadCase = m.loadCase;
    c.basis = m.basis;
    c.method = m.method;
    c.shape = m.shape;
    c.frontSoilCounted = m.frontSoilCounted;
    c.frontSoilOmitted = m.frontSoilOmitted;
    // An emptied coefficient box voided the coefficient with the rest of the section design: the value
    // kept belongs to other inputs.
    c.ka = txt_ka.text().empty() ? model::KaInput::None
           : opt1.value()        ? model::KaInput::Typed
           : opt2.value()        ? model::KaInput::Computed
                                 : model::KaInput::None;
    report::writeSectionForces(Pri_Obj, d, c);
}

} // namespace sections
