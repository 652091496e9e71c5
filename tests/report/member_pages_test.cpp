#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "report/output/page_chain.h"
#include "report/sections/member_pages.h"

namespace {

using model::DesignBasis;
using model::GroundShape;
using model::LoadCase;
using model::Member;
using model::SeismicMethod;
using platform::TextOp;
using report::MemberPageChoices;

MemberPageChoices roadNormal() {
    MemberPageChoices c;
    c.member.loadCase = LoadCase::Normal;
    c.member.basis = DesignBasis::Road; // σsa stays as it is
    c.member.shape = GroundShape::OneSided;
    return c;
}

// Allowables and one member's section: D 40, d 30, jd 26.25 cm, M 20 kNm/m, S 30 kN/m, D16 at 200 mm.
// The check is the section screen's, run at the design spacing.
model::DesignData section(Member m, const MemberPageChoices& c = roadNormal(), const char* spacing = "200") {
    model::DesignData d;
    d.Sigma_ca = 8;
    d.Sigma_sa = 180;
    d.Sigma_sa_Long = 180;
    d.Tau_ca = 0.39f;
    d.Tau_0a = 1.6f;
    auto v = sections::memberValues(d, m);
    *v.D = 40;
    *v.Deff = 30;
    *v.J = 26.25f;
    *v.M = 2e6f;
    if (v.S) *v.S = 30000;
    *v.At = 4.232804f;             // 2000000/(100·180·26.25)
    if (v.Phi) *v.Phi = 7.142857f; // 30000/(100·1.6·26.25)
    *v.Bar = "D16";
    *v.BarArea = 1.986f;
    *v.PitchReq = 469.1925f; // 1000·1.986/4.2328
    EXPECT_TRUE(sections::checkStresses(d, m, c.member, spacing));
    return d;
}

// Member m's checked section of `section` added to d.
void addSection(model::DesignData& d, Member m) {
    model::DesignData s = section(m);
    auto from = sections::memberValues(s, m), to = sections::memberValues(d, m);
    for (auto [a, b] : {std::pair{from.D, to.D},
                        {from.Deff, to.Deff},
                        {from.J, to.J},
                        {from.M, to.M},
                        {from.S, to.S},
                        {from.BarArea, to.BarArea},
                        {from.Pitch, to.Pitch},
                        {from.P, to.P},
                        {from.K, to.K},
                        {from.Jc, to.Jc},
                        {from.SigmaC, to.SigmaC},
                        {from.SigmaS, to.SigmaS},
                        {from.TauC, to.TauC}})
        *b = *a;
    *to.Bar = *from.Bar;
}

// A written page as lines, empty lines included (the line of a text is its y over the line height), with
// the coloured lines and the beeps.
struct Written {
    platform::RecordingSurface surface;
    int beeps = 0;
    report::Beep beep = [this] { ++beeps; };

    Written() { surface.setFontSize(11); }

