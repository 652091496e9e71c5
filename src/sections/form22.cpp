#include "sections/form22.h"

#include "app/not_built.h"
#include "app/program.h"
#include "platform/wiring.h"

namespace sections {

Form22::Form22(app::Program& program) : Form("Form22", platform::FormKind::Dialog), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form22::cmd1_Click}, {&cmd2.onClick, &Form22::cmd2_Click}});
}

// Storing the covers and recomputing the members come with the member design.
void Form22::cmd1_Click() {
    app::sayNotBuilt("ＯＫ");
}

void Form22::cmd2_Click() {
    unload();
}

} // namespace sections
