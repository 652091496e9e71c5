#include "stability/form21.h"

#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace stability {

Form21::Form21(app::Program& program) : Form("Form21", platform::FormKind::Dialog), prog_(program) {
    Frame4.setContainer(Frame3);
    lbl1.setContainer(Frame4);
    opt7.setContainer(Frame4);
    opt8.setContainer(Frame4);
    layOut();
    chk1.setEnabled(false);
    lbl2.setEnabled(false);
    txt1.setEnabled(false);
    lbl3.setEnabled(false);
    platform::wire(*this, {{&cmd1.onClick, &Form21::cmd1_Click},
                           {&cmd2.onClick, &Form21::cmd2_Click},
                           {&opt1.onClick, &Form21::opt_Click},
                           {&opt2.onClick, &Form21::opt_Click},
                           {&opt5.onClick, &Form21::opt_Click},
                           {&opt6.onClick, &Form21::opt_Click},
                           {&opt7.onClick, &Form21::opt_Click},
                           {&opt8.onClick, &Form21::opt_Click},
                           {&chk1.onClick, &Form21::chk1_Click},
                           {&txt1.onClick, &Form21::txt1_Click},
                           {&txt1.onDblClick, &Form21::txt1_DblClick},
                           {&txt1.onGotFocus, &Form21::txt1_GotFocus}});
    txt1.onKeyPress = [this](int& k) { txt1_KeyPress(k); };
    // Delete, cut and paste change the height without a character key.
    txt1.onUserEdit = [this] { prog_.Form4().staleMarks(); };
}

// "ＯＫ": kept hidden, so that the choices stay readable.
void Form21::cmd1_Click() {
    if (!opt1.value() && !opt2.value()) {
        platform::errorMessage("転倒に対する検討方法をチェックして下さい。");
        return;
    }
    if (!opt5.value() && !opt6.value()) {
        platform::errorMessage("滑動に対する検討方法をチェックして下さい。");
        return;
    }
    if (prog_.d.C_Base != 0 && !opt7.value() && !opt8.value()) {
        platform::errorMessage("底版の有効載荷面積に対する検討方法をチェックして下さい。");
        return;
    }
    if (chk1.value() == 1 && txt1.text().empty()) {
        platform::errorMessage("上載荷重の慣性力の作用位置を入力して下さい。");
        txt1.setFocus();
        return;
    }
    auto y = model::readSingle(txt1.text(), "上載荷重の慣性力の作用位置");
    if (!y) {
        platform::errorMessage(y.fault().message);
        txt1.setFocus();
        txt1.setSelStart(0);
        return;
    }
    prog_.d.Y_QBack = *y;
    hide();
    prog_.Form4().cmd3.setFocus();
}

void Form21::cmd2_Click() {
    unload();
}

// The dialog's choices and height are inputs of the stability run: its results, the output and the
// member design go with any change.
void Form21::opt_Click() {
    prog_.Form4().staleMarks();
}

void Form21::chk1_Click() {
    if (chk1.value() == 0) txt1.setText("");
    if (chk1.value() == 0 || chk1.value() == 1) {
        const bool ticked = chk1.value() == 1;
        txt1.setEnabled(ticked);
        lbl2.setEnabled(ticked);
        lbl3.setEnabled(ticked);
    }
    prog_.Form4().staleMarks();
}

void Form21::txt1_Click() {
    txt1.selectAll();
    prog_.Form4().staleMarks();
}

void Form21::txt1_DblClick() {
    txt1.setSelStart(10);
    txt1.setSelLength(platform::charCount(txt1.text()));
}

void Form21::txt1_GotFocus() {
    txt1.selectAll();
}

void Form21::txt1_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        cmd1.setFocus();
    }
    prog_.Form4().staleMarks();
}

// Discarding the dialog discards its choices.
void Form21::Form_Unload() {
    if (auto* f4 = prog_.Form4.get()) f4->staleMarks();
}

} // namespace stability
