#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "../stability/stability_fixture.h"
#include "platform/runtime.h"
#include "platform/surface.h"
#include "report/placement.h"

using namespace stability_test;
using platform::LineOp;
using platform::RecordingSurface;
using platform::TextOp;

namespace {

std::vector<TextOp> texts(const RecordingSurface& s) {
    std::vector<TextOp> out;
    for (const auto& op : s.page())
        if (auto* t = std::get_if<TextOp>(&op)) out.push_back(*t);
    return out;
}

std::vector<LineOp> lines(const RecordingSurface& s) {
    std::vector<LineOp> out;
    for (const auto& op : s.page())
        if (auto* l = std::get_if<LineOp>(&op)) out.push_back(*l);
    return out;
}

// The first text that starts with `head`, or an empty op with y −1.
TextOp find(const RecordingSurface& s, const std::string& head) {
    for (const auto& t : texts(s))
        if (t.text.rfind(head, 0) == 0) return t;
    return TextOp{0, -1, "", "", 0, {}};
}

bool has(const RecordingSurface& s, const std::string& text) {
    auto all = texts(s);
    return std::any_of(all.begin(), all.end(), [&](const TextOp& t) { return t.text == text; });
}

bool hasLine(const RecordingSurface& s, double x1, double y1, double x2, double y2) {
    auto all = lines(s);
    return std::any_of(all.begin(), all.end(),
                       [&](const LineOp& l) { return l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2; });
}

// With the fixed test metrics a line of the 11-point text is 220 twips.
constexpr double h11 = 220, h9 = 180;

// KA computed by the screen, then the engine.
bool computedRun(app::Program& p) {
    p.Form4().opt8.setValue(true);
    return p.Form3().HENSUU() && p.Form4().HENSUU() && p.Form4().KEISAN() && p.Form4().DANMEM_1();
}

class ReportPages : public StabilityTest {
protected:
    RecordingSurface page;

    void SetUp() override { page.setFontSize(11); }

