#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// Opens the bytes as a project file through the File menu of a fresh program, as a user would: the
// whole file is read and checked, stored into the screens and recomputed. When it opens, every report
// page is previewed and the project is gathered for saving. Returns the shown texts that hold a
// non-finite number (a control's text or caption that the program wrote, "inf" or "nan" in it); a
// number format or the surface handed one reports it through the installed handler. Any input must
// end here without a crash.
std::vector<std::string> openProjectInput(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
