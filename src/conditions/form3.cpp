#include "conditions/form3.h"

#include "app/program.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace conditions {
namespace {

// Focus with the caret at the start of the text, as the input checks leave a box.
void focusAtStart(platform::Control& c) {
    c.setFocus();
    if (c.kind() == platform::ControlKind::TextBox || c.kind() == platform::ControlKind::ComboBox)
        static_cast<platform::EditBox&>(c).setSelStart(0);
}

// Focus, and a text box's whole text selected.
void focusSelected(platform::Control& c) {
    c.setFocus();
    if (c.kind() == platform::ControlKind::TextBox) static_cast<platform::TextBox&>(c).selectAll();
}

// Selects an option from inside its box's edit: the option's handling may select the whole text,
// which would make the next typed character replace what the user has typed so far.
void chooseKeepingCaret(platform::OptionButton& option, platform::TextBox& box) {
    if (option.value()) return;
    const int start = box.selStart(), length = box.selLength();
    option.setValue(true);
    box.setSelStart(start);
    box.setSelLength(length);
}

} // namespace

Form3::Form3(app::Program& program) : Form("Form3", platform::FormKind::MdiChild), prog_(program) {
    layOut();
    opt_T.setValue(true);
    opt3.setValue(true);
    opt8.setValue(true);
    txt14.setText("0");
    txt14.setBorder(false);
    txt9.setBorder(false);
    cmd4.setEnabled(false);
    wireHandlers();
}

void Form3::wireHandlers() {
    platform::wire<Form3>(*this, {{&cmd1.onClick, &Form3::cmd1_Click},
                                  {&cmd2.onClick, &Form3::cmd2_Click},
                                  {&cmd3.onClick, &Form3::cmd3_Click},
                                  {&cmd4.onClick, &Form3::cmd4_Click},
                                  // Choosing a load case directly does what its button does; Open's
                                  // restoring of the option (a value set by code) does not.
                                  {&opt3.onUserClick, &Form3::cmd1_Click},
                                  {&opt4.onUserClick, &Form3::cmd2_Click},
                                  {&opt_T.onClick, &Form3::opt_T_Click},
                                  {&opt_D.onClick, &Form3::opt_D_Click},
                                  {&opt5.onClick, &Form3::opt5_Click},
                                  {&opt6.onClick, &Form3::opt6_Click},
                                  {&opt7.onClick, &Form3::opt7_Click},
                                  {&opt8.onClick, &Form3::opt8_Click},
                                  {&cbo1.onClick, &Form3::cbo1_Click},
                                  {&cbo2.onClick, &Form3::cbo2_Click}});
    cbo1.onKeyPress = [this](int& k) { cbo1_KeyPress(k); };
    cbo2.onKeyPress = [this](int& k) { cbo2_KeyPress(k); };

    wireBox(txt1, &txt2, nullptr, false);
    wireBox(txt2, &txt3, nullptr);
    wireBox(txt3, nullptr, nullptr);
    txt3.onKeyPress = [this](int& k) { txt3_KeyPress(k); };
    wireBox(txt13, &txt4, nullptr);
    wireBox(txt4, &txt5, nullptr);
    wireBox(txt5, &txt6, nullptr);
    wireBox(txt6, &cbo1, nullptr);
    wireBox(txt8, &txt10, &Form3::coefficientReset);
    wireBox(txt10, &cbo2, &Form3::coefficientReset);
    wireBox(txt14, &txt11, nullptr);
    txt14.onClick = [this] { txt14_Click(); };
    txt14.onUserEdit = [this] { txt14_UserEdit(); };
    wireBox(txt11, &opt5, &Form3::frictionReset);
    wireBox(txt9, &cmd1, nullptr);
    txt9.onClick = [this] { txt9_Click(); };
    txt9.onUserEdit = [this] {
        chooseKeepingCaret(opt5, txt9);
        markBoxEdit();
    };
}

void Form3::wireBox(platform::TextBox& box, platform::Control* enterTarget, void (Form3::*reset)(),
                    bool marks) {
    auto after = [this, reset, marks] {
        if (reset) (this->*reset)();
        if (marks) markBoxEdit();
    };
    box.onKeyPress = [enterTarget, after](int& k) {
        if (k == 13) {
            k = 0;
            if (enterTarget) focusSelected(*enterTarget);
        }
        after();
    };
    box.onClick = after;
    // Delete, cut and paste reach no key handler, but they change the value all the same.
    box.onUserEdit = after;
}

