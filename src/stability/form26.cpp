#include "stability/form26.h"

#include "app/program.h"
#include "platform/wiring.h"

namespace stability {

Form26::Form26(app::Program& program) : Form("Form26", platform::FormKind::Dialog), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form26::cmd1_Click}});
}

void Form26::cmd1_Click() {
    hide();
}

} // namespace stability
