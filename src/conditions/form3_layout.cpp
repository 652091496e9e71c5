#include <algorithm>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "platform/layout.h"

namespace conditions {
namespace {
using platform::Alignment;
} // namespace

void Form3::layOut() {
    setClientSize(11400, 6945);
    setFont(std::string(platform::kGothic), 9);

    auto in = [](platform::Control& c, platform::Frame& frame) { c.setContainer(frame); };
    // A row: caption right-aligned before the box, unit after it.
    auto row = [this](const char* text, platform::Control& box, const char* unit, int x, int y, int boxLeft) {
        const platform::RowColumns columns{x, boxLeft - x - 60, boxLeft, 900, 300, boxLeft + 960, 720};
        platform::Label* captionLabel =
            text ? &platform::caption(*this, text, 0, 0, 0, 0, Alignment::Right) : nullptr;
        platform::Label* unitLabel = unit ? &platform::caption(*this, unit, 0, 0, 0, 0) : nullptr;
        platform::labelledRow(columns, y, captionLabel, box, unitLabel);
    };

    lbl28.move(240, 120, 3000, 300);
    lbl28.setFontSize(11.25);

    // Left column.
    platform::caption(*this, "・築 造 地：", 240, 570, 1080, 255);
    txt1.move(1320, 540, 3960, 300);
    txt1.setInputMode(platform::InputMode::Hiragana);
    txt1.dblClickSelStart = 30; // the site name is longer than the numbers

    Frame2.move(240, 960, 5160, 1110);
    platform::caption(*this, "・計 算 時", 120, 300, 1080, 255, Alignment::Left, &Frame2);
    for (auto* c : {static_cast<platform::Control*>(&opt3), static_cast<platform::Control*>(&cmd1),
                    static_cast<platform::Control*>(&opt4), static_cast<platform::Control*>(&cmd2),
                    static_cast<platform::Control*>(&cmd4)})
        in(*c, Frame2);
    opt3.move(1320, 270, 240, 255);
    cmd1.move(1560, 210, 1095, 375);
    opt4.move(2880, 270, 240, 255);
    cmd2.move(3120, 210, 1095, 375);
    cmd4.move(1320, 630, 3600, 375);

    platform::caption(*this, "・背 面 土", 240, 2220, 1500, 255);
    platform::caption(*this, "土質： ", 480, 2550, 1620, 255, Alignment::Right);
    cbo1.move(2160, 2520, 2340, 300);
    row("土の単位体積重量：γs=", txt5, "kN/m3", 480, 2880, 3600);
    row("地平面と水平面とのなす角度： β=", lbl19, "゜", 480, 3210, 3600);
    row("土の粘着力： Ｃ=", lbl16, "kN/m2", 480, 3540, 3600);
    lbl14.move(480, 3900, 3060, 255);
    lbl14.setAlignment(Alignment::Right);
    row(nullptr, txt8, "゜", 480, 3870, 3600);
    row("壁背面と土との間の壁面摩擦角： δ=", txt10, "゜", 480, 4200, 3600);
    platform::caption(*this, "(常時：δ≦2φ/3、地震時又は透水マット使用時：δ≦φ/2)", 480, 4560, 5040, 480);
    for (auto* l : {&lbl19, &lbl16})
        l->setAlignment(Alignment::Center);

    Frame1.move(240, 5160, 5160, 975);
    in(opt_T, Frame1);
    in(opt_D, Frame1);
    opt_T.move(240, 240, 4680, 285);
    opt_D.move(240, 570, 4680, 285);

    // Right column.
    platform::caption(*this, "・支持地盤", 5640, 570, 1500, 255);
    platform::caption(*this, "土質： ", 5880, 900, 1620, 255, Alignment::Right);
    cbo2.move(7560, 870, 2340, 300);
    lbl10.move(5880, 1260, 3540, 255);
    lbl10.setAlignment(Alignment::Right);
    row(nullptr, txt11, "゜", 5880, 1230, 9480);

    Frame3.move(5640, 1620, 5520, 660);
    platform::caption(*this, "土の粘着力：", 120, 210, 1200, 255, Alignment::Left, &Frame3);
    in(opt7, Frame3);
    in(opt8, Frame3);
    opt7.move(1320, 90, 1320, 255);
    opt8.move(1320, 360, 1320, 255);
    platform::caption(*this, "Ｃ=", 2760, 210, 480, 255, Alignment::Right, &Frame3);
    in(txt14, Frame3);
    txt14.move(3300, 180, 900, 300);
    platform::caption(*this, "kN/m2", 4260, 210, 720, 255, Alignment::Left, &Frame3);

    Frame4.move(5640, 2340, 5520, 660);
    platform::caption(*this, "底面の摩擦係数：", 120, 210, 1500, 255, Alignment::Left, &Frame4);
    in(opt5, Frame4);
    in(opt6, Frame4);
    opt5.move(1620, 90, 1140, 255);
    opt6.move(1620, 360, 1140, 255);
    platform::caption(*this, "μ=", 2760, 210, 480, 255, Alignment::Right, &Frame4);
    in(txt9, Frame4);
    txt9.move(3300, 180, 900, 300);

    row("許容地耐力度（長期）：fe=", txt4, "kN/m2", 5640, 3120, 9480);

    platform::caption(*this, "・材料の許容応力度 及び 単位重量", 5640, 3600, 4200, 255);
    row("コンクリートの設計基準強度：σ28=", txt2, "N/mm2", 5640, 3930, 9480);
    row("鉄筋コンクリートの単位体積重量：γc=", txt6, "kN/m3", 5640, 4260, 9480);
    row("鉄筋の許容引張応力度（長期）：σsa=", txt3, "N/mm2", 5640, 4590, 9480);
    lbl46.move(5640, 4950, 3780, 255);
    lbl46.setAlignment(Alignment::Right);
    txt13.move(9480, 4920, 900, 300);
    lbl47.move(10440, 4950, 720, 255);

    cmd3.move(9600, 6300, 1560, 405);

    for (platform::TextBox* box :
         {&txt2, &txt3, &txt13, &txt4, &txt5, &txt6, &txt8, &txt10, &txt11, &txt14, &txt9})
        box->setInputMode(platform::InputMode::Off);

    // Tab order: the boxes down both columns, the command, then the rest in creation order, the
    // cohesion and friction boxes after their options.
    std::vector<platform::Control*> order{&txt1, &txt2, &txt3,  &txt13, &txt4,  &txt5, &txt6,
                                          &cbo1, &txt8, &txt10, &cbo2,  &txt11, &cmd3};
    for (platform::Control* c : controls()) {
        if (c == &txt14 || c == &txt9 || std::find(order.begin(), order.end(), c) != order.end()) continue;
        order.push_back(c);
        if (c == &opt8) order.push_back(&txt14);
        if (c == &opt6) order.push_back(&txt9);
    }
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i]->setTabIndex(static_cast<int>(i));
}

} // namespace conditions
