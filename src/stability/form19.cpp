#include "stability/form19.h"

#include "app/program.h"

namespace stability {

Form19::Form19(app::Program& program) : Form("Form19", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
}

} // namespace stability