    std::vector<std::string> lines(platform::Color only = {1, 2, 3}) const {
        const double h = platform::lineHeight(platform::kMincho, 11);
        std::vector<std::string> out;
        for (const auto& op : surface.page()) {
            const auto* t = std::get_if<TextOp>(&op);
            if (!t) continue;
            const auto i = static_cast<std::size_t>(std::lround(t->y / h));
            if (out.size() <= i) out.resize(i + 1);
            if (only == platform::Color{1, 2, 3} || t->color == only) out[i] += t->text;
        }
        return out;
    }
    std::vector<std::string> coloured() const {
        std::vector<std::string> out;
        for (const auto& op : surface.page())
            if (const auto* t = std::get_if<TextOp>(&op); t && t->color == platform::kLightMagenta)
                out.push_back(t->text);
        return out;
    }
    std::vector<std::string> nonEmpty() const {
        auto all = lines();
        std::erase(all, "");
        return all;
    }
    bool has(const std::string& line) const {
        const auto all = lines();
        return std::find(all.begin(), all.end(), line) != all.end();
    }
    // The number of empty lines before the first text.
    std::size_t leading() const {
        const auto all = lines();
        return static_cast<std::size_t>(
            std::find_if(all.begin(), all.end(), [](auto& l) { return !l.empty(); }) - all.begin());
    }
};

void block(Written& w, const model::DesignData& d, Member m, const MemberPageChoices& c = roadNormal()) {
    report::member_pages::checkBlock(w.surface, d, m, c, w.beep);
}

// p = 993/(1000·300) = 0.00331, k = √((15p)² + 30p) − 15p = 0.26936, j = 1 − k/3 = 0.91021,
// σc = 2·2·10^7/(k·j·1000·300²) = 1.813, σs = 2·10^7/(993·j·300) = 73.759, τc = 30000/(j·1000·300) = 0.110.
TEST(MemberCheckBlock, PassingMemberPrintsEveryLineInBlack) {
    Written w;
    block(w, section(Member::B), Member::B);
    const std::vector<std::string> expected{
        "                  D=40.00cm    d=30.00cm    j=26.250cm",
        "                 at=M/(ft･j)=2000000/(18000×26.250)=4.233cm2/m",
        "                 φ=S/(fa･j)=30000/(160.00×26.250)=7.143cm/m",
        "",
        "                 配筋 D16-469@  -----> ∴ D16-200@  とする",
        "                ───────────────────────",
        "                 n=15    b=100cm",
        "                 p=As/(b･d)=993.000/(1000×300.00)=0.00331",
        "                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×0.00331＋(15×0.00331)^2}－15×0.00331=0.269",
        "                 j=1－(K/3)=1－(0.269/3)=0.910",
        "",
        "                 ・コンクリートの曲げ圧縮応力度",
        "                   σc=2M/(k･j･b･d^2)=2×20000000/(0.269×0.910×1000×300.00^2)=1.813N/mm2",
        "                                     <σca=8.0N/mm2  ∴ O.K",
        "",
        "                 ・鉄筋の引張応力度",
        "                   σs=M/(As･j･d)=20000000/(993.000×0.910×300.00)=73.759N/mm2",
        "                                 <σsa=180N/mm2  ∴ O.K",
        "",
        "                 ・コンクリートのせん断応力度",
        "                   τc=S/(b･j･d)=30000/(1000×0.910×300.00)=0.110N/mm2 <τca=0.39N/mm2  ∴ O.K",
    };
    EXPECT_EQ(w.lines(), expected);
    EXPECT_TRUE(w.coloured().empty());
    EXPECT_EQ(w.beeps, 0);
    EXPECT_EQ(w.surface.foreColor(), platform::kBlack);
}

// Allowables around the stresses: each check fails alone, all three fail, and a stress equal to its
// allowable (the unrounded stress is the one judged, as on the screen) passes.
TEST(MemberCheckBlock, ExceededStressesAreColouredWithOneBeepEach) {
    struct Case {
        const char* name;
        float sigmaCa, sigmaSa, tauCa;
        std::vector<std::string> coloured; // the headings of the failing checks
    };
    const std::string c = "                 ・コンクリートの曲げ圧縮応力度",
                      s = "                 ・鉄筋の引張応力度",
                      t = "                 ・コンクリートのせん断応力度";
    const std::vector<Case> cases{
        {"concrete", 1.8f, 180, 0.39f, {c}},
        {"steel", 8, 73.7f, 0.39f, {s}},
        {"shear", 8, 180, 0.1f, {t}},
        {"all", 1, 70, 0.1f, {c, s, t}},
    };
    for (const auto& k : cases) {
        model::DesignData d = section(Member::B);
        d.Sigma_ca = k.sigmaCa;
        d.Sigma_sa = k.sigmaSa;
        d.Tau_ca = k.tauCa;
        Written w;
        block(w, d, Member::B);
        std::vector<std::string> headings;
        for (const auto& line : w.coloured())
            if (line.find("・") != std::string::npos) headings.push_back(line);
        EXPECT_EQ(headings, k.coloured) << k.name;
        EXPECT_EQ(w.beeps, static_cast<int>(k.coloured.size())) << k.name;
        EXPECT_EQ(w.surface.foreColor(), platform::kBlack) << k.name;
    }

    model::DesignData d = section(Member::B);
    d.Sigma_ca = 1;
    Written w;
    block(w, d, Member::B);
    const std::vector<std::string> failing{
        c, "                   σc=2M/(k･j･b･d^2)=2×20000000/(0.269×0.910×1000×300.00^2)=1.813N/mm2",
        "                                     >σca=1.0N/mm2"};
    EXPECT_EQ(w.coloured(), failing);
    d = section(Member::B);
    d.Tau_ca = 0.05f;
    Written shear;
    block(shear, d, Member::B);
    EXPECT_EQ(shear.coloured().back(),
              "                   τc=S/(b･j･d)=30000/(1000×0.910×300.00)=0.110N/mm2 >τca=0.05N/mm2");
}

// The verdict is the screen's, on the unrounded stress: σs 73.7591 is over an allowable of 73.759 although
// it prints as 73.759, and a stress equal to its allowable passes.
TEST(MemberCheckBlock, TheVerdictIsJudgedOnTheUnroundedStress) {
    model::DesignData d = section(Member::B);
    d.Sigma_sa = d.SigmaS_r2; // 73.759 as stored (rounded)
    model::DesignData screen = d;
    const auto check = sections::checkStresses(screen, Member::B, roadNormal().member, "200");
    ASSERT_TRUE(check && check->overS); // 73.75912 > 73.759
    Written w;
    block(w, d, Member::B);
    EXPECT_EQ(w.beeps, 1);
    EXPECT_TRUE(w.has("                                 >σsa=74N/mm2"));

    d.Sigma_sa = check->sigmaS; // exactly the unrounded stress: passes
    Written equal;
    block(equal, d, Member::B);
    EXPECT_EQ(equal.beeps, 0);
    EXPECT_TRUE(equal.has("                                 <σsa=74N/mm2  ∴ O.K"));
}

// A negative moment and shear (a shear key beyond the compressed zone) give negative stresses:
// σc = −1.813, σs = −73.759, τc = −0.110 for the section above. Each is judged by its size against an
// allowable below, equal to and above that size; the printed stress keeps its sign.
TEST(MemberCheckBlock, ANegativeStressIsJudgedByItsSize) {
    model::DesignData negative = section(Member::B);
    negative.M_r2 = -2e6f;
    negative.S_r2 = -30000;
    model::DesignData screen = negative;
    const auto unrounded = sections::checkStresses(screen, Member::B, roadNormal().member, "200");
    ASSERT_TRUE(unrounded);
    ASSERT_TRUE(sections::checkStresses(negative, Member::B, roadNormal().member, "200"));
    ASSERT_LT(unrounded->sigmaC, 0);
    ASSERT_LT(unrounded->sigmaS, 0);
    ASSERT_LT(unrounded->tauC, 0);

    enum Stress { C, S, Tau };
    struct Case {
        const char* name;
        Stress stress;
        float allowable;
        bool exceeded;
        std::string comparison; // the comparison as printed (τc's stands on the stress's line)
    };
    const float c = std::fabs(unrounded->sigmaC), st = std::fabs(unrounded->sigmaS),
                t = std::fabs(unrounded->tauC);
    const std::vector<Case> cases{
        {"σc below", C, 1.0f, true, "                                     >σca=1.0N/mm2"},
        {"σc equal", C, c, false, "                                     <σca=1.8N/mm2  ∴ O.K"},
        {"σc above", C, 8.0f, false, "                                     <σca=8.0N/mm2  ∴ O.K"},
        {"σs below", S, 70.0f, true, "                                 >σsa=70N/mm2"},
        {"σs equal", S, st, false, "                                 <σsa=74N/mm2  ∴ O.K"},
        {"σs above", S, 180.0f, false, "                                 <σsa=180N/mm2  ∴ O.K"},
        {"τc below", Tau, 0.05f, true,
         "                   τc=S/(b･j･d)=-30000/(1000×0.910×300.00)=-0.110N/mm2 >τca=0.05N/mm2"},
        {"τc equal", Tau, t, false,
         "                   τc=S/(b･j･d)=-30000/(1000×0.910×300.00)=-0.110N/mm2 <τca=0.11N/mm2  ∴ O.K"},
        {"τc above", Tau, 0.39f, false,
         "                   τc=S/(b･j･d)=-30000/(1000×0.910×300.00)=-0.110N/mm2 <τca=0.39N/mm2  ∴ O.K"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        model::DesignData d = negative;
        d.Sigma_ca = k.stress == C ? k.allowable : 100.0f;
        d.Sigma_sa = k.stress == S ? k.allowable : 1000.0f;
        d.Tau_ca = k.stress == Tau ? k.allowable : 10.0f;
        model::DesignData w = d;
        const auto check = sections::checkStresses(w, Member::B, roadNormal().member, "200");
        ASSERT_TRUE(check);
        EXPECT_EQ(check->ng(), k.exceeded); // the screen's verdict and colours
        EXPECT_EQ((k.stress == C ? check->overC : k.stress == S ? check->overS : check->overTau), k.exceeded);

        Written page;
        block(page, d, Member::B);
        EXPECT_TRUE(page.has(k.comparison));
        EXPECT_EQ(page.beeps, k.exceeded ? 1 : 0);
        EXPECT_EQ(page.coloured().empty(), !k.exceeded);
        EXPECT_TRUE(page.has("                   σc=2M/(k･j･b･d^2)=2×-20000000/(0.269×0.910×1000×300.00^2)="
                             "-1.813N/mm2"));
        EXPECT_TRUE(
            page.has("                   σs=M/(As･j･d)=-20000000/(993.000×0.910×300.00)=-73.759N/mm2"));
    }
}

// Building basis in the normal case: σsa 195 from "D25,D29" (5.745 cm2) up, else the long-term value; the
// page works it out for its own bar and leaves the design data alone.
TEST(MemberCheckBlock, AllowedSteelStressFollowsTheBarSize) {
    MemberPageChoices building = roadNormal();
    building.member.basis = DesignBasis::Building;
    struct Case {
        float area;
        MemberPageChoices c;
        const char* at;
    };
    MemberPageChoices seismic = building;
    seismic.member.loadCase = LoadCase::Seismic;
    for (const auto& k :
         {Case{5.745f, building, "19500"}, Case{5.067f, building, "16000"}, Case{5.745f, seismic, "30000"}}) {
        model::DesignData d = section(Member::A, k.c);
        d.Sigma_sa_Long = 160;
        d.Sigma_sa = 300; // left by an earlier member
        d.BarArea_r1 = k.area;
        Written w;
        block(w, d, Member::A, k.c);
        EXPECT_NE(w.lines()[1].find(std::string("/(") + k.at + "×"), std::string::npos) << k.at;
        EXPECT_EQ(d.Sigma_sa, 300);
    }
}

// A zero design spacing (an empty box, or member A never checked): the block up to the bar line, "―"
// for what depends on the spacing, no verdict and no beep.
TEST(MemberCheckBlock, ZeroSpacingPrintsDashesAndNoVerdict) {
    model::DesignData d = section(Member::D);
    d.Pitch_r6 = 0;
    d.Sigma_ca = 0.001f; // would fail
    Written w;
    block(w, d, Member::D);
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 19u); // the full block less the two limit lines
    EXPECT_EQ(lines[4], "                 配筋 D16-469@  -----> ∴ D16-0@  とする");
    EXPECT_EQ(lines[7], "                 p=As/(b･d)=―/(1000×300.00)=―");
    EXPECT_EQ(lines[9], "                 j=1－(K/3)=1－(―/3)=―");
    EXPECT_EQ(lines[12], "                   σc=2M/(k･j･b･d^2)=2×20000000/(―×―×1000×300.00^2)=―N/mm2");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[15], "                   σs=M/(As･j･d)=20000000/(―×―×300.00)=―N/mm2");
    EXPECT_EQ(lines[18], "                   τc=S/(b･j･d)=30000/(1000×―×300.00)=―N/mm2");
    for (const auto& l : lines)
        EXPECT_EQ(l.find("∴ O.K"), std::string::npos) << l;
    EXPECT_EQ(w.beeps, 0);
}

