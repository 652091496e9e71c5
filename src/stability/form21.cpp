#include "stability/form21.h"

#include "app/program.h"

namespace stability {

Form21::Form21(app::Program& program) : Form("Form21", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
    opt1.setContainer(Frame1);
    opt2.setContainer(Frame1);
    opt5.setContainer(Frame3);
    opt6.setContainer(Frame3);
    Frame4.setContainer(Frame3);
    lbl1.setContainer(Frame4);
    opt7.setContainer(Frame4);
    opt8.setContainer(Frame4);
    chk1.setEnabled(false);
    lbl2.setEnabled(false);
    txt1.setEnabled(false);
    lbl3.setEnabled(false);
}

} // namespace stability
