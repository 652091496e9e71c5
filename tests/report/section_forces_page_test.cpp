#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <string>
#include <variant>
#include <vector>

#include "platform/runtime.h"
#include "report/placement.h"
#include "report/sections/section_forces_page.h"
#include "sections/members.h"
#include "sections/sections_fixture.h"
#include "stability/stability_fixture.h"

namespace {

using model::DesignBasis;
using model::GroundShape;
using model::KaInput;
using model::LoadCase;
using model::SeismicMethod;
using platform::LineOp;
using platform::TextOp;
using report::SectionForcesChoices;

// A wall whose lengths are multiples of 0.09 m: with H1 + H2 = 3.0 the length scale is 0.9 m per 1000
// twips, so 0.09 m is 100 twips and X(x) = 2850 + 1111.1·x. B = 0.45 + 0.36 + 1.8 + 0.36 + 0.63 = 3.6.
// The reaction is the trapezoid of e = 0.3 under q1 = 150 (pressure scale 150·10/500 = 3 twips per
// kN/m2): Xn = (3.6/2)·(1 + 3.6/(6·0.3)) = 5.4 and V(x) = 150·(5.4 − x)/5.4.
model::DesignData wall() {
    model::DesignData d;
    d.SectionNo = "5";
    d.H1 = 2.73f;
    d.H2 = 0.27f;
    d.H4 = 1.0f;
    d.H3 = 1.73f;
    d.B_Toe = 0.45f;
    d.T_WallFront = 0.36f;
    d.T_WallFrontTop = 0.27f;
    d.Batter_FrontIn = 0.045f;
    d.Batter_FrontOut = 0.045f;
    d.B_Span = 1.8f;
    d.T_WallBack = 0.36f;
    d.T_WallBackTop = 0.27f;
    d.Batter_BackIn = 0.045f;
    d.Batter_BackOut = 0.045f;
    d.B_Heel = 0.63f;
    d.B = 3.6f;
    d.T_Slab = 0.45f;
    d.T_ToeTip = 0.36f;
    d.T_HeelTip = 0.36f;
    d.Taper_Toe = 0.09f;
    d.Taper_Heel = 0.09f;
    d.H_BackSoil = 2.28f;
    d.H_FrontSoil = 0.55f;
    d.H_CenterSoil = 0.5f;
    d.GammaS = 18;
    d.GammaC = 24.5f;
    d.q_Back = 10;
    d.q_Center = 5;
    d.q_Front = 3;
    d.e = 0.3f;
    d.Sigma_max = 150;
    d.Xn = 5.4f;
    d.VP = 150;
    d.V1 = 137.5f;  // 150·4.95/5.4
    d.V2 = 127.5f;  // 150·4.59/5.4
    d.V3 = 102.5f;  // 150·3.69/5.4
    d.V4 = 77.5f;   // 150·2.79/5.4
    d.V5 = 67.5f;   // 150·2.43/5.4
    d.VR = 50;      // 150·1.8/5.4
    d.W1 = 25.025f; // 0.5·18 + 0.45·24.5 + 5
    d.W2 = 62.065f; // 2.28·18 + 0.45·24.5 + 10
    d.W3 = 61.48f;  // 2.37·18 + 0.36·24.5 + 10
    d.W4 = 23.925f; // 0.55·18 + 0.45·24.5 + 3
    d.W5 = 23.34f;  // 0.64·18 + 0.36·24.5 + 3
    d.Phi_Back = 30;
    d.Delta = 20;
    d.Beta = 0;
    d.Theta_Rear = 2.86f;
    d.KA_Sect = 0.325f;
    return d;
}

SectionForcesChoices normal(KaInput ka = KaInput::Typed) {
    SectionForcesChoices c;
    c.loadCase = LoadCase::Normal;
    c.basis = DesignBasis::Building;
    c.shape = GroundShape::OneSided;
    c.frontSoilCounted = true;
    c.ka = ka;
    return c;
}

// The seismic case of a method, the coefficient computed.
SectionForcesChoices seismic(SeismicMethod m, DesignBasis b = DesignBasis::Building) {
    auto c = normal(KaInput::Computed);
    c.loadCase = LoadCase::Seismic;
    c.method = m;
    c.basis = b;
    return c;
}

// The wall under Kh = 0.2: θk = atan 0.2 = 11.31°.
model::DesignData seismicWall() {
    auto d = wall();
    d.Kh = 0.2f;
    d.ThetaK = 11.31f;
    return d;
}

struct Written {
    platform::RecordingSurface surface;
    const platform::Page& page() const { return surface.page(); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& op : page())
            if (const auto* t = std::get_if<TextOp>(&op)) out.push_back(t->text);
        return out;
    }
    const TextOp& text(const std::string& s) const {
        for (const auto& op : page())
            if (const auto* t = std::get_if<TextOp>(&op); t && t->text == s) return *t;
        ADD_FAILURE() << "no text " << s;
        static TextOp none;
        return none;
    }
    bool has(const std::string& s) const {
        const auto all = texts();
        return std::find(all.begin(), all.end(), s) != all.end();
    }
    std::vector<LineOp> lines() const {
        std::vector<LineOp> out;
        for (const auto& op : page())
            if (const auto* l = std::get_if<LineOp>(&op)) out.push_back(*l);
        return out;
    }
    // The running texts that start with twelve blanks (heading, contact length, reactions, loads, angles).
    std::vector<std::string> running() const {
        std::vector<std::string> out;
        for (const auto& t : texts())
            if (t.rfind("            ", 0) == 0) out.push_back(t);
        return out;
    }
};

Written write(const model::DesignData& d, const SectionForcesChoices& c) {
    Written w;
    report::writeSectionForces(w.surface, d, c);
    return w;
}

void expectAt(const TextOp& t, double x, double y, double size) {
    EXPECT_NEAR(t.x, x, 0.01) << t.text;
    EXPECT_NEAR(t.y, y, 0.01) << t.text;
    EXPECT_EQ(t.fontSize, size) << t.text;
}

