#include "app/form13.h"

#include "app/program.h"
#include "platform/wiring.h"

namespace app {

Form13::Form13(Program&) : Form("Form13", platform::FormKind::Dialog) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form13::cmd1_Click}});
}

void Form13::cmd1_Click() {
    unload();
}

} // namespace app
