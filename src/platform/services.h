#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/result.h"
#include "platform/surface.h"

namespace platform {

class Form;

// Message-box styles: the buttons, the icon and the default button, added together.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
} // namespace mb

// The button that closed a message box.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The button a message box of `style` answers with when Enter is pressed.
Answer defaultAnswer(int style);

struct FileDialogOptions {
    std::string title;
    std::string initialFolder;
    // Pairs of description and pattern separated by "|", e.g. "データ (*.tvl)|*.tvl".
    std::string filter;
    std::string defaultExtension;
    bool overwritePrompt = false;
    bool fileMustExist = false;
};

// The printer's paper and printable area, in twips.
struct PrinterGeometry {
    double pageWidth = 11906;
    double pageHeight = 16838;
    double printableWidth = 11338;
    double printableHeight = 16271;
};

// What the program asks of the desktop. The Qt realisation shows the real thing; tests install
// recorders that answer and remember.
class Services {
public:
    virtual ~Services() = default;

    // `title` empty: the program's own title. Returns the button pressed.
    virtual Answer msgBox(const std::string& text, int style, const std::string& title) = 0;
    virtual void beep() = 0;
    virtual std::optional<std::string> openFileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogOptions& options) = 0;
    // The printer dialog; false when it is cancelled.
    virtual bool printerDialog() = 0;
    virtual PrinterGeometry printerGeometry() = 0;
    // Hands a finished document to the printer; a fault when the printing system refuses it.
    virtual Status printDocument(const std::vector<Page>& pages) = 0;
    // Runs a modal form until it is hidden or unloaded.
    virtual void runModal(Form& form) = 0;
    // A form is about to be shown and has no view yet.
    virtual void createView(Form& form) { (void)form; }
    // Ends the program at once, asking nothing more.
    virtual void quit() {}
};

// The installed services; without one, a headless set that answers every question with its
// default button and prints nothing.
Services& services();
void installServices(Services* services);

// The printer: pages drawn on it are handed to the services at the end of the document.
class Printer : public RecordingSurface {
public:
    // Starts a document: whatever an earlier, unfinished one left is dropped.
    void startDoc();
    // Ends the sheet; the next one starts at (0, 0) with the same font, colour and style.
    void newPage();
    // Ends the document and prints it; a new page directly before adds no blank sheet.
    Status endDoc();
    // Abandons the document.
    void killDoc();

protected:
    void draw(DrawOp op) override;

private:
    // Nothing drawn since the last new page: with the position still at (0, 0), the sheet that new page
    // started is not printed.
    bool sheetUnused_ = false;
};

Printer& printer();

// One print job on the printer: starts it clean, and abandons it when the job ends without end(),
// as when a fault stops the writing, so that its pages never reach the next job.
class PrintJob {
public:
    PrintJob() { printer().startDoc(); }
    ~PrintJob() {
        if (!ended_) printer().killDoc();
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    Printer& printer() { return platform::printer(); }
    // Ends the document and prints it; a fault when the printing system refuses it.
    Status end() {
        ended_ = true;
        return printer().endDoc();
    }

private:
    bool ended_ = false;
};

// Convenience for the program's message boxes.
inline Answer msgBox(const std::string& text, int style = mb::OkOnly, const std::string& title = {}) {
    return services().msgBox(text, style, title);
}
inline void beep() {
    services().beep();
}
// The program's error message: one OK button, no icon, titled "エラーメッセージ".
inline void errorMessage(const std::string& text) {
    services().msgBox(text, mb::OkOnly + mb::DefaultButton2, "エラーメッセージ");
}

} // namespace platform