    void runComputed() { ASSERT_TRUE(computedRun(prog)); }
    void runTyped() {
        f4().opt7.setValue(true);
        ASSERT_TRUE(run(prog));
    }
};

TEST_F(ReportPages, ConditionsPagePrintsTheEarthPressureMethodOfEachCase) {
    struct Case {
        const char* name;
        bool seismicCase;
        int method; // 0 none, 1 K1, 2 K2, 3 D1
        int ka;     // 0 none, 1 typed, 2 computed
        const char* heading;
        const char* methodLine; // empty: no method line
    };
    const Case cases[] = {
        {"normal computed", false, 0, 2, "            （３）土圧（常時）",
         "             　   クーロンの土圧式による。"},
        {"normal typed", false, 0, 1, "            （３）土圧（常時）", "             　   直接入力 KA=0.5"},
        {"normal no coefficient", false, 0, 0, "            （３）土圧（常時）", ""},
        {"K1", true, 1, 2, "            （３）土圧（地震時）",
         "             　   岡部･物部式による。(水平震度 Kh＝0.2)"},
        {"D1", true, 3, 1, "            （３）土圧（地震時）",
         "             　   岡部･物部式による。(水平震度 Kh＝0.2)"},
        {"K2 typed", true, 2, 1, "            （３）土圧（地震時）",
         "             　   直接入力 KA=0.5 (水平震度 Kh＝0.2)"},
        {"K2 computed", true, 2, 2, "            （３）土圧（地震時）",
         "             　   クーロンの土圧式による。(水平震度 Kh＝0.2)"},
        {"seismic without method", true, 0, 2, "", ""},
    };
    for (const auto& c : cases) {
        app::Program p;
        testing_support::RecordingServices rs;
        simpleWall(p);
        if (c.seismicCase && c.method != 0)
            seismic(p, c.method == 1 ? Method::K1 : c.method == 2 ? Method::K2 : Method::D1, "0.2");
        else if (c.seismicCase)
            p.Form3().opt4.setValue(true);
        if (c.ka == 1) p.Form4().opt7.setValue(true);
        if (c.ka == 2) p.Form4().opt8.setValue(true);
        p.Form4().txt11.setText("0.5");
        ASSERT_TRUE(p.Form3().HENSUU());
        ASSERT_TRUE(p.Form4().HENSUU());
        RecordingSurface s;
        s.setFontSize(11);
        p.Form3().Ippan(s);
        const auto t = texts(s);
        // Five empty lines, the title and two, item (1) in seven lines, item (2) in thirteen: item (3)
        // starts on line 28 (counted from 0).
        const auto item4 = find(s, "            （４）支持地盤");
        if (*c.heading == 0) {
            EXPECT_EQ(find(s, "            （３）").y, -1) << c.name;
            EXPECT_EQ(item4.y, 30 * h11) << c.name; // two empty lines only
            EXPECT_TRUE(has(s, "            （５）材料の許容応力度（地震時）")) << c.name;
            continue;
        }
        const auto head = find(s, c.heading);
        EXPECT_EQ(head.y, 28 * h11) << c.name;
        if (*c.methodLine) {
            EXPECT_EQ(find(s, c.methodLine).y, 30 * h11) << c.name;
            EXPECT_EQ(find(s, c.methodLine).text, c.methodLine) << c.name;
            EXPECT_EQ(item4.y, 33 * h11) << c.name;
        } else {
            EXPECT_EQ(item4.y, 32 * h11) << c.name; // heading, empty line, two closing lines
        }
    }
}

TEST_F(ReportPages, ConditionsPageBearingCapacityIsBareAndTheSteelGradeFollowsTheLongTermStress) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    struct Case {
        float fe, sigmaLong;
        bool seismicCase;
        const char* feLine;
        const char* steel;
    };
    const Case cases[] = {
        {97.5f, 215, false, "                 ・許容地耐力度        ：fe= 97.5 kN/m2",
         "                 ・ 鉄　筋 (SD345)"},
        {0.5f, 200, false, "                 ・許容地耐力度        ：fe= .5 kN/m2",
         "                 ・ 鉄　筋 (SD295A)"},
        {300, 200, true, "                 ・許容地耐力度        ：fe= 300 kN/m2",
         "                 ・ 鉄　筋 (SD295A)"},
    };
    for (const auto& c : cases) {
        prog.d.Fe_Long = prog.d.Fe_Short = c.fe;
        prog.d.Sigma_sa_Long = c.sigmaLong;
        prog.d.Sigma_sa_Short = 300;
        if (c.seismicCase) f3().opt4.setValue(true);
        RecordingSurface s;
        f3().Ippan(s);
        EXPECT_TRUE(has(s, c.feLine)) << c.fe;
        EXPECT_TRUE(has(s, c.steel)) << c.fe;
    }
    // μ computed from φB 30: tan 30° = 0.57735.
    f3().opt6.setValue(true);
    prog.d.Mu_Base = 0.57735f;
    RecordingSurface s;
    f3().Ippan(s);
    EXPECT_TRUE(has(s, "             　  ・底面の摩擦係数      ：μ=tan30.0°=0.577"));
    EXPECT_EQ(texts(s).back().text, "             　  ・鉄筋コンクリート    ：γc=24.0 kN/m3");
}

