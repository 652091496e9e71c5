#include "app/program.h"
#include "conditions/form25.h"
#include "model/calc.h"

namespace conditions {

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
