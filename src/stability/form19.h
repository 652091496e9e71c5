#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The shear-key dialog: the key's height, position and width.
class Form19 : public platform::Form {
public:
    explicit Form19(app::Program& program);

    platform::TextBox txt1{*this, "txt1"}; // H0; empty while the key has not been given
    platform::TextBox txt2{*this, "txt2"}; // B1, from the front end of the base
    platform::TextBox txt3{*this, "txt3"}; // D

private:
    app::Program& prog_;
};

} // namespace stability