TEST_F(ReportPages, WallDrawingHeadScaleAndOutlineWithoutToeOrHeel) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    const auto before = prog.d;
    f4().KEIJYOU(page);
    EXPECT_EQ(texts(page)[0].text, "          § 1．ＲＣ擁壁（A）の設計");
    EXPECT_EQ(texts(page)[0].y, 5 * h11);
    EXPECT_EQ(texts(page)[1].text, "            1－１ 荷重の計算（常時）");
    EXPECT_EQ(texts(page)[1].y, 7 * h11);
    // H1 + H2 = 3.0: DrawScale 1.05, so 1 m is 952.38 twips. The back wall's top (x 2.3 to 2.6) at
    // Y = 2600; the base underside at 2600 + 3000 / 1.05 = 5457.14.
    const auto all = lines(page);
    ASSERT_GE(all.size(), 10u);
    EXPECT_NEAR(all[3].x1, 2850 + 2.3 * 1000 / 1.05, 0.01);
    EXPECT_EQ(all[3].y1, 2600);
    EXPECT_NEAR(all[7].y1, 2600 + 3000 / 1.05, 0.01);
    // No heel and no toe: rows 9' and 12' close the outline vertically at x = B and x = 0.
    EXPECT_EQ(all[8].x1, all[8].x2);
    EXPECT_NEAR(all[8].x1, 2850 + 2.6 * 1000 / 1.05, 0.01);
    EXPECT_EQ(all[9].x1, 2850);
    EXPECT_EQ(all[9].x2, 2850);
    // Dimensions in mm: the wall tops 300, the base 2,600; H3 and H4 on the left (one-sided).
    EXPECT_TRUE(has(page, "300"));
    EXPECT_TRUE(has(page, "2,600"));
    // H4 at 1400 would be crossed by its dimension line at 1600: it stands beside the line on its left, the
    // 270 twips of "400" ending 40 twips before it, 1600 − 40 − 270.
    EXPECT_EQ(find(page, "400").x, 1290);
    // No heel and a vertical earth face: no ⑦, nothing changes in the design data.
    EXPECT_FALSE(has(page, "⑦"));
    EXPECT_TRUE(has(page, "①"));
    EXPECT_TRUE(prog.d == before);
    EXPECT_EQ(find(page, "                   地表面と水平面とのなす角度 β=0ﾟ").y, 6700);
    EXPECT_TRUE(has(page, "                   粘着力０の土圧に対しては、H=Ho=2.400m"));
    EXPECT_EQ(page.fontSize(), 11);
    EXPECT_EQ(page.drawStyle(), platform::DrawStyle::Solid);
}

TEST_F(ReportPages, WallDrawingOfTheTypicalWallLabelsSurchargesAndParts) {
    typicalWall(prog);
    ASSERT_TRUE(run(prog));
    f4().KEIJYOU(page);
    // Back surcharge 10: the word 500 and the value 300 twips above the back ground line.
    const auto word = find(page, "上載荷重");
    const auto value = find(page, "10.0kN/m2");
    EXPECT_EQ(value.y - word.y, 200);
    for (const char* part : {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"})
        EXPECT_TRUE(has(page, part)) << part;
    EXPECT_TRUE(has(page, "600")); // toe
    const auto dotted = std::count_if(page.page().begin(), page.page().end(), [](const auto& op) {
        auto* l = std::get_if<LineOp>(&op);
        return l && l->style == platform::DrawStyle::Dot;
    });
    EXPECT_EQ(dotted, 6); // back end, front soil, toe, two wall bottoms, heel
}

TEST_F(ReportPages, AWallWithoutHeightAboveTheSlabDrawsWhatItCanAndPrintsDashes) {
    simpleWall(prog);
    ASSERT_TRUE(run(prog));
    // Force the zero divisors of the face points: no back or front wall above the slab.
    prog.d.H_BackSoil = prog.d.H2 = prog.d.H_FrontSoil = prog.d.H3 = 0;
    prog.d.Batter_BackIn = 0.1f; // with a batter the fill width is a quotient
    prog.d.SumW = 0;
    f4().KEIJYOU(page);
    f4().JIJYUU(page);
    for (const auto& l : lines(page)) {
        EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) && std::isfinite(l.y2));
    }
    // ΣW = 0 leaves the centroid as a dash.
    EXPECT_EQ(find(page, "重心 ｘ").text,
              "重心 ｘ=ΣW･x/ΣW=" + platform::format(platform::r3(prog.d.SumWx), "0.000") + "/0.000=―m");
}

