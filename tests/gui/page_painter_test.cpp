#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "gui/page_painter.h"
#include "gui/qt_convert.h"
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

// An image of `widthTwips` × `heightTwips` at `dpi`, the page painted on it at the device's scale.
QImage paintedAt(const platform::Page& page, int dpi, double widthTwips, double heightTwips) {
    const double scale = dpi / 1440.0;
    QImage image(int(widthTwips * scale), int(heightTwips * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    gui::paintPage(painter, page, scale);
    return image;
}

// A printed line is as high as its type, 220 twips for 11 points, on the screen, the printer and in a
// PDF alike, and each font's glyphs, descenders and brackets included, stay inside their line.
TEST(PagePainter, ALineIsAsHighAsItsTypeAndHoldsItsGlyphsOnEveryDevice) {
    gui::QtServices services;
    EXPECT_EQ(platform::lineHeight(platform::kMincho, 11), 220);
    EXPECT_EQ(platform::lineHeight(platform::kGothic, 10), 200);
    EXPECT_EQ(platform::lineHeight(platform::kMincho, 9), 180);
    for (const auto& font : {platform::kMincho, platform::kGothic})
        for (double size : {9.0, 10.0, 11.0})
            for (int dpi : {96, 600, 1200}) {
                SCOPED_TRACE(std::string(font) + " " + std::to_string(size) + " pt, " + std::to_string(dpi) +
                             " dpi");
                platform::RecordingSurface surface;
                surface.setFontName(std::string(font));
                surface.setFontSize(size);
                surface.print(); // the line above stays empty
                surface.print({"｜擁壁（Ａ）の設計gjpy§Σ"});
                const double pitch = platform::lineHeight(font, size);
                const QImage image = paintedAt(surface.page(), dpi, 6000, 3 * pitch)
                                         .convertToFormat(QImage::Format_Grayscale8);
                const double scale = dpi / 1440.0;
                int top = image.height(), bottom = -1;
                for (int y = 0; y < image.height(); ++y) {
                    const uchar* row = image.constScanLine(y);
                    if (std::any_of(row, row + image.width(), [](uchar v) { return v < 160; })) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
                ASSERT_GE(bottom, 0);
                EXPECT_GE(top, std::floor(pitch * scale));
                EXPECT_LT(bottom, std::ceil(2 * pitch * scale));
            }
}

// A dotted line keeps the dots of the 96-dpi preview, a pixel of ink and two of paper, on a printer of
// 600 dpi: dots of 6.25 device pixels, not single device pixels that run together into a solid line.
TEST(PagePainter, DotsKeepTheirPreviewSizeOnAFinerDevice) {
    platform::RecordingSurface surface;
    surface.setDrawStyle(platform::DrawStyle::Dot);
    surface.line(150, 300, 5850, 300);
    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        const QImage image = paintedAt(surface.page(), dpi, 6000, 600);
        const double pixel = dpi / 96.0;
        const int y = int(300 * dpi / 1440.0);
        std::vector<int> ink, paper;
        bool on = false;
        for (int x = int(300 * dpi / 1440.0); x < int(5700 * dpi / 1440.0); ++x) {
            bool dark = false;
            for (int dy = -1; dy <= 1; ++dy)
                dark = dark || image.pixelColor(x, y + dy).lightness() < 200;
            if (dark != on || (ink.empty() && paper.empty())) (dark ? ink : paper).push_back(0);
            ++(dark ? ink : paper).back();
            on = dark;
        }
        ASSERT_GT(ink.size(), 10u);
        // 5400 twips of line are 360 preview pixels: 120 dots of one pixel, each with a gap of two.
        EXPECT_NEAR(double(ink.size()), 120, 2);
        for (std::size_t i = 1; i + 1 < ink.size(); ++i)
            EXPECT_LE(ink[i], pixel + 2) << i;
        for (std::size_t i = 1; i + 1 < paper.size(); ++i)
            EXPECT_GE(paper[i], 2 * pixel - 2) << i;
    }
}

// "∑" is not in the substituted report fonts: another font would set it taller than the line, into the
// next one. It prints as the "Σ" the fonts have, the sign of the page's other sums.
TEST(PagePainter, ASignTheReportFontLacksPrintsAsItsLookAlike) {
    EXPECT_EQ(gui::pageText("F=(C･B＋W1･μ＋P･H0)/∑H"), QString::fromUtf8("F=(C･B＋W1･μ＋P･H0)/ΣH"));
    for (const auto& font : {platform::kMincho, platform::kGothic}) {
        const QRawFont raw = QRawFont::fromFont(QFont(gui::substituteFont(font)));
        EXPECT_FALSE(raw.supportsCharacter(char32_t(0x2211))) << font;
        EXPECT_TRUE(raw.supportsCharacter(char32_t(0x03A3))) << font;
    }
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
