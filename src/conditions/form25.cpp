#include "conditions/form25.h"

#include "app/program.h"
#include "model/calc.h"

namespace conditions {

Form25::Form25(app::Program& program) : Form("Form25", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
}

platform::Status Form25::Jisin() {
    float kh = 0, kv = 0;
    model::Calc c("震度");
    c.read(kh, Text1.text(), "設計水平震度 Kh");
    c.read(kv, Text2.text(), "設計鉛直震度 Kv");
    if (c.failed()) return c.status();
    prog_.d.Kh = kh;
    prog_.d.Kv = kv;
    return {};
}

} // namespace conditions
