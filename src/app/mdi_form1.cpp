#include "app/mdi_form1.h"

#include "app/program.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace app {

namespace mb = platform::mb;
using platform::Answer;

MDIForm1::MDIForm1(Program& program) : Form("MDIForm1", platform::FormKind::MdiParent), prog_(program) {
    layOut();
    platform::wire(*this, {{&Men_F.onClick, &MDIForm1::Men_F_Click},
                           {&Men_FNew.onClick, &MDIForm1::Men_FNew_Click},
                           {&Men_FOpn.onClick, &MDIForm1::Men_FOpn_Click},
                           {&Men_FCls.onClick, &MDIForm1::Men_FCls_Click},
                           {&Men_FOvw.onClick, &MDIForm1::Men_FOvw_Click},
                           {&Men_FSav.onClick, &MDIForm1::Men_FSav_Click},
                           {&Men_FImg.onClick, &MDIForm1::Men_FImg_Click},
                           {&Men_FPrn.onClick, &MDIForm1::Men_FPrn_Click},
                           {&Men_FEnd.onClick, &MDIForm1::Men_FEnd_Click},
                           {&Men_S.onClick, &MDIForm1::Men_S_Click},
                           {&Men_FVer.onClick, &MDIForm1::Men_FVer_Click}});
    Toolbar1.onButtonClick = [this](const platform::ToolbarButton& b) { Toolbar1_ButtonClick(b); };
}

void MDIForm1::Form_Load() {
    prog_.d.ScreenNo = 0;
    disableOutputButtons();
}

void MDIForm1::Form_QueryUnload(bool& cancel) {
    if (platform::msgBox("終了してもよろしいですか?", mb::YesNo, "") == Answer::No) {
        cancel = true;
        return;
    }
    platform::services().quit();
}

void MDIForm1::Men_F_Click() {
    const auto& d = prog_.d;
    const bool path = !fileName.empty();
    if (d.Sigma_max == 0) {
        for (auto* m : {&Men_FSav, &Men_FOvw, &Men_FImg, &Men_FPrn})
            m->setEnabled(false);
    }
    if (d.F_Slide != 0) {
        Men_FImg.setEnabled(true);
        Men_FPrn.setEnabled(true);
        Men_FOvw.setEnabled(path);
    }
    if (d.SectCheck_Done == 0) {
        Men_FSav.setEnabled(false);
        Men_FOvw.setEnabled(false);
    } else {
        Men_FSav.setEnabled(true);
        if (path) Men_FOvw.setEnabled(true);
    }
}

// The result markers of a project; New and Close clear them together. F_Slide stays: after a cancelled
// Close the File menu's print items follow it, as the toolbar's buttons stay.
void MDIForm1::clearResultMarkers() {
    prog_.d.Sigma_max = 0;
    prog_.d.SectCheck_Done = 0;
}

// The screens and dialogs that hold a project; Close keeps the seismic stability-method dialog.
void MDIForm1::unloadProject(bool withForm21) {
    prog_.Form3.unload();
    prog_.Form23.unload();
    prog_.Form4.unload();
    prog_.Form7.unload();
    prog_.Form14.unload();
    prog_.Form19.unload();
    if (withForm21) prog_.Form21.unload();
    prog_.Form25.unload();
    dropDesignValues();
}

void MDIForm1::dropDesignValues() {
    model::DesignData fresh;
    fresh.F_Slide = prog_.d.F_Slide;
    fresh.ScreenNo = prog_.d.ScreenNo;
    prog_.d = std::move(fresh);
}

void MDIForm1::FileNew() {
    clearResultMarkers();
    unloadProject(true);

    auto& form3 = prog_.Form3();
    form3.move(0, 0);
    form3.show();
    form3.txt1.setFocus();
    form3.txt1.selectAll();
    form3.lbl46.setVisible(false);
    form3.lbl47.setVisible(false);
    form3.txt13.setVisible(false);
    disableOutputButtons();
    fileName.clear();
}

namespace {
bool confirmClose() {
    return platform::msgBox("閉じてもよろしいですか？", mb::OkCancel + mb::Question + mb::DefaultButton2,
                            "確認") != Answer::Cancel;
}
} // namespace

void MDIForm1::Men_FCls_Click() {
    prog_.d.ScreenNo = 0;
    clearResultMarkers();
    if (!confirmClose()) return;
    closeProject();
}

void MDIForm1::closeProject() {
    unloadProject(false);
    disableOutputButtons();
    fileName.clear();
}

// Unlike the menu command, a cancelled frame close leaves the result markers as they were: the
// user only changed their mind about closing a window.
void MDIForm1::closeFromScreenFrame(bool& cancel) {
    if (!confirmClose()) {
        cancel = true;
        return;
    }
    prog_.d.ScreenNo = 0;
    clearResultMarkers();
    // The screen being closed is already unloading; unloading it again does nothing.
    closeProject();
}

void MDIForm1::disableOutputButtons() {
    for (int i : {kButtonOverwrite, kButtonImage, kButtonPrint})
        Toolbar1.setButtonEnabled(i, false);
}

void MDIForm1::Men_FNew_Click() {
    FileNew();
}
void MDIForm1::Men_FOpn_Click() {
    FileOpen();
}
void MDIForm1::Men_FOvw_Click() {
    FileUpdate();
}
void MDIForm1::Men_FImg_Click() {
    FileImage();
}

void MDIForm1::Men_FEnd_Click() {
    if (platform::msgBox("終了してもよろしいですか？", mb::YesNo + mb::DefaultButton2, "確認") == Answer::Yes)
        platform::services().quit();
}

void MDIForm1::Men_S_Click() {
    Men_F.setEnabled(false);
    Men_S.setEnabled(false);
    Toolbar1.setVisible(false);
    auto& form10 = prog_.Form10();
    form10.move(0, 0);
    form10.show();
}

void MDIForm1::Men_FVer_Click() {
    prog_.Form13().showModal();
}

void MDIForm1::Toolbar1_ButtonClick(const platform::ToolbarButton& button) {
    switch (button.index) {
    case kButtonNew:
        FileNew();
        break;
    case kButtonOpen:
        FileOpen();
        break;
    case kButtonOverwrite:
        FileUpdate();
        break;
    case kButtonImage:
        FileImage();
        break;
    case kButtonPrint:
        Men_FPrn_Click();
        break;
    default:
        break;
    }
}

} // namespace app
