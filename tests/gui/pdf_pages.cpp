#include "pdf_pages.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

#include "gui/qt_services.h"

namespace gui_test {

int printToPdf(const std::vector<platform::Page>& pages, const char* keepVariable) {
    QTemporaryDir dir;
    const char* keep = std::getenv(keepVariable);
    const QString path = keep ? QString::fromLocal8Bit(keep) : dir.filePath("pages.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!gui::printPages(printer, pages)) return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    int sheets = 0;
    for (auto m = QRegularExpression("/Type\\s*/Page(?!s)").globalMatch(text); m.hasNext(); m.next())
        ++sheets;
    return sheets;
}

} // namespace gui_test
