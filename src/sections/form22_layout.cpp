#include <string>

#include "platform/layout.h"
#include "sections/form22.h"

namespace sections {

void Form22::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setFont(std::string(platform::kGothic), 9);
    setClientSize(5130, 3840);
    lbl1.move(360, 240, 4400, 255);
    lbl1.setFontSize(11.25);
    lbl2.move(360, 600, 4400, 225);
    lbl3.move(600, 870, 4000, 225);
    lbl4.move(600, 1110, 4000, 225);

    const platform::RowColumns columns{960, 1080, 2160, 735, 300, 2970, 360};
    struct Row {
        platform::Label& name;
        platform::TextBox& box;
        platform::Label& unit;
    };
    const Row rows[] = {{lbl5, txt1, lbl6},
                        {lbl9, txt3, lbl10},
                        {lbl11, txt4, lbl12},
                        {lbl13, txt5, lbl14},
                        {lbl15, txt6, lbl16}};
    int top = 1500;
    for (const Row& r : rows) {
        platform::labelledRow(columns, top, &r.name, r.box, &r.unit);
        r.box.setAlignment(platform::Alignment::Right);
        r.box.setInputMode(platform::InputMode::Off);
        top += 360;
    }
    cmd1.move(3720, 1560, 1095, 375);
    cmd1.isDefault = true;
    cmd2.move(3720, 2040, 1095, 375);
    cmd2.isCancel = true;
}

} // namespace sections
