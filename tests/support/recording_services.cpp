#include "support/recording_services.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/runtime.h"

namespace testing_support {

namespace {

// NaN or infinity handed to a number format or the drawing surface outside a command that refuses it
// fails the test that did it. Every test binary links this file through the recording services.
const bool nonFiniteFails = [] {
    platform::setNonFiniteHandler([](std::string_view what) {
        ADD_FAILURE() << "a non-finite value reached a number format or the drawing surface (" << what << ")";
    });
    return true;
}();

} // namespace

RecordingServices::RecordingServices() {
    platform::installServices(this);
}

RecordingServices::~RecordingServices() {
    platform::installServices(nullptr);
}

platform::Answer RecordingServices::msgBox(const std::string& text, int style, const std::string& title) {
    messages.push_back({text, style, title});
    if (!answers.empty()) {
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    return platform::defaultAnswer(style);
}

std::optional<std::string> RecordingServices::openFileDialog(const platform::FileDialogOptions& o) {
    openDialogs.push_back(o);
    if (openPaths.empty()) return std::nullopt;
    auto p = openPaths.front();
    openPaths.pop_front();
    return p;
}

std::optional<std::string> RecordingServices::saveFileDialog(const platform::FileDialogOptions& o) {
    saveDialogs.push_back(o);
    if (savePaths.empty()) return std::nullopt;
    auto p = savePaths.front();
    savePaths.pop_front();
    return p;
}

bool RecordingServices::printerDialog() {
    ++printerDialogs;
    if (printerAnswers.empty()) return true;
    bool a = printerAnswers.front();
    printerAnswers.pop_front();
    return a;
}

platform::Status RecordingServices::printDocument(const std::vector<platform::Page>& pages) {
    if (printFault) return platform::Fault{*printFault};
    printed.push_back(pages);
    return {};
}

void RecordingServices::runModal(platform::Form& form) {
    modalForms.push_back(form.name());
    if (onModal) onModal(form);
}

const RecordingServices::Message& RecordingServices::lastMessage() const {
    static const Message none;
    return messages.empty() ? none : messages.back();
}

} // namespace testing_support
