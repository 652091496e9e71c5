#include "conditions/form25.h"

#include <cmath>

#include "app/program.h"
#include "platform/runtime.h"

namespace conditions {

Form25::Form25(app::Program& program) : Form("Form25", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
}

platform::Status Form25::Jisin() {
    const float kh = platform::valSingle(Text1.text());
    const float kv = platform::valSingle(Text2.text());
    if (!std::isfinite(kh)) return platform::Fault{"設計水平震度 Kh の値が大きすぎます。"};
    if (!std::isfinite(kv)) return platform::Fault{"設計鉛直震度 Kv の値が大きすぎます。"};
    prog_.d.Kh = kh;
    prog_.d.Kv = kv;
    return {};
}

} // namespace conditions