// Member C has no φ line and no shear check; its k line shows the first p with three decimals and its j
// line j with five.
TEST(MemberCheckBlock, SlabCentreLeavesOutShear) {
    Written w;
    block(w, section(Member::C), Member::C);
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[7],
              "                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×0.003＋(15×0.00331)^2}－15×0.00331=0.269");
    EXPECT_EQ(lines[8], "                 j=1－(K/3)=1－(0.269/3)=0.91021");
    EXPECT_EQ(lines.back(), "                                 <σsa=180N/mm2  ∴ O.K");
}

} // namespace

namespace {

// The wall's stored forces (as the member calculation left them) on member A's and B's sections.
model::DesignData wall() {
    model::DesignData d = section(Member::A);
    addSection(d, Member::B);
    d.Delta = 20;
    d.Theta_Rear = 2.862f;
    d.KA = 0.297f;
    d.GammaS = 18;
    d.q_Back = 10;
    d.Kh = 0.2f;
    d.H_BackSoil = 2.2f;
    d.T_Slab = 0.45f;
    d.PAX_r1 = 1.234f, d.DPAX_r1 = 2.5f, d.W_r1 = 2.1f, d.Y1_r1 = 0.4f, d.A_Back_r1 = 0.05f, d.Y2_r1 = 0.6f;
    d.Y3_Surch = 2.65f;
    d.A_BackSoil = 0.5f;
    return d;
}

struct WallCase {
    const char* name;
    LoadCase loadCase;
    SeismicMethod method;
    int inertia;                     // Form7.chk_1
    std::vector<std::string> forces; // the lines between the surcharge line and the "D=" line
    bool emptyAfterHeading;
};

} // namespace

