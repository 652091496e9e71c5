#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {

struct Program;

// The reference window: three tables of reference values.
class Form10 : public platform::Form {
public:
    explicit Form10(Program& program);

    platform::CommandButton cmd1{*this, "cmd1", "閉じる"}; // closes the window

    void cmd1_Click();

protected:
    void Form_Unload() override;

private:
    // The tables are decoration: captions and rules the form owns.
    void layOut();

    Program& prog_;
};

} // namespace app
