#include "fuzz/project_reader_input.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "app/program.h"
#include "app/project_file.h"
#include "platform/services.h"
#include "report/output/page_chain.h"

namespace fuzz {

namespace {

// One scratch file for the whole run: Open reads files.
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

// A user who chooses the scratch file in the open dialog, answers every message with its default
// button, and prints to nowhere.
class OpeningUser : public platform::Services {
public:
    platform::Answer msgBox(const std::string&, int style, const std::string&) override {
        return platform::defaultAnswer(style);
    }
    void beep() override {}
    std::optional<std::string> openFileDialog(const platform::FileDialogOptions&) override {
        return scratchPath();
    }
    std::optional<std::string> saveFileDialog(const platform::FileDialogOptions&) override {
        return std::nullopt;
    }
    bool printerDialog() override { return false; }
    platform::PrinterGeometry printerGeometry() override { return {}; }
    platform::Status printDocument(const std::vector<platform::Page>&) override { return {}; }
    void runModal(platform::Form& form) override { form.hide(); }
};

bool holdsNonFinite(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

template <class Visit> void eachLoadedForm(app::Program& p, Visit visit) {
    const auto slot = [&](auto& s) {
        if (s.loaded()) visit(s());
    };
    slot(p.MDIForm1), slot(p.Form10), slot(p.Form13), slot(p.Form3), slot(p.Form23), slot(p.Form25);
    slot(p.Form4), slot(p.Form14), slot(p.Form19), slot(p.Form21), slot(p.Form26), slot(p.Form7);
    slot(p.Form22), slot(p.Form15), slot(p.Form1), slot(p.Form2), slot(p.Form5), slot(p.Form18);
    slot(p.Form6), slot(p.Form8), slot(p.Form16), slot(p.Form17), slot(p.Form20);
}

std::string shownText(const platform::Control& c) {
    if (auto* box = dynamic_cast<const platform::EditBox*>(&c)) return box->text();
    if (auto* label = dynamic_cast<const platform::Label*>(&c)) return label->caption();
    return {};
}

} // namespace

std::vector<std::string> openProjectInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = scratchPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    OpeningUser user;
    platform::installServices(&user);
    std::vector<std::string> found;
    {
        app::Program prog;
        prog.MDIForm1().show();
        prog.MDIForm1().Men_FOpn.click();

        // The file's own texts are shown as they are, whatever they spell.
        std::map<const platform::Control*, std::string> fromFile;
        if (auto image = app::readProject(path)) {
            const auto& lines = app::projectLines();
            for (std::size_t i = 0; i < lines.size(); ++i)
                if (auto* c = app::projectControl(prog, lines[i])) fromFile[c] = (*image)[i];
            for (int page = 1; page <= 9; ++page)
                report::turnTo(prog, nullptr, page, {});
            (void)app::gatherProject(prog);
        }
        eachLoadedForm(prog, [&](platform::Form& form) {
            for (const platform::Control* c : form.controls()) {
                const std::string text = shownText(*c);
                const auto file = fromFile.find(c);
                if (holdsNonFinite(text) && (file == fromFile.end() || file->second != text))
                    found.push_back(form.name() + "." + c->name() + ": " + text);
            }
        });
    }
    platform::installServices(nullptr);
    return found;
}

} // namespace fuzz
