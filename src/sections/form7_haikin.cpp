#include "app/program.h"
#include "model/calc.h"
#include "report/sections/section_forces_page.h"
#include "sections/form7.h"

namespace sections {

platform::Status Form7::HAIKIN(platform::Surface& Pri_Obj) {
    // The member pages that follow print and compute with the spacings typed here (B … H), whether or
    // not the page itself was shown.
    auto& d = prog_.d;
    const bool typedKa = opt1.value() && txt_ka.border() && !txt_ka.text().empty();
    auto ka = model::readSingle(typedKa ? txt_ka.text() : "", kTypedKa);
    if (!ka) return ka.fault();
    platform::TextBox* refused = nullptr;
    if (auto stored = storeSpacings(1, refused); !stored) return stored;
    if (typedKa) d.KA_Sect = *ka;

    report::SectionForcesChoices c;
    static_cast<model::ScreenChoices&>(c) = memberChoices();
    // An emptied coefficient box voided the coefficient with the rest of the section design: the value
    // kept belongs to other inputs.
    c.ka = txt_ka.text().empty() ? model::KaInput::None
           : opt1.value()        ? model::KaInput::Typed
           : opt2.value()        ? model::KaInput::Computed
                                 : model::KaInput::None;
    report::writeSectionForces(Pri_Obj, d, c);
    return {};
}

} // namespace sections
