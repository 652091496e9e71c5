#include "stability/form19.h"

#include "app/program.h"
#include "model/calc.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace stability {

Form19::Form19(app::Program& program) : Form("Form19", platform::FormKind::Dialog), prog_(program) {
    layOut();
    platform::wire(*this, {{&cmd1.onClick, &Form19::cmd1_Click}, {&cmd2.onClick, &Form19::cmd2_Click}});
    for (auto* b : {&txt1, &txt2, &txt3}) {
        b->onClick = [this, b] { box_Click(*b); };
        b->onDblClick = [this, b] { box_DblClick(*b); };
        b->onGotFocus = [b] { b->selectAll(); };
        b->onKeyPress = [this, b](int& k) { box_KeyPress(*b, k); };
        b->onUserEdit = [this] { keyEdited(); };
    }
}

// The key's dimensions are inputs of the stability run, which then has to run again: its results, the
// output and the member design go.
void Form19::keyEdited() {
    clearKeyVerdicts();
    prog_.Form4().staleMarks();
}

void Form19::clearKeyVerdicts() {
    auto& f4 = prog_.Form4();
    f4.lbl67.setVisible(false);
    for (auto* l : {&f4.lbl64, &f4.lbl65, &f4.lbl66, &f4.lbl68, &f4.lbl69, &f4.lbl70})
        l->setCaption("");
}

// "計算": the three dimensions given, back to the run command.
void Form19::cmd1_Click() {
    const struct {
        platform::TextBox* box;
        const char* name;
        const char* missing;
    } required[] = {
        {&txt1, "突起の高さ", "突起の高さを入力してください。"},
        {&txt2, "突起の位置", "突起の位置を入力してください。"},
        {&txt3, "突起の巾", "突起の巾を入力してください。"},
    };
    for (const auto& r : required) {
        auto value = model::readSingle(r.box->text(), r.name);
        if (r.box->text().empty() || !value) {
            platform::errorMessage(value ? r.missing : value.fault().message);
            r.box->setFocus();
            r.box->setSelStart(0);
            return;
        }
    }
    clearKeyVerdicts();
    hide();
    prog_.Form4().cmd3.setFocus();
}

void Form19::cmd2_Click() {
    hide();
}

void Form19::box_Click(platform::TextBox& box) {
    box.selectAll();
    clearKeyVerdicts();
    auto& f7 = prog_.Form7();
    f7.cbo10.setText("");
    f7.lbl_rj.setCaption("");
    f7.txt10.setText("");
    for (auto* l : {&f7.lbl37, &f7.lbl38, &f7.lbl39, &f7.lbl40})
        l->setCaption("");
}

void Form19::box_DblClick(platform::TextBox& box) {
    box.setSelStart(10);
    box.setSelLength(platform::charCount(box.text()));
}

void Form19::box_KeyPress(platform::TextBox& box, int& keyAscii) {
    if (keyAscii != 13) {
        keyEdited();
        return;
    }
    keyAscii = 0;
    if (&box == &txt1) {
        txt3.setFocus();
        txt3.selectAll();
    } else if (&box == &txt3) {
        txt2.setFocus();
        txt2.selectAll();
    } else {
        cmd1.setFocus();
    }
}

} // namespace stability