// H = (2.2 + 0.45)/3 = 0.883, cos(20° + 2.862°) = 0.9214, W2 = 18 × 0.05 = 0.900,
// y3 = (2.65/2.65) × (2.65/3) = 0.883.
TEST(WallMembers, ForceLinesFollowTheLoadCaseAndSeismicMethod) {
    const std::string n =
        "                  M=PAX･n＋△PAX･n={1.234×(0.883/3)＋2.500×(0.883/2)}×10^5=2000000Ncm/m";
    const std::string s = "                  S=PAX＋△PAX=(1.234＋2.500)×10^3=30000N/m";
    const std::vector<WallCase> cases{
        {"normal", LoadCase::Normal, SeismicMethod::None, 0, {n, s, ""}, true},
        {"K1", LoadCase::Seismic, SeismicMethod::K1, 0, {n, s, ""}, true},
        {"K2",
         LoadCase::Seismic,
         SeismicMethod::K2,
         0,
         {"                 たて壁重量 W=2.100kN/m", "                  M=PAX･n＋△PAX･n＋W･Kh･y",
          "                   ={1.234×(0.883/3)＋2.500×(0.883/2)＋2.100×0.2×0.400}×10^5=2000000Ncm/m",
          "                  S=PAX＋△PAX＋W･Kh=(1.234＋2.500＋2.100×0.2)×10^3=30000N/m"},
         true},
        {"D1 with surcharge inertia",
         LoadCase::Seismic,
         SeismicMethod::D1,
         1,
         {"                 たて壁重量 W1=2.100kN/m　  背面土重量 W2=0.900kN/m",
          "                  M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3",
          "                   ={1.234×(0.883/3)＋2.500×(0.883/2)＋2.100×0.2×0.400",
          "                    ＋0.900×0.2×0.600＋10.000×0.2×0.883}×10^5=2000000Ncm/m",
          "                  S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh",
          "                   =(1.234＋2.500＋2.100×0.2＋0.900×0.2＋10.000×0.2)×10^3=30000N/m"},
         false},
        {"no method", LoadCase::Seismic, SeismicMethod::None, 0, {}, true},
        {"inertia box neither 0 nor 1", LoadCase::Seismic, SeismicMethod::K2, 2, {}, false},
    };
    for (const auto& k : cases) {
        MemberPageChoices c = roadNormal();
        c.member.loadCase = k.loadCase;
        c.member.method = k.method;
        c.surchargeInertia = k.inertia;
        Written w;
        report::writeMemberA(w.surface, wall(), c, w.beep);
        const auto lines = w.lines();
        ASSERT_GT(lines.size(), 9u) << k.name;
        EXPECT_EQ(w.leading(), 5u) << k.name;
        EXPECT_EQ(lines[5], "              １）たて壁（全高さの２/３部分）") << k.name;
        const std::size_t pax = k.emptyAfterHeading ? 7 : 6;
        EXPECT_EQ(lines[pax - 1].empty(), k.emptyAfterHeading) << k.name;
        EXPECT_EQ(lines[pax],
                  "                  PAX=1/2･KA･γ･H^2･cos(20.00ﾟ＋2.862ﾟ)=1/2×0.297×18.0×0.883^2×0.9214="
                  "1.234kN/m")
            << k.name;
        EXPECT_EQ(lines[pax + 1],
                  "                △PAX=KA･q･H･cos(20.00ﾟ＋2.862ﾟ)=0.297×10.0×0.883×0.9214=2.500kN/m")
            << k.name;
        const std::vector<std::string> forces(lines.begin() + static_cast<long>(pax) + 2,
                                              lines.begin() + static_cast<long>(pax + 2 + k.forces.size()));
        EXPECT_EQ(forces, k.forces) << k.name;
        EXPECT_EQ(lines[pax + 2 + k.forces.size()].substr(0, 20), "                  D=") << k.name;
    }
}

TEST(WallMembers, SurchargeLineFollowsTheDeductionBox) {
    for (int box : {0, 1, 2}) {
        MemberPageChoices c = roadNormal();
        c.surchargeDeduction = box;
        Written w;
        report::writeMemberB(w.surface, wall(), c, w.beep);
        const auto lines = w.lines();
        EXPECT_EQ(w.leading(), 2u);
        EXPECT_EQ(lines[2], "              ２）たて壁（固定部）");
        // Member B: H = 2.2.
        EXPECT_EQ(lines[4],
                  "                  PAX=1/2･KA･γ･H^2･cos(20.00ﾟ＋2.862ﾟ)=1/2×0.297×18.0×2.200^2×0.9214="
                  "0.000kN/m");
        const std::vector<std::string> surcharge{
            "                △PAX=KA･q･H･cos(20.00ﾟ＋2.862ﾟ)=0.297×10.0×2.200×0.9214=0.000kN/m",
            "                △PAX=KA･q･H･cos(20.00ﾟ＋2.862ﾟ)=0.297×(10.0-5.0)×2.200×0.9214=0.000kN/m",
            "                  M=PAX･n＋△PAX･n={0.000×(2.200/3)＋0.000×(2.200/2)}×10^5=2000000Ncm/m"};
        EXPECT_EQ(lines[5], surcharge[static_cast<std::size_t>(box)]) << box;
    }
}

// A zero wall height leaves y3 without a value; the page prints "―" there.
TEST(WallMembers, ZeroWallHeightPrintsADashForY3) {
    model::DesignData d = wall();
    d.H_BackSoil = 0;
    d.T_Slab = 0;
    MemberPageChoices c = roadNormal();
    c.member.loadCase = LoadCase::Seismic;
    c.member.method = SeismicMethod::K2;
    c.surchargeInertia = 1;
    Written w;
    report::writeMemberA(w.surface, d, c, w.beep);
    EXPECT_TRUE(w.has("                    ＋0.900×0.2×0.600＋10.000×0.2×―}×10^5=2000000Ncm/m"));
}

namespace {

// The worked example of the base slab: W1 30, L 3, V2 60, V4 45 (front-heavy), as the member calculation
// stores it: C1 = 30·9/12 = 22.5, M1 = 30·9/8 − 22.5 = 11.25, C21 = 45·9/12 + 15·9/20 = 40.5,
// C22 = 45·9/12 + 15·9/30 = 38.25, M2 = 45·9/8 + 15·9/(9√3) − 39.375 = 19.910; S1 = 45,
// S2 (front) = 67.5 + 15 = 82.5, S2 (rear) = 67.5 + 7.5 = 75.
model::DesignData slab() {
    model::DesignData d = section(Member::C);
    for (Member m : {Member::D, Member::E})
        addSection(d, m);
    d.W1 = 30, d.B_Span = 3, d.V2 = 60, d.V4 = 45, d.Sigma_max = 50;
    d.e = 0.1f, d.B = 4, d.B_Heel = 0.5f, d.T_WallBack = 0.3f, d.Xn = 4;
    d.C1 = 22.5f, d.C21 = 40.5f, d.C22 = 38.25f, d.C2 = 37.5f;
    d.M1_r5 = 11.25f, d.M2_r5 = 19.91f;
    d.M1_r6 = 22.5f, d.S1_r6 = 45, d.M2_r6 = 40.5f, d.S2_r6 = 82.5f;
    d.M1_r7 = 22.5f, d.S1_r7 = 45, d.M2_r7 = 38.25f, d.S2_r7 = 75;
    return d;
}

// The lines of a page from the first line starting with `from` up to (without) the first starting with `to`.
std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    auto starts = [](const std::string& l, const std::string& p) { return l.rfind(p, 0) == 0; };
    auto a = std::find_if(lines.begin(), lines.end(), [&](auto& l) { return starts(l, from); });
    auto b = std::find_if(a, lines.end(), [&](auto& l) { return starts(l, to); });
    return {a, b};
}

