#include <initializer_list>
#include <string>

#include "conditions/form23.h"
#include "platform/layout.h"

namespace conditions {

void Form23::layOut() {
    setClientSize(11400, 6240);
    setFont(std::string(platform::kGothic), 9);

    lblTitle.move(240, 120, 4200, 330);
    lblTitle.setFontSize(14.25);

    drawPlan();
    drawSection(5280, false);
    drawSection(8100, true);
    platform::caption(*this, "中央土の土圧は、土圧の巾が狭い為、考慮していません。", 5400, 3420, 5760, 255);

    lblAsk.move(5400, 3900, 5400, 255);
    Frame1.move(5400, 4200, 5280, 780);
    for (auto* o : {&opt1, &opt2})
        o->setContainer(Frame1);
    opt1.move(240, 300, 2280, 300);
    opt2.move(2760, 300, 2400, 300);

    cmd2.move(5400, 5460, 1800, 435);
    cmd1.move(8880, 5460, 1800, 435);

    int tab = 0;
    for (platform::Control* c : std::initializer_list<platform::Control*>{&cmd1, &cmd2, &opt2, &opt1})
        c->setTabIndex(tab++);
}

// Plan of a stair (ramp) between developed land: (1) along a slope with land on one side, (2) cut
// between land on both sides.
void Form23::drawPlan() {
    platform::caption(*this, "擁壁の計算箇所", 360, 600, 2400, 255);
    // The road at the foot.
    platform::rule(*this, 360, 3240, 4920, 3240);
    platform::caption(*this, "前面道路", 1080, 3300, 1200, 255);
    platform::caption(*this, "道路等", 3840, 3300, 960, 255);
    // Ramp (1): the land falls towards the road on its open side.
    for (int x : {1320, 1380, 2040, 2100})
        platform::rule(*this, x, 1200, x, 3240);
    for (int y = 1440; y <= 3000; y += 240)
        platform::rule(*this, 1380, y, 2040, y);
    platform::caption(*this, "(1)", 1500, 900, 480, 255);
    platform::caption(*this, "造成地", 360, 1680, 840, 255);
    // Ramp (2): land at the same level on both sides.
    for (int x : {3120, 3180, 3840, 3900})
        platform::rule(*this, x, 1200, x, 3240);
    for (int y = 1440; y <= 3000; y += 240)
        platform::rule(*this, 3180, y, 3840, y);
    platform::caption(*this, "(2)", 3300, 900, 480, 255);
    platform::caption(*this, "造成地", 2220, 1680, 840, 255);
    platform::caption(*this, "造成地", 4020, 1680, 840, 255);
    platform::caption(*this, "階段", 2220, 2520, 840, 255);
    platform::caption(*this, "傾斜路", 4020, 2820, 900, 255);
    // Locations and section marks.
    platform::caption(*this, "a", 1080, 1260, 240, 255);
    platform::caption(*this, "c", 1080, 2100, 240, 255);
    platform::caption(*this, "b", 1080, 2880, 240, 255);
    platform::caption(*this, "d", 2880, 1260, 240, 255);
    platform::caption(*this, "e", 2880, 2100, 240, 255);
    auto& aa = platform::rule(*this, 1140, 2040, 2340, 2040);
    aa.setBorderStyle(platform::DrawStyle::Dash);
    platform::caption(*this, "Ａ", 2160, 2100, 240, 255);
    auto& bb = platform::rule(*this, 2940, 2400, 4140, 2400);
    bb.setBorderStyle(platform::DrawStyle::Dash);
    platform::caption(*this, "Ｂ", 3960, 2460, 240, 255);

    platform::caption(*this, "(１)", 360, 3720, 480, 255);
    platform::caption(*this, "片側土圧　階段（傾斜路）a 最上部：接地圧大", 840, 3720, 4320, 255);
    platform::caption(*this, "b 最下部：滑動大", 2880, 3990, 2280, 255);
    platform::caption(*this, "(２)", 360, 4320, 480, 255);
    platform::caption(*this, "両側土圧　階段（傾斜路）d 最上部：接地圧大", 840, 4320, 4320, 255);
    platform::caption(*this, "(１)(２)共 c e 中央部（平均）を計算する場合も有", 360, 4680, 4800, 255);
}

// A U-shaped wall in section with the earth pressure on one wall or on both.
void Form23::drawSection(int left, bool bothSides) {
    platform::caption(*this, bothSides ? "(２)両側対称土圧" : "(１)片側土圧", left, 600, 2640, 255);
    platform::caption(*this, bothSides ? "(Ｂ－Ｂ断面)" : "(Ａ－Ａ断面)", left, 870, 2640, 255);
    const int top = 1440, bottom = 2880, t = 120;
    const int w1 = left + (bothSides ? 960 : 600); // outer face of the front wall
    const int w2 = w1 + t + 1140;                  // inner face of the rear wall
    const int right = w2 + t + (bothSides ? 840 : 720);
    // Walls and base slab.
    platform::rule(*this, w1, top, w1, bottom + t);
    platform::rule(*this, w1 + t, top, w1 + t, bottom);
    platform::rule(*this, w2, top, w2, bottom);
    platform::rule(*this, w2 + t, top, w2 + t, bottom + t);
    platform::rule(*this, w1, top, w1 + t, top);
    platform::rule(*this, w2, top, w2 + t, top);
    platform::rule(*this, w1 + t, bottom, w2, bottom);
    platform::rule(*this, w1, bottom + t, w2 + t, bottom + t);
    // The central fill and the ground outside the walls.
    platform::rule(*this, w1 + t, top + 240, w2, top + 240);
    platform::caption(*this, "中央土", w1 + t + 300, 2040, 720, 255);
    platform::rule(*this, w2 + t, top, right, top);
    if (bothSides)
        platform::rule(*this, left + 450, top, w1, top);
    else
        platform::rule(*this, left + 360, bottom - 360, w1, bottom - 360);
    // Earth pressure: a triangle on the back of each loaded wall, its resultant at h/3.
    auto pressure = [this](int x, int dir) {
        platform::rule(*this, x, 1440, x + dir * 300, 2880);
        platform::rule(*this, x + dir * 300, 2880, x, 2880);
        platform::rule(*this, x + dir * 300, 2400, x + dir * 30, 2400);
        auto mark = [this, x, dir](const char* text, int offset, int y, int width) {
            auto& l =
                platform::caption(*this, text, dir > 0 ? x + offset : x - offset - width, y, width, 225);
            l.setFontSize(7.5);
        };
        mark("ΔPA", 90, 1500, 420);
        mark("PA", 180, 1920, 300);
        mark("δ", 330, 2280, 180);
    };
    pressure(w2 + t, 1);
    if (bothSides) pressure(w1, -1);
    // The height h of the walls, with the levels of the resultants.
    const int hx = left + 360;
    platform::rule(*this, hx, top, hx, bottom);
    platform::rule(*this, hx - 60, top, hx + 60, top);
    platform::rule(*this, hx - 60, bottom, hx + 60, bottom);
    auto level = [this, left](const char* text, int y) {
        platform::caption(*this, text, left, y, 330, 225).setFontSize(7.5);
    };
    level("h", 1560);
    level("h/2", 2040);
    level("h/3", 2400);
}

} // namespace conditions