TEST(SectionForcesPage, TheNormalPageOfAWallWithToeAndHeel) {
    const auto w = write(wall(), normal());
    const std::vector<std::string> expected{
        "            5－３ 断面の検討（常時）",
        "450",
        "2,730",
        "270",
        "2,280",
        "450",
        "450",
        "360",
        "1,800",
        "360",
        "630",
        "3,600",
        "W1",
        "W2",
        "W3",
        "W4",
        "W5",
        "V1",
        "V2",
        "V3",
        "V4",
        "V5",
        "VR",
        "VP",
        "            中立軸までの距離",
        "            Xn=(B/2)･[1＋{B/(6e)}]=(3.600/2)×[1＋{3.600/(6×0.300)}]=5.400m",
        "            VP=150.000kN/m2  V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  V4=77.500kN/m2",
        "            V5=67.500kN/m2  VR=50.000kN/m2",
        "            W1=(0.500×18.0)＋(0.450×24.5)＋5.00=25.025kN/m2",
        "            W2=(2.280×18.0)＋(0.450×24.5)＋10.00=62.065kN/m2",
        "            W3=(2.370×18.0)＋(0.360×24.5)＋10.00=61.480kN/m2",
        "            W4=(0.550×18.0)＋(0.450×24.5)＋3.00=23.925kN/m2",
        "            W5=(0.640×18.0)＋(0.360×24.5)＋3.00=23.340kN/m2",
        "            地表面と水平面とのなす角度    ：β=0.00ﾟ",
        "            後壁背面と鉛直面とのなす角度  ：θ=2.86ﾟ",
        "            主働土圧係数 KA=0.325", // the typed coefficient, "0.00#"
    };
    EXPECT_EQ(w.texts(), expected);

    // Five empty lines of the preview's 11.25 points (225 twips) before the heading.
    expectAt(w.text(expected[0]), 0, 5 * 225, 11.25);
    // W1 over the span centre X(1.71) = 4750, less 100; slab top Y(3 − 0.45) = 4533.33 less 25.025·3 + 200
    // puts it at 4258.26, its glyphs' box (to 0.96·225 = 216 below) within 25 of the block's top at
    // 4458.26: it rises in steps of 10 to 4458.26 − 241 or higher, 50.
    expectAt(w.text("W1"), 4650, 4533.333 - 75.075 - 200 - 50, 11.25);
    // W5 at 2550 over the toe tip's top Y(3 − 0.36) = 4633.33 would come within 25 of the extension line at
    // the slab top Y(2.55) = 4533.33 (2100 to 2750): it rises to 4533.33 − 241 or higher, 80; clearing the
    // line's end sideways would take 220.
    expectAt(w.text("W5"), 2550, 4633.333 - 70.02 - 200 - 80, 11.25);
    // V1 200 left of X(0.45) = 3350, 30 below Yb + 137.5·3 with Yb = Y(3) = 5033.33, would have the
    // reaction's closing line within 25 of its box's top (y + 9) at 20 left of it: 5483.33 − 280·300/4000 =
    // 5462.33 > 5475.83 + 9 − 25. One step lower clears it.
    expectAt(w.text("V1"), 3150, 5033.333 + 412.5 + 30 + 10, 11.25);
    expectAt(w.text("VR"), 6850, 5033.333 + 150 + 30, 11.25);
    // VP at 2650, 30 below Yb + 150·3, would reach 216 + 25 down to 5754.3, past the top of the toe tip's
    // tick at Yv + 300 = 5745.83 (Yv = Yb + V1·3), less than 20 beside it at 2850: it moves left until
    // 2850 − 20 − 225 = 2605 or less, 50.
    expectAt(w.text("VP"), 2650 - 50, 5033.333 + 450 + 30, 11.25);
    // B under the figure: Yv = Yb + V1·3 = 5445.83, B at X(1.8) − 150 and Yv + 800; H1 right of X(3.6) =
    // 6850.
    expectAt(w.text("3,600"), 4700, 5445.833 + 800, 9);
    expectAt(w.text("360"), 2850 + 500 + 200 - 100, 5445.833 + 500, 9); // front wall at X(0.18 + 0.45)
    // H1 stands beside the total height's line on its right, as H2 does, 40 clear of it, not across it.
    expectAt(w.text("2,730"), 6850 + 1350 + 40, 1700 + 300 + 1516.667 - 50, 9); // Y(1.365 + 0.27)
    expectAt(w.text(expected[24]), 0, 6900, 11);

    // Outline 14, ground 3, load blocks 9, reaction 2 + 1 + 5, dimension lines 17.
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 51u);
    // The closing line of the trapezoid from the toe tip's ordinate to the heel tip's.
    const LineOp closing = lines[26 + 2];
    EXPECT_NEAR(closing.x1, 2850, 0.01);
    EXPECT_NEAR(closing.y1, 5033.333 + 450, 0.01);
    EXPECT_NEAR(closing.x2, 6850, 0.01);
    EXPECT_NEAR(closing.y2, 5033.333 + 150, 0.01);
    // The row of B: from X(0) to X(B) at Yv + 1000.
    const LineOp rowB = lines[26 + 8 + 10];
    EXPECT_NEAR(rowB.y1, 5445.833 + 1000, 0.01);
    EXPECT_NEAR(rowB.x2, 6850, 0.01);
    EXPECT_EQ(w.surface.fontSize(), 11);
    EXPECT_EQ(w.surface.drawStyle(), platform::DrawStyle::Solid);
}

