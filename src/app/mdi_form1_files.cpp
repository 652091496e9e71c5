// The main window's project-file commands: open, overwrite-save and save as.
#include <cstdlib>
#include <filesystem>

#include "app/mdi_form1.h"
#include "app/program.h"
#include "app/project_file.h"
#include "platform/runtime.h"
#include "platform/services.h"

namespace app {

namespace mb = platform::mb;
using platform::Answer;

namespace {

// The program's own folder in the user's home, when there is one; else the home folder.
std::string projectFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    std::error_code ec;
    const auto own = std::filesystem::path(home) / "Tarvelo(Mirenda版)";
    if (std::filesystem::is_directory(own, ec)) return own.string();
    return home;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

platform::FileDialogOptions MDIForm1::fileDialog(std::string title) const {
    platform::FileDialogOptions o;
    o.title = std::move(title);
    o.initialFolder = projectFolder();
    o.filter = "Tarvelo(Mirenda版)(.tvl)|*.tvl";
    return o;
}

// Writes the project to `path`; a failure leaves the old file as it was and says why.
bool MDIForm1::writeProject(const std::string& path) {
    if (auto saved = saveProject(prog_, path); !saved) {
        platform::errorMessage(saved.fault().message);
        return false;
    }
    return true;
}

void MDIForm1::FileUpdate() {
    if (fileName.empty()) {
        Men_FSav_Click();
        return;
    }
    if (platform::msgBox("上書き保存してもよろしいですか？", mb::OkCancel + mb::DefaultButton2, "確認") ==
        Answer::Cancel)
        return;
    (void)writeProject(fileName);
}

void MDIForm1::Men_FSav_Click() {
    auto chosen = platform::services().saveFileDialog(fileDialog("Tarvelo(Mirenda版)の保存"));
    if (!chosen || chosen->empty()) return;
    if (fileExists(*chosen) &&
        platform::msgBox("同名ファイルがあります。上書き保存しますか？",
                         mb::YesNo + mb::Critical + mb::DefaultButton2, "上書き保存の確認") == Answer::No)
        return;
    if (!writeProject(*chosen)) return;
    fileName = *chosen;
    prog_.Form3().setCaption(*chosen);
}

void MDIForm1::FileOpen() {
    auto chosen = platform::services().openFileDialog(fileDialog("Tarvelo(Mirenda版)を開く"));
    if (!chosen || chosen->empty()) return;
    // The whole file is read and checked before anything of the present project changes.
    auto read = readProject(*chosen);
    if (!read) {
        platform::errorMessage(read.fault().message);
        return;
    }
    const ProjectImage& image = *read;
    auto& d = prog_.d;

    prog_.Form3.unload();
    prog_.Form4.unload();
    prog_.Form7.unload();
    dropDesignValues();
    storeLines(prog_, image, 1, 96);
    d.Y_QBack = platform::valSingle(prog_.Form21().txt1.text());
    (void)prog_.Form3().HENSUU();
    (void)prog_.Form4().HENSUU();
    (void)prog_.Form4().DANMEM_1();
    storeLines(prog_, image, 97, 101);
    auto& f7 = prog_.Form7();
    // The lists only take their bars' values here: the member calculations wait for the ground
    // reactions and the recalculation below, so they raise no message from a half-read project.
    f7.projectBeingRead = true;
    storeLines(prog_, image, 102, 143);
    f7.projectBeingRead = false;
    (void)f7.TEKKIN();
    storeLines(prog_, image, 144, 199);
    d.Y3_Surch = platform::valSingle(f7.txt_1.text());
    bool clean = false;
    if (recalculateOpened()) {
        clean = recalculateMembers();
        // The section coefficient of the opened project's own wall and seismic coefficients; its own
        // message says what went wrong.
        if (f7.TEKKIN() && f7.Doatu()) f7.opt2.setValue(true);
    } else {
        // Without the opened wall's stability results the rows read from the file are results of
        // nothing shown: they go, and the results count as absent.
        prog_.Form4().Hihyouji_1();
        f7.Hihyouji_3();
    }

    prog_.Form4().hide();
    prog_.Form23().hide();
    prog_.Form7().hide();

    auto& form3 = prog_.Form3();
    form3.move(0, 0);
    form3.setCaption(*chosen);
    form3.show();
    form3.txt1.setFocus();
    if (form3.txt13.text().empty()) {
        form3.lbl46.setVisible(false);
        form3.lbl47.setVisible(false);
        form3.txt13.setVisible(false);
    }
    if (form3.opt4.value()) form3.cmd4.setEnabled(true);
    fileName = *chosen;

    auto& form4 = prog_.Form4();
    const bool oneSided = prog_.Form23().opt1.value();
    if (clean) {
        d.SectCheck_Done = 1;
        for (auto* m : {&Men_FSav, &Men_FOvw, &Men_FImg, &Men_FPrn})
            m->setEnabled(true);
        for (int i : {3, 5, 6})
            Toolbar1.setButtonEnabled(i, true);
        if (oneSided) {
            for (auto* l :
                 {&form4.lbl52, &form4.lbl53, &form4.lbl54, &form4.lbl64, &form4.lbl65, &form4.lbl66})
                l->setVisible(true);
            // The row without the key is a verdict of the building code's basis only.
            if (form4.opt6.value() && form3.opt_T.value())
                for (auto* l : {&form4.lbl67, &form4.lbl68, &form4.lbl69, &form4.lbl70})
                    l->setVisible(true);
        }
        for (auto* l : {&form4.lbl56, &form4.lbl57, &form4.lbl58, &form4.lbl59, &form4.lbl60, &form4.lbl61,
                        &form4.lbl62})
            l->setVisible(true);
    }
    if ((oneSided && d.B_Toe == 0) || prog_.Form23().opt2.value()) {
        form4.Frame2.setVisible(false);
        form4.opt3.setValue(false);
        form4.opt4.setValue(false);
        if (!oneSided) d.q_Back = platform::valSingle(form4.txt21.text());
    } else if (oneSided) {
        // The choice read from the file counts in the loads: it shows, as typing the toe shows it.
        form4.Frame2.setVisible(true);
    }
}

// The member calculations and checks of an opened project, for the members that exist. Each runs on
// its own, so that every row that can be checked shows its results; the first fault is shown. A
// member that cannot be computed loses its bar and results. True when every one ran.
bool MDIForm1::recalculateMembers() {
    auto& f7 = prog_.Form7();
    const auto& d = prog_.d;
    using Step = platform::Status (sections::Form7::*)();
    struct Row {
        int k;
        bool exists;
        Step check;
    };
    const Row rows[] = {
        {0, true, &sections::Form7::Ouryoku_1},         {1, true, &sections::Form7::Ouryoku_2},
        {2, true, &sections::Form7::Ouryoku_5},         {3, true, &sections::Form7::Ouryoku_6},
        {4, true, &sections::Form7::Ouryoku_7},         {5, d.B_Heel != 0, &sections::Form7::Ouryoku_8},
        {6, d.B_Toe != 0, &sections::Form7::Ouryoku_9}, {7, d.H0_Key != 0, &sections::Form7::Ouryoku_10}};
    platform::Status first;
    auto step = [&first](platform::Status s) {
        if (first && !s) first = s;
    };
    for (const Row& r : rows)
        if (r.exists) step(f7.recomputeMember(r.k));
    for (const Row& r : rows)
        if (r.exists) step((f7.*r.check)());
    if (!first) platform::errorMessage(first.fault().message);
    return static_cast<bool>(first);
}

// The recalculation of an opened project, in the order the screens depend on each other, ending with
// the verdicts. Returns whether every step ran without a fault; the first fault is shown.
bool MDIForm1::recalculateOpened() {
    platform::Status first;
    auto step = [&first](platform::Status s) {
        if (first && !s) first = s;
    };
    auto& form4 = prog_.Form4();
    step(prog_.Form25().Jisin());
    step(prog_.Form3().HENSUU());
    // A coefficient typed into the screen does not depend on the computed one.
    if (auto ka = form4.KEISAN(); form4.opt8.value()) step(ka);
    step(form4.HENSUU());
    step(form4.DANMEM_1());
    if (!first) {
        platform::errorMessage(first.fault().message);
        return false;
    }
    // The verdicts of the opened wall; after a fault the run would only repeat it and enable output.
    return form4.GamenHyouji();
}

} // namespace app
