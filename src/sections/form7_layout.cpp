#include <initializer_list>
#include <string>
#include <vector>

#include "platform/layout.h"
#include "sections/form7.h"

namespace sections {
namespace {

using platform::Alignment;
using platform::Color;
using platform::Label;

constexpr int kRowTop[8] = {1800, 2130, 2460, 2790, 3120, 3450, 3780, 4110};
constexpr Color kDarkGreen{0, 128, 0};
constexpr Color kDarkRed{192, 0, 0};

} // namespace

void Form7::layOut() {
    setClientSize(10920, 6945);
    setTitleBar(false);
    setFont(std::string(platform::kGothic), 9);

    const auto label = [this](const char* caption, int left, int top, int width, int height,
                              Alignment align = Alignment::Left) -> Label& {
        return platform::caption(*this, caption, left, top, width, height, align);
    };
    const auto line = [this](int x1, int y1, int x2, int y2, platform::Control* in = nullptr) {
        platform::rule(*this, x1, y1, x2, y2, in);
    };

    lblTitle.move(420, 180, 1380, 255);
    lblTitle.setFont(std::string(platform::kGothic), 11.25);
    lblTitle.setForeColor(kDarkGreen);

    chk_1.move(1920, 180, 2895, 255);
    lbl_1.move(1920, 480, 2040, 255);
    txt_1.move(3960, 480, 615, 270);
    lbl_2.move(4620, 510, 195, 255);

    Frame1.move(4860, 120, 5655, 675);
    Frame1.setBorder(false);
    for (auto* c :
         std::initializer_list<platform::Control*>{&Label28, &Label81, &txt_ka, &opt1, &cmd4, &opt2, &cmd5})
        c->setContainer(Frame1);
    line(30, 30, 5625, 30, &Frame1);
    line(30, 645, 5625, 645, &Frame1);
    line(30, 30, 30, 645, &Frame1);
    line(5625, 30, 5625, 645, &Frame1);
    Label28.move(150, 225, 1140, 255);
    Label81.move(1320, 225, 375, 255);
    txt_ka.move(1710, 195, 609, 285);
    txt_ka.setBorder(false);
    txt_ka.setClickHabits(false); // a plain box: it has no handlers of its own
    opt1.move(2520, 210, 255, 255);
    cmd4.move(2790, 165, 1125, 345);
    opt2.move(4020, 210, 255, 255);
    cmd5.move(4290, 165, 1125, 345);

    lblNote.move(420, 840, 3300, 255);
    lblNote.setForeColor(kDarkRed);

    // The member table: outer frame, head rule and column rules.
    line(420, 1080, 10500, 1080);
    line(420, 1620, 10500, 1620);
    line(420, 4440, 10500, 4440);
    for (int x : {420, 1440, 2520, 3720, 5040, 7140, 8040, 8970, 9900, 10500})
        line(x, 1080, x, 4440);
    line(6270, 1350, 6270, 4440); // under the spacing head only
    line(5040, 1350, 7140, 1350);
    for (int y : {2460, 3450, 3780, 4110})
        line(420, y - 30, 10500, y - 30);
    for (int i : {1, 3, 4})
        line(1440, kRowTop[i] - 30, 10500, kRowTop[i] - 30);

    label("部　分", 510, 1260, 870, 255, Alignment::Center);
    label("計算箇所", 1500, 1260, 960, 255, Alignment::Center).setFontSize(9.75);
    label("鉄筋の種類", 2580, 1260, 1095, 255, Alignment::Center);
    label("鉄筋かぶり厚", 3750, 1095, 1260, 255, Alignment::Center);
    cmd6.move(3780, 1305, 735, 345);
    cmd6.graphical = true;
    cmd6.setBackColor(Color{227, 227, 227});
    label("(mm)", 4530, 1380, 480, 225, Alignment::Center).setFontSize(8.25);
    label("鉄筋の間隔", 5070, 1140, 2040, 225, Alignment::Center);
    label("計算", 5100, 1380, 540, 225, Alignment::Center);
    label("(mm)", 5640, 1380, 570, 225, Alignment::Center).setFontSize(8.25);
    label("設計", 6300, 1380, 390, 225, Alignment::Center);
    label("(mm)", 6660, 1380, 450, 225, Alignment::Center).setFontSize(8.25);
    // Each stress head wraps into two lines of equal width ("圧  縮" over "応力度") above its unit.
    const int stressLefts[3] = {7140, 8040, 8970};
    const char* stressHeads[3] = {"圧  縮応力度", "引  張応力度", "せん断応力度"};
    const char* stressUnits[3] = {"σc(N/mm2)", "σs(N/mm2)", "τc(N/mm2)"};
    for (int i = 0; i < 3; ++i) {
        int centre = (stressLefts[i] + (i < 2 ? stressLefts[i + 1] : 9900)) / 2;
        label(stressHeads[i], centre - 285, 1095, 570, 360, Alignment::Center).setFontSize(8.25);
        auto& unit = label(stressUnits[i], centre - 450, 1440, 900, 180, Alignment::Center);
        unit.setFontSize(8.25);
        unit.setWordWrap(false);
    }
    label("判定", 9930, 1260, 540, 255, Alignment::Center);

    // Group captions.
    Label63.move(510, kRowTop[0] + 180, 870, 255);
    Label76.move(510, kRowTop[3] + 30, 870, 255);
    Label14.move(510, kRowTop[5] + 30, 870, 255);
    Label19.move(510, kRowTop[6] + 30, 870, 255);
    Label13.move(510, kRowTop[7] + 30, 870, 255);
    for (Label* l : {&Label63, &Label76, &Label14, &Label19, &Label13})
        l->setAlignment(Alignment::Center);

    Label* captions[8] = {&Label1, &Label2, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10};
    auto lists = barLists();
    auto covers = coverLabels();
    auto calculated = spacingLabels();
    auto boxes = spacingBoxes();
    for (int k = 0; k < 8; ++k) {
        int top = kRowTop[k];
        captions[k]->move(1500, top + 30, 960, 255);
        lists[static_cast<std::size_t>(k)]->move(2580, top, 1095, 300);
        covers[static_cast<std::size_t>(k)]->move(4140, top + 30, 360, 255);
        calculated[static_cast<std::size_t>(k)]->move(5190, top + 30, 900, 255);
        calculated[static_cast<std::size_t>(k)]->setOpaque(true);
        calculated[static_cast<std::size_t>(k)]->setBackColor(platform::kWhite);
        boxes[static_cast<std::size_t>(k)]->move(6330, top, 555, 285);
        boxes[static_cast<std::size_t>(k)]->setInputMode(platform::InputMode::Off);
        auto results = resultLabels(k);
        const int lefts[4] = {7230, 8130, 9060, 9990};
        const int widths[4] = {810, 810, 810, 480};
        for (int i = 0; i < 4; ++i)
            results[static_cast<std::size_t>(i)]->move(lefts[i], top + 30, widths[i], 255);
        for (Label* l : {covers[static_cast<std::size_t>(k)], calculated[static_cast<std::size_t>(k)]})
            l->setAlignment(Alignment::Center);
        for (Label* l : results)
            l->setAlignment(Alignment::Center);
    }
    txt_ka.setInputMode(platform::InputMode::Off);
    txt_1.setInputMode(platform::InputMode::Off);

    label("①主働土圧係数を入力又は計算", 420, 4800, 3600, 255);
    label("②鉄筋の種類を選択", 420, 5160, 1620, 255);
    label("（鉄筋の間隔が計算されます）", 2040, 5160, 2580, 255);
    label("③設計上の鉄筋の間隔を入力（３０cm以下）", 420, 5520, 4200, 255);
    label("④応力度計算をクリック（結果が判定されます）", 420, 5880, 4200, 255);

    cmd1.move(9060, 5760, 1470, 405);
    cmd3.move(9060, 6300, 1470, 405);

    // Wall sketch: front wall left, rear wall right, base slab with toe, heel and shear key. The
    // member letters stand inside the slab and beside the walls, clear of the outline.
    line(5910, 4740, 5910, 6120); // front wall, outer face
    line(6150, 4740, 6150, 6060); // front wall, inner face
    line(5910, 4740, 6150, 4740);
    line(6990, 4740, 6990, 6060); // rear wall, inner face
    line(7230, 4740, 7230, 6120); // rear wall, outer face
    line(6990, 4740, 7230, 4740);
    line(6150, 6060, 6990, 6060); // slab top between the walls
    line(5640, 6360, 7500, 6360); // slab underside
    line(5640, 6120, 5910, 6120); // toe top
    line(5640, 6120, 5640, 6360);
    line(7230, 6120, 7500, 6120); // heel top
    line(7500, 6120, 7500, 6360);
    line(6480, 6360, 6480, 6600); // shear key
    line(6660, 6360, 6660, 6600);
    line(6480, 6600, 6660, 6600);
    line(7230, 4920, 8280, 4920); // back ground surface
    line(6150, 5310, 6990, 5310); // central soil surface
    for (int y = 5100; y <= 6000; y += 180)
        line(7440, y, 7260, y); // earth-pressure arrows on the rear wall
    line(7440, 5100, 7440, 6000);
    platform::Line* arrows[8] = {&Line102, &Line103, &Line104, &Line105,
                                 &Line106, &Line107, &Line108, &Line109};
    for (int i = 0; i < 6; ++i)
        arrows[i]->setPoints(5700, 5040 + 180 * i, 5880, 5040 + 180 * i);
    arrows[6]->setPoints(5700, 5040, 5700, 5940);
    arrows[7]->setPoints(5880, 5940, 5760, 5880);

    label("Ａ", 6150, 5070, 240, 225);
    label("Ｂ", 5970, 5700, 240, 225);
    label("Ａ", 6780, 5070, 240, 225);
    label("Ｂ", 7050, 5700, 240, 225);
    const int slabMarks[5] = {5850, 6150, 6540, 6870, 7230};
    const char* slabNames[5] = {"Ｇ", "Ｄ", "Ｃ", "Ｅ", "Ｆ"};
    for (int i = 0; i < 5; ++i)
        label(slabNames[i], slabMarks[i], 6150, 240, 225);
    label("H", 6300, 6630, 180, 225);
    label("前面土", 4830, 5670, 600, 225);
    label("中央土", 6300, 5370, 600, 225);
    label("背面土", 7740, 5670, 600, 225);
    label("ΔPA", 7740, 5010, 450, 225);
    label("PA", 7800, 5250, 300, 225);
    label("δ", 7470, 5460, 180, 225);
    Label100.move(4980, 4980, 450, 225);
    Label101.move(5160, 5370, 300, 225);
    Label102.move(5520, 5445, 180, 225); // clear of the low front ground line, which shows at creation

    // Keyboard order.
    std::vector<platform::Control*> order{&cmd4, &cmd5, &txt_ka};
    for (auto* c : lists)
        order.push_back(c);
    order.push_back(&cmd6);
    for (auto* c : boxes)
        order.push_back(c);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&cmd1, &cmd3, &opt1, &opt2, &txt_1, &chk_1})
        order.push_back(c);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i]->setTabIndex(static_cast<int>(i));
}

} // namespace sections
