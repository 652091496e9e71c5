#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "sections/sections_fixture.h"

namespace {

// Report pages 6 to 9 of the typical wall with a heel, a toe and a key, every member checked with D16 at 200
// mm but member B with D10 at 1000 mm (its steel stress exceeded, in light magenta), printed into a PDF with
// the fonts' own line heights. MEMBER_PAGES_PDF names a file to keep for looking at.
TEST(MemberPagesPdf, PagesSixToNinePrintIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    sections_test::typicalWallWithKey(prog);
    ASSERT_TRUE(stability_test::run(prog));
    // D10 for member B, else D16.
    sections_test::checkMembers(
        prog, [](std::size_t i) { return i == 1 ? 0 : 4; },
        [](std::size_t i) { return i == 1 ? "1000" : "200"; });
    auto& f7 = prog.Form7();

    platform::RecordingSurface pri;
    pri.setFontSize(11);
    f7.HAIKIN_A(pri);
    f7.HAIKIN_B(pri);
    pri.newPage();
    f7.HAIKIN_E(pri);
    f7.HAIKIN_F(pri);
    pri.newPage();
    f7.HAIKIN_G(pri);
    f7.HAIKIN_H(pri);
    pri.newPage();
    f7.HAIKIN_I(pri);
    f7.HAIKIN_J(pri);
    ASSERT_EQ(pri.pages().size(), 4u);
    EXPECT_GT(services.beeps, 0);

    QTemporaryDir dir;
    const char* keep = std::getenv("MEMBER_PAGES_PDF");
    const QString path = keep ? QString::fromLocal8Bit(keep) : dir.filePath("members.pdf");
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
    EXPECT_EQ(sheets, 4);
}

} // namespace
