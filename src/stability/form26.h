#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace stability {

class Form26 : public platform::Form {
public:
    explicit Form26(app::Program& program);

private:
    app::Program& prog_;
};

} // namespace stability
