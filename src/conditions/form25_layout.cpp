#include <string>

#include "conditions/form25.h"
#include "platform/color.h"
#include "platform/layout.h"

namespace conditions {

void Form25::layOut() {
    setClientSize(8520, 4920);
    setFont(std::string(platform::kGothic), 9);

    lblTitle.move(240, 180, 4200, 255);
    lblTitle.setFontSize(11.25);
    lblA.move(360, 600, 4200, 255);
    lblK1.move(600, 930, 300, 255);
    opt_K1.move(900, 900, 6960, 300);
    lblK2.move(600, 1290, 300, 255);
    opt_K2.move(900, 1260, 6960, 300);
    lblB.move(360, 1740, 4200, 255);
    opt_D1.move(900, 2070, 6960, 300);
    lblNote.move(360, 2520, 7800, 480);
    lblNote.setForeColor(platform::Color{255, 0, 0});

    Frame1.move(360, 3120, 5160, 1080);
    for (auto* c : {&Text1, &Text2})
        c->setContainer(Frame1);
    platform::caption(*this, "設計水平震度　Kh=", 240, 330, 2040, 255, platform::Alignment::Left, &Frame1);
    Text1.move(2340, 300, 1080, 300);
    platform::caption(*this, "設計鉛直震度　Kv=", 240, 690, 2040, 255, platform::Alignment::Left, &Frame1);
    Text2.move(2340, 660, 1080, 300);
    for (auto* c : {&Text1, &Text2})
        c->setInputMode(platform::InputMode::Off);

    cmd1.move(5880, 3360, 1200, 375);
    cmd2.move(5880, 3840, 1200, 375);

    int tab = 0;
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&opt_K1, &opt_K2, &opt_D1, &Text1, &Text2, &cmd1, &cmd2})
        c->setTabIndex(tab++);
}

} // namespace conditions
