#include "report/output/preview_page.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/program.h"
#include "platform/runtime.h"
#include "platform/services.h"

namespace report {
namespace {

constexpr std::array<const char*, 9> kNames{"Form1", "Form2",  "Form5",  "Form18", "Form6",
                                            "Form8", "Form16", "Form17", "Form20"};

// A twip measure of the printer as a whole number a control holds; an unusable one gives `fallback`.
int twips(double v, double fallback) {
    if (!std::isfinite(v) || v <= 0 || v > 1e6) v = fallback;
    return static_cast<int>(platform::roundHalfEven(v));
}

// The scroll range of a canvas `extent` twips long in a viewport `view` twips long: the maximum
// within what a scroll bar holds, nothing to scroll when the page fits, steps of at least one.
void setScrollRange(platform::ScrollBar& bar, int extent, int view) {
    const int max = std::clamp(extent - view, 0, 32767);
    const int large = std::max(1, static_cast<int>(platform::roundHalfEven(max / 2.0)));
    const int small = std::max(1, static_cast<int>(platform::roundHalfEven(large / 2.0)));
    bar.setRange(0, max);
    bar.setSteps(small, large);
}

} // namespace

PreviewPage::PreviewPage(app::Program& program, int page)
    : Form(kNames.at(static_cast<std::size_t>(page - 1)), platform::FormKind::MdiChild), prog_(program),
      page_(page) {
    layOut();
    VScroll1.onChange = [this] { VScroll1_Change(); };
    HScroll1.onChange = [this] { HScroll1_Change(); };
    Men_Pre.onClick = [this] { Men_Pre_Click(); };
    Men_Nex.onClick = [this] { Men_Nex_Click(); };
    Men_Prn.onClick = [this] { Men_Prn_Click(); };
    Men_Cls.onClick = [this] { Men_Cls_Click(); };
}

platform::FormSlot<PreviewPage>& previewSlot(app::Program& p, int page) {
    const std::array<platform::FormSlot<PreviewPage>*, 9> slots{
        &p.Form1, &p.Form2, &p.Form5, &p.Form18, &p.Form6, &p.Form8, &p.Form16, &p.Form17, &p.Form20};
    return *slots.at(static_cast<std::size_t>(page - 1));
}

PreviewPage& previewPage(app::Program& p, int page) {
    return previewSlot(p, page)();
}

// The canvas takes the printer's paper size and, as its coordinates, the printable area, so that a
// position means the same place on the screen as on the sheet.
void PreviewPage::Form_Load() {
    const platform::PrinterGeometry fallback;
    const platform::PrinterGeometry g = platform::services().printerGeometry();
    Picture2.setHeight(twips(g.pageHeight, fallback.pageHeight));
    Picture2.setWidth(twips(g.pageWidth, fallback.pageWidth));
    const bool printable = std::isfinite(g.printableWidth) && std::isfinite(g.printableHeight) &&
                           g.printableWidth > 0 && g.printableHeight > 0;
    Picture2.setScale(printable ? g.printableWidth : fallback.printableWidth,
                      printable ? g.printableHeight : fallback.printableHeight);
    setScrollRange(VScroll1, Picture2.height(), Picture1.height());
    setScrollRange(HScroll1, Picture2.width(), Picture1.width());
}

void PreviewPage::VScroll1_Change() {
    Picture2.setTop(-VScroll1.value());
}

void PreviewPage::HScroll1_Change() {
    Picture2.setLeft(-HScroll1.value());
}

void PreviewPage::Men_Prn_Click() {
    prog_.Form15().showModal();
}

void PreviewPage::Men_Cls_Click() {
    unloadPages();
    prog_.MDIForm1().Toolbar1.setVisible(true);
}

void PreviewPage::Form_QueryUnload(bool&) {
    unloadPages();
}

void PreviewPage::Form_Unload() {
    if (prog_.Pri_Obj == &Picture2.surface()) prog_.Pri_Obj = nullptr;
}

void PreviewPage::unloadPages() {
    for (int page : {1, 2, 3, 5, 6, 7, 8, 4, 9})
        (void)previewSlot(prog_, page).unload();
}

} // namespace report