// The members present and the ground shape choose the outline, the ground, the load blocks, the ticks,
// the reaction lines and the load lines.
TEST(SectionForcesPage, ToeHeelAndGroundShape) {
    struct Case {
        const char* name;
        bool toe, heel;
        GroundShape shape;
        bool frontSoilCounted;
        std::size_t lines;
        std::vector<std::string> reactionsAndLoads;
    };
    const std::string w1 = "            W1=(0.500×18.0)＋(0.450×24.5)＋5.00=25.025kN/m2";
    const std::vector<Case> cases{
        // Outline 8 + 2 end faces, ground 3, span load 3, reaction 8, dimension lines 9 + 2 + 1 + 2 + 1.
        {"neither",
         false,
         false,
         GroundShape::OneSided,
         true,
         39,
         {"            V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  V4=77.500kN/m2  V5=67.500kN/m2",
          w1}},
        {"toe only, front soil not counted",
         true,
         false,
         GroundShape::OneSided,
         false,
         39 + 2 + 3 + 1,
         {"            VP=150.000kN/m2  V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2",
          "            V4=77.500kN/m2  V5=67.500kN/m2", w1, "            W4=(0.450×24.5)＋3.00=23.925kN/m2",
          "            W5=(0.360×24.5)＋3.00=23.340kN/m2"}},
        {"heel only",
         false,
         true,
         GroundShape::OneSided,
         true,
         39 + 2 + 3 + 1,
         {"            V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  V4=77.500kN/m2",
          "            V5=67.500kN/m2  VR=50.000kN/m2", w1,
          "            W2=(2.280×18.0)＋(0.450×24.5)＋10.00=62.065kN/m2",
          "            W3=(2.370×18.0)＋(0.360×24.5)＋10.00=61.480kN/m2"}},
        // The front ground of the two-sided shape adds three lines; W4 stands on the back soil's height.
        {"both, two-sided",
         true,
         true,
         GroundShape::TwoSided,
         false,
         51 + 3,
         {"            VP=150.000kN/m2  V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  V4=77.500kN/m2",
          "            V5=67.500kN/m2  VR=50.000kN/m2", w1,
          "            W2=(2.280×18.0)＋(0.450×24.5)＋10.00=62.065kN/m2",
          "            W3=(2.370×18.0)＋(0.360×24.5)＋10.00=61.480kN/m2",
          "            W4=(2.280×18.0)＋(0.450×24.5)＋3.00=23.925kN/m2",
          "            W5=(2.370×18.0)＋(0.360×24.5)＋3.00=23.340kN/m2"}},
    };
    for (const auto& k : cases) {
        auto d = wall();
        if (!k.toe) d.B_Toe = 0;
        if (!k.heel) d.B_Heel = 0;
        d.B = d.B_Toe + d.T_WallFront + d.B_Span + d.T_WallBack + d.B_Heel;
        auto c = normal();
        c.shape = k.shape;
        c.frontSoilCounted = k.frontSoilCounted;
        c.frontSoilOmitted = !k.frontSoilCounted;
        const auto w = write(d, c);
        EXPECT_EQ(w.lines().size(), k.lines) << k.name;
        auto running = w.running();
        // Heading, two contact-length lines, then the reactions and loads; the two angle lines and KA end it.
        ASSERT_GE(running.size(), 6u) << k.name;
        EXPECT_EQ(std::vector<std::string>(running.begin() + 3, running.end() - 3), k.reactionsAndLoads)
            << k.name;
        EXPECT_EQ(w.has("VP"), k.toe) << k.name;
        EXPECT_EQ(w.has("VR"), k.heel) << k.name;
        EXPECT_TRUE(w.has("V5")) << k.name;
    }
}

// The reaction shapes: names and ordinates only inside the contact length, the contact-length lines and
// the reaction lines by the triangle's bands.
TEST(SectionForcesPage, ReactionShapes) {
    struct Case {
        const char* name;
        void (*adjust)(model::DesignData&);
        std::vector<std::string> names;
        std::size_t diagramLines;
        std::vector<std::string> contactAndReactions;
    };
    const std::string heading = "            中立軸までの距離";
    const std::vector<Case> cases{
        // e = 0 on one-sided ground may leave Xn as the largest float: never printed, the whole base counts.
        {"uniform",
         [](model::DesignData& d) {
             d.e = 0;
             d.Xn = FLT_MAX;
             d.VP = d.V1 = d.V2 = d.V3 = d.V4 = d.V5 = d.VR = 150;
         },
         {"V"},
         3,
         {"            V=150.000kN/m2"}},
        // |e|/B = 0.6/3.6 rounds to the single of 1/6: still the trapezoid.
        {"trapezoid at B/6",
         [](model::DesignData& d) {
             d.e = 0.6f;
             d.Xn = 3.6f;
         },
         {"V1", "V2", "V3", "V4", "V5", "VR", "VP"},
         8,
         {heading, "            Xn=(B/2)･[1＋{B/(6e)}]=(3.600/2)×[1＋{3.600/(6×0.600)}]=3.600m",
          "            VP=150.000kN/m2  V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  V4=77.500kN/m2",
          "            V5=67.500kN/m2  VR=50.000kN/m2"}},
        // Xn = 3·(1.8 − 0.7) = 3.3 ≥ B − B_Heel = 2.97: the first band, in "KN/m2"; every inner point inside.
        {"triangle reaching the heel",
         [](model::DesignData& d) {
             d.e = 0.7f;
             d.Xn = 3.3f;
             d.V5 = 15;
             d.VR = 0;
         },
         {"V1", "V2", "V3", "V4", "V5", "VP"},
         7,
         {heading, "            Xn=3･{(B/2)-e}=3×{(3.600/2)-0.700}=3.300m",
          "            V1=137.500KN/m2  V2=127.500KN/m2  V3=102.500KN/m2  V4=77.500KN/m2",
          "            V5=15.000KN/m2"}},
        // Xn = 3·(1.8 − 1.2) = 1.8 lies between the span centre (1.71) and the rear wall's face (2.61):
        // V4 and V5 lie beyond the contact and are neither drawn nor named.
        {"short triangle",
         [](model::DesignData& d) {
             d.e = 1.2f;
             d.Xn = 1.8f;
         },
         {"V1", "V2", "V3", "VP"},
         5,
         {heading, "            Xn=3･{(B/2)-e}=3×{(3.600/2)-1.200}=1.800m",
          "            V1=137.500kN/m2  V2=127.500kN/m2  V3=102.500kN/m2  VP=150.000kN/m2"}},
        // Xn = 0.6 passes the toe's root (0.45) but not the front wall's inner face (0.81): the toe's two
        // values, as its member page takes them.
        {"triangle short of the front wall",
         [](model::DesignData& d) {
             d.e = 1.6f;
             d.Xn = 0.6f;
         },
         {"V1", "VP"},
         3,
         {heading, "            Xn=3･{(B/2)-e}=3×{(3.600/2)-1.600}=0.600m",
          "            V1=137.500kN/m2  VP=150.000kN/m2"}},
        // Xn = 1.8 from the heel tip: V5 at 0.63 and V4 at 0.99 lie inside, V3 at 1.89 beyond;
        // V = 150·(1.8 − u)/1.8 gives 97.5 and 67.5. The ordinate of VR, the closing line and two more.
        {"heel side outside the middle third",
         [](model::DesignData& d) {
             d.e = -1.2f;
             d.Xn = 1.8f;
             d.VR = 150;
             d.V5 = 97.5f;
             d.V4 = 67.5f;
             d.V3 = d.V2 = d.V1 = d.VP = 0;
         },
         {"V4", "V5", "VR"},
         4,
         {heading, "            Xn=3･{(B/2)-e}=3×{(3.600/2)-1.200}=1.800m", "            V4=67.500kN/m2",
          "            V5=97.500kN/m2  VR=150.000kN/m2"}},
    };
    for (const auto& k : cases) {
        auto d = wall();
        k.adjust(d);
        const auto w = write(d, normal());
        std::vector<std::string> names;
        for (const auto& t : w.texts())
            if (t.size() <= 2 && t[0] == 'V') names.push_back(t);
        EXPECT_EQ(names, k.names) << k.name;
        EXPECT_EQ(w.lines().size(), 43 + k.diagramLines) << k.name;
        const auto running = w.running();
        const auto from = running.begin() + 1;
        const auto to =
            std::find_if(from, running.end(), [](const std::string& t) { return t.find("W1=") != t.npos; });
        EXPECT_EQ(std::vector<std::string>(from, to), k.contactAndReactions) << k.name;
        for (const auto& t : w.texts())
            EXPECT_EQ(t.find("340282"), std::string::npos) << k.name << ": " << t;
    }
}

