#include "report/output/form15.h"

#include "app/program.h"
#include "platform/runtime.h"

namespace report {

int Form15::PrintRange() const {
    int range = 1;
    for (const auto* o : {&opt1, &opt2, &opt3, &opt4, &opt5}) {
        if (o->value()) return range;
        ++range;
    }
    return 0;
}

// Letters after the number, zero and negative numbers are taken as typed; a number beyond the single
// range is refused before (see cmd1_Click).
void Form15::storeFirstPageNo() {
    prog_.Pri_FirstPageNo = platform::valSingle(txt_P.text());
}

} // namespace report