const std::string K1a = "                 C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}",
                  K1b =
                      "                    =(45.000×3.000^2)/12＋{(60.000－45.000)×3.000^2)/20}=40.500kNm/m",
                  K2a = "                 C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}",
                  K2b =
                      "                    =(45.000×3.000^2)/12＋{(60.000－45.000)×3.000^2)/30}=38.250kNm/m",
                  K3a = "                 C21=(V2･B^2/12)＋{(V4-V2)･B^2/20}",
                  K3b =
                      "                    =(45.000×3.000^2)/12＋{(60.000－45.000)×3.000^2)/20}=40.500kNm/m",
                  K4a = "                 C22=(V2･B^2/12)＋{(V4-V2)･B^2/30}",
                  K4b =
                      "                    =(45.000×3.000^2)/12＋{(60.000－45.000)×3.000^2)/30}=38.250kNm/m",
                  C2 = "                  C2=(V･B^2)/12=(50.000×3.000^2)/12=37.500kNm/m";

} // namespace

TEST(BaseSlabMembers, WorkedExampleFrontHeavy) {
    Written c, d, e;
    const model::DesignData s = slab();
    report::writeMemberC(c.surface, s, roadNormal(), c.beep);
    report::writeMemberD(d.surface, s, roadNormal(), d.beep);
    report::writeMemberE(e.surface, s, roadNormal(), e.beep);
    const std::vector<std::string> centre{
        "",
        "",
        "",
        "",
        "",
        "              ３）底版（中央部）",
        "                  C1=(W1･B^2)/12=(30.000×3.000^2)/12=22.500kNm/m",
        "                  M1=(W1･B^2)/8－C1=(30.000×3.000^2)/8－22.500=11.250kNm/m",
        K1a,
        K1b,
        K2a,
        K2b,
        "                  M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2",
        "                    =(45.000×3.000^2)/8＋(60.000－45.000)×3.000^2/(9×Sqr(3))",
        "                    －(40.500＋38.250)/2=19.910kNm/m",
        "                   M=|M1-M2|=|11.250-19.910|×10^5=2000000Ncm/m",
        "",
        "                  D=40.00cm    d=30.00cm    j=26.250cm",
    };
    const auto cl = c.lines();
    EXPECT_EQ(std::vector<std::string>(cl.begin(), cl.begin() + 18), centre);
    EXPECT_EQ(c.lines().back(), "                                 <σsa=180N/mm2  ∴ O.K");

    EXPECT_EQ(d.leading(), 2u);
    EXPECT_EQ(d.lines()[2], "              ４）底版（前面固定部）");
    const std::vector<std::string> front{
        "                  C1=(W1･B^2)/12=(30.000×3.000^2)/12=22.500kNm/m",
        "                  M1=C1=22.500kNm/m",
        "                  S1=(W1･B)/2=(30.000×3.000)/2=45.000kN/m",
        K1a,
        K1b,
        "                  M2=C21=40.500kNm/m",
        "                  S2=(V4･B)/2＋(V2－V4)･B/3=(45.000×3.000)/2＋(60.000－45.000)×3.000/3=82.500kN/m",
        "                  M=|M1-M2|=|22.500-40.500|×10^5=2000000Ncm/m",
        "                  S=|S1-S2|=|45.000-82.500|×10^3=30000N/m",
        "",
    };
    EXPECT_EQ(between(d.lines(), "                  C1", "                  D="), front);

    EXPECT_EQ(e.leading(), 5u);
    EXPECT_EQ(e.lines()[5], "              ５）底版（後面固定部）");
    EXPECT_TRUE(e.has("                  M2=C22=38.250kNm/m"));
    EXPECT_TRUE(e.has(K2b));
    EXPECT_TRUE(e.has(
        "                  S2=(V4･B)/2＋(V2－V4)･B/6=(45.000×3.000)/2＋(60.000－45.000)×3.000/6=75.000kN/m"));
}

// The reaction case chooses the lines between S1 (M1 for member C) and the M line.
TEST(BaseSlabMembers, ReactionCaseChoosesTheLines) {
    struct Case {
        const char* name;
        float e, v2, v4, xn;
        std::vector<std::string> centre, front, rear; // the labels of the reaction lines
    };
    const std::string m2c = "                  M2=(V･B^2)/8－C2=(50.000×3.000^2)/8－37.500=19.910kNm/m";
    const std::string K1e =
        "                    =(50.000×3.000^2)/12＋{(50.000－50.000)×3.000^2)/20}=40.500kNm/m";
    const std::string K2e =
        "                    =(50.000×3.000^2)/12＋{(50.000－50.000)×3.000^2)/30}=38.250kNm/m";
    const std::string su = "                  S2=(V･B)/2=(50.000×3.000)/2=";
    const std::vector<Case> cases{
        {"rear-heavy",
         -0.1f,
         45,
         60,
         4,
         {K3a, K3b, K4a, K4b, "                    =(45.000×3.000^2)/8＋(60.000－45.000)×3.000^2/(9×Sqr(3))"},
         {K4a, K4b},
         {K3a, K3b}},
        {"uniform", 0, 50, 50, 4, {C2, m2c}, {C2}, {C2}},
        // Equal reactions at both ends of a covered span are the trapezoid with no slope.
        {"equal ends",
         0.1f,
         50,
         50,
         4,
         {K1a, K1e, K2a, K2e, "                    =(50.000×3.000^2)/8＋(50.000－50.000)×3.000^2/(9×Sqr(3))"},
         {K1a, K1e},
         {K2a, K2e}},
    };
    auto reaction = [](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const auto& l : lines)
            if (l.rfind("                 C2", 0) == 0 || l.rfind("                    =(", 0) == 0 ||
                l.rfind("                  C2", 0) == 0 || l.rfind("                  M2=(V･", 0) == 0)
                out.push_back(l);
        return out;
    };
    for (const auto& k : cases) {
        model::DesignData d = slab();
        d.e = k.e, d.V2 = k.v2, d.V4 = k.v4, d.Xn = k.xn;
        if (k.e < 0) d.B_Toe = 0.5f, d.T_WallFront = 0.3f; // contact from the heel reaches the front wall
        Written c, f, r;
        report::writeMemberC(c.surface, d, roadNormal(), c.beep);
        report::writeMemberD(f.surface, d, roadNormal(), f.beep);
        report::writeMemberE(r.surface, d, roadNormal(), r.beep);
        EXPECT_EQ(reaction(c.lines()), k.centre) << k.name;
        EXPECT_EQ(reaction(f.lines()), k.front) << k.name;
        EXPECT_EQ(reaction(r.lines()), k.rear) << k.name;
        const bool reacted = !k.front.empty();
        for (Written* w : {&f, &r})
            EXPECT_EQ(between(w->lines(), "                  M2=", "                  M=").size(),
                      reacted ? 2u : 0u)
                << k.name;
        // The M line prints the stored M2 whatever the case.
        EXPECT_TRUE(c.has("                   M=|M1-M2|=|11.250-19.910|×10^5=2000000Ncm/m")) << k.name;
    }
}