TEST_F(ReportPages, SelfWeightInertiaColumnsFollowTheMethod) {
    struct Case {
        const char* name;
        int method; // 0 normal case, 1 K1, 2 K2, 3 D1
        bool values;
        bool yLine;
    };
    const Case cases[] = {
        {"normal", 0, false, false}, {"K1", 1, false, false}, {"K2", 2, true, true}, {"D1", 3, true, true}};
    for (const auto& c : cases) {
        app::Program p;
        testing_support::RecordingServices rs;
        typicalWall(p);
        if (c.method) seismic(p, c.method == 1 ? Method::K1 : c.method == 2 ? Method::K2 : Method::D1, "0.2");
        p.Form4().opt7.setValue(true);
        ASSERT_TRUE(run(p));
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().JIJYUU(s);
        // Row ① (text line 8650): a dash at y 8750 in the y column, or the height printed at 8400.
        EXPECT_EQ(hasLine(s, 8500, 8750, 8800, 8750), !c.values) << c.name;
        auto all = texts(s);
        const bool yPrinted = std::any_of(all.begin(), all.end(), [](auto& t) { return t.x == 8400; });
        EXPECT_EQ(yPrinted, c.values) << c.name;
        EXPECT_EQ(find(s, "　　 ｙ=ΣW･y/ΣW=").y != -1, c.yLine) << c.name;
        EXPECT_EQ(find(s, "重心 ｘ=ΣW･x/ΣW=").y, 13400) << c.name;
        // The heading of the surcharges two lines below the last centroid line.
        EXPECT_EQ(find(s, "　          ２）上載荷重").y, 13400 + (c.yLine ? 4 : 3) * h11) << c.name;
        EXPECT_EQ(s.fontSize(), 11) << c.name;
    }
}

TEST_F(ReportPages, SelfWeightRowsAndSurchargesOfTheTypicalWall) {
    typicalWall(prog);
    f4().opt7.setValue(true);
    ASSERT_TRUE(run(prog));
    f4().JIJYUU(page);
    const auto& d = prog.d;
    EXPECT_EQ(find(page, "            １）自 重").y, 7600);
    // The parts' names share a column four characters wide.
    const char* names[] = {"①前たて壁", "②後たて壁", "③ 底　版", "④かかと版",
                           "⑤つま先版", "⑥ 中央土",  "⑦ 背面土", "⑧ 前面土"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(find(page, names[k]).x, 1050) << names[k];
        EXPECT_EQ(find(page, names[k]).y, 8650 + 500 * k) << names[k];
    }
    // Row ③: B_Span × T_Slab = 2.2 × 0.45.
    EXPECT_EQ(find(page, "2.200×0.450").y, 9650);
    EXPECT_EQ(find(page, "2.200×0.450").x, 2100);
    // Heel tapered (0.45 to 0.35): the bracketed mean.
    EXPECT_TRUE(has(page, "0.500×(0.450＋0.350)/2"));
    // Total W, by its digits: ΣW ≥ 10 takes base − 100 in the three-position cell.
    const auto total = find(page, platform::format(platform::r4(d.SumW), "0.0000"));
    EXPECT_EQ(total.y, 12650);
    EXPECT_EQ(total.x, d.SumW >= 100 ? 6700 : 6800);
    // Surcharges: back 10 × wb, centre 5 × wq, front 3 × wf, each equal to the engine's load.
    EXPECT_NE(find(page, "                背面上載荷重･･･W=10.00×").y, -1);
    EXPECT_NE(find(page, "                中央上載荷重･･･W=5.00×").y, -1);
    EXPECT_NE(find(page, "                前面上載荷重･･･W=3.00×").y, -1);
    EXPECT_NE(
        find(page, "                背面上載荷重").text.find(platform::format(d.W_QBack, "0.0000") + "kN/m"),
        std::string::npos);
}

