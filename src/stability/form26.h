#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

// The note on the back surcharge: the tabled earth-pressure coefficients already hold about 5 kN/m2.
class Form26 : public platform::Form {
public:
    explicit Form26(app::Program& program);

    platform::Label lblTitle{*this, "lblTitle", "背面上載荷重の土圧について"};
    platform::CommandButton cmd1{*this, "cmd1", "閉じる"};

    void cmd1_Click();

private:
    void layOut();

    app::Program& prog_;
};

} // namespace stability
