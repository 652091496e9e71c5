#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/layout.h"
#include "stability/form4.h"

namespace stability {

using platform::Alignment;
using platform::Color;

namespace {
constexpr Color kLightCyan{192, 255, 255};
constexpr Color kLightYellow{255, 255, 192};
} // namespace

void Form4::layOut() {
    setCaption("擁壁各部の寸法 及 上載荷重の入力");
    setClientSize(11040, 7380);
    setFont(std::string(platform::kGothic), 9);

    auto label = [this](const char* text, int left, int top, int width, Alignment align = Alignment::Left,
                        platform::Control* container = nullptr) -> platform::Label& {
        return platform::caption(*this, text, left, top, width, 255, align, container);
    };

    lblTitle.move(2400, 120, 4800, 300);
    lblTitle.setFontSize(11.25);
    label("§", 120, 150, 240);
    txt1.move(360, 120, 375, 270);
    label("擁壁の記号： ", 240, 930, 1260, Alignment::Right);
    txt2.move(1500, 900, 675, 270);

    // The wall section: toe, front wall, base slab between the walls, back wall, heel.
    for (auto [x1, y1, x2, y2] :
         std::vector<std::array<int, 4>>{{1800, 4560, 1800, 4860},  // toe end
                                         {1800, 4560, 2850, 4380},  // toe top
                                         {2850, 4380, 2850, 2340},  // front wall, outer face
                                         {2850, 2340, 3150, 2340},  // front wall top
                                         {3150, 2340, 3300, 4380},  // front wall, inner face (battered)
                                         {3300, 4380, 4650, 4380},  // slab top between the walls
                                         {4650, 4380, 4800, 2340},  // back wall, inner face
                                         {4800, 2340, 5100, 2340},  // back wall top
                                         {5100, 2340, 5100, 4380},  // back wall, back face
                                         {5100, 4380, 6240, 4560},  // heel top
                                         {6240, 4560, 6240, 4860},  // heel end
                                         {1800, 4860, 6240, 4860},  // base underside
                                         {5100, 2580, 6960, 2580},  // back ground
                                         {3300, 3480, 4650, 3480}}) // central fill
        platform::rule(*this, x1, y1, x2, y2);
    // The ground in front, low or at the level of the back ground, and the front heights.
    auto ground = [this](int first, int x1, int x2, int y, int top, int left) {
        lines_.push_back(
            std::make_unique<platform::Line>(*this, "Line" + std::to_string(first), x1, y, x2, y));
        lines_.push_back(std::make_unique<platform::Line>(*this, "Line" + std::to_string(first + 1), left,
                                                          top, x2 + 30, top));
        for (int i = 0; i < 13; ++i) {
            const int x = left + 120 * i;
            lines_.push_back(std::make_unique<platform::Line>(*this, "Line" + std::to_string(first + 2 + i),
                                                              x, top, x, i % 2 ? y - 30 : y));
        }
    };
    ground(120, 720, 2850, 3960, 3780, 1290);
    ground(135, 1200, 2970, 2580, 2400, 1410);
    lines_.push_back(std::make_unique<platform::Line>(*this, "Line150", 960, 2340, 960, 4860));
    lines_.push_back(std::make_unique<platform::Line>(*this, "Line151", 960, 2340, 2580, 2340));
    lines_.push_back(std::make_unique<platform::Line>(*this, "Line152", 960, 4860, 1800, 4860));
    for (int n = 135; n <= 149; ++n)
        Line(n).setVisible(false);

    Label3.move(180, 2790, 555, 255);
    txt3.move(180, 3030, 555, 270);
    lbl5.move(735, 3060, 300, 255);
    Label4.move(180, 4140, 555, 255);
    txt4.move(180, 4380, 555, 270);
    lbl6.move(735, 4410, 300, 255);
    label("H2=", 7140, 2010, 555);
    txt6.move(7140, 2250, 555, 270);
    label("H1=", 7140, 3300, 555);
    txt5.move(7140, 3540, 555, 270);
    txt7.move(2520, 1560, 555, 270);
    txt8.move(3360, 1560, 555, 270);
    txt10.move(4110, 1560, 555, 270);
    txt9.move(4890, 1560, 555, 270);
    txt12.move(2250, 5220, 555, 270);
    txt13.move(2850, 5220, 555, 270);
    txt14.move(3750, 5220, 555, 270);
    txt15.move(4710, 5220, 555, 270);
    txt16.move(5310, 5220, 555, 270);
    txt18.move(1020, 4500, 555, 270);
    txt19.move(6300, 4500, 555, 270);
    txt17.move(3720, 4440, 555, 270);
    txt20.move(3720, 3600, 555, 270);
    txt22.move(3570, 2730, 555, 270);
    txt21.move(5760, 2040, 555, 270);
    txt23.move(1590, 3480, 555, 270);
    lbl22.move(1590, 3240, 960, 255);
    lbl23.move(2190, 3510, 600, 255);
    lbl10.move(1200, 4080, 720, 255);
    lbl45.move(6000, 2700, 720, 255);
    label(" m", 7695, 2280, 300);
    label(" m", 7695, 3570, 300);
    label("上載荷重", 5760, 1800, 960);
    label("kN/m2", 6360, 2070, 600);
    label("上載荷重", 3570, 2490, 960);
    label("kN/m2", 4170, 2760, 600);
    lbl32.move(1590, 2040, 960, 255);
    lbl33.move(1590, 2280, 555, 255);
    lbl34.move(2190, 2280, 600, 255);
    for (auto* box : {&txt12, &txt18, &txt23})
        box->setBackColor(kLightCyan);
    for (auto* box : {&txt16, &txt19})
        box->setBackColor(kLightYellow);
    for (int n = 3; n <= 23; ++n)
        box(n).setInputMode(platform::InputMode::Off);
    txt1.setInputMode(platform::InputMode::FullWidthAlpha);
    txt2.setInputMode(platform::InputMode::FullWidthAlpha);

    // The verdict block.
    lbl50.move(8400, 1680, 2400, 300);
    lbl50.setFontSize(11.25);
    lbl51.move(8160, 2100, 1800, 255);
    lbl55.move(8160, 3060, 1800, 255);
    lbl63.move(8160, 4020, 1800, 255);
    lbl71.move(8100, 2400, 675, 255);
    lbl72.move(8820, 2400, 735, 255);
    lbl73.move(9600, 2400, 1215, 255);
    lbl52.move(8100, 2700, 675, 255);
    lbl53.move(8820, 2700, 735, 255);
    lbl54.move(9600, 2700, 1215, 255);
    lbl56.move(8160, 3360, 855, 255);
    lbl57.move(9000, 3360, 1095, 255);
    lbl58.move(10080, 3360, 675, 255);
    lbl59.move(8220, 3660, 195, 255);
    lbl60.move(8340, 3660, 1095, 255);
    lbl61.move(9480, 3660, 675, 255);
    lbl62.move(10140, 3660, 615, 255);
    lbl64.move(8220, 4320, 375, 255);
    lbl65.move(8580, 4320, 795, 255);
    lbl66.move(9420, 4320, 1395, 255);
    lbl67.move(8160, 4680, 1575, 195);
    lbl68.move(8220, 4860, 375, 255);
    lbl69.move(8640, 4860, 795, 255);
    lbl70.move(9420, 4860, 1395, 255);
    // fe stands right of the comparison sign that overlaps its left edge.
    lbl60.setAlignment(Alignment::Right);

    // The earth-pressure coefficient.
    Frame4.move(8040, 5280, 2880, 1020);
    opt7.move(120, 270, 255, 255);
    cmd6.setContainer(Frame4);
    cmd6.move(390, 210, 1095, 345);
    opt8.move(120, 630, 255, 255);
    cmd7.setContainer(Frame4);
    cmd7.move(390, 570, 1095, 345);
    label("KA=", 1620, 450, 420, Alignment::Right, &Frame4);
    txt11.move(2070, 420, 690, 270);

    // Front soil, shear key and the surcharge deduction.
    Frame2.move(120, 5640, 3180, 600);
    opt3.move(120, 270, 1320, 255);
    opt4.move(1500, 270, 1620, 255);
    Frame3.move(3420, 5640, 1920, 600);
    opt5.move(120, 270, 780, 255);
    opt6.move(960, 270, 780, 255);
    cmd5.move(5460, 5790, 1380, 375);
    chk1.move(120, 6360, 4560, 300);
    cmd8.move(4740, 6330, 3060, 375);

    cmd2.move(120, 6870, 1500, 405);
    cmd4.move(3840, 6870, 1860, 405);
    cmd3.move(5820, 6870, 1860, 405);
    cmd1.move(9420, 6870, 1500, 405);

    // Tab order: the boxes as the program sets it, then the commands and the rest.
    std::vector<platform::Control*> order{&txt1,  &txt2,  &txt3,  &txt4,  &txt5,  &txt6,  &txt7,  &txt9,
                                          &txt8,  &txt10, &txt13, &txt15, &txt14, &txt12, &txt16, &txt17,
                                          &txt18, &txt19, &txt20, &txt21, &txt22, &txt23};
    for (platform::Control* c : controls())
        if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i]->setTabIndex(static_cast<int>(i));
}

} // namespace stability