TEST_F(ReportPages, EarthPressureCoefficientForEachCase) {
    struct Case {
        const char* name;
        bool typical; // battered wall: θ ≠ 0
        int method;   // 0 normal, 1 K1, 2 K2, 3 D1
        bool typed;
        const char* marker; // a text of the branch
        double markerY;     // its y, or −2 for running text (not checked)
    };
    const Case cases[] = {
        {"typed", false, 0, true, "                主働土圧係数 KA=0.30", 7 * h11},
        {"short form", false, 0, false, "                KA=tan^2(45ﾟ-φ/2)", 8 * h11},
        {"Coulomb", true, 0, false, "KA=──────────────────────────", 1900},
        {"K2 like normal", false, 2, false, "                KA=tan^2(45ﾟ-φ/2)", 8 * h11},
        {"K1 seismic", false, 1, false, "ＫAE=", 2520},
        {"D1 seismic", true, 3, false, "ＫAE=", 2520},
        {"K1 typed", false, 1, true, "                主働土圧係数 KA=0.30", 7 * h11},
    };
    for (const auto& c : cases) {
        app::Program p;
        testing_support::RecordingServices rs;
        c.typical ? typicalWall(p) : simpleWall(p);
        if (c.method) seismic(p, c.method == 1 ? Method::K1 : c.method == 2 ? Method::K2 : Method::D1, "0.2");
        if (c.typed) {
            p.Form4().opt7.setValue(true);
            ASSERT_TRUE(run(p));
        } else {
            ASSERT_TRUE(computedRun(p));
        }
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().Doatu(s);
        EXPECT_EQ(find(s, "　          ３）擁壁に及ぼす土圧").y, 5 * h11) << c.name;
        EXPECT_EQ(find(s, c.marker).y, c.markerY) << c.name;
        EXPECT_EQ(find(s, c.marker).text, c.marker) << c.name;
        EXPECT_EQ(s.fontSize(), 11) << c.name;
        // The resultants follow: PA line and the point of action.
        EXPECT_NE(find(s, "                PA=1/2･KA･γ･H^2=1/2×").y, -1) << c.name;
        EXPECT_NE(find(s, "                  PAX：y=H/3=").y, -1) << c.name;
    }
}

TEST_F(ReportPages, SeismicBlockWithTheRoadBasisPrintsDashesForTheUnaskedFactors) {
    simpleWall(prog);
    f3().opt_D.setValue(true);
    seismic(prog, Method::K1, "0.2");
    runComputed();
    f4().Doatu(page);
    const auto line = find(page, "設計水平震度Kh=");
    EXPECT_EQ(line.text, "設計水平震度Kh=CZ･Kho=―×―=0.20    設計鉛直震度Kv=0.00");
    EXPECT_EQ(line.x, 1800);
    EXPECT_EQ(line.y, 1400);
    // θk = atan(0.2) = 11.31°.
    EXPECT_EQ(find(page, "地震合成角").text, "地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ");
    EXPECT_EQ(find(page, "ＫAE=").fontSize, 9);
    // After the full form the block ends at y 5700, then two 9-point lines; the resultants start
    // with an empty 11-point line.
    EXPECT_EQ(find(page, " 　　　　　　　 前面及び背面土による土圧").y, 5700 + 2 * h9 + h11);
}