TEST(SectionForcesPage, TheDimensionRowsFollowTheHeelTipSideForANegativeEccentricity) {
    auto d = wall();
    d.e = -0.3f; // the reactions mirrored: V5 = 137.5 at the heel root
    std::swap(d.V1, d.V5);
    const auto w = write(d, normal());
    // Yv = Yb + V5·3 = 5033.33 + 412.5.
    expectAt(w.text("3,600"), 4700, 5033.333 + 412.5 + 800, 9);
}

// A part narrower than its width's number with 40 twips either side has the number in its own row on the
// second level over the part, between the reaction names (above 300 twips below their ordinate) and the
// extension lines, which then hang 300 twips lower; B stays in its own row.
TEST(SectionForcesPage, AWidthTooWideForItsPartStaysInItsRow) {
    auto d = wall();
    d.T_WallFront = 0.252f; // 280 twips between the ticks at X(0.45) = 3350 and X(0.702) = 3630
    d.T_WallFrontTop = 0.162f;
    d.B_Span = 1.908f;
    const auto w = write(d, normal());
    // "252" is 270 wide: centred over its part, (3350 + 3630 − 270)/2 = 3355, at the ordinate's level
    // Yb + V1·3 = 5445.83 plus 320; the rows hang from 5445.83 + 300, B at 800 below that.
    expectAt(w.text("252"), 3355, 5445.833 + 320, 9);
    expectAt(w.text("3,600"), 4700, 5445.833 + 300 + 800, 9);

    // A span of 0.2 (222 twips): "200" staggered the same way, centred over the span at X(0.91) − 135 =
    // 3726.1. B of 2.0 keeps its place along its row, X(1.0) − 150 = 3811.1.
    d = wall();
    d.B_Span = 0.2f;
    d.B = 2.0f;
    const auto narrow = write(d, normal());
    expectAt(narrow.text("200"), 3861.111 - 135, 5445.833 + 320, 9);
    expectAt(narrow.text("2,000"), 3961.111 - 150, 5445.833 + 300 + 800, 9);

    // Where every part holds its number the rows hang where they did: 300 below the ordinate.
    expectAt(write(wall(), normal()).text("3,600"), 4700, 5445.833 + 800, 9);
}

// Behind the centre and outside the middle third the reaction is the triangle from the heel tip over Xn:
// its ordinate at the heel tip, the closing line to B − Xn, the ordinates and names inside, and the values
// inside listed across the base, a heel's two on a line of their own. Here u is the distance from the
// heel tip and V = 150·(Xn − u)/Xn.
TEST(SectionForcesPage, TheTriangleFromTheHeelTip) {
    struct Case {
        const char* name;
        bool heel;
        float e, xn;
        std::vector<float> reactions; // VP, V1 … V5, VR
        std::vector<std::string> names, lines;
        double closingEnd; // x of B − Xn
    };
    const std::vector<Case> cases{
        // Xn = 3·(1.8 − 0.7) = 3.3 ends in the toe: u = 0.63, 0.99, 1.89, 2.79, 3.15 for V5 … V1.
        {"contact ending in the toe",
         true,
         -0.7f,
         3.3f,
         {0, 6.818f, 23.182f, 64.091f, 105, 121.364f, 150},
         {"V1", "V2", "V3", "V4", "V5", "VR"},
         {"            V1=6.818kN/m2  V2=23.182kN/m2  V3=64.091kN/m2  V4=105.000kN/m2",
          "            V5=121.364kN/m2  VR=150.000kN/m2"},
         2850 + 0.3 / 0.9 * 1000}, // X(3.6 − 3.3)
        // Without a heel B = 2.97 and Xn = 3·(1.485 − 0.885) = 1.8: u = 0, 0.36, 1.26, 2.16 for V5 … V2.
        {"no heel",
         false,
         -0.885f,
         1.8f,
         {0, 0, 0, 45, 120, 150, 150},
         {"V3", "V4", "V5"},
         {"            V3=45.000kN/m2  V4=120.000kN/m2  V5=150.000kN/m2"},
         2850 + 1.17 / 0.9 * 1000}, // X(2.97 − 1.8)
    };
    for (const auto& k : cases) {
        auto d = wall();
        if (!k.heel) {
            d.B_Heel = 0;
            d.B = 2.97f;
        }
        d.e = k.e;
        d.Xn = k.xn;
        float* v[] = {&d.VP, &d.V1, &d.V2, &d.V3, &d.V4, &d.V5, &d.VR};
        for (std::size_t i = 0; i < 7; ++i)
            *v[i] = k.reactions[i];
        const auto w = write(d, normal());
        std::vector<std::string> names;
        for (const auto& t : w.texts())
            if (t.size() <= 2 && t[0] == 'V') names.push_back(t);
        EXPECT_EQ(names, k.names) << k.name;
        const auto running = w.running();
        const auto from = std::find_if(running.begin(), running.end(),
                                       [](const std::string& t) { return t.find("m2") != t.npos; });
        EXPECT_EQ(std::vector<std::string>(from, from + static_cast<long>(k.lines.size())), k.lines)
            << k.name;
        // The ordinate of VR at X(B) from Yb = 5033.33 down 150·3, then the closing line from its end.
        const double xb = 2850 + double(d.B) / 0.9 * 1000;
        const auto lines = w.lines();
        // After the outline (8, the heel's 3 or the end face, the toe's 3), the ground's 3 and the load
        // blocks' 9 or, without the heel's, 6.
        const std::size_t first = k.heel ? 26 : 21;
        EXPECT_NEAR(lines[first].x1, xb, 0.01) << k.name;
        EXPECT_NEAR(lines[first].y2, 5033.333 + 450, 0.01) << k.name;
        EXPECT_NEAR(lines[first + 1].x1, xb, 0.01) << k.name;
        EXPECT_NEAR(lines[first + 1].x2, k.closingEnd, 0.1) << k.name;
        EXPECT_NEAR(lines[first + 1].y2, 5033.333, 0.01) << k.name;
    }
}

