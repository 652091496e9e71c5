#include "stability/form14.h"

#include "app/program.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace stability {

Form14::Form14(app::Program& program) : Form("Form14", platform::FormKind::Dialog), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form14::cmd1_Click},
                           {&cmd2.onClick, &Form14::cmd2_Click},
                           {&opt4.onClick, &Form14::opt4_Click},
                           {&opt5.onClick, &Form14::opt5_Click}});
}

// "ＯＫ": kept hidden, so that the choice stays readable.
void Form14::cmd1_Click() {
    if (prog_.d.C_Base != 0 && !opt4.value() && !opt5.value()) {
        platform::errorMessage("底版の有効載荷面積に対する検討方法をチェックして下さい。");
        return;
    }
    hide();
    prog_.Form4().cmd3.setFocus();
}

void Form14::cmd2_Click() {
    unload();
}

// The choice is an input of the stability run: its results, the output and the member design go.
void Form14::opt4_Click() {
    prog_.Form4().staleMarks();
}

void Form14::opt5_Click() {
    prog_.Form4().staleMarks();
}

// Discarding the dialog discards its choice.
void Form14::Form_Unload() {
    if (auto* f4 = prog_.Form4.get()) f4->staleMarks();
}

} // namespace stability
