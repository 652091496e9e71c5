#include "stability/form14.h"

#include "app/program.h"

namespace stability {

Form14::Form14(app::Program& program) : Form("Form14", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
}

} // namespace stability