// The figure keeps to its room: the printable width 11338, from below the heading (7·225 = 1575 at the
// preview's 11.25 points) to 100 above the text flow at 6900. A wide wall shrinks its length scale only;
// a reaction too deep for the room shrinks the pressure scale first; a front wall above the rear one moves
// the figure down.
TEST(SectionForcesPage, TheFigureFitsItsRoom) {
    auto extent = [](const Written& w, double& top, double& bottom, double& right) {
        top = 1e9, bottom = -1e9, right = -1e9;
        for (const auto& l : w.lines())
            if (l.y1 < 6900) { // the figure's, not the coefficient's
                top = std::min({top, l.y1, l.y2});
                bottom = std::max({bottom, l.y1, l.y2});
                right = std::max({right, l.x1, l.x2});
            }
    };
    double top, bottom, right;
    {
        // A span of 9 m: B = 10.8 would reach X(B) = 14850 at 0.9 m per 1000 twips.
        auto d = wall();
        d.B_Span = 9;
        d.B = 10.8f;
        const auto w = write(d, normal());
        extent(w, top, bottom, right);
        EXPECT_LE(right, 11338);
        const auto lines = w.lines();
        const LineOp vp = lines[26], heelEnd = lines[9], rearTop = lines[3];
        EXPECT_NEAR(vp.y2 - vp.y1, 450, 0.01); // 150·3, the pressure scale kept
        EXPECT_NEAR(rearTop.y1, 1700, 0.01);
        // Heights and widths keep one scale: (Yb − 1700)/(X(B) − 2850) = 3.0/10.8.
        EXPECT_NEAR((vp.y1 - 1700) / (heelEnd.x1 - 2850), 3.0 / 10.8, 1e-4);
        // H2's number, three half-width digits of 9 points, right of the total height's line and inside.
        EXPECT_LE(w.text("270").x + 3 * 90, 11338.01);
    }
    {
        // Ten times the reactions: q1 = 1500 draws VP 1500·1500·10/7000 = 3214 twips deep at the pressure
        // bands' scale.
        auto d = wall();
        for (float* v : {&d.Sigma_max, &d.VP, &d.V1, &d.V2, &d.V3, &d.V4, &d.V5, &d.VR})
            *v *= 10;
        const auto w = write(d, normal());
        extent(w, top, bottom, right);
        EXPECT_LE(bottom, 6800);
        const auto lines = w.lines();
        EXPECT_NEAR(lines[26].y1, 5033.333, 0.01); // the length scale kept
        EXPECT_NEAR((lines[26].y2 - lines[26].y1) / (lines[27].y2 - lines[27].y1), 1500 / 500.,
                    1e-4); // VP : VR
        EXPECT_GE(lines[26].y2 - lines[26].y1, 400);
    }
    {
        // The front wall's top 3.73 m above the underside stands 0.73 m above the rear wall's.
        auto d = wall();
        d.H3 = 2.73f;
        const auto w = write(d, normal());
        extent(w, top, bottom, right);
        EXPECT_NEAR(top, 1575, 0.01);
        EXPECT_LE(bottom, 6800);
        const auto lines = w.lines();
        // Still one scale: the front wall's top line and the base underside 3.73 m apart, B = 3.6 wide.
        EXPECT_NEAR((lines[26].y1 - lines[0].y1) / (lines[9].x1 - 2850), 3.73 / 3.6, 1e-4);
    }
}

// The two scales: the length scale keeps a wall above 1 m at 1000/0.3 twips; the pressure bands of
// 100 kN/m2 divide by 100, then 500, 1000 … and go on in steps of 500 above 1000 kN/m2.
TEST(SectionForcesPage, Scales) {
    const std::vector<std::pair<float, float>> heights{{0.8f, 0.3f}, {1.0f, 0.3f}, {6.0f, 1.8f}};
    for (auto [h, scale] : heights) {
        model::DesignData d;
        d.H1 = h;
        EXPECT_FLOAT_EQ(report::sectionDrawScale(d), scale) << h;
    }
    const std::vector<std::pair<float, double>> pressures{
        {0, 0},
        {100, 10},             // 100·10/100
        {100.5f, 2.01},        // 100.5·10/500
        {200, 4},              // 200·10/500
        {250, 2.5},            // 250·10/1000
        {1000, 10000 / 4500.}, // 1000·10/4500
        {1000.5f, 2.001},      // 1000.5·10/5000
        {2500, 25000 / 12000.} // 2500·10/(500·24)
    };
    for (auto [q, scale] : pressures)
        EXPECT_NEAR(report::sectionPressureScale(q), scale, 1e-5) << q;
}