void Form3::txt3_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) {
        KeyAscii = 0;
        focusSelected(txt13.visible() ? static_cast<platform::Control&>(txt13) : txt4);
    }
    markBoxEdit();
}

void Form3::txt9_Click() {
    txt9.setBorder(true);
    opt5.setValue(true);
    txt9.selectAll();
    markBoxEdit();
}

void Form3::txt14_Click() {
    txt14.setBorder(true);
    markBoxEdit();
}

// A typed cohesion counts only with "考慮する", so typing one chooses it.
void Form3::txt14_UserEdit() {
    chooseKeepingCaret(opt7, txt14);
    markBoxEdit();
}

void Form3::markAllStale() {
    prog_.Form4().Hihyouji_1();
    prog_.Form4().Hihyouji_2();
    prog_.Form7().Hihyouji_3();
}

void Form3::markBoxEdit() {
    markAllStale();
    prog_.Form4().hide();
    prog_.Form7().hide();
}

// A computed earth-pressure coefficient depends on φ and δ; a typed one stands.
void Form3::coefficientReset() {
    auto& f4 = prog_.Form4();
    if (!f4.opt7.value()) f4.txt11.setText("");
    f4.opt8.setValue(false);
}

// μ may be tan φB.
void Form3::frictionReset() {
    txt9.setText("");
    opt5.setValue(false);
    opt6.setValue(false);
}

void Form3::Form_Load() {
    prog_.d.ScreenNo = 1;
    for (auto* list : {&cbo1, &cbo2})
        for (const char* soil : {"岩", "砂利", "砂質土", "シルト", "粘土", "関東ローム", "改良地盤"})
            list->addItem(soil);
}

void Form3::Form_Activate() {
    prog_.d.ScreenNo = 1;
    prog_.Form4().hide();
    prog_.Form7().hide();
    // Hiding a screen that did not exist creates it, and its load step takes the screen number.
    prog_.d.ScreenNo = 1;
}

void Form3::Form_QueryUnload(bool& cancel) {
    if (closingByUser()) prog_.MDIForm1().closeFromScreenFrame(cancel);
}

// The earth-pressure coefficient has to be computed or typed again.
void Form3::loadCaseReset() {
    auto& f4 = prog_.Form4();
    f4.opt7.setValue(false);
    f4.opt8.setValue(false);
    f4.txt11.setText("");
}

void Form3::cmd1_Click() {
    opt3.setValue(true);
    loadCaseReset();
    lbl46.setVisible(false);
    lbl47.setVisible(false);
    txt13.setVisible(false);
    txt13.setText("");
    prog_.d.Sigma_sa_Short = 0;
    markAllStale();
    prog_.Form4().hide();
    prog_.Form7().hide();
    prog_.d.Kh = 0;
    prog_.d.Kv = 0;
    cmd4.setEnabled(false);
    auto& f25 = prog_.Form25();
    for (auto* o : {&f25.opt_K1, &f25.opt_K2, &f25.opt_D1})
        o->setValue(false);
    prog_.Form25.unload();
    auto& f21 = prog_.Form21();
    for (auto* o : {&f21.opt1, &f21.opt2, &f21.opt5, &f21.opt6, &f21.opt7, &f21.opt8})
        o->setValue(false);
    prog_.Form21.unload();
}

void Form3::cmd2_Click() {
    txt10.setText("0");
    opt4.setValue(true);
    loadCaseReset();
    lbl46.setVisible(true);
    lbl47.setVisible(true);
    txt13.setVisible(true);
    markAllStale();
    prog_.Form4().hide();
    prog_.Form7().hide();
    cmd4.setEnabled(true);
    prog_.Form14.unload();
}

void Form3::cmd4_Click() {
    prog_.Form25().showModal();
}

void Form3::opt_T_Click() {
    markAllStale();
    prog_.Form4().hide();
    prog_.Form7().hide();
    lbl10.setCaption("内部摩擦角：φ=");
    lbl14.setCaption("内部摩擦角：φ=");
    focusSelected(txt2);
}

void Form3::opt_D_Click() {
    markAllStale();
    prog_.Form4().hide();
    prog_.Form7().hide();
    lbl10.setCaption("せん断抵抗角：φ=");
    lbl14.setCaption("せん断抵抗角：φ=");
    focusSelected(txt2);
}

