#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The shear-key dialog: the key's height, position and width beside guide values and a sketch of
// the contact pressure, which the dimensions screen draws on the dialog.
class Form19 : public platform::Form {
public:
    explicit Form19(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "突起の計算"};
    platform::TextBox txt1{*this, "txt1"}; // H0; empty while the key has not been given
    platform::TextBox txt2{*this, "txt2"}; // B1, from the front end of the base
    platform::TextBox txt3{*this, "txt3"}; // D
    platform::Label lbl1{*this, "lbl1"};   // base width B
    platform::Label lbl2{*this, "lbl2"};   // recommended height, from 0.1 B
    platform::Label lbl3{*this, "lbl3"};   // … to 0.15 B
    platform::Label lbl4{*this, "lbl4"};   // recommended position, from B/3
    platform::Label lbl5{*this, "lbl5"};   // … to 2B/3
    platform::CheckBox chk1{*this, "chk1", "支持地盤の粘着力 Ｃ を考慮する"}; // kept with the project only
    platform::CommandButton cmd1{*this, "cmd1", "計算"};
    platform::CommandButton cmd2{*this, "cmd2", "キャンセル"};

    void cmd1_Click();
    void cmd2_Click();
    void box_Click(platform::TextBox& box);
    void box_DblClick(platform::TextBox& box);
    void box_KeyPress(platform::TextBox& box, int& keyAscii);

private:
    void layOut();
    // The key verdicts of the dimensions screen, stale once a key dimension is edited.
    void clearKeyVerdicts();
    // A key dimension typed, deleted, cut or pasted.
    void keyEdited();

    app::Program& prog_;
};

} // namespace stability
