#include "app/not_built.h"

#include <string>

#include "platform/services.h"

namespace app {

void sayNotBuilt(std::string_view command) {
    platform::msgBox("「" + std::string(command) + "」は、まだ組み込まれていません。",
                     platform::mb::Exclamation, "");
}

} // namespace app
