#pragma once

#include <QString>
#include <vector>

#include "platform/surface.h"

namespace gui_test {

// Prints recorded pages into a PDF through the program's own printing, and counts the sheets the file
// holds; -1 when it could not be written. When the environment variable `keepVariable` names a file, the
// PDF is written there for looking at; else into a temporary folder that goes away.
int printToPdf(const std::vector<platform::Page>& pages, const char* keepVariable);

} // namespace gui_test
