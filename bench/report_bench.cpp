#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "app/program.h"
#include "gui/page_painter.h"
#include "gui/qt_convert.h"
#include "gui/qt_services.h"
#include "platform/runtime.h"
#include "report/output/form15.h"
#include "report/output/page_chain.h"
#include "report/output/preview_page.h"
#include "sections/sections_fixture.h"
#include "stability/stability_fixture.h"
#include "support/recording_services.h"

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "report_bench";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(argc, argv);
    return app;
}

// A checked wall with heel, toe and shear key on the screens: D16 at 200 mm in every member. A crowded one
// has a span of 0.5 m between walls of 4.6 m, whose drawings set many texts apart with leaders.
struct Report {
    explicit Report(bool crowded = false) {
        application();
        sections_test::typicalWallWithKey(prog);
        if (crowded)
            stability_test::type({{&prog.Form4().txt3, "3.5"},
                                  {&prog.Form4().txt4, "1.0"},
                                  {&prog.Form4().txt5, "4.6"},
                                  {&prog.Form4().txt6, "0.4"},
                                  {&prog.Form4().txt14, "0.5"},
                                  {&prog.Form4().txt12, "1.0"},
                                  {&prog.Form4().txt16, "1.5"},
                                  {&prog.Form4().txt17, "0.5"},
                                  {&prog.Form4().txt18, "0.4"},
                                  {&prog.Form4().txt19, "0.4"}});
        (void)stability_test::run(prog);
        sections_test::checkMembers(
            prog, [](std::size_t) { return 4; }, [](std::size_t) { return "200"; });
        prog.Form7().cmd5.click();
    }
    testing_support::RecordingServices services;
    app::Program prog;
};

// The whole report (every chapter, numbered) recorded on the printer and painted into a PDF file; with
// the argument 1, of the crowded wall.
void BM_WholeReportIntoPdf(benchmark::State& state) {
    QTemporaryDir dir;
    Report r(state.range(0) != 0);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("report.pdf"));
    auto& f = r.prog.Form15();
    f.opt5.click();
    f.chk_P.click();
    f.txt_P.setText("1");
    for (auto _ : state) {
        r.services.printed.clear();
        f.cmd1.click();
        if (r.services.printed.size() != 1 || !gui::printPages(pdf, r.services.printed.front())) {
            state.SkipWithError("printing failed");
            break;
        }
    }
}
BENCHMARK(BM_WholeReportIntoPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Turning a preview page: the next page is drawn by its writers and painted at screen size.
void BM_TurnPreviewPage(benchmark::State& state) {
    Report r;
    report::turnTo(r.prog, nullptr, 6, {});
    QImage screen(10665 / 15, 7095 / 15, QImage::Format_RGB32);
    int page = 6;
    for (auto _ : state) {
        auto& from = report::previewPage(r.prog, page);
        page == 6 ? from.Men_Nex.click() : from.Men_Pre.click();
        page = page == 6 ? 7 : 6;
        auto& to = report::previewPage(r.prog, page);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        const double scale = 1.0 / gui::kTwipsPerPixel;
        gui::paintPage(painter, to.Picture2.surface().page(),
                       to.Picture2.width() * scale / to.Picture2.scaleWidth(),
                       to.Picture2.height() * scale / to.Picture2.scaleHeight(), scale);
    }
}
BENCHMARK(BM_TurnPreviewPage)->Unit(benchmark::kMillisecond);

} // namespace
