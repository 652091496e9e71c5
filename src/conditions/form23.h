#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace conditions {

// The ground-shape screen. GroundShape lives in its two options; neither is selected at first.
class Form23 : public platform::Form {
public:
    explicit Form23(app::Program& program);

    platform::Frame Frame1{*this, "Frame1"};
    platform::OptionButton opt1{*this, "opt1", "(１)片側土圧"};
    platform::OptionButton opt2{*this, "opt2", "(２)両側対象土圧"};

private:
    app::Program& prog_;
};

} // namespace conditions
