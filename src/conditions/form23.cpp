#include "conditions/form23.h"

#include <initializer_list>
#include <string>

#include "app/program.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace conditions {

Form23::Form23(app::Program& program) : Form("Form23", platform::FormKind::MdiChild), prog_(program) {
    setCaption("地盤の形状の選択");
    layOut();
    platform::wire<Form23>(*this, {{&opt1.onClick, &Form23::opt1_Click},
                                   {&opt2.onClick, &Form23::opt2_Click},
                                   {&cmd1.onClick, &Form23::cmd1_Click},
                                   {&cmd2.onClick, &Form23::cmd2_Click}});
}

void Form23::opt1_Click() {
    shapeChosen();
}

void Form23::opt2_Click() {
    shapeChosen();
}

// The dimensions screen keeps the old shape's layout until "寸法の入力 >", so it goes out of view.
void Form23::shapeChosen() {
    auto& f4 = prog_.Form4();
    f4.opt5.setValue(true);
    f4.Hihyouji_1();
    f4.Hihyouji_2();
    prog_.Form7().Hihyouji_3();
    f4.hide();
    prog_.Form7().hide();
}

void Form23::cmd1_Click() {
    if (!opt1.value() && !opt2.value()) {
        platform::errorMessage("地盤の形状（1）又は（2）を選択してください。");
        opt1.setFocus();
        return;
    }
    auto& f4 = prog_.Form4();
    f4.move(0, 0);
    f4.show();
    f4.cls();
    const bool oneSided = opt1.value();
    if (oneSided) {
        if (prog_.d.B_Toe == 0) f4.Frame2.setVisible(false);
        f4.Frame3.setVisible(true);
        if (f4.opt5.value()) f4.cmd5.setVisible(false);
    } else {
        f4.Frame2.setVisible(false);
        f4.Frame3.setVisible(false);
        f4.cmd5.setVisible(false);
    }
    layOutDimensions(oneSided);
    if (!oneSided) copyFrontSurcharge();
    if (f4.opt7.value()) {
        f4.chk1.setEnabled(true);
    } else if (f4.opt8.value()) {
        f4.chk1.setValue(0);
        f4.chk1.setEnabled(false);
    }
}

void Form23::layOutDimensions(bool oneSided) {
    auto& f4 = prog_.Form4();
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &f4.txt3, &f4.Label3, &f4.lbl5, &f4.txt4, &f4.Label4, &f4.lbl6, &f4.txt23, &f4.lbl22, &f4.lbl23,
             &f4.lbl10, &f4.lbl45})
        c->setVisible(oneSided);
    for (platform::Control* c : std::initializer_list<platform::Control*>{&f4.lbl32, &f4.lbl33, &f4.lbl34})
        c->setVisible(!oneSided);
    // The front ground drawn low, the front ground at the level behind, the dimension line of H3 and H4.
    for (int n = 120; n <= 152; ++n)
        if (platform::Control* line = f4.findControl("Line" + std::to_string(n)))
            line->setVisible(n >= 135 && n <= 149 ? !oneSided : oneSided);
}

void Form23::cmd2_Click() {
    hide();
    auto& f3 = prog_.Form3();
    f3.move(0, 0);
    f3.show();
}

void Form23::Form_QueryUnload(bool& cancel) {
    if (closingByUser()) prog_.MDIForm1().closeFromScreenFrame(cancel);
}

} // namespace conditions
