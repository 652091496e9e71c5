#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/qt_services.h"
#include "stability/stability_fixture.h"

namespace {

// Report pages 6 to 9 of the typical wall with a heel, a toe and a key, every member checked with D16 at 200
// mm but member B with D10 at 1000 mm (its steel stress exceeded, in light magenta), printed into a PDF with
// the fonts' own line heights. MEMBER_PAGES_PDF names a file to keep for looking at.
TEST(MemberPagesPdf, PagesSixToNinePrintIntoAPdf) {
    gui::QtServices qt;
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    prog.Form4().opt6.setValue(true);
    stability_test::type(
        {{&prog.Form19().txt1, "0.3"}, {&prog.Form19().txt2, "1.0"}, {&prog.Form19().txt3, "0.3"}});
    ASSERT_TRUE(stability_test::run(prog));
    auto& f7 = prog.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    for (std::size_t i = 0; i < 8; ++i) {
        f7.barLists()[i]->choose(i == 1 ? 0 : 4); // D10 for member B, else D16
        f7.spacingBoxes()[i]->setText(i == 1 ? "1000" : "200");
    }
    for (auto check : {&sections::Form7::Ouryoku_1, &sections::Form7::Ouryoku_2, &sections::Form7::Ouryoku_5,
                       &sections::Form7::Ouryoku_6, &sections::Form7::Ouryoku_7, &sections::Form7::Ouryoku_8,
                       &sections::Form7::Ouryoku_9, &sections::Form7::Ouryoku_10})
        ASSERT_TRUE((f7.*check)());

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
