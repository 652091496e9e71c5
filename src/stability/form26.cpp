#include "stability/form26.h"

#include "app/program.h"

namespace stability {

Form26::Form26(app::Program& program) : Form("Form26", platform::FormKind::Dialog), prog_(program) {}

} // namespace stability
