// libFuzzer entry for opening a project file; built by scripts/fuzz when clang is installed.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/project_reader_input.h"
#include "platform/runtime.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A non-finite number reaching a format or the surface outside a refusing command is a failure.
    platform::setNonFiniteHandler([](std::string_view what) {
        std::fprintf(stderr, "non-finite value reached a number format or the surface: %.*s\n",
                     static_cast<int>(what.size()), what.data());
        std::abort();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::string& text : fuzz::openProjectInput(data, size)) {
        std::fprintf(stderr, "a shown text holds a non-finite number: %s\n", text.c_str());
        std::abort();
    }
    return 0;
}
