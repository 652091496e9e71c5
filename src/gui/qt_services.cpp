#include "gui/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QTranslator>

#include "gui/form_view.h"
#include "gui/form_window.h"
#include "gui/main_window.h"
#include "gui/page_painter.h"
#include "gui/qt_convert.h"
#include "platform/form.h"

namespace gui {
namespace {

// "desc|pattern|desc|pattern" → "desc (pattern);;desc (pattern)"; "*.*" is every file here.
QString qtFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        desc.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        out << desc + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case platform::mb::Critical:
        return QMessageBox::Critical;
    case platform::mb::Question:
        return QMessageBox::Question;
    case platform::mb::Exclamation:
        return QMessageBox::Warning;
    case platform::mb::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

platform::Answer answerOf(QMessageBox::StandardButton b, int style) {
    switch (b) {
    case QMessageBox::Ok:
        return platform::Answer::Ok;
    case QMessageBox::Cancel:
        return platform::Answer::Cancel;
    case QMessageBox::Yes:
        return platform::Answer::Yes;
    case QMessageBox::No:
        return platform::Answer::No;
    default:
        return platform::defaultAnswer(style);
    }
}

} // namespace

int titleBarWidth(const QString& title) {
    // The frame's icon and its close box take about as much room again as a short title.
    constexpr int kFrameButtons = 96;
    return QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title) + kFrameButtons;
}

void installTranslator() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QtServices::QtServices() {
    platform::installServices(this);
}

QtServices::~QtServices() {
    if (&platform::services() == this) platform::installServices(nullptr);
    delete main_.data();
}

QWidget* QtServices::dialogParent() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    return main_;
}

platform::Answer QtServices::msgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(qs(title.empty() ? std::string(kAppTitle) : title));
    box.setTextFormat(Qt::PlainText);
    box.setText(qs(text).remove(QLatin1Char('\r')));
    box.setIcon(iconOf(style));
    QList<QMessageBox::StandardButton> buttons;
    switch (style & 7) {
    case platform::mb::OkCancel:
        buttons = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case 3:
        buttons = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    case platform::mb::YesNo:
        buttons = {QMessageBox::Yes, QMessageBox::No};
        break;
    default:
        buttons = {QMessageBox::Ok};
        break;
    }
    for (auto b : buttons)
        box.addButton(b);
    const int defaultIndex = (style & 0x300) / platform::mb::DefaultButton2;
    box.setDefaultButton(buttons.value(defaultIndex, buttons.front()));
    // A short question under a long title: the box widens so that the title bar shows it whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = titleBarWidth(box.windowTitle());
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()), style);
}

void QtServices::beep() {
    QApplication::beep();
}

MainWindow* QtServices::mainWindow() const {
    return main_;
}

std::optional<std::string> QtServices::fileDialog(const platform::FileDialogOptions& options, bool save) {
    QString folder = qs(options.initialFolder);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(dialogParent(), qs(options.title), folder, qtFilter(options.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString suffix = qs(options.defaultExtension);
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return utf8(dialog.selectedFiles().front());
}

std::optional<std::string> QtServices::openFileDialog(const platform::FileDialogOptions& options) {
    return fileDialog(options, false);
}

std::optional<std::string> QtServices::saveFileDialog(const platform::FileDialogOptions& options) {
    return fileDialog(options, true);
}

QPrinter& QtServices::printerDevice() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the report goes to a PDF file: A4 portrait with the PDF printer's own
        // margins, which also sizes the preview's canvas.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setPageSize(QPageSize(QPageSize::A4));
            printer_->setPageOrientation(QPageLayout::Portrait);
        } else if (!printer_->pageLayout().isValid()) {
            printer_->setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        }
    }
    return *printer_;
}

// Without a printer the document goes into a PDF file of the user's choice.
bool QtServices::printerDialog() {
    QPrinter& printer = printerDevice();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        platform::FileDialogOptions options;
        options.title = "PDFファイルに印刷";
        options.filter = "PDF (*.pdf)|*.pdf";
        options.defaultExtension = "pdf";
        options.overwritePrompt = true;
        auto path = saveFileDialog(options);
        if (!path) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qs(*path));
        return true;
    }
    // No selection range; the copies are left to the printer; printing to a PDF file is offered too.
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

platform::PrinterGeometry QtServices::printerGeometry() {
    const QPageLayout layout = printerDevice().pageLayout();
    if (!layout.isValid()) return {};
    const QRectF full = layout.fullRect(QPageLayout::Point);
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    if (full.isEmpty() || paint.isEmpty()) return {};
    // A point is 20 twips.
    return {full.width() * 20, full.height() * 20, paint.width() * 20, paint.height() * 20};
}

bool printPages(QPrinter& printer, const std::vector<platform::Page>& pages) {
    if (pages.empty()) return true;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Twips from the printable area's top-left corner.
    const double scale = printer.resolution() / 1440.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, pages[i], scale);
    }
    return painter.end();
}

platform::Status QtServices::printDocument(const std::vector<platform::Page>& pages) {
    QPrinter& printer = printerDevice();
    if (printPages(printer, pages)) return {};
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return platform::Fault{"PDFファイルに書き込めませんでした。\n" + utf8(printer.outputFileName())};
    return platform::Fault{"印刷できませんでした。"};
}

void QtServices::runModal(platform::Form& form) {
    FormView* view = FormView::of(form);
    if (!view || !form.loaded() || !form.visible()) return;
    QEventLoop loop;
    QObject::connect(view, &FormView::closed, &loop, &QEventLoop::quit);
    QObject::connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void QtServices::createView(platform::Form& form) {
    if (form.kind() == platform::FormKind::MdiParent && !main_) {
        main_ = new MainWindow(form);
        return;
    }
    createFormWindow(form, main_);
}

// The main window closes without asking again. Not QCoreApplication::quit(): Qt 6 would first try to
// close every window, and a form that keeps its window open would stop the program from ending.
void QtServices::quit() {
    if (main_) main_->setQuitting();
    QCoreApplication::exit(0);
}

} // namespace gui