namespace {

// Heel 1.0 with W2 40, W3 30 and V5 50, VR 30; toe 0.8 with W4 = W5 = 20 and V1 60, VP 70; key P 73.125,
// H0 0.5. The parts are the calculation's, stored: M1 = (40 + 2·30)·1/6 = 16.667, S1 = 70/2 = 35.
model::DesignData cantilevers() {
    model::DesignData d = section(Member::F);
    for (Member m : {Member::G, Member::H})
        addSection(d, m);
    d.B = 4, d.B_Heel = 1, d.B_Toe = 0.8f, d.T_WallFront = 0.3f, d.B_Span = 1.6f, d.T_WallBack = 0.3f;
    d.e = 0.1f, d.Xn = 4.5f;
    d.W2 = 40, d.W3 = 30, d.V5 = 50, d.VR = 30, d.W4 = 20, d.W5 = 20, d.V1 = 60, d.VP = 70;
    d.M1_r8 = 16.667f, d.S1_r8 = 35, d.M2_r8 = 18.333f, d.S2_r8 = 40;
    d.M1_r9 = 6.4f, d.S1_r9 = 16, d.M2_r9 = 21.333f, d.S2_r9 = 52;
    d.P_Key = 73.125f, d.H0_Key = 0.5f;
    return d;
}

} // namespace

// The heel's reaction form: the whole heel in contact (trapezoid), contact from the toe ending on it
// (triangle, with L = Xn − 0.8 − 0.3 − 1.6 − 0.3 = Xn − 3), or contact from the heel tip ending on it (the
// triangle from VR at the tip over a = Xn).
TEST(HeelAndToe, HeelReactionForm) {
    struct Case {
        const char* name;
        float e, xn, w3;
        std::vector<std::string> lines; // from M1 up to the M line
    };
    const std::string m1 = "                 M1=(W2＋2･W3)･B^2/6=(40.000＋2×30.000)×1.000^2/6=16.667kNm/m",
                      s1 = "                 S1=(W2＋W3)･B/2=(40.000＋30.000)×1.000/2=35.000kN/m";
    const std::vector<Case> cases{
        {"trapezoid",
         0.1f,
         4.5f,
         30,
         {m1, s1, "                 M2=(V5＋2･VR)･B^2/6=(50.000＋2×30.000)×1.000^2/6=18.333KNm/m",
          "                 S2=(V5＋VR)･B/2=(50.000＋30.000)×1.000/2=40.000KN/m"}},
        {"uniform load, centred",
         0,
         3.5f,
         40,
         {"                 M1=(W2･B^2)/2=(40.000×1.000^2)/2=16.667kNm/m",
          "                 S1=W2･B=40.000×1.000=35.000kN/m",
          "                 M2=(V5＋2･VR)･B^2/6=(50.000＋2×30.000)×1.000^2/6=18.333KNm/m",
          "                 S2=(V5＋VR)･B/2=(50.000＋30.000)×1.000/2=40.000KN/m"}},
        {"triangle",
         0.1f,
         3.5f,
         30,
         {m1, s1, "                 M2=V5･B^2/6=50.000×0.500^2/6=18.333kNm/m",
          "                 S2=V5･B/2=50.000×0.500/2=40.000kN/m"}},
        {"triangle at B exactly",
         0.1f,
         4,
         30,
         {m1, s1, "                 M2=V5･B^2/6=50.000×1.000^2/6=18.333kNm/m",
          "                 S2=V5･B/2=50.000×1.000/2=40.000kN/m"}},
        {"contact from the heel tip",
         -0.1f,
         0.5f,
         30,
         {m1, s1, "                 a=Xn=0.500m",
          "                 M2=VR･a/2･(B-a/3)=30.000×0.500/2×(1.000－0.500/3)=18.333kNm/m",
          "                 S2=VR･a/2=30.000×0.500/2=40.000kN/m"}},
    };
    for (const auto& k : cases) {
        model::DesignData d = cantilevers();
        d.e = k.e, d.Xn = k.xn, d.W3 = k.w3;
        Written w;
        report::writeMemberF(w.surface, d, roadNormal(), w.beep);
        const auto lines = w.lines();
        EXPECT_EQ(w.leading(), 2u) << k.name;
        EXPECT_EQ(lines[2], "              ６）かかと版（固定部）") << k.name;
        EXPECT_EQ(between(lines, "                 M1", "                  M="), k.lines) << k.name;
        EXPECT_TRUE(w.has("                  M=|M1-M2|=|16.667-18.333|×10^5=2000000Ncm/m")) << k.name;
        EXPECT_TRUE(w.has("                  S=|S1-S2|=|35.000-40.000|×10^3=30000N/m")) << k.name;
        // Two empty lines after the shear check.
        const double h = platform::lineHeight(platform::kMincho, 11);
        EXPECT_EQ(std::lround(w.surface.currentY() / h), static_cast<long>(lines.size()) + 2) << k.name;
    }
}