// The coefficient block: typed, Rankine, Coulomb (full and reduced) and the seismic KAE by method and
// design basis. The terms for φ 30, δ 20, θ 2.86: cos²(27.14°) = 0.7919, sin 50° = 0.7660, sin 30° =
// 0.5000, cos² 2.86° = 0.9975, cos 22.86° = 0.9215, cos 2.86° = 0.9988.
TEST(SectionForcesPage, TheSectionCoefficient) {
    struct Case {
        const char* name;
        SectionForcesChoices c;
        void (*adjust)(model::DesignData&);
        std::vector<std::string> present, absent;
        std::size_t segments;
    };
    auto keep = [](model::DesignData&) {};
    auto seismicAngles = [](model::DesignData& d) {
        d.Kh = 0.2f;
        d.Kv = 0;
        d.ThetaK = 11.31f;
        d.KA_Sect = 0.452f;
    };
    // Segments: Coulomb 3 × (4 + 3 + 3); KAE 2 bars, 2 + 2 for the radical, 3 + 3 for the brackets in
    // each of its three drawings, the reduced third one a single bar.
    const std::string coulombTitle = "主働土圧係数";
    const std::vector<Case> cases{
        {"neither option",
         [] {
             auto c = normal();
             c.ka = KaInput::None;
             return c;
         }(),
         keep,
         {},
         {"            主働土圧係数 KA=0.325", coulombTitle},
         0},
        {"Rankine",
         normal(KaInput::Computed),
         [](model::DesignData& d) {
             d.Delta = 0;
             d.Theta_Rear = 0;
             d.KA_Sect = 0.333f;
         },
         {"              主働土圧係数", "               KA=tan^2(45ﾟ-φ/2)",
          "                 =tan^2(45ﾟ-30.00ﾟ/2)", "                 =tan^2(30.00ﾟ)",
          "                 =0.333"},
         {coulombTitle},
         0},
        {"Coulomb",
         normal(KaInput::Computed),
         keep,
         {coulombTitle, "cos^2(30.00ﾟ－2.86ﾟ)", "sin(30.00ﾟ＋20.00ﾟ)×sin(30.00ﾟ－0.00ﾟ)", "0.7919",
          "0.7660×0.5000", "0.9975×0.9215×", "0.9215×0.9988", "=0.325"},
         {"地震時主働土圧係数"},
         30},
        // φ < β leaves out the root and the brackets of the third drawing.
        {"Coulomb reduced",
         normal(KaInput::Computed),
         [](model::DesignData& d) { d.Beta = 35; },
         {"=────────", "=0.325"},
         {"0.7660×0.5000"},
         20},
        // The inertia force with the normal earth pressure prints Coulomb's formula, as its value is.
        {"seismic ②",
         seismic(SeismicMethod::K2, DesignBasis::Building),
         seismicAngles,
         {coulombTitle, "=0.452"},
         {"地震時主働土圧係数"},
         30},
        {"seismic ① building",
         seismic(SeismicMethod::K1, DesignBasis::Building),
         seismicAngles,
         {"設計水平震度Kh=0.20    設計鉛直震度Kv=0.00",
          "地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ", "地震時主働土圧係数",
          "ＫAE=", "(1－0.00)×cos^2(30.00ﾟ－2.86ﾟ－11.31ﾟ)", "=0.452"},
         {coulombTitle},
         36},
        // The road basis has no CZ and Kho to show; β + θk = 36.31 > φ reduces the third drawing.
        {"seismic ③ road reduced",
         seismic(SeismicMethod::D1, DesignBasis::Road),
         [](model::DesignData& d) {
             d.Kh = 0.2f;
             d.ThetaK = 11.31f;
             d.Beta = 25;
             d.KA_Sect = 0.9f;
         },
         {"設計水平震度Kh=CZ･Kho=―×―=0.20    設計鉛直震度Kv=0.00", "=0.900"},
         {coulombTitle},
         25},
        // A normal case with a seismic method still chosen prints Coulomb's formula alone.
        {"normal case, method left on",
         [] {
             auto c = normal(KaInput::Computed);
             c.method = SeismicMethod::K1;
             return c;
         }(),
         keep,
         {coulombTitle},
         {"地震時主働土圧係数"},
         30},
    };
    for (const auto& k : cases) {
        auto d = wall();
        k.adjust(d);
        const auto w = write(d, k.c);
        for (const auto& t : k.present)
            EXPECT_TRUE(w.has(t)) << k.name << ": " << t;
        for (const auto& t : k.absent)
            EXPECT_FALSE(w.has(t)) << k.name << ": " << t;
        EXPECT_EQ(w.lines().size(), 51 + k.segments) << k.name; // the figure's 51 first
        EXPECT_EQ(w.surface.fontSize(), 11) << k.name;
    }
}

TEST(SectionForcesPage, TheSeismicFormulaIsDrawnInNinePoints) {
    const auto w = write(seismicWall(), seismic(SeismicMethod::K1));
    expectAt(w.text("ＫAE="), 950, 11320, 9);
    expectAt(w.text("地震時主働土圧係数"), 1400, 10900, 11);
    EXPECT_TRUE(w.has("            5－３ 断面の検討（地震時）"));
}