void Form3::opt5_Click() {
    focusSelected(txt9);
    txt9.setBorder(true);
    prog_.Form4().Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

void Form3::opt6_Click() {
    if (txt11.text().empty()) {
        platform::errorMessage("内部摩擦角を入力してください。");
        focusAtStart(txt11);
        return;
    }
    txt9.setBorder(false);
    txt9.setText("");
    if (auto status = Masatu(); !status) {
        platform::errorMessage(status.fault().message);
        return;
    }
    txt9.setText(platform::format(prog_.d.Mu_Base, "0.00#"));
    focusSelected(txt9);
    markAllStale();
}

void Form3::opt7_Click() {
    txt14.setBorder(true);
    focusSelected(txt14);
    prog_.Form4().Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

void Form3::opt8_Click() {
    txt14.setBorder(false);
    txt14.setText("0");
    prog_.Form4().Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

void Form3::cbo1_Click() {
    prog_.Form4().Hihyouji_1();
}

void Form3::cbo2_Click() {
    prog_.Form4().Hihyouji_1();
}

void Form3::cbo1_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;
    focusSelected(txt8);
    prog_.Form4().Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

void Form3::cbo2_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;
    focusSelected(txt14);
    prog_.Form4().Hihyouji_1();
    prog_.Form7().Hihyouji_3();
}

bool Form3::refuse(const char* message, platform::Control& focus) {
    platform::errorMessage(message);
    focusAtStart(focus);
    return false;
}

void Form3::cmd3_Click() {
    // The design data are refreshed even when a check below fails; a number beyond the single range
    // stops the command before any check, with the design data as they were.
    if (auto status = HENSUU(); !status) {
        platform::errorMessage(status.fault().message);
        return;
    }
    auto& d = prog_.d;
    if (txt1.text().empty()) return (void)refuse("築造地を入力してください。", txt1);
    if (!opt_T.value() && !opt_D.value())
        return (void)refuse("材料の許容応力度の計算方法を選択してください。", opt_T);
    if (txt2.text().empty()) return (void)refuse("コンクリートの設計基準強度を入力してください。", txt2);
    if (opt_D.value() && d.Sigma28 < 21)
        return (void)refuse("コンクリートの設計基準強度を21N/mm2以上にしてください。", txt2);
    if (txt3.text().empty()) return (void)refuse("鉄筋の許容引張応力度を入力してください。", txt3);
    if (txt4.text().empty()) return (void)refuse("許容地耐力度を入力してください。", txt4);
    if (txt5.text().empty()) return (void)refuse("土の単位体積重量を入力してください。", txt5);
    if (txt6.text().empty()) return (void)refuse("鉄筋コンクリートの単位体積重量を入力してください。", txt6);
    if (cbo1.text().empty()) return (void)refuse("土質を入力してください。", cbo1);
    if (txt8.text().empty())
        return (void)refuse(
            opt_D.value() ? "せん断抵抗角を入力してください。" : "内部摩擦角を入力してください。", txt8);
    if (txt10.text().empty()) return (void)refuse("壁背面と土との間の壁面摩擦角を入力してください。", txt10);
    if (cbo2.text().empty()) return (void)refuse("土質を入力してください。", cbo2);
    if (txt14.text().empty()) {
        platform::errorMessage("土の粘着力を入力してください。");
        opt7.setValue(true);
        focusAtStart(txt14);
        return;
    }
    if (txt11.text().empty()) return (void)refuse("内部摩擦角度を入力してください。", txt11);
    if (txt9.text().empty()) {
        if (!opt5.value()) return (void)refuse("底盤の摩擦係数を入力又は計算してください。", opt5);
        return (void)refuse("底盤の摩擦係数を入力又は計算してください。", txt9);
    }
    if (opt4.value() && txt13.text().empty()) {
        // A load case restored without its short-term row would leave the focus nowhere.
        lbl46.setVisible(true);
        lbl47.setVisible(true);
        txt13.setVisible(true);
        return (void)refuse("短期の鉄筋の許容引張応力度を入力してください。", txt13);
    }
    auto& f25 = prog_.Form25();
    if (opt4.value() && !f25.opt_K1.value() && !f25.opt_K2.value() && !f25.opt_D1.value()) {
        platform::errorMessage("地震時水平荷重の計算方法を選択してください。");
        f25.showModal();
        return;
    }

    auto& f4 = prog_.Form4();
    if (f25.opt_K1.value() || f25.opt_D1.value()) {
        f4.cmd6.setEnabled(false);
        f4.opt7.setEnabled(false);
    } else if (opt3.value() || f25.opt_K2.value()) {
        f4.cmd6.setEnabled(true);
        f4.opt7.setEnabled(true);
    }
    auto& f23 = prog_.Form23();
    f23.move(0, 0);
    f23.show();
}

} // namespace conditions