// The substituted coefficient with θ printed "-0.00" (the rear wall's earth face leaning by 0.45 − 0.25 −
// 0.2 = −1.5e-8 m in single precision): the seismic denominator,
// "cos11.31ﾟ×cos^2(-0.00ﾟ)×cos(20.00ﾟ＋-0.00ﾟ＋ 11.31ﾟ)×", 27.5 ems of 9 points = 4950 twips from 1430, would
// run 180 past the bracket at 6200: it moves left with its "=" by that much, the bracket keeping its place.
// Coulomb's, 18 ems of 11 points from 1700, ends at 5660, short of its bracket at 5700, and keeps its place,
// as does every place of a wall whose θ prints "0.00".
TEST_F(ReportPages, TheSubstitutedDenominatorClearsItsBracket) {
    struct Case {
        const char* name;
        bool signedTheta;
        int method; // 0 normal, 1 K1
        const char* lead;
        double leadX, equalsX, y, oneX;
    };
    const Case cases[] = {
        {"K1, θ 0.00", false, 1, "cos11.31ﾟ×cos^2(0.00ﾟ)×cos(20.00ﾟ＋0.00ﾟ＋11.31ﾟ)×", 1430, 1230, 4100,
         6275},
        {"K1, θ -0.00", true, 1, "cos11.31ﾟ×cos^2(-0.00ﾟ)×cos(20.00ﾟ＋-0.00ﾟ＋11.31ﾟ)×", 1430 - 180,
         1230 - 180, 4100, 6275},
        {"normal, θ -0.00", true, 0, "cos^2(-0.00ﾟ)×cos(-0.00ﾟ＋20.00ﾟ)×", 1700, 1500, 3500, 5775},
    };
    for (const auto& c : cases) {
        app::Program p;
        testing_support::RecordingServices rs;
        typicalWall(p);
        if (c.signedTheta)
            type({{&p.Form4().txt9, "0.25"}, {&p.Form4().txt10, "0.2"}, {&p.Form4().txt15, "0.45"}});
        else
            type({{&p.Form4().txt9, "0.45"}, {&p.Form4().txt10, "0"}, {&p.Form4().txt15, "0.45"}});
        if (c.method) seismic(p, Method::K1, "0.2");
        ASSERT_TRUE(computedRun(p));
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().Doatu(s);
        const TextOp lead = find(s, c.lead);
        EXPECT_EQ(lead.text, c.lead) << c.name;
        EXPECT_EQ(lead.x, c.leadX) << c.name;
        EXPECT_EQ(lead.y, c.y) << c.name;
        bool equals = false, one = false;
        for (const auto& t : texts(s)) {
            equals =
                equals || (t.text.rfind("=", 0) == 0 && t.x == c.equalsX && t.y < c.y && t.y > c.y - 500);
            one = one || (t.text == "1＋" && t.x == c.oneX && t.y == c.y);
        }
        EXPECT_TRUE(equals) << c.name;
        EXPECT_TRUE(one) << c.name;
        const auto box = report::textBox(lead.x, lead.y, lead.text, lead.fontSize);
        EXPECT_LE(box.right, c.oneX) << c.name;
        for (const auto& l : lines(s))
            EXPECT_FALSE(report::crosses(l.x1, l.y1, l.x2, l.y2, box))
                << c.name << ": " << l.x1 << "," << l.y1 << "-" << l.x2 << "," << l.y2;
    }
}

TEST_F(ReportPages, ResultantsWithAndWithoutTheSurchargeDeduction) {
    for (bool deduct : {false, true}) {
        app::Program p;
        testing_support::RecordingServices rs;
        typicalWall(p);
        p.Form4().opt7.setValue(true);
        p.Form4().chk1.setValue(deduct ? 1 : 0);
        ASSERT_TRUE(run(p));
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().Doatu(s);
        const std::string q = deduct ? "×(10.0-5.0)×" : "×10.0×";
        EXPECT_NE(find(s, "                △PA=KA･q･H=0.297" + q).y, -1) << deduct;
        EXPECT_EQ(find(s, "               (宅造法施行令").y != -1, deduct);
    }
}