TEST(HeelAndToe, ToeInContactPrintsTheTrapezoid) {
    model::DesignData d = cantilevers(); // Xn 4.5 ≥ B: the whole toe in contact
    Written w;
    report::writeMemberG(w.surface, d, roadNormal(), w.beep);
    const std::vector<std::string> expected{
        "                 M1=(W4･B^2)/2=(20.000×0.800^2)/2=6.400kNm/m",
        "                 S1=W4･B=20.000×0.800=16.000kN/m",
        "                 M2=(V1＋2･VP)･B^2/6=(60.000＋2×70.000)×0.800^2/6=21.333kNm/m",
        "                 S2=(V1＋VP)･B/2=(60.000＋70.000)×0.800/2=52.000kN/m",
        "                  M=|M1-M2|=|6.400-21.333|×10^5=2000000Ncm/m",
        "                  S=|Q1-Q2|=|16.000-52.000|×10^3=30000N/m",
        "",
    };
    EXPECT_EQ(between(w.lines(), "                 M1", "                  D="), expected);
    EXPECT_EQ(w.lines()[5], "              ７）つま先版（固定部）"); // opens page 9 after the heel
    const double h = platform::lineHeight(platform::kMincho, 11);
    EXPECT_EQ(std::lround(w.surface.currentY() / h), static_cast<long>(w.lines().size()));
}

// M = 10^5·73.125·0.25/2 = 914062.5, S = 10^3·73.125·0.5 = 36562.5 (stored by the calculation).
TEST(HeelAndToe, ShearKeyLines) {
    model::DesignData d = cantilevers();
    d.M_r10 = 914062.5f;
    d.S_r10 = 36562.5f;
    Written w;
    report::writeMemberH(w.surface, d, roadNormal(), w.beep);
    const std::vector<std::string> expected{
        "              ８）突起部",
        "                  P=73.125kN/m",
        "                  M=P･H0^2/2=(73.125×0.500^2/2)×10^5=914063Ncm/m",
        "                  S=P･H0=(73.125×0.500)×10^3=36563N/m",
        "",
        "                  D=40.00cm    d=30.00cm    j=26.250cm",
    };
    const auto lines = w.lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 8), expected);
}

// Pages 8 and 9 for every combination of heel, toe and key, in the page chain's order: each page opens
// with five empty lines and each further member follows the one before after two.
TEST(HeelAndToe, OptionalMembersStartTheirPagesInEveryCombination) {
    using report::MemberReport;
    const double h = platform::lineHeight(platform::kMincho, 11);
    for (int bits = 0; bits < 8; ++bits) {
        model::DesignData d = cantilevers();
        d.B_Heel = bits & 1 ? 1.0f : 0.0f;
        d.B_Toe = bits & 2 ? 0.8f : 0.0f;
        d.H0_Key = bits & 4 ? 0.5f : 0.0f;
        const report::OptionalMembers present = report::optionalMembers(d);
        SCOPED_TRACE(std::string(present.heel ? "H" : "") + (present.toe ? "I" : "") +
                     (present.key ? "J" : ""));
        for (const auto& writers : {report::page8Members(present), report::page9Members(present)}) {
            if (writers.empty()) continue;
            Written w;
            std::vector<double> starts; // the line each writer starts at
            for (MemberReport m : writers) {
                starts.push_back(std::lround(w.surface.currentY() / h));
                using Writer = void (*)(platform::Surface&, const model::DesignData&,
                                        const MemberPageChoices&, const report::Beep&);
                const Writer writer = m == MemberReport::G   ? report::writeMemberE
                                      : m == MemberReport::H ? report::writeMemberF
                                      : m == MemberReport::I ? report::writeMemberG
                                                             : report::writeMemberH;
                writer(w.surface, d, roadNormal(), w.beep);
            }
            const auto lines = w.lines();
            EXPECT_EQ(w.leading(), 5u);
            for (std::size_t i = 1; i < starts.size(); ++i) {
                const auto first = static_cast<std::size_t>(starts[i]);
                // The writer before ends on the line just above; two empty lines, then the heading.
                EXPECT_FALSE(lines[first - 1].empty()) << i;
                EXPECT_TRUE(lines[first].empty() && lines[first + 1].empty()) << i;
                EXPECT_EQ(lines[first + 2].find("              "), 0u) << i;
                EXPECT_NE(lines[first + 2].find("）"), std::string::npos) << lines[first + 2];
            }
        }
    }
}

namespace {

// Base of 4.0 m: toe 0.5, front wall 0.3, span 2.4, rear wall 0.3, heel 0.5; σmax 100, W1 30. The
// member calculation gives the reactions and parts for the eccentricity e; the check blocks are section's.
model::DesignData contact(float e) {
    model::DesignData d = section(Member::C);
    for (Member m : {Member::D, Member::E, Member::F, Member::G})
        addSection(d, m);
    d.B = 4, d.B_Toe = 0.5f, d.T_WallFront = 0.3f, d.B_Span = 2.4f, d.T_WallBack = 0.3f, d.B_Heel = 0.5f;
    d.Sigma_max = 100, d.e = e;
    d.T_Slab = 0.4f, d.T_WallBackTop = 0.3f, d.H1 = 2.4f, d.H2 = 0.6f;
    EXPECT_TRUE(sections::groundReactions(d, roadNormal().member));
    d.W1 = 30, d.W2 = d.W3 = 20, d.W4 = d.W5 = 10;
    for (Member m : {Member::C, Member::D, Member::E, Member::F, Member::G})
        EXPECT_TRUE(sections::memberForces(d, m, roadNormal().member));
    return d;
}

using Writer = void (*)(platform::Surface&, const model::DesignData&, const MemberPageChoices&,
                        const report::Beep&);

// The lines of a member from the loaded length a to the M line.
std::vector<std::string> reactionLines(Writer write, const model::DesignData& d) {
    Written w;
    write(w.surface, d, roadNormal(), w.beep);
    const auto lines = w.lines();
    auto a = std::find_if(lines.begin(), lines.end(),
                          [](auto& l) { return l.find(" a=Xn") != std::string::npos; });
    auto m = std::find_if(a, lines.end(), [](auto& l) { return l.find(" M=|") != std::string::npos; });
    return {a, m};
}

} // namespace

