#include "conditions/form23.h"

#include "app/program.h"

namespace conditions {

Form23::Form23(app::Program& program) : Form("Form23", platform::FormKind::MdiChild), prog_(program) {
    setCaption("地盤の形状の選択");
    opt1.setContainer(Frame1);
    opt2.setContainer(Frame1);
}

} // namespace conditions
