#include <vector>

#include "report/page_format.h"
#include "report/stability/stability_page_parts.h"

// The figure beside the checks: fixed coordinates in twips; the data choose only the variant. The
// labels at the right end stand inside the frame's right tick, the angle's leader stops short of its
// label.
namespace report::stability_page {

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

struct Label {
    double x, y;
    const char* text;
};

struct Drawing {
    std::vector<Segment> segments;
    std::vector<Label> labels;
};

void draw(platform::Surface& s, const Drawing& d) {
    for (const Segment& g : d.segments)
        s.line(g.x1, g.y1, g.x2, g.y2);
    for (const Label& l : d.labels)
        placeText(s, l.x, l.y, {l.text});
}

const Drawing kFrame{{{9500, 3800, 11000, 3800},
                      {9500, 3800, 9500, 3550},
                      {11000, 3800, 11000, 3550},
                      {9500, 5200, 11000, 5200},
                      {9500, 5200, 9500, 4800},
                      {11000, 5200, 11000, 4800}},
                     {{10150, 5000, "Ｂ"}}};

// Variants 1 to 5: trapezoid σmax front / back, rectangle, triangle σmax front / back.
const Drawing kPressure[5] = {
    {{{9500, 4100, 11000, 4100},
      {9500, 4100, 9500, 4600},
      {11000, 4100, 11000, 4350},
      {9500, 4600, 11000, 4350}},
     {{9000, 4250, "σmax"}, {10650, 4450, "σmin"}}},
    {{{9500, 4100, 11000, 4100},
      {9500, 4100, 9500, 4350},
      {11000, 4100, 11000, 4600},
      {9500, 4350, 11000, 4600}},
     {{10500, 4650, "σmax"}, {9000, 4150, "σmin"}}},
    {{{9500, 4100, 11000, 4100},
      {9500, 4100, 9500, 4475},
      {11000, 4100, 11000, 4475},
      {9500, 4475, 11000, 4475}},
     {{10000, 4550, "σmax"}}},
    {{{9500, 4100, 10750, 4100}, {9500, 4600, 10750, 4100}, {9500, 4100, 9500, 4600}},
     {{9000, 4350, "σmax"}}},
    {{{9500, 4100, 11000, 4100}, {11000, 4600, 11000, 4100}, {9750, 4100, 11000, 4600}},
     {{10500, 4650, "σmax"}}},
};

const Drawing kFrameWithKey{{{9500, 3800, 10250, 3800},
                             {10450, 3800, 11000, 3800},
                             {9500, 3800, 9500, 3550},
                             {11000, 3800, 11000, 3550},
                             {10250, 3800, 10250, 4050},
                             {10450, 3800, 10450, 4050},
                             {10250, 4050, 10450, 4050},
                             {10250, 4050, 9900, 3800},
                             {10800, 3800, 10800, 4050},
                             {10800, 4050, 10550, 4050},
                             {10130, 3950, 10250, 3900},
                             {10180, 3910, 10075, 3700}},
                            {{10000, 3500, "45ﾟ＋φB/2"}, {10600, 3850, "H0"}}};

const Drawing kWidthWithKey{{{9500, 5400, 11000, 5400}, {9500, 5400, 9500, 4850}, {11000, 5400, 11000, 4850}},
                            {{10150, 5230, "Ｂ"}}};

// Variants 6 to 9: the division of the base into L1, L and L2, then the pressure with σ1 and σ2.
struct KeyVariant {
    Drawing division;
    Drawing pressure;
};

const KeyVariant kKeyVariants[4] = {
    {{{{9500, 5150, 11000, 5150}, {9900, 5150, 9900, 4850}, {10250, 5150, 10250, 4850}},
      {{9600, 4980, "L1"}, {10050, 4980, "L"}, {10550, 4980, "L2"}}},
     {{{9500, 4200, 11000, 4200},
       {9500, 4200, 9500, 4700},
       {11000, 4200, 11000, 4450},
       {9500, 4700, 11000, 4450},
       {9900, 4200, 9900, 4640},
       {10250, 4200, 10250, 4590}},
      {{9000, 4350, "σmax"}, {10650, 4550, "σmin"}, {9600, 4350, "σ1"}, {10300, 4280, "σ2"}}}},
    {{{{9500, 5150, 11000, 5150}, {9900, 5150, 9900, 4850}, {10250, 5150, 10250, 4850}},
      {{9600, 4980, "L1"}, {10050, 4980, "L"}, {10550, 4980, "L2"}}},
     {{{9500, 4200, 11000, 4200},
       {9500, 4200, 9500, 4450},
       {11000, 4200, 11000, 4700},
       {9500, 4450, 11000, 4700},
       {9900, 4200, 9900, 4520},
       {10250, 4200, 10250, 4590}},
      {{10500, 4750, "σmax"}, {9000, 4250, "σmin"}, {9600, 4280, "σ1"}, {10300, 4330, "σ2"}}}},
    {{{{9500, 5150, 10750, 5150},
       {9900, 5150, 9900, 4850},
       {10250, 5150, 10250, 4850},
       {10750, 5150, 10750, 4850}},
      {{9600, 4980, "L1"}, {10050, 4980, "L"}, {10450, 4980, "L2"}}},
     {{{9500, 4300, 11000, 4300},
       {9500, 4300, 9500, 4700},
       {9500, 4700, 10750, 4300},
       {9900, 4300, 9900, 4590},
       {10250, 4300, 10250, 4490}},
      {{9000, 4450, "σmax"}, {9600, 4380, "σ1"}, {10300, 4440, "σ2"}}}},
    {{{{9750, 5150, 11000, 5150},
       {9750, 5150, 9750, 4850},
       {9900, 5150, 9900, 4850},
       {10250, 5150, 10250, 4850}},
      {{9550, 4980, "L1"}, {10050, 4980, "L"}, {10550, 4980, "L2"}}},
     {{{9500, 4300, 11000, 4300},
       {11000, 4300, 11000, 4700},
       {9750, 4300, 11000, 4700},
       {9900, 4300, 9900, 4370},
       {10250, 4300, 10250, 4490}},
      {{10500, 4750, "σmax"}, {9600, 4380, "σ1"}, {10300, 4320, "σ2"}}}},
};

} // namespace

int sketchVariant(const Page& p) {
    const float e = p.d.e;
    const bool inside = p.strictlyFullContact();
    if (!p.c.shearKey) {
        if (inside) return e > 0 ? 1 : e < 0 ? 2 : 3;
        // The triangle has no centred form; e = 0 cannot lie outside the middle third.
        return e > 0 ? 4 : 5;
    }
    if (inside) return e >= 0 ? 6 : 7;
    return e >= 0 ? 8 : 9;
}

void writeSketch(Page& p) {
    auto& s = p.s;
    s.setFontSize(kLabelSize);
    const int variant = sketchVariant(p);
    if (!p.c.shearKey) {
        draw(s, kFrame);
        draw(s, kPressure[variant - 1]);
    } else {
        draw(s, kFrameWithKey);
        draw(s, kWidthWithKey);
        draw(s, kKeyVariants[variant - 6].division);
        draw(s, kKeyVariants[variant - 6].pressure);
    }
    s.setFontSize(kTextSize);
}

} // namespace report::stability_page
