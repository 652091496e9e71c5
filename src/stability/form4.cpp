#include "stability/form4.h"

#include "app/program.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"
#include "stability/faults.h"

namespace stability {

Form4::Form4(app::Program& program) : Form("Form4", platform::FormKind::MdiChild), prog_(program) {
    opt3.setContainer(Frame2);
    opt4.setContainer(Frame2);
    opt5.setContainer(Frame3);
    opt6.setContainer(Frame3);
    opt7.setContainer(Frame4);
    opt8.setContainer(Frame4);
    txt11.setContainer(Frame4);
    txt11.setBorder(false);
    // The coefficient box takes no part in the boxes' habits.
    txt11.selectAllOnFocus = false;
    txt11.selectAllOnClick = false;
    layOut();
    opt5.setValue(true);
    // No toe given yet: the front-soil choice waits for one.
    Frame2.setVisible(false);
    cmd5.setVisible(false);
    lbl32.setVisible(false);
    lbl33.setVisible(false);
    lbl34.setVisible(false);
    // No results yet: a run shows the verdicts.
    for (platform::Label* l : verdictLabels())
        l->setVisible(false);
    wireHandlers();
}

void Form4::wireHandlers() {
    platform::wire(*this, {{&cmd1.onClick, &Form4::cmd1_Click},
                           {&cmd2.onClick, &Form4::cmd2_Click},
                           {&cmd3.onClick, &Form4::cmd3_Click},
                           {&cmd4.onClick, &Form4::cmd4_Click},
                           {&cmd5.onClick, &Form4::cmd5_Click},
                           {&cmd6.onClick, &Form4::cmd6_Click},
                           {&cmd7.onClick, &Form4::cmd7_Click},
                           {&cmd8.onClick, &Form4::cmd8_Click},
                           {&chk1.onClick, &Form4::chk1_Click},
                           {&opt3.onClick, &Form4::opt3_Click},
                           {&opt4.onClick, &Form4::opt4_Click},
                           {&opt5.onClick, &Form4::opt5_Click},
                           {&opt6.onClick, &Form4::opt6_Click},
                           {&txt12.onLostFocus, &Form4::txt12_LostFocus},
                           {&txt16.onLostFocus, &Form4::txt16_LostFocus},
                           {&txt18.onLostFocus, &Form4::txt18_LostFocus},
                           {&txt19.onLostFocus, &Form4::txt19_LostFocus},
                           {&txt21.onLostFocus, &Form4::txt21_LostFocus}});
    for (int n = 1; n <= 23; ++n) {
        if (n == 11) continue;
        auto& b = box(n);
        b.onClick = [this, n] { box_Click(n); };
        b.onDblClick = [this, n] { box_DblClick(n); };
        b.onGotFocus = [this, n] { box_GotFocus(n); };
        b.onKeyPress = [this, n](int& k) { box_KeyPress(n, k); };
        b.onUserEdit = [this, n] { box_UserEdit(n); };
    }
    txt11.onKeyPress = [this](int& k) { txt11_KeyPress(k); };
    txt11.onUserEdit = [this] { staleMarks(); };
}

platform::TextBox& Form4::box(int n) {
    platform::TextBox* boxes[] = {&txt1,  &txt2,  &txt3,  &txt4,  &txt5,  &txt6,  &txt7,  &txt8,
                                  &txt9,  &txt10, &txt11, &txt12, &txt13, &txt14, &txt15, &txt16,
                                  &txt17, &txt18, &txt19, &txt20, &txt21, &txt22, &txt23};
    return *boxes[n - 1];
}

std::array<platform::Label*, 20> Form4::verdictLabels() {
    return {&lbl52, &lbl53, &lbl54, &lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62,
            &lbl64, &lbl65, &lbl66, &lbl67, &lbl68, &lbl69, &lbl70, &lbl71, &lbl72, &lbl73};
}

void Form4::Hihyouji_1() {
    for (platform::Label* l : verdictLabels())
        l->setVisible(false);
    prog_.d.Sigma_max = 0;
}

void Form4::Hihyouji_2() {
    prog_.MDIForm1().disableOutputButtons();
}

void Form4::Hihyouji_3() {
    for (platform::Label* l : verdictLabels())
        l->setVisible(false);
}

void Form4::staleMarks() {
    Hihyouji_1();
    Hihyouji_2();
    prog_.Form7().Hihyouji_3();
}

void Form4::Form_Load() {
    prog_.d.ScreenNo = 2;
}

void Form4::Form_Activate() {
    prog_.d.ScreenNo = 2;
    // The notes belong to present results: drawn afresh, not piled up.
    cls();
    if (prog_.d.Sigma_max != 0 && prog_.Form23().opt2.value()) symmetricNotes();
    prog_.Form23().hide();
}

void Form4::symmetricNotes() {
    surface().setCurrentX(8200);
    surface().setCurrentY(2550);
    surface().print({"対称土圧の為、転倒は生じない。"});
    surface().setCurrentX(8200);
    surface().setCurrentY(4200);
    surface().print({"対称土圧の為、滑動は生じない。"});
}

// "断面計算 >": on to the section screen, prepared for the present results.
void Form4::cmd1_Click() {
    auto& d = prog_.d;
    if (d.Sigma_max == 0) {
        platform::errorMessage(kNoStabilityResults);
        cmd3.setFocus();
        return;
    }
    auto& f3 = prog_.Form3();
    auto& f25 = prog_.Form25();
    auto& f23 = prog_.Form23();
    auto& f7 = prog_.Form7();
    // The loads of the base slab from the present stability results, before the screen shows.
    if (auto s = f7.TEKKIN(); !s) {
        platform::errorMessage(s.fault().message);
        return;
    }
    f7.move(0, 0);
    f7.show();
    f7.cls();

    const bool normal = f3.opt3.value();
    const bool seismic = f3.opt4.value();
    if (normal) {
        f7.chk_1.setVisible(false);
        f7.txt_1.setText("");
        f7.txt_1.setVisible(false);
        f7.lbl_1.setVisible(false);
        f7.lbl_2.setVisible(false);
    } else if (seismic && f25.opt_K1.value()) {
        f7.chk_1.setEnabled(false);
        f7.txt_1.setText("");
        f7.txt_1.setEnabled(false);
        f7.lbl_1.setEnabled(false);
        f7.lbl_2.setEnabled(false);
    } else if (seismic && (f25.opt_K2.value() || f25.opt_D1.value())) {
        const bool ticked = f7.chk_1.value() == 1;
        f7.chk_1.setVisible(true);
        f7.chk_1.setEnabled(true);
        f7.txt_1.setVisible(true);
        f7.lbl_1.setVisible(true);
        f7.lbl_2.setVisible(true);
        if (!ticked) f7.txt_1.setText("");
        f7.txt_1.setEnabled(ticked);
        f7.lbl_1.setEnabled(ticked);
        f7.lbl_2.setEnabled(ticked);
    }

    auto row = [](bool shown, std::initializer_list<platform::Control*> controls) {
        for (platform::Control* c : controls)
            c->setVisible(shown);
    };
    row(d.B_Toe != 0, {&f7.Label9, &f7.cbo9, &f7.lbl_r9, &f7.txt9, &f7.lbl_ri});
    row(d.B_Heel != 0, {&f7.Label8, &f7.cbo8, &f7.lbl_r8, &f7.txt8, &f7.lbl_rh});
    row(d.H0_Key != 0, {&f7.Label10, &f7.cbo10, &f7.lbl_r10, &f7.txt10, &f7.lbl_rj});

    if (f23.opt1.value() || f23.opt2.value()) {
        const bool symmetric = f23.opt2.value();
        f7.Line100.setVisible(!symmetric);
        row(symmetric, {&f7.Line101, &f7.Line102, &f7.Line103, &f7.Line104, &f7.Line105, &f7.Line106,
                        &f7.Line107, &f7.Line108, &f7.Line109, &f7.Label100, &f7.Label101, &f7.Label102});
    }
    if (f7.txt_ka.text().empty())
        prog_.MDIForm1().Toolbar1.setButtonEnabled(app::MDIForm1::kButtonImage, false);
    if (normal || (seismic && f25.opt_K2.value())) {
        f7.cmd4.setEnabled(true);
        f7.opt1.setEnabled(true);
    } else if (seismic && (f25.opt_K1.value() || f25.opt_D1.value())) {
        f7.cmd4.setEnabled(false);
        f7.opt1.setEnabled(false);
    }
}

// "< 地盤の形状".
void Form4::cmd2_Click() {
    hide();
    auto& f23 = prog_.Form23();
    f23.show();
    f23.move(0, 0);
}

// "安定性の検討方法": the dialog of the load case, prepared by the cohesion and the seismic method.
void Form4::cmd4_Click() {
    auto& f3 = prog_.Form3();
    const bool cohesion = prog_.d.C_Base != 0;
    if (f3.opt3.value()) {
        auto& f14 = prog_.Form14();
        f14.lbl1.setEnabled(cohesion);
        if (!cohesion) {
            f14.opt4.setValue(false);
            f14.opt5.setValue(false);
        }
        f14.opt4.setEnabled(cohesion);
        f14.opt5.setEnabled(cohesion);
        f14.showModal();
    } else if (f3.opt4.value()) {
        auto& f21 = prog_.Form21();
        auto& f25 = prog_.Form25();
        f21.lbl1.setEnabled(cohesion);
        if (!cohesion) {
            f21.opt8.setValue(false);
            f21.opt7.setValue(false);
        }
        f21.opt7.setEnabled(cohesion);
        f21.opt8.setEnabled(cohesion);
        if (f25.opt_K2.value() || f25.opt_D1.value()) {
            f21.chk1.setEnabled(true);
        } else if (f25.opt_K1.value()) {
            f21.chk1.setValue(0);
            f21.chk1.setEnabled(false);
        }
        f21.showModal();
    }
}

// "直接入力": the coefficient is typed; the computed one is the starting value.
void Form4::cmd6_Click() {
    txt11.setFocus();
    txt11.selectAll();
    txt11.setBorder(true);
    opt7.setValue(true);
    chk1.setEnabled(true);
    Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

// "計算する": the coefficient for the load case and seismic method, shown at once.
void Form4::cmd7_Click() {
    const bool oneSided = prog_.Form23().opt1.value();
    for (int n : {3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 17}) {
        if (n <= 4 && !oneSided) continue;
        if (box(n).text().empty()) {
            platform::errorMessage("寸法を入力してください。");
            box(n).setFocus();
            box(n).setSelStart(0);
            return;
        }
    }
    // A coefficient that cannot be computed leaves the box and its mark as they were: a typed one
    // must not pass for a computed one.
    const bool typed = opt7.value(), computed = opt8.value();
    auto fail = [&](const platform::Status& s) {
        platform::errorMessage(s.fault().message);
        opt8.setValue(computed);
        if (typed) opt7.setValue(true);
    };
    opt8.setValue(true);
    if (auto s = HENSUU(); !s) return fail(s);
    if (auto s = KEISAN(); !s) return fail(s);
    // The engine run only brings the stability values up to the new coefficient; they count as
    // stale below, and a missing choice is asked for by the run command.
    (void)DANMEM_1();
    Hihyouji_2();
    txt11.setBorder(false);
    txt11.setText(platform::format(prog_.d.KA, "0.00#"));
    chk1.setValue(0);
    chk1.setEnabled(false);
    Hihyouji_1();
    prog_.Form7().Hihyouji_3();
    cmd4.setFocus();
}

// "背面上載荷重の土圧について".
void Form4::cmd8_Click() {
    prog_.Form26().showModal();
}

void Form4::chk1_Click() {
    staleMarks();
}

void Form4::opt3_Click() {
    staleMarks();
}

void Form4::opt4_Click() {
    staleMarks();
}

// No shear key: the dialog and its values go. The stability run depends on the key, so its results
// go too.
void Form4::opt5_Click() {
    prog_.Form19.unload();
    prog_.d.H0_Key = 0;
    cmd5.setVisible(false);
    staleMarks();
}

void Form4::opt6_Click() {
    cmd5.setVisible(true);
    staleMarks();
}

// Closing the screen through its frame closes the project, as "閉じる" does, after the same question.
void Form4::Form_QueryUnload(bool& cancel) {
    if (closingByUser()) prog_.MDIForm1().closeFromScreenFrame(cancel);
}

} // namespace stability
