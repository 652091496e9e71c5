#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/program.h"
#include "gui/qt_services.h"
#include "report/output/page_chain.h"
#include "stability/stability_fixture.h"
#include "support/recording_services.h"

namespace {

// The recording services with a real printer: a PDF file.
class PdfServices : public testing_support::RecordingServices {
public:
    explicit PdfServices(const QString& path) : printer(QPrinter::HighResolution) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    platform::Status printDocument(const std::vector<platform::Page>& pages) override {
        if (!gui::printPages(printer, pages)) return platform::Fault{"印刷できませんでした。"};
        return RecordingServices::printDocument(pages);
    }
    QPrinter printer;
};

TEST(ReportPrint, TheMemberSectionsPrintIntoAPdfFileThatRendersPageByPage) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed (scripts/deps.sh installs it)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PdfServices services(dir.filePath("report.pdf"));
    app::Program prog;
    stability_test::typicalWall(prog);
    ASSERT_TRUE(stability_test::run(prog));
    // The writers draw nothing yet: each leaves its name in their place.
    report::setStepObserver([&prog](const std::string& name) {
        if (prog.Pri_Obj && name.rfind("Form7.", 0) == 0) prog.Pri_Obj->print({name});
    });

    auto& f = prog.Form15();
    f.opt3.click();
    f.chk_P.click();
    f.txt_P.setText("10");
    f.cmd1.click();
    report::setStepObserver(nullptr);
    ASSERT_TRUE(services.messages.empty());
    ASSERT_EQ(services.printed.size(), 1u);

    QProcess render;
    render.start(pdftoppm, {"-r", "60", "-png", dir.filePath("report.pdf"), dir.filePath("sheet")});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0);
    const QStringList images = QDir(dir.path()).entryList({"sheet*.png"}, QDir::Files, QDir::Name);
    // Pages 5 to 8 and page 9 for the toe: sheets numbered 10 to 14.
    ASSERT_EQ(images.size(), 5);
    for (const QString& name : images) {
        QImage image(dir.filePath(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_LT(image.width(), image.height()); // portrait
        // Ink near the foot of the sheet: the page number at 15500 twips.
        const int y0 = int(image.height() * 0.90), y1 = int(image.height() * 0.97);
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 200) ++ink;
        EXPECT_GT(ink, 5) << name.toStdString();
    }
}

} // namespace
