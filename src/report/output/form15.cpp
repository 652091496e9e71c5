#include "report/output/form15.h"

#include "app/program.h"

namespace report {

Form15::Form15(app::Program& program) : Form("Form15", platform::FormKind::Dialog), prog_(program) {}

} // namespace report
