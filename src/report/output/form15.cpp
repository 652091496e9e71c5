#include "report/output/form15.h"

#include <cmath>

#include "app/program.h"
#include "platform/runtime.h"
#include "platform/services.h"

namespace report {

Form15::Form15(app::Program& program) : Form("Form15", platform::FormKind::Dialog), prog_(program) {
    layOut();
    for (auto* o : {&opt1, &opt2, &opt3, &opt4, &opt5})
        o->onClick = [this] { opt_Click(); };
    chk_P.onClick = [this] { chk_P_Click(); };
    txt_P.onKeyPress = [this](int& k) { txt_P_KeyPress(k); };
    cmd1.onClick = [this] { cmd1_Click(); };
    cmd2.onClick = [this] { cmd2_Click(); };
}

void Form15::opt_Click() {
    cmd1.setFocus();
}

void Form15::chk_P_Click() {
    const bool on = chk_P.value() == 1;
    lbl1.setEnabled(on);
    lbl2.setEnabled(on);
    if (!on) txt_P.setText("");
    txt_P.setEnabled(on);
}

void Form15::txt_P_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    keyAscii = 0;
    cmd1.setFocus();
}

void Form15::cmd1_Click() {
    if (PrintRange() == 0) {
        platform::errorMessage("印刷範囲を指定してください。");
        return;
    }
    if (chk_P.value() == 1 && txt_P.text().empty()) {
        platform::errorMessage("最初のページ番号を入力してください。");
        txt_P.setFocus();
        return;
    }
    // A number no single value holds would print as nonsense on every sheet.
    if (!std::isfinite(platform::valSingle(txt_P.text()))) {
        platform::errorMessage("最初のページ番号が大きすぎます。");
        txt_P.setFocus();
        return;
    }
    storeFirstPageNo();
    hide();
    prog_.MDIForm1().FilePrint();
}

void Form15::cmd2_Click() {
    unload();
}

} // namespace report
