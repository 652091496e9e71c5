#include "app/program.h"
#include "platform/layout.h"
#include "stability/form19.h"

namespace stability {

void Form19::layOut() {
    setCaption("Tarvelo(Mirenda版)");
    setClientSize(6240, 6000);
    setFont(std::string(platform::kGothic), 9);
    auto label = [this](const char* text, int left, int top, int width) -> platform::Label& {
        return platform::caption(*this, text, left, top, width, 255);
    };
    lblTitle.move(240, 60, 5760, 300);
    lblTitle.setFontSize(11.25);
    lblTitle.setAlignment(platform::Alignment::Center);

    label("・突起の高さ (Ｈ0)：基礎底版 巾(B) の１０～１５％", 240, 420, 5760);
    label("Ｈ0=", 480, 720, 480);
    lbl2.move(960, 720, 720, 255);
    label("～", 1740, 720, 300);
    lbl3.move(2040, 720, 720, 255);
    label("ｍ", 2820, 720, 300);
    label("・突起の幅(Ｄ)：高さと同程度", 240, 1020, 5760);
    label("・突起の位置(B1)：基礎底版の中央部１/３の範囲内", 240, 1320, 5760);
    label("B1=", 480, 1620, 480);
    lbl4.move(960, 1620, 720, 255);
    label("～", 1740, 1620, 300);
    lbl5.move(2040, 1620, 720, 255);
    label("ｍ", 2820, 1620, 300);
    for (auto* l : {&lbl1, &lbl2, &lbl3, &lbl4, &lbl5})
        l->setAlignment(platform::Alignment::Right);

    // The base slab with the key, the passive wedge and the dimension lines.
    for (auto [x1, y1, x2, y2] : std::initializer_list<std::array<int, 4>>{
             {1560, 2400, 2580, 2400}, {2820, 2400, 3600, 2400}, {1560, 2160, 1560, 2400},
             {3600, 2160, 3600, 2400}, {2580, 2400, 2580, 2700}, {2580, 2700, 2820, 2700},
             {2820, 2700, 2820, 2400}, {2580, 2700, 2160, 2400}, {2550, 2460, 2400, 2580},
             {2490, 2520, 2460, 2460}, {2460, 2460, 2100, 2580}, {2160, 2040, 2580, 2040},
             {2160, 2040, 2160, 2280}, {2580, 2040, 2580, 2280}, {3360, 2400, 3360, 2700},
             {3360, 2700, 2940, 2700}, {1560, 3180, 2820, 3180}, {1560, 2820, 1560, 3180},
             {2580, 2820, 2580, 3180}, {2820, 2820, 2820, 3180}, {1560, 3420, 3600, 3420},
             {2160, 4140, 2160, 4500}, {2580, 4140, 2580, 4500}, {1560, 4860, 3600, 4860},
             {1560, 4140, 1560, 4860}, {3600, 4140, 3600, 4860}})
        platform::rule(*this, x1, y1, x2, y2);
    label("45 ゜＋φB/2", 1020, 2520, 1140).setWordWrap(false);
    label("L", 2280, 1830, 200);
    label("Ｈ0=", 3480, 2430, 480);
    txt1.move(3960, 2400, 720, 270);
    label("ｍ", 4740, 2430, 300);
    label("B1=", 900, 2880, 390);
    txt2.move(1290, 2880, 720, 270);
    label("ｍ", 2040, 2910, 240);
    label("Ｄ=", 2880, 2910, 390);
    txt3.move(3270, 2880, 720, 270);
    label("ｍ", 4020, 2910, 300);
    label("L", 2280, 4290, 200);
    label("B=", 3720, 4620, 360);
    lbl1.move(4080, 4620, 720, 255);
    label("ｍ", 4860, 4620, 300);
    for (auto* b : {&txt1, &txt2, &txt3})
        b->setInputMode(platform::InputMode::Off);

    chk1.move(240, 5040, 3600, 300);
    cmd1.move(2880, 5460, 1500, 405);
    cmd2.move(4500, 5460, 1500, 405);
}

} // namespace stability