// The substituted coefficient's denominator keeps clear of its bracket "[1＋√(…)]^2" however long its
// angles print: the denominator's lead, with the "=" and the bar's left end, moves left by as much as it
// is longer than its place; texts under the root longer than the root's bar move the bracket and the
// root left too. The right bracket keeps its place, and θ = 2.86 keeps every place of the drawing.
TEST(SectionForcesPage, TheSubstitutedDenominatorClearsItsBracket) {
    struct Case {
        const char* name;
        SeismicMethod method; // K2: Coulomb's formula, K1: the seismic one
        float theta;
        double leadX, bracketX; // where the lead and "1＋" stand
    };
    // Coulomb, 11 points: "cos^2(2.86ﾟ)×cos(2.86ﾟ＋20.00ﾟ)×" is 17 ems, 3740 twips from 1700, short of the
    // bracket at 5700; each "-" adds half an em. With "-12.34" the root's denominator "cos(-12.34ﾟ＋20.00ﾟ)×
    // cos(-12.34ﾟ－0.00ﾟ)", 20.5 ems from 6400, ends at 10910, past its bar's end at 10900: the bracket goes
    // one bar character (220) left, and the lead, 19 ems ending at 5880, 400 past the bracket's new place,
    // two characters.
    // The seismic form, 9 points: "cos11.31ﾟ×cos^2(2.86ﾟ)×cos(20.00ﾟ＋2.86ﾟ＋11.31ﾟ)×" is 26.5 ems, 4770
    // twips from 1230, ending on the bracket at 6000; "-0.00" twice makes it 180 longer. With "-12.34" the
    // root's denominator, 24.5 ems from 6700, ends at 11110, 110 past its bar at 11000, and the lead, 28.5
    // ems ending at 6360, runs 470 past the bracket's new place.
    const std::vector<Case> cases{
        {"Coulomb, θ 2.86", SeismicMethod::K2, 2.86f, 1700, 5775},
        {"Coulomb, θ -0.00", SeismicMethod::K2, -1e-8f, 1700, 5775},
        {"Coulomb, θ -12.34", SeismicMethod::K2, -12.34f, 1700 - 440, 5775 - 220},
        {"seismic, θ 2.86", SeismicMethod::K1, 2.86f, 1230, 6075},
        {"seismic, θ -0.00", SeismicMethod::K1, -1e-8f, 1230 - 180, 6075},
        {"seismic, θ -12.34", SeismicMethod::K1, -12.34f, 1230 - 470, 6075 - 110},
    };
    for (const auto& k : cases) {
        auto d = seismicWall();
        d.Theta_Rear = k.theta;
        const auto w = write(d, seismic(k.method));
        const bool coulomb = k.method == SeismicMethod::K2;
        const std::string t = platform::format(k.theta, "0.00");
        const std::string leadText = coulomb ? "cos^2(" + t + "ﾟ)×cos(" + t + "ﾟ＋20.00ﾟ)×"
                                             : "cos11.31ﾟ×cos^2(" + t + "ﾟ)×cos(20.00ﾟ＋" + t + "ﾟ＋11.31ﾟ)×";
        const TextOp lead = w.text(leadText);
        const double y = coulomb ? 12100 : 12900, size = coulomb ? 11 : 9;
        expectAt(lead, k.leadX, y, size);
        const TextOp* one = nullptr;
        for (const auto& op : w.page())
            if (const auto* x = std::get_if<TextOp>(&op); x && x->text == "1＋" && x->y == y) one = x;
        ASSERT_NE(one, nullptr) << k.name;
        expectAt(*one, k.bracketX, y, size);
        // The lead ends before "1＋"; no line crosses it or the root's texts.
        const auto leadBox = report::textBox(lead.x, lead.y, lead.text, size);
        const auto oneBox = report::textBox(one->x, one->y, one->text, size);
        EXPECT_LE(leadBox.right, oneBox.left) << k.name;
        const std::string over = coulomb ? "sin(30.00ﾟ＋20.00ﾟ)×sin(30.00ﾟ－0.00ﾟ)"
                                         : "sin(30.00ﾟ－0.00ﾟ－11.31ﾟ)×sin(30.00ﾟ＋20.00ﾟ)";
        const std::string under = coulomb ? "cos(" + t + "ﾟ＋20.00ﾟ)×cos(" + t + "ﾟ－0.00ﾟ)"
                                          : "cos(20.00ﾟ＋" + t + "ﾟ＋11.31ﾟ)×cos(" + t + "ﾟ－0.00ﾟ)";
        for (const auto* x : {&lead, &w.text(over), &w.text(under)}) {
            const auto box = report::textBox(x->x, x->y, x->text, size);
            for (const auto& l : w.lines())
                EXPECT_FALSE(report::crosses(l.x1, l.y1, l.x2, l.y2, box))
                    << k.name << ": " << x->text << " / " << l.x1 << "," << l.y1 << "-" << l.x2 << ","
                    << l.y2;
        }
        // The right bracket's last stroke where the page sets it, and nothing left of the page.
        const double right = coulomb ? 10950 : 11030, bottom = coulomb ? 12550 : 13350;
        const auto lines = w.lines();
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const LineOp& l) {
            return l.x2 == right && l.y2 == bottom;
        })) << k.name;
        for (const auto& l : lines)
            EXPECT_GE(std::min(l.x1, l.x2), 0) << k.name;
    }
}

// The seismic coefficients and the composite angle stand a line of 11 points apart.
TEST(SectionForcesPage, TheSeismicCoefficientLinesStandALineApart) {
    for (DesignBasis basis : {DesignBasis::Building, DesignBasis::Road}) {
        const auto w = write(seismicWall(), seismic(SeismicMethod::D1, basis));
        expectAt(w.text(basis == DesignBasis::Road ? "設計水平震度Kh=CZ･Kho=―×―=0.20    設計鉛直震度Kv=0.00"
                                                   : "設計水平震度Kh=0.20    設計鉛直震度Kv=0.00"),
                 1400, 10100, 11);
        expectAt(w.text("地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ"), 1400, 10100 + 220, 11);
        expectAt(w.text("地震時主働土圧係数"), 1400, 10900, 11);
    }
}

// Through the section screen: the spacings typed are stored before the page is drawn, and the page
// prints the reactions the member calculation stored.
TEST(SectionForcesPage, HaikinStoresTheSpacingsAndPrintsTheStoredReactions) {
    testing_support::RecordingServices services;
    app::Program prog;
    ASSERT_NO_FATAL_FAILURE(sections_test::typicalWallLoads(prog));
    auto& f7 = prog.Form7();
    f7.txt2.setText("150");
    f7.txt5.setText("");
    f7.txt10.setText("2x");
    f7.opt2.setValue(true);
    platform::RecordingSurface s;
    ASSERT_TRUE(f7.HAIKIN(s));
    EXPECT_FLOAT_EQ(prog.d.Pitch_r2, 150);
    EXPECT_FLOAT_EQ(prog.d.Pitch_r5, 0);
    EXPECT_FLOAT_EQ(prog.d.Pitch_r10, 2);
    Written w;
    ASSERT_TRUE(f7.HAIKIN(w.surface));
    EXPECT_TRUE(w.has("            1－３ 断面の検討（常時）"));
    const std::string vp = "            VP=" + platform::format(prog.d.VP, "0.000") + "kN/m2";
    const auto running = w.running();
    EXPECT_TRUE(std::any_of(running.begin(), running.end(),
                            [&](const std::string& t) { return t.rfind(vp, 0) == 0; }));
    EXPECT_TRUE(services.messages.empty());
}

// Behind the centre and outside the middle third the page draws and lists the reactions that the member
// calculation stored for the member pages: those within Xn of the heel tip.
TEST(SectionForcesPage, HaikinShowsTheHeelSideReactionsTheMembersUse) {
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    // No toe, a heel of 2.5 m under 200 kN/m2, and KA 0.05: the resultant lies far behind the centre.
    auto& f4 = prog.Form4();
    stability_test::type({{&f4.txt12, "0"}, {&f4.txt16, "2.5"}, {&f4.txt21, "200"}, {&f4.txt11, "0.05"}});
    ASSERT_TRUE(stability_test::run(prog));
    auto& f7 = prog.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    const auto& d = prog.d;
    ASSERT_LT(d.e, 0);
    ASSERT_GT(-d.e / d.B, 1.0f / 6);
    Written w;
    ASSERT_TRUE(f7.HAIKIN(w.surface));
    // B = 0.4 + 2.2 + 0.45 + 2.5 = 5.55. Xn from the heel tip reaches past the span centre (u = 4.05) but
    // not the front wall's face (5.15): V3, V4, and the heel's V5 and VR.
    ASSERT_GE(d.Xn, 4.05f);
    ASSERT_LT(d.Xn, 5.15f);
    auto entry = [](const char* name, float v) {
        return std::string(name) + "=" + platform::format(v, "0.000") + "kN/m2";
    };
    EXPECT_TRUE(w.has("            " + entry("V3", d.V3) + "  " + entry("V4", d.V4)));
    EXPECT_TRUE(w.has("            " + entry("V5", d.V5) + "  " + entry("VR", d.VR)));
    EXPECT_FALSE(w.has("V2"));
    EXPECT_TRUE(w.has("VR"));
    EXPECT_EQ(d.V2, 0);
    EXPECT_TRUE(services.messages.empty());
}