// Contact from the toe ending in the span (e = 1.5): Xn = 3·(2 − 1.5) = 1.5, V2 = 100·(1.5 − 0.8)/1.5 =
// 46.667 falling to zero at a = 1.5 − 0.8 = 0.7 in the span of 2.4 (a/B = 0.2917). At the loaded (front)
// end C21 = V2·a²·(10 − 10·a/B + 3·(a/B)²)/60 = 22.867·7.3385/60 = 2.797 and S2 = V2·a·(3 − a/B)/6 =
// 32.667·2.7083/6 = 14.745; at the rear C22 = V2·a³·(5 − 3·a/B)/(60·B) = 16.007·4.125/144 = 0.459 and S2 =
// V2·a²/(6·B) = 22.867/14.4 = 1.588. The simple span's largest moment V2·a²·{1 − a/B + 2·(a/(3·B))^1.5}/6 =
// 22.867·0.76896/6 = 2.931 less (C21 + C22)/2 = 1.628 leaves M2 = 1.303.
TEST(PartialContact, ContactEndingInTheSpanPrintsTheTriangle) {
    const model::DesignData d = contact(1.5f);
    const std::string a = "                  a=Xn－(0.500＋0.300)=1.500－0.800=0.700m";
    EXPECT_EQ(
        reactionLines(report::writeMemberC, d),
        (std::vector<std::string>{
            a,
            "                 C21=V2･a^2･(10-10･a/B＋3･(a/B)^2)/60  C22=V2･a^3･(5-3･a/B)/(60･B)",
            "                    C21=46.667×0.700^2×(10－10×0.700/2.400＋3×(0.700/2.400)^2)/60=2.797kNm/m",
            "                    C22=46.667×0.700^3×(5－3×0.700/2.400)/(60×2.400)=0.459kNm/m",
            "                  M2=V2･a^2･{1-a/B＋2･(a/(3･B))^1.5}/6－(C21＋C22)/2",
            "                    =46.667×0.700^2×{1－0.700/2.400＋2×(0.700/(3×2.400))^1.5}/6",
            "                    －(2.797＋0.459)/2=1.303kNm/m",
        }));
    EXPECT_EQ(reactionLines(report::writeMemberD, d),
              (std::vector<std::string>{
                  a,
                  "                  M2=C21=V2･a^2･(10-10･a/B＋3･(a/B)^2)/60",
                  "                    =46.667×0.700^2×(10－10×0.700/2.400＋3×(0.700/2.400)^2)/60=2.797kNm/m",
                  "                  S2=V2･a･(3-a/B)/6=46.667×0.700×(3－0.700/2.400)/6=14.745kN/m",
              }));
    EXPECT_EQ(reactionLines(report::writeMemberE, d),
              (std::vector<std::string>{
                  a,
                  "                  M2=C22=V2･a^3･(5-3･a/B)/(60･B)",
                  "                    =46.667×0.700^3×(5－3×0.700/2.400)/(60×2.400)=0.459kNm/m",
                  "                  S2=V2･a^2/(6･B)=46.667×0.700^2/(6×2.400)=1.588kN/m",
              }));

    // Contact from the heel tip (e = −1.5): the mirror, V4 = 46.667 at the rear end, a = 1.5 − (0.5 + 0.3);
    // the front end is the lighter one.
    const model::DesignData m = contact(-1.5f);
    EXPECT_EQ(reactionLines(report::writeMemberD, m),
              (std::vector<std::string>{
                  a,
                  "                  M2=C22=V4･a^3･(5-3･a/B)/(60･B)",
                  "                    =46.667×0.700^3×(5－3×0.700/2.400)/(60×2.400)=0.459kNm/m",
                  "                  S2=V4･a^2/(6･B)=46.667×0.700^2/(6×2.400)=1.588kN/m",
              }));
    EXPECT_EQ(reactionLines(report::writeMemberE, m)[1],
              "                  M2=C21=V4･a^2･(10-10･a/B＋3･(a/B)^2)/60");
    // No reaction reaches the toe: 1.5 < 4.0 − 0.5.
    EXPECT_EQ(reactionLines(report::writeMemberG, m),
              (std::vector<std::string>{
                  "                 a=Xn－(4.000－0.500)=1.500－3.500≦0  ∴ a=0.000m",
                  "                 M2=V1･a^2/6=0.000×0.000^2/6=0.000kNm/m",
                  "                 S2=V1･a/2=0.000×0.000/2=0.000kN/m",
              }));
}

// Contact ending on a cantilever. From the toe tip (e = 1.9): Xn = 0.3 inside the toe of 0.5, VP = 100 at
// the tip, resultant 100·0.3/2 = 15 at 0.3/3 from the tip: M2 = 15·(0.5 − 0.1) = 6. From the heel tip
// (e = −1.9) the heel's mirror with VR. Ending in the toe from the heel tip (e = −0.75): Xn = 3.75, a =
// 3.75 − 3.5 = 0.25 from the root, V1 = 100·0.25/3.75 = 6.667: M2 = 6.667·0.0625/6 = 0.069, S2 = 0.833.
TEST(PartialContact, ContactEndingOnTheHeelOrToePrintsTheTriangle) {
    EXPECT_EQ(reactionLines(report::writeMemberG, contact(1.9f)),
              (std::vector<std::string>{
                  "                 a=Xn=0.300m",
                  "                 M2=VP･a/2･(B-a/3)=100.000×0.300/2×(0.500－0.300/3)=6.000kNm/m",
                  "                 S2=VP･a/2=100.000×0.300/2=15.000kN/m",
              }));
    EXPECT_EQ(reactionLines(report::writeMemberF, contact(-1.9f)),
              (std::vector<std::string>{
                  "                 a=Xn=0.300m",
                  "                 M2=VR･a/2･(B-a/3)=100.000×0.300/2×(0.500－0.300/3)=6.000kNm/m",
                  "                 S2=VR･a/2=100.000×0.300/2=15.000kN/m",
              }));
    EXPECT_EQ(reactionLines(report::writeMemberG, contact(-0.75f)),
              (std::vector<std::string>{
                  "                 a=Xn－(4.000－0.500)=3.750－3.500=0.250m",
                  "                 M2=V1･a^2/6=6.667×0.250^2/6=0.069kNm/m",
                  "                 S2=V1･a/2=6.667×0.250/2=0.833kN/m",
              }));
}
