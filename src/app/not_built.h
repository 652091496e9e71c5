#pragma once

#include <string_view>

namespace app {

// A command whose work is not in the program yet says so instead of doing nothing:
// "「<command>」は、まだ組み込まれていません。"
void sayNotBuilt(std::string_view command);

} // namespace app
