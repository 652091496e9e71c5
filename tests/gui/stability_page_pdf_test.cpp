#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/page_painter.h"
#include "gui/qt_services.h"
#include "stability/stability_fixture.h"

namespace {

platform::Page stabilityPage(app::Program& prog) {
    EXPECT_TRUE(stability_test::run(prog));
    platform::RecordingSurface page;
    page.setFontSize(11);
    prog.Form4().KENTOU(page);
    return page.page();
}

// Two stability pages painted into a PDF at one device pixel per twip: the simple wall passing, then
// with a key whose bearing and key checks fail. TARVELO_PDF_DIR keeps the file for a look; else it
// goes to a temporary folder.
TEST(StabilityPagePdf, PaintsTheRecordedPagesIntoAPdf) {
    gui::QtServices services; // the program's own services, as when it runs
    app::Program prog;
    stability_test::simpleWall(prog);
    const platform::Page passing = stabilityPage(prog);
    prog.Form3().txt4.setText("30"); // fe below σmax
    prog.Form4().opt6.setValue(true);
    stability_test::type(
        {{&prog.Form19().txt1, "0.3"}, {&prog.Form19().txt2, "2.5"}, {&prog.Form19().txt3, "0.3"}});
    prog.Form4().txt11.setText("1.0"); // the resultant beyond the middle third: the triangles
    const platform::Page failing = stabilityPage(prog);

    QTemporaryDir temporary;
    const char* keep = std::getenv("TARVELO_PDF_DIR");
    const QString path = (keep ? QString::fromLocal8Bit(keep) : temporary.path()) + "/stability_page.pdf";
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1440);
        QPainter painter(&pdf);
        gui::paintPage(painter, passing, 1.0);
        pdf.newPage();
        gui::paintPage(painter, failing, 1.0);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 5000);
}

} // namespace
