#include "conditions/form25.h"

#include "app/program.h"
#include "platform/services.h"
#include "platform/wiring.h"

namespace conditions {

Form25::Form25(app::Program& program) : Form("Form25", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
    layOut();
    platform::wire<Form25>(*this,
                           {{&cmd1.onClick, &Form25::cmd1_Click}, {&cmd2.onClick, &Form25::cmd2_Click}});
    Text1.onKeyPress = [this](int& k) {
        if (k != 13) return;
        k = 0;
        Text2.setFocus();
        Text2.selectAll();
    };
    Text2.onKeyPress = [this](int& k) {
        if (k != 13) return;
        k = 0;
        cmd1.setFocus();
    };
}

void Form25::markAllStale() {
    prog_.Form4().Hihyouji_1();
    prog_.Form4().Hihyouji_2();
    prog_.Form7().Hihyouji_3();
}

void Form25::cmd1_Click() {
    auto refuse = [](const char* message, platform::Control& focus) {
        platform::errorMessage(message);
        focus.setFocus();
        if (focus.kind() == platform::ControlKind::TextBox)
            static_cast<platform::TextBox&>(focus).setSelStart(0);
    };
    if (!opt_K1.value() && !opt_K2.value() && !opt_D1.value())
        return refuse("地震時水平荷重の計算方法を選択してください。", opt_K1);
    if (Text1.text().empty()) return refuse("水平震度を入力して下さい。", Text1);
    if (Text2.text().empty()) return refuse("鉛直震度を入力して下さい。", Text2);
    if (auto status = Jisin(); !status) {
        platform::errorMessage(status.fault().message);
        return;
    }
    hide();
    auto& f4 = prog_.Form4();
    f4.opt7.setValue(false);
    f4.opt8.setValue(false);
    f4.txt11.setText("");
    // Only method ② works with the normal-case earth pressure, whose coefficient may be typed.
    const bool typed = opt_K2.value();
    f4.cmd6.setEnabled(typed);
    f4.opt7.setEnabled(typed);
    markAllStale();
}

// Discarding the dialog discards the seismic inputs the results were computed from.
void Form25::cmd2_Click() {
    prog_.d.Kh = 0;
    prog_.d.Kv = 0;
    prog_.Form4().txt11.setText("");
    markAllStale();
    unload();
}

void Form25::Form_QueryUnload(bool& cancel) {
    (void)cancel;
    if (closingByUser()) markAllStale();
}

} // namespace conditions