// The toe's triangle of a reaction far above the others keeps above the dimension rows: the reaction's
// own scale shrinks while the loads keep the pressure scale.
TEST(SectionForcesPage, AReactionFarAboveTheOthersStaysAboveTheDimensionRows) {
    auto d = wall();
    // Xn = 3·(3.6/2 − 1.75) = 0.15 ends inside the toe (0.45): only VP is in contact.
    d.e = 1.75f;
    d.Xn = 0.15f;
    d.Sigma_max = d.VP = 2000;
    d.V1 = d.V2 = d.V3 = d.V4 = d.V5 = d.VR = 0;
    const auto w = write(d, normal());
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 43u + 2);
    // Pressure scale 2000·10/(500·19) = 2.10526 twips per kN/m2: W1 stands 25.025·2.10526 = 52.68 above
    // the slab top Y(2.55) = 4533.33.
    EXPECT_NEAR(lines[17].y1, 4533.333 - 52.684, 0.01);
    // At that scale VP would reach 4210.5 below Yb = 5033.33. Yv = Yb + V1·s = Yb and the ticks start at
    // Yv + 300: the ordinate ends 40 above them, 260 below Yb, and the closing line meets Yb at X(0.15) =
    // 2850 + 0.15·1111.1.
    const LineOp vp = lines[26], closing = lines[27];
    EXPECT_NEAR(vp.x1, 2850, 0.01);
    EXPECT_NEAR(vp.y1, 5033.333, 0.01);
    EXPECT_NEAR(vp.y2, 5033.333 + 260, 0.01);
    EXPECT_NEAR(closing.x2, 2850 + 166.667, 0.01);
    EXPECT_NEAR(closing.y2, 5033.333, 0.01);
    const LineOp frontTick = lines[28 + 11];
    EXPECT_NEAR(frontTick.x1, 2850, 0.01);
    EXPECT_NEAR(frontTick.y1, 5033.333 + 300, 0.01);
    EXPECT_TRUE(w.has("            VP=2000.000kN/m2"));
}

// Through the section screen, a reaction above 1000 kN/m2 whose contact ends before the toe's root: the
// page lists the reaction the toe's member page takes, VP, and no value of a point beyond the contact, and
// nothing the reaction diagram draws reaches the dimension rows.
TEST(SectionForcesPage, HaikinShowsTheToeReactionTheMemberUsesAboveTheDimensionRows) {
    testing_support::RecordingServices services;
    app::Program prog;
    stability_test::typicalWall(prog);
    auto& f4 = prog.Form4();
    stability_test::type(
        {{&f4.txt3, "3"}, {&f4.txt5, "4"}, {&f4.txt11, "1.44"}, {&f4.txt14, "1.5"}, {&f4.txt12, "0.8"}});
    ASSERT_TRUE(stability_test::run(prog));
    auto& f7 = prog.Form7();
    ASSERT_TRUE(f7.TEKKIN());
    Written w;
    ASSERT_TRUE(f7.HAIKIN(w.surface));
    const auto& d = prog.d;
    ASSERT_GT(d.Sigma_max, 1000);
    ASSERT_GT(d.e, 0);
    ASSERT_LT(d.Xn, d.B_Toe);
    const auto toe = sections::partialContact(d, model::Member::G);
    ASSERT_TRUE(toe.has_value());
    ASSERT_TRUE(toe->fromFar);
    const auto running = w.running();
    const auto xn = std::find_if(running.begin(), running.end(),
                                 [](const std::string& t) { return t.find("Xn=") != t.npos; });
    ASSERT_NE(xn, running.end());
    ASSERT_LT(xn + 1, running.end());
    EXPECT_EQ(xn[1], "            VP=" + platform::format(toe->peak, "0.000") + "kN/m2");
    EXPECT_EQ(toe->peak, d.VP);

    // Yb is the underside's extension line left of the figure, from 2100 to 2750; the first line from the
    // front end X(0) = 2850 below it is the row of the part widths, Yv + 700, so the ticks start at Yv + 300.
    const auto lines = w.lines();
    double yb = -1, row = 1e9;
    for (const auto& l : lines)
        if (l.x1 == 2100 && l.x2 == 2750) yb = l.y1;
    for (const auto& l : lines)
        if (l.x1 == 2850 && l.y1 == l.y2 && l.y1 > yb && l.y1 < 6900) row = std::min(row, l.y1);
    ASSERT_GT(yb, 0);
    ASSERT_LT(row, 1e9);
    const double ticks = row - 400;
    int below = 0;
    for (const auto& l : lines) {
        const double top = std::min(l.y1, l.y2), bottom = std::max(l.y1, l.y2);
        if (bottom <= yb + 0.01 || top >= ticks - 0.01) continue; // above Yb, or the dimension lines
        ++below;
        EXPECT_LE(bottom, ticks - report::Clearance::kGap + 0.01)
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    }
    EXPECT_EQ(below, 2); // VP's ordinate and the closing line
    EXPECT_TRUE(services.messages.empty());
}

// With lines of 300 twips the text flow (heading, two contact lines and a blank, two reaction lines and
// a blank, five load lines and a blank, two angle lines from 6900) ends at 6900 + 14·300 = 11100, 1000
// twips past the top of the coefficient drawings: they move down by that much.
TEST(SectionForcesPage, CoefficientDrawingsStayBelowATallTextFlow) {
    platform::setLineMetrics([](std::string_view, double) { return 300.0; });
    const auto w = write(wall(), normal(KaInput::Computed));
    platform::setLineMetrics(nullptr);
    expectAt(w.text("主働土圧係数"), 1200, 10100 + 1000, 11);
    expectAt(w.text("=0.325"), 1500, 13750 + 1000, 11);
    EXPECT_NEAR(w.lines().back().y2, 13700 + 1000, 0.01); // the right bracket's last stroke
}

} // namespace
