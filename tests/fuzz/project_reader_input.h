#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Reads the bytes as a project file and, when they are one, stores every line into a fresh program
// and writes the project back. Any input must end here without a crash; returns 0.
int projectReaderInput(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
