#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {

struct Program;

// The About box.
class Form13 : public platform::Form {
public:
    explicit Form13(Program& program);

    platform::Image Picture1{*this, "Picture1", "icon"};                    // the program's icon
    platform::Label lbl1{*this, "lbl1", "Tarvelo(Mirenda版) Version 1.04"}; // name and version
    platform::Label lbl2{*this, "lbl2", "Ｕ型擁壁の設計計算"};              // what the program does
    platform::CommandButton cmd1{*this, "cmd1", "ＯＫ"};                    // closes the box

    void cmd1_Click();

private:
    void layOut();
};

} // namespace app
