#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/services.h"

namespace testing_support {

// Services for tests: answers questions from queues, remembers what was asked, and runs modal
// forms through a handler the test supplies. Installed for its lifetime.
class RecordingServices : public platform::Services {
public:
    struct Message {
        std::string text;
        int style = 0;
        std::string title;
    };

    RecordingServices();
    ~RecordingServices() override;

    // Answers for the next message boxes, in order; when none is queued the default button answers.
    std::deque<platform::Answer> answers;
    std::vector<Message> messages;
    int beeps = 0;

    std::deque<std::optional<std::string>> openPaths, savePaths;
    std::vector<platform::FileDialogOptions> openDialogs, saveDialogs;

    std::deque<bool> printerAnswers; // default: OK
    int printerDialogs = 0;
    std::vector<std::vector<platform::Page>> printed;
    platform::PrinterGeometry geometry;

    // Called with each modal form; it may click its buttons. The form is hidden afterwards.
    std::function<void(platform::Form&)> onModal;
    std::vector<std::string> modalForms;

    platform::Answer msgBox(const std::string& text, int style, const std::string& title) override;
    void beep() override { ++beeps; }
    std::optional<std::string> openFileDialog(const platform::FileDialogOptions& o) override;
    std::optional<std::string> saveFileDialog(const platform::FileDialogOptions& o) override;
    bool printerDialog() override;
    platform::PrinterGeometry printerGeometry() override { return geometry; }
    // A refusal of the printing system for the next documents, when set.
    std::optional<std::string> printFault;
    platform::Status printDocument(const std::vector<platform::Page>& pages) override;
    void runModal(platform::Form& form) override;
    void quit() override { ++quits; }
    int quits = 0;

    const Message& lastMessage() const;
};

} // namespace testing_support
