#pragma once

#include <QPointer>
#include <memory>

#include "platform/services.h"

class QPrinter;
class QString;
class QWidget;

namespace gui {

class MainWindow;

// The program's title, on message boxes that name none.
inline constexpr const char* kAppTitle = "Tarvelo(Mirenda版)";

// The width a window needs to show `title` whole in its title bar, in pixels.
int titleBarWidth(const QString& title);

// Installs the Qt translation of the standard buttons and dialogs into Japanese.
void installTranslator();

// The real desktop: message boxes, dialogs, the printer and the forms' windows. Installed for its
// lifetime.
class QtServices : public platform::Services {
public:
    QtServices();
    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    platform::Answer msgBox(const std::string& text, int style, const std::string& title) override;
    void beep() override;
    std::optional<std::string> openFileDialog(const platform::FileDialogOptions& options) override;
    std::optional<std::string> saveFileDialog(const platform::FileDialogOptions& options) override;
    bool printerDialog() override;
    platform::PrinterGeometry printerGeometry() override;
    platform::Status printDocument(const std::vector<platform::Page>& pages) override;
    void runModal(platform::Form& form) override;
    void createView(platform::Form& form) override;
    void quit() override;

    MainWindow* mainWindow() const;
    // The printer, created on first use; tests may point it at a file.
    QPrinter& printerDevice();

private:
    QWidget* dialogParent() const;
    std::optional<std::string> fileDialog(const platform::FileDialogOptions& options, bool save);

    QPointer<MainWindow> main_;
    std::unique_ptr<QPrinter> printer_;
};

// Paints pages on a printer (or a PDF file), one sheet each; false when it cannot.
bool printPages(QPrinter& printer, const std::vector<platform::Page>& pages);

} // namespace gui
