#include "app/form10.h"

#include "app/program.h"
#include "platform/wiring.h"

namespace app {

Form10::Form10(Program& program) : Form("Form10", platform::FormKind::MdiChild), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form10::cmd1_Click}});
}

void Form10::cmd1_Click() {
    unload();
}

// Closing by "閉じる" or by the window frame gives the File and Reference menus and the toolbar back.
void Form10::Form_Unload() {
    auto& main = prog_.MDIForm1();
    main.Men_F.setEnabled(true);
    main.Men_S.setEnabled(true);
    main.Toolbar1.setVisible(true);
}

} // namespace app
