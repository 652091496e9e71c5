#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/result.h"

namespace app {
struct Program;
}

namespace conditions {

// The seismic-method dialog: how the horizontal seismic load is computed, and Kh and Kv.
class Form25 : public platform::Form {
public:
    explicit Form25(app::Program& program);

    // SeismicMethod: one group, none selected when the dialog is created.
    platform::OptionButton opt_K1{*this, "opt_K1", "地震時土圧による荷重"};
    platform::OptionButton opt_K2{*this, "opt_K2", "擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重"};
    platform::OptionButton opt_D1{*this, "opt_D1", "擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重"};
    platform::TextBox Text1{*this, "Text1"}; // Kh
    platform::TextBox Text2{*this, "Text2"}; // Kv

    // Kh and Kv from the boxes; a number beyond the single range stops it and changes nothing.
    platform::Status Jisin();

private:
    app::Program& prog_;
};

} // namespace conditions
