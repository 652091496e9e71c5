#pragma once

#include "gui/qt_services.h"
#include "support/recording_services.h"

namespace gui_test {

// The Qt view with the recording services' answers: message boxes and modal dialogs are recorded,
// never shown, so a test cannot wait on one.
class RecordedQtServices : public gui::QtServices {
public:
    RecordedQtServices() { platform::installServices(this); }
    platform::Answer msgBox(const std::string& text, int style, const std::string& title) override {
        return recorder.msgBox(text, style, title);
    }
    void beep() override { recorder.beep(); }
    void runModal(platform::Form& form) override { recorder.runModal(form); }
    testing_support::RecordingServices recorder;
};

} // namespace gui_test
