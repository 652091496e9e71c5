#include "app/mdi_form1.h"

#include <string>

#include "app/program.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "report/output/page_chain.h"

namespace app {

// The preview opens at the first page of the chapter whose screen is in use.
void MDIForm1::FileImage() {
    // Without an input screen there is no page to open, and no page whose close would bring the
    // toolbar back: it stays.
    if (prog_.d.ScreenNo < 1 || prog_.d.ScreenNo > 3) return;
    Toolbar1.setVisible(false);
    switch (prog_.d.ScreenNo) {
    case 1:
        report::turnTo(prog_, nullptr, 1, {});
        break;
    case 2:
        report::turnTo(prog_, nullptr, 2, {report::stepForm4HENSUU(prog_), report::stepForm4DANMEM_1(prog_)});
        break;
    default:
        report::turnTo(prog_, nullptr, 5, {report::stepForm4HENSUU(prog_), report::stepForm4DANMEM_1(prog_)});
        break;
    }
}

void MDIForm1::Men_FPrn_Click() {
    prog_.Form15().showModal();
}

// One document per call. Cancel in the printer dialog ends it silently; any other failure abandons
// the document and says so, so that no half-printed job passes for done.
void MDIForm1::FilePrint() {
    const int range = prog_.Form15.loaded() ? prog_.Form15().PrintRange() : 0;
    if (range == 0) return;
    if (!platform::services().printerDialog()) return;
    platform::PrintJob job;
    platform::Printer& printer = job.printer();
    printer.setFontSize(11);
    printer.setFontName(std::string(platform::kMincho));
    prog_.Pri_Obj = &printer;

    platform::Status done;
    if (range == 1 || range == 5) done = Pri_Ippan();
    if (done && (range == 2 || range == 4 || range == 5)) done = Pri_Keisan();
    if (done && (range == 3 || range == 4 || range == 5)) done = Pri_Haikin();
    if (done) done = job.end();
    if (!done) platform::errorMessage(done.fault().message);
}

// The footer "－ n －", n counting the sheets of the job from the chosen first number.
void MDIForm1::PrintPageNo() {
    if (!prog_.Form15.loaded() || prog_.Form15().chk_P.value() != 1) return;
    platform::Printer& printer = platform::printer();
    const auto sheet = static_cast<float>(printer.pages().size());
    const float number = prog_.Pri_FirstPageNo + (sheet - 1.0f);
    printer.setCurrentX(5500);
    printer.setCurrentY(15500);
    printer.print({"－ ", platform::format(number, "0"), " －"});
}

platform::Status MDIForm1::Pri_Ippan() {
    if (auto s = report::runSteps(report::pageWriters(prog_, 1)); !s) return s;
    PrintPageNo();
    platform::printer().newPage();
    return {};
}

// The stability values are recomputed once, before the first sheet; the sheets print what they
// then hold.
platform::Status MDIForm1::Pri_Keisan() {
    report::PageSteps first{report::stepForm4HENSUU(prog_), report::stepForm4DANMEM_1(prog_)};
    for (report::PageStep& s : report::pageWriters(prog_, 2))
        first.push_back(std::move(s));
    for (int page : {2, 3, 4}) {
        if (auto s = report::runSteps(page == 2 ? first : report::pageWriters(prog_, page)); !s) return s;
        PrintPageNo();
        platform::printer().newPage();
    }
    return {};
}

// The member sheets print the stored results; the last one is not followed by a new page.
platform::Status MDIForm1::Pri_Haikin() {
    const bool page9 = !report::page9Members(report::optionalMembers(prog_.d)).empty();
    for (int page = 5; page <= (page9 ? 9 : 8); ++page) {
        if (page > 5) platform::printer().newPage();
        if (auto s = report::runSteps(report::pageWriters(prog_, page)); !s) return s;
        PrintPageNo();
    }
    return {};
}

} // namespace app
