#include "platform/services.h"

#include "platform/form.h"

namespace platform {
namespace {

// Without a desktop: every question gets its default button, dialogs are cancelled and modal
// forms return at once.
class HeadlessServices : public Services {
public:
    Answer msgBox(const std::string&, int style, const std::string&) override { return defaultAnswer(style); }
    void beep() override {}
    std::optional<std::string> openFileDialog(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const FileDialogOptions&) override { return std::nullopt; }
    bool printerDialog() override { return false; }
    PrinterGeometry printerGeometry() override { return {}; }
    Status printDocument(const std::vector<Page>&) override { return {}; }
    void runModal(Form&) override {}
};

Services*& installed() {
    static Services* s = nullptr;
    return s;
}

} // namespace

Answer defaultAnswer(int style) {
    bool second = (style & mb::DefaultButton2) != 0;
    switch (style & 7) {
    case mb::OkCancel:
        return second ? Answer::Cancel : Answer::Ok;
    case mb::YesNo:
        return second ? Answer::No : Answer::Yes;
    default:
        return Answer::Ok;
    }
}

Services& services() {
    static HeadlessServices headless;
    return installed() ? *installed() : headless;
}

void installServices(Services* s) {
    installed() = s;
}

void Printer::newPage() {
    RecordingSurface::newPage();
    sheetUnused_ = true;
}

void Printer::draw(DrawOp op) {
    sheetUnused_ = false;
    RecordingSurface::draw(std::move(op));
}

Status Printer::endDoc() {
    std::vector<Page> pages = this->pages();
    const bool untouched = sheetUnused_ && currentX() == 0 && currentY() == 0;
    if (untouched && pages.size() > 1) pages.pop_back();
    killDoc();
    return services().printDocument(pages);
}

void Printer::startDoc() {
    killDoc();
}

void Printer::killDoc() {
    discard();
    resetPosition();
    sheetUnused_ = false;
}

Printer& printer() {
    static Printer p;
    return p;
}

} // namespace platform
