#include "app/program.h"
#include "model/calc.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "stability/form4.h"

namespace stability {

namespace {

// The boxes from which the inclination θ of the back wall's earth face is derived.
bool feedsTheta(int n) {
    return n == 5 || n == 6 || n == 9 || n == 10 || n == 15 || n == 17;
}

bool absent(const platform::TextBox& b) {
    return b.text().empty() || b.text() == "0";
}

} // namespace

void Form4::box_GotFocus(int n) {
    box(n).selectAll();
}

void Form4::box_DblClick(int n) {
    auto& b = box(n);
    b.setSelStart(10);
    b.setSelLength(platform::charCount(b.text()));
}

void Form4::box_Click(int n) {
    box(n).selectAll();
    if (n <= 2) return;
    // θ changes, so a computed coefficient no longer fits.
    if (feedsTheta(n) && !opt7.value()) txt11.setText("");
    staleMarks();
    if (n == 12) frontSoilFrameRule(txt12, true);
}

void Form4::box_KeyPress(int n, int& keyAscii) {
    if (keyAscii == 13) {
        const auto& f23 = prog_.Form23();
        const bool oneSided = f23.opt1.value(), symmetric = f23.opt2.value();
        platform::Control* target = nullptr;
        switch (n) {
        case 1:
            target = &txt2;
            break;
        case 2:
            target = oneSided ? &txt3 : symmetric ? &txt5 : nullptr;
            break;
        case 3:
            target = &txt4;
            break;
        case 4:
            target = &txt5;
            break;
        case 5:
            target = &txt6;
            break;
        case 6:
            target = &txt7;
            break;
        case 7:
            target = &txt8;
            break;
        case 8:
            target = &txt9;
            break;
        case 9:
            target = &txt10;
            break;
        case 10:
            target = &txt13;
            break;
        case 13:
            target = &txt15;
            break;
        case 15:
            target = &txt14;
            break;
        case 14:
            target = &txt12;
            break;
        case 12:
            target = &txt16;
            break;
        case 16:
            target = &txt17;
            break;
        case 17:
            target = &txt18;
            break;
        case 18:
            target = &txt19;
            break;
        case 19:
            target = &txt20;
            break;
        case 20:
            target = &txt21;
            break;
        case 21:
            target = &txt22;
            break;
        case 22:
            target = oneSided ? &txt23 : symmetric ? static_cast<platform::Control*>(&cmd3) : nullptr;
            break;
        case 23:
            target = &cmd7;
            break;
        default:
            break;
        }
        if (target) {
            keyAscii = 0;
            target->setFocus();
            if (auto* t = dynamic_cast<platform::TextBox*>(target)) t->selectAll();
        }
    }
    if (n <= 2) return;
    // A typed character may change θ; Enter only moves on.
    if (feedsTheta(n) && !opt7.value() && keyAscii != 0) txt11.setText("");
    staleMarks();
}

// Delete, cut and paste change a value as a typed key does, without a character key.
void Form4::box_UserEdit(int n) {
    if (n <= 2) return;
    if (feedsTheta(n) && !opt7.value()) txt11.setText("");
    staleMarks();
}

// A typed coefficient replaces the one the results were computed with.
void Form4::txt11_KeyPress(int& keyAscii) {
    (void)keyAscii;
    staleMarks();
}

void Form4::frontSoilFrameRule(platform::TextBox& b, bool clearing) {
    if (!prog_.Form23().opt1.value()) return;
    if (!absent(b)) {
        Frame2.setVisible(true);
        return;
    }
    Frame2.setVisible(false);
    if (clearing) {
        opt3.setValue(false);
        opt4.setValue(false);
    }
}

// Setting a partner runs none of its handlers: the change handler is not used by these boxes.
void Form4::txt12_LostFocus() {
    frontSoilFrameRule(txt12, false);
    if (absent(txt12)) txt18.setText("0");
}

void Form4::txt18_LostFocus() {
    frontSoilFrameRule(txt18, false);
    if (absent(txt18)) txt12.setText("0");
}

void Form4::txt16_LostFocus() {
    if (absent(txt16)) txt19.setText("0");
}

void Form4::txt19_LostFocus() {
    if (absent(txt19)) txt16.setText("0");
}

// A number beyond the single range is refused here and leaves the front surcharge as it was.
void Form4::txt21_LostFocus() {
    if (!prog_.Form23().opt2.value()) return;
    auto q = model::readSingle(txt21.text(), "背面の上載荷重");
    if (!q) {
        platform::errorMessage(q.fault().message);
        return;
    }
    prog_.d.q_Front = *q;
    lbl33.setCaption(platform::numText(prog_.d.q_Front));
}

} // namespace stability
