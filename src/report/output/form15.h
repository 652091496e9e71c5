#pragma once

#include "app/screen_header.h"

#include "platform/controls.h"
#include "platform/form.h"

namespace app {
struct Program;
}

namespace report {

// The print dialog: which chapters to print. Its controls come with the print job.
class Form15 : public platform::Form {
public:
    explicit Form15(app::Program& program);

private:
    app::Program& prog_;
};

} // namespace report
