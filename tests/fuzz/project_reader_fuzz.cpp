// libFuzzer entry for the project-file reader; built by scripts/test when clang is installed.
#include "fuzz/project_reader_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::projectReaderInput(data, size);
}
