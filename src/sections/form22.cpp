#include "sections/form22.h"

#include "app/program.h"

namespace sections {

Form22::Form22(app::Program& program) : Form("Form22", platform::FormKind::Dialog), prog_(program) {
    setCaption("Tarvelo(Mirenda版)");
    setFont(std::string(platform::kGothic), 9);
    setClientSize(5130, 3840);
    lbl1.move(360, 240, 4400, 255);
    lbl1.setFontSize(11.25);
    lbl2.move(360, 600, 4400, 225);
    lbl3.move(600, 870, 4000, 225);
    lbl4.move(600, 1110, 4000, 225);
    struct Row {
        platform::Label& name;
        platform::TextBox& box;
        platform::Label& unit;
    };
    Row rows[] = {{lbl5, txt1, lbl6},
                  {lbl9, txt3, lbl10},
                  {lbl11, txt4, lbl12},
                  {lbl13, txt5, lbl14},
                  {lbl15, txt6, lbl16}};
    int top = 1500;
    for (auto& r : rows) {
        r.name.move(960, top + 30, 1080, 255);
        r.box.move(2160, top, 735, 300);
        r.box.setAlignment(platform::Alignment::Right);
        r.box.setInputMode(platform::InputMode::Off);
        r.unit.move(2970, top + 30, 360, 255);
        top += 360;
    }
    cmd1.move(3720, 1560, 1095, 375);
    cmd1.isDefault = true;
    cmd2.move(3720, 2040, 1095, 375);
    cmd2.isCancel = true;
}

} // namespace sections
