#include "fuzz/project_reader_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program.h"
#include "app/project_file.h"

namespace fuzz {

namespace {

// One scratch file for the whole run: the reader works on files.
const std::string& scratchPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string p = std::string(tmp && *tmp ? tmp : "/tmp") + "/tarvelo-fuzz-XXXXXX";
        const int fd = ::mkstemp(p.data());
        if (fd >= 0) ::close(fd);
        return p;
    }();
    return path;
}

} // namespace

int projectReaderInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = scratchPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    auto image = app::readProject(path);
    if (!image) return 0;
    app::Program prog;
    app::storeLines(prog, *image, 1, app::kProjectLines);
    (void)app::gatherProject(prog);
    return 0;
}

} // namespace fuzz
