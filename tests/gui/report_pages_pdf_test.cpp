#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "stability/stability_fixture.h"

namespace {

// Pages 1 to 3 of a one-sided wall with toe, heel, fill and surcharges, KA by Coulomb, printed into a
// PDF with the fonts' own line heights. REPORT_PDF names a file to keep for looking at.
TEST(ReportPagesPdf, PagesOneToThreeOfAProjectPrintIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    prog.Form4().opt8.setValue(true);
    ASSERT_TRUE(prog.Form3().HENSUU());
    ASSERT_TRUE(prog.Form4().HENSUU());
    ASSERT_TRUE(prog.Form4().KEISAN());
    ASSERT_TRUE(prog.Form4().DANMEM_1());

    platform::RecordingSurface pri;
    pri.setFontSize(11);
    prog.Form3().Ippan(pri);
    pri.newPage();
    prog.Form4().KEIJYOU(pri);
    prog.Form4().JIJYUU(pri);
    pri.newPage();
    prog.Form4().Doatu(pri);
    prog.Form4().Doatu2(pri);
    ASSERT_EQ(pri.pages().size(), 3u);

    QTemporaryDir dir;
    const char* keep = std::getenv("REPORT_PDF");
    const QString path = keep ? QString::fromLocal8Bit(keep) : dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(gui::printPages(printer, pri.pages()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    int sheets = 0;
    for (auto m = QRegularExpression("/Type\\s*/Page(?!s)").globalMatch(QString::fromLatin1(bytes));
         m.hasNext(); m.next())
        ++sheets;
    EXPECT_EQ(sheets, 3);
}

} // namespace