TEST_F(ReportPages, LoadSummaryOffsetAndHeadingFollowTheCoefficientAndTheCase) {
    struct Case {
        const char* name;
        bool typical;
        int method; // 0 normal, 1 K1, 2 K2, 3 D1
        bool typed;
        double headingY;
        const char* heading;
    };
    const Case cases[] = {
        {"typed", false, 0, true, 5300, "            ４）荷重の集計"},
        {"computed, all angles 0", false, 0, false, 6100, "            ４）荷重の集計"},
        {"computed, θ ≠ 0", true, 0, false, 9000, "            ４）荷重の集計"},
        {"computed seismic K1", false, 1, false, 9600, "            ４）荷重の集計（水平力＝地震時土圧）"},
        {"computed seismic K2", false, 2, false, 9600,
         "            ４）荷重の集計（水平力＝慣性力＋常時土圧）"},
        {"typed seismic D1", false, 3, true, 5300,
         "            ４）荷重の集計（水平力＝慣性力＋地震時土圧）"},
    };
    for (const auto& c : cases) {
        app::Program p;
        testing_support::RecordingServices rs;
        c.typical ? typicalWall(p) : simpleWall(p);
        if (c.method) seismic(p, c.method == 1 ? Method::K1 : c.method == 2 ? Method::K2 : Method::D1, "0.2");
        (c.typed ? p.Form4().opt7 : p.Form4().opt8).setValue(true);
        ASSERT_TRUE(p.Form3().HENSUU());
        ASSERT_TRUE(p.Form4().HENSUU());
        if (!c.typed) {
            ASSERT_TRUE(p.Form4().KEISAN());
        }
        ASSERT_TRUE(p.Form4().DANMEM_1());
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().Doatu(s);
        p.Form4().Doatu2(s);
        const double d = c.headingY - 9000;
        EXPECT_EQ(find(s, c.heading).y, c.headingY) << c.name;
        EXPECT_EQ(find(s, c.heading).text, c.heading) << c.name;
        EXPECT_TRUE(hasLine(s, 1600, 9500 + d, 10900, 9500 + d)) << c.name;
        EXPECT_TRUE(hasLine(s, 1600, 13100 + d, 10900, 13100 + d)) << c.name;
        const bool inertia = c.method == 2 || c.method == 3;
        // Self-weight H: the value Kh·ΣW in the inertia methods, else a dash at 10500.
        EXPECT_EQ(hasLine(s, 4800, 10500 + d, 5300, 10500 + d), !inertia) << c.name;
        const std::string sumH = platform::format(
            platform::r4(double(p.d.PAX) + p.d.DPAX + (inertia ? 0.2 * double(p.d.SumW) : 0)), "0.0000");
        const auto all = texts(s);
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const TextOp& t) {
            return t.text == sumH && t.y == 12800 + d;
        })) << c.name;
        EXPECT_EQ(find(s, "土圧(PA)").y, 10800 + d) << c.name;
    }
}

TEST_F(ReportPages, LoadSummaryOfTheSymmetricShapeLeavesTheEarthPressureRowsBlank) {
    simpleWall(prog);
    prog.Form23().opt2.setValue(true);
    f4().opt7.setValue(true);
    ASSERT_TRUE(run(prog));
    f4().Doatu2(page);
    EXPECT_FALSE(has(page, "土圧(PA)"));
    EXPECT_FALSE(has(page, "土圧(△PA)"));
    EXPECT_TRUE(hasLine(page, 4800, 10500 - 3700, 5300, 10500 - 3700));   // self-weight H dash
    EXPECT_TRUE(hasLine(page, 10000, 12900 - 3700, 10500, 12900 - 3700)); // ΣH·y dash
    EXPECT_EQ(texts(page).back().text, "               両面対称土圧の為、土圧によるモーメントΣＨy＝０");
    // After the ΣH·y dash ending at (10500, 9200), three empty lines.
    EXPECT_EQ(texts(page).back().y, 12900 - 3700 + 3 * h11);
}

TEST_F(ReportPages, TheBackSurchargeRowNeedsBackSoilAsTheReportPrintsIt) {
    typicalWall(prog);
    f4().opt7.setValue(true);
    f4().txt16.setText("0"); // no heel
    f4().txt10.setText("0");
    f4().txt9.setText("0.45"); // vertical earth face
    ASSERT_TRUE(run(prog));
    prog.d.A_BackSoil = 1e-8f; // a rounding remainder of the engine
    const auto before = prog.d;
    f4().Doatu2(page);
    EXPECT_TRUE(has(page, "背面上載荷重"));
    const auto all = texts(page);
    EXPECT_FALSE(std::any_of(all.begin(), all.end(), [](const TextOp& t) {
        return t.y == 11600 - 3700 && t.x >= 3300 && t.x <= 3500;
    }));
    EXPECT_TRUE(prog.d == before);
}

} // namespace

