#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/program.h"
#include "app/project_file.h"
#include "platform/services.h"

namespace {

// Answers the file dialogs with one path and every question with its default button.
class FileServices : public platform::Services {
public:
    std::string path;
    platform::Answer msgBox(const std::string&, int style, const std::string&) override {
        return platform::defaultAnswer(style);
    }
    void beep() override {}
    std::optional<std::string> openFileDialog(const platform::FileDialogOptions&) override { return path; }
    std::optional<std::string> saveFileDialog(const platform::FileDialogOptions&) override { return path; }
    bool printerDialog() override { return false; }
    platform::PrinterGeometry printerGeometry() override { return {}; }
    platform::Status printDocument(const std::vector<platform::Page>&) override { return {}; }
    void runModal(platform::Form&) override {}
};

std::string fixture() {
    return std::string(TARVELO_SOURCE_DIR) + "/tests/app/fixtures/typical.tvl";
}

// Open: the file dialog, reading and checking the 199 lines, restoring the screens, recomputing.
void BM_Open(benchmark::State& state) {
    FileServices services;
    services.path = fixture();
    platform::installServices(&services);
    app::Program prog;
    prog.MDIForm1().show();
    for (auto _ : state) {
        prog.MDIForm1().FileOpen();
        benchmark::DoNotOptimize(prog.d.Sigma_max);
    }
    platform::installServices(nullptr);
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

// Save as over an existing file: gathering the lines, encoding, the temporary file and the rename.
void BM_Save(benchmark::State& state) {
    FileServices services;
    services.path = fixture();
    platform::installServices(&services);
    app::Program prog;
    prog.MDIForm1().show();
    prog.MDIForm1().FileOpen();
    char dir[] = "/tmp/tarvelo-bench-XXXXXX";
    if (!::mkdtemp(dir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    services.path = std::string(dir) + "/saved.tvl";
    for (auto _ : state) {
        auto saved = app::saveProject(prog, services.path);
        benchmark::DoNotOptimize(saved.ok());
    }
    ::unlink(services.path.c_str());
    ::rmdir(dir);
    platform::installServices(nullptr);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

} // namespace
