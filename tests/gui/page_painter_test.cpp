#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gui/page_painter.h"
#include "gui/qt_services.h"
#include "platform/surface.h"

namespace {

platform::Page reportPage() {
    platform::RecordingSurface surface;
    surface.setFontName(std::string(platform::kMincho));
    surface.setFontSize(11);
    surface.setCurrentX(600);
    surface.setCurrentY(600);
    surface.print({"§１. 設 計 条 件"});
    surface.setForeColor(platform::kLightMagenta);
    surface.line(600, 1500, 6600, 1500);
    surface.setDrawStyle(platform::DrawStyle::Dash);
    surface.line(600, 1800, 6600, 1800);
    return surface.page();
}

int countPixels(const QImage& image, QRect area, const std::function<bool(QColor)>& match) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixelColor(x, y))) ++n;
    return n;
}

TEST(PagePainter, PaintsTextAtItsTopLeftAndLinesInTheirColour) {
    QImage image(600, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    gui::paintPage(painter, reportPage(), 1.0 / 15);
    painter.end();
    const QColor magenta(255, 0, 255);
    // 6000 twips of solid line at y 100 px, a dashed one at y 120 px.
    EXPECT_GE(countPixels(image, QRect(40, 99, 400, 3), [&](QColor c) { return c == magenta; }), 390);
    const int dashed = countPixels(image, QRect(40, 119, 400, 3), [&](QColor c) { return c == magenta; });
    EXPECT_GT(dashed, 100);
    EXPECT_LT(dashed, 380);
    // The text's top-left corner is at (40, 40) px: ink below and right of it, none above.
    auto dark = [](QColor c) { return c.lightness() < 128; };
    EXPECT_GT(countPixels(image, QRect(40, 40, 200, 16), dark), 50);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 600, 38), dark), 0);
}

TEST(PagePainter, PrintsPagesIntoAPdfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(gui::printPages(printer, {reportPage(), reportPage()}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 2000);
    int sheets = 0;
    for (auto m = QRegularExpression("/Type\\s*/Page(?!s)").globalMatch(QString::fromLatin1(bytes));
         m.hasNext(); m.next())
        ++sheets;
    EXPECT_EQ(sheets, 2);

    QPrinter nowhere(QPrinter::HighResolution);
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(dir.filePath("missing/folder/report.pdf"));
    EXPECT_FALSE(gui::printPages(nowhere, {reportPage()}));
}

} // namespace
