#include "app/program.h"
#include "report/conditions/report_pages.h"
#include "stability/form4.h"

namespace stability {

using namespace model;

// The report reads the options of the other screens as they stand; a screen not opened yet has none
// chosen, and reading it must not open it.
namespace {

LoadCase loadCase(app::Program& p) {
    return p.Form3.loaded() ? p.Form3().loadCase() : LoadCase::None;
}

SeismicMethod method(app::Program& p) {
    return p.Form25.loaded() ? p.Form25().method() : SeismicMethod::None;
}

GroundShape shape(app::Program& p) {
    return p.Form23.loaded() ? p.Form23().shape() : GroundShape::None;
}

} // namespace

report::WallPageChoices Form4::wallPageChoices() {
    return {loadCase(prog_), method(prog_), shape(prog_)};
}

report::EarthPressurePageChoices Form4::earthPressurePageChoices() {
    report::EarthPressurePageChoices c;
    c.loadCase = loadCase(prog_);
    c.method = method(prog_);
    c.shape = shape(prog_);
    if (prog_.Form3.loaded()) c.basis = prog_.Form3().designBasis();
    c.ka = opt7.value() ? KaInput::Typed : opt8.value() ? KaInput::Computed : KaInput::None;
    c.deductSurcharge = chk1.value() == 1;
    if (prog_.Form21.loaded()) c.surchargeInertia = prog_.Form21().chk1.value();
    return c;
}

void Form4::KEIJYOU(platform::Surface& Pri_Obj) {
    report::writeWallDrawing(Pri_Obj, prog_.d, wallPageChoices());
}

void Form4::JIJYUU(platform::Surface& Pri_Obj) {
    report::writeSelfWeight(Pri_Obj, prog_.d, wallPageChoices());
}

void Form4::Doatu(platform::Surface& Pri_Obj) {
    report::writeEarthPressure(Pri_Obj, prog_.d, earthPressurePageChoices());
}

void Form4::Doatu2(platform::Surface& Pri_Obj) {
    report::writeLoadSummary(Pri_Obj, prog_.d, earthPressurePageChoices());
}

} // namespace stability
