#include "app/program.h"
#include "conditions/form23.h"

namespace conditions {

void Form23::copyFrontSurcharge() {
    prog_.d.q_Front = prog_.d.q_Back;
}

} // namespace conditions
