#include "stability/form4.h"

#include "app/program.h"

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
    opt5.setValue(true);
    // No results yet: a run shows the verdicts.
    for (platform::Label* l : verdictLabels())
        l->setVisible(false);
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

// Closing the screen through its frame closes the project, as "閉じる" does, after the same question.
void Form4::Form_QueryUnload(bool& cancel) {
    if (closingByUser()) prog_.MDIForm1().closeFromScreenFrame(cancel);
}

} // namespace stability