namespace {

TEST(ReportPagesGround, TheFrontGroundLineFollowsTheShapeAndTheSlabLevel) {
    struct Case {
        const char* name;
        bool twoSided;
        const char* h4;
        double x1, x2; // twips; x2 < 0: the front wall's outer face at the ground level
        double groundY;
        const char* leftHeights; // the texts at x 1400, in order
    };
    // simpleWall: H1 + H2 = 3.0, so DrawScale 1.05 and Y(y) = 2600 + (3 − y) × 1000 / 1.05; the front
    // wall's face is vertical at X(0) = 2850.
    const Case cases[] = {
        {"one-sided, ground above the slab", false, "0.6", 1300, 2850, 2600 + 2.4 * 1000 / 1.05,
         "2,400|600|"},
        {"one-sided, ground below the slab top", false, "0.2", 1300, 2850, 2600 + 2.8 * 1000 / 1.05,
         "2,800|200|"},
        {"two-sided, at the back ground's level", true, "0.4", 1600, 2850, 2600 + 0.6 * 1000 / 1.05,
         "600|2,400|"},
    };
    for (const auto& c : cases) {
        testing_support::RecordingServices rs;
        app::Program p;
        simpleWall(p);
        if (c.twoSided) p.Form23().opt2.setValue(true);
        p.Form4().txt4.setText(c.h4);
        if (!c.twoSided) p.Form4().txt3.setText(c.h4 == std::string("0.6") ? "2.4" : "2.8");
        p.Form4().opt7.setValue(true);
        ASSERT_TRUE(run(p)) << c.name;
        RecordingSurface s;
        s.setFontSize(11);
        p.Form4().KEIJYOU(s);
        const auto all = lines(s);
        const bool found = std::any_of(all.begin(), all.end(), [&](const LineOp& l) {
            return l.x1 == c.x1 && std::abs(l.x2 - c.x2) < 0.01 && std::abs(l.y1 - c.groundY) < 0.01 &&
                   l.y1 == l.y2;
        });
        EXPECT_TRUE(found) << c.name;
        // The left heights: H3 and H4 one-sided, H2 and H1 two-sided, left of their dimension line.
        std::string left;
        for (const auto& t : texts(s))
            if (t.x < 1600 && t.x + report::textWidth(t.text, t.fontSize) < 1600) left += t.text + "|";
        EXPECT_EQ(left, c.leftHeights) << c.name;
    }
}

} // namespace

namespace {

TEST_F(ReportPages, SeismicBlockDropsTheRootWhenTheSeismicAngleExceedsTheFriction) {
    simpleWall(prog);
    f3().opt_T.setValue(true);
    seismic(prog, Method::D1, "0.25");
    runComputed();
    prog.d.Phi_Back = 10; // θk = atan 0.25 = 14.04° > φ
    f4().Doatu(page);
    EXPECT_EQ(find(page, "設計水平震度Kh=").text, "設計水平震度Kh=0.25    設計鉛直震度Kv=0.00");
    EXPECT_TRUE(hasLine(page, 1380, 4900, 3380, 4900));
    std::string kaLine = "=";
    kaLine += platform::format(prog.d.KA, "0.000");
    EXPECT_EQ(find(page, kaLine).y, 5300);
    EXPECT_FALSE(hasLine(page, 4330, 5330, 5730, 5330)); // no bar under a root
    // The reduced form ends on its bar at 4900; two 9-point lines, then the resultants.
    EXPECT_EQ(find(page, " 　　　　　　　 前面及び背面土による土圧").y, 4900 + 2 * h9 + h11);
}

} // namespace
