#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "platform/runtime.h"
#include "report/stability/stability_page.h"
#include "stability/stability_fixture.h"

namespace {

using model::DesignBasis;
using model::GroundShape;
using model::LoadCase;
using platform::LineOp;
using platform::TextOp;
using report::SeismicLimit;
using report::StabilityPageChoices;

// The results of a run on the simple wall of the engine test (B 2.6, ΣV 62.4, no cohesion, μ 0.5,
// fe 150) with a key of H0 0.5 at B1 1.5 on φB 30°; the key's values are round numbers.
model::DesignData results() {
    model::DesignData d;
    d.SectionNo = "1";
    d.B = 2.6f;
    d.SumV = 62.4f;
    d.Mr = 81.12f;
    d.Mo = 12.4416f;
    d.d = 1.1006154f;
    d.e = 0.19938457f;
    d.F_Overturn = 6.520061f;
    d.Sigma_max = 35.042839f;
    d.Sigma_min = 12.957163f;
    d.Xn = 4.1253605f;
    d.Fe = 150;
    d.SumH = 15.552f;
    d.RH = 31.2f;
    d.F_Slide = 2.0061727f;
    d.A_Eff = 2.2012308f;
    d.Mu_Base = 0.5f;
    d.Phi_Base = 30;
    d.H0_Key = 0.5f;
    d.B1_Key = 1.5f;
    d.L_Key = 0.866f;
    d.Sigma_1 = 26.25f;
    d.Sigma_2 = 22.5f;
    d.Sigma_0 = 24.375f;
    d.P_Key = 73.125f;
    d.W1_Key = 40.5f;
    d.F_SlideKey = 3.25f;
    d.Hk = 30.0;
    return d;
}

StabilityPageChoices normalOneSided() {
    StabilityPageChoices c;
    c.loadCase = LoadCase::Normal;
    c.shape = GroundShape::OneSided;
    c.basis = DesignBasis::Building;
    return c;
}

// A recorded page with the beeps: each beep remembers how many operations preceded it.
struct Written {
    platform::RecordingSurface surface;
    std::vector<std::size_t> beeps;

    const platform::Page& page() const { return surface.page(); }

    std::vector<std::string> texts(double size = 0) const {
        std::vector<std::string> out;
        for (const auto& op : page())
            if (const auto* t = std::get_if<TextOp>(&op); t && (size == 0 || t->fontSize == size))
                out.push_back(t->text);
        return out;
    }
    std::vector<std::string> magenta() const {
        std::vector<std::string> out;
        for (const auto& op : page())
            if (const auto* t = std::get_if<TextOp>(&op); t && t->color == platform::kLightMagenta)
                out.push_back(t->text);
        return out;
    }
    // The running text from the sliding heading on: the sliding check and the key.
    std::vector<std::string> sliding() const {
        auto all = texts(11);
        auto from = std::find(all.begin(), all.end(), "            ３）滑り出しに対する検討");
        return {from == all.end() ? all.end() : from + 1, all.end()};
    }
    std::size_t lineCount() const {
        return static_cast<std::size_t>(
            std::count_if(page().begin(), page().end(), [](const auto& op) { return op.index() == 1; }));
    }
};

Written write(const model::DesignData& d, const StabilityPageChoices& c) {
    Written w;
    report::writeStability(w.surface, d, c, [&w] { w.beeps.push_back(w.surface.page().size()); });
    return w;
}

// Each beep follows a failing line directly.
void expectOneBeepPerFailingVerdict(const Written& w, std::size_t failingVerdicts) {
    ASSERT_EQ(w.beeps.size(), failingVerdicts);
    for (std::size_t at : w.beeps) {
        ASSERT_GT(at, 0u);
        const auto& before = std::get<TextOp>(w.page()[at - 1]);
        EXPECT_EQ(before.color, platform::kLightMagenta) << before.text;
    }
}

const std::string kSumH = "                水 平 力 の 総 和 ΣH=15.552kN/m";
const std::string kRH = "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×2.600＋62.400×0.5=31.200kN/m";
const std::string kKeyStart = "              ・突起の計算";

TEST(StabilityPage, ThePassingNormalPageOfTheSimpleWall) {
    const auto w = write(results(), normalOneSided());
    // Without a key: the normal case's limits; σmax and σmin of the trapezoid (r = 0.199/2.6 < 1/6).
    const std::vector<std::string> expected{
        "            1－２ 安定性の検討（常時）",
        "            １）転倒に対する検討",
        "                抵抗モーメント Mr=ΣV･x=81.120kNm/m",
        "                転倒モーメント Mo=ΣH･y=12.442kNm/m", // Int(12441.6 + 0.5) / 1000
        "                合力の作用位置  d=(Mr－Mo)/ΣV=(81.120－12.442)/62.400=1.101m",
        "                偏　心　距　離  e=(B/2)－d=(2.600/2)－1.101=0.199m < B/6=2.600/6=0.433m ∴ O.K",
        "                転 倒 安 全 率  F=Mr/Mo=81.120/12.442=6.520 > 1.5  ∴ O.K",
        "            ２）地盤支持力(接地圧)に対する検討",
        "                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}",
        "                           　　     =(62.400/2.600)×{1＋(6×0.199/2.600)}",
        "                          　　      =35.043kN/m2",
        "                最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}",
        "                           　　     =(62.400/2.600)×{1－(6×0.199/2.600)}",
        "                          　　      =12.957kN/m2",
        "                               σmax,σmin < 150.0kN/m2  ∴ O.K",
        "            ３）滑り出しに対する検討",
        kSumH,
        kRH,
        "                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=2.006 > 1.5  ∴ O.K",
        "Ｂ",
        "σmax",
        "σmin",
    };
    EXPECT_EQ(w.texts(), expected);
    EXPECT_TRUE(w.magenta().empty());
    EXPECT_TRUE(w.beeps.empty());
    // Five empty lines in the preview's 11.25 points (225 twips each), then the heading in 11.
    EXPECT_EQ(std::get<TextOp>(w.page()[0]).y, 5 * 225);
    EXPECT_EQ(std::get<TextOp>(w.page()[0]).fontSize, 11);
    EXPECT_EQ(w.surface.fontSize(), 11);
    EXPECT_EQ(w.surface.foreColor(), platform::kBlack);
}

// The failing verdicts: each line in light magenta with one beep; what follows still prints.
TEST(StabilityPage, FailingVerdictsAreMagentaWithOneBeepEach) {
    struct Case {
        const char* name;
        StabilityPageChoices c;
        void (*adjust)(model::DesignData&);
        std::vector<std::string> magenta;
        std::size_t beeps;
        bool sketch;
    };
    auto seismic = [](SeismicLimit overturning, SeismicLimit sliding) {
        auto c = normalOneSided();
        c.loadCase = LoadCase::Seismic;
        c.overturning = overturning;
        c.sliding = sliding;
        return c;
    };
    auto withKey = [](StabilityPageChoices c, DesignBasis basis) {
        c.shearKey = true;
        c.basis = basis;
        return c;
    };
    const std::vector<Case> cases{
        {"eccentricity and overturning, normal",
         normalOneSided(),
         [](model::DesignData& d) {
             d.e = 0.44f; // B/6 = 0.433
             d.F_Overturn = 1.499f;
         },
         {"                偏　心　距　離  e=(B/2)－d=(2.600/2)－1.101=0.440m > B/6=2.600/6=0.433m",
          "                転 倒 安 全 率  F=Mr/Mo=81.120/12.442=1.499 < 1.5"},
         2,
         true},
        {"eccentricity and overturning, seismic B/3 and 1.2",
         seismic(SeismicLimit::F12, SeismicLimit::F10),
         [](model::DesignData& d) {
             d.e = -0.87f; // |e| > B/3 = 0.867; printed with its sign
             d.F_Overturn = 1.1999f;
         },
         {"                偏　心　距　離  e=(B/2)－d=(2.600/2)－1.101=-0.870m > B/3=2.600/3=0.867m",
          "                転 倒 安 全 率  F=Mr/Mo=81.120/12.442=1.200 < 1.2"},
         2,
         true},
        {"σmax and σmin above fe",
         normalOneSided(),
         [](model::DesignData& d) { d.Fe = 12.5f; },
         {"                               σmax,σmin > 12.5kN/m2  ∴ NG"},
         1,
         true},
        {"σmax above fe, σmin at fe",
         normalOneSided(),
         [](model::DesignData& d) { d.Fe = 12.957163f; },
         {"                               σmax > 13.0kN/m2  ∴ NG"},
         1,
         true},
        {"σmax above fe with a centred resultant",
         normalOneSided(),
         [](model::DesignData& d) {
             d.e = 0;
             d.Sigma_min = 35.042839f;
             d.Fe = 30;
         },
         {"                               σmax > 30.0kN/m2  ∴ NG"},
         1,
         true},
        {"sliding in the normal case without a key ends the page",
         normalOneSided(),
         [](model::DesignData& d) { d.F_Slide = 1.4999f; },
         {"                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=1.500 < 1.5"},
         1,
         false},
        {"sliding in the seismic case goes on to the sketch",
         seismic(SeismicLimit::F10, SeismicLimit::F10),
         [](model::DesignData& d) { d.F_Slide = 0.95f; },
         {"                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=0.950 < 1.0"},
         1,
         true},
        {"sliding without the key fails, the key passes",
         withKey(normalOneSided(), DesignBasis::Building),
         [](model::DesignData& d) { d.F_Slide = 0.95f; },
         {"                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=0.950 < 1.0"},
         1,
         true},
        {"the key's block, building basis: three lines, one beep",
         withKey(seismic(SeismicLimit::None, SeismicLimit::F12), DesignBasis::Building),
         [](model::DesignData& d) { d.F_SlideKey = 1.19f; },
         {"                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
          "                            =(0.0×2.600＋40.500×0.500＋73.125×0.500)/15.552",
          "                            =1.190 < 1.2"},
         1,
         true},
        {"two-sided, σmax above fe",
         [] {
             auto c = normalOneSided();
             c.shape = GroundShape::TwoSided;
             return c;
         }(),
         [](model::DesignData& d) { d.Fe = 20; },
         {"                               σmax > 20.0kN/m2  ∴ NG"},
         1,
         true},
        {"the key's block on A', seismic 1.0",
         [&] {
             auto c = withKey(seismic(SeismicLimit::None, SeismicLimit::F10), DesignBasis::Building);
             c.eccentricityDeducted = true;
             return c;
         }(),
         [](model::DesignData& d) {
             d.C_Base = 5;
             d.F_SlideKey = 0.999f;
         },
         {"                滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
          "                            =(5.0×2.201＋40.500×0.5＋73.125×0.500)/15.552",
          "                            =0.999 < 1.0"},
         1,
         true},
        {"the key by shear resistance, road basis",
         withKey(normalOneSided(), DesignBasis::Road),
         [](model::DesignData& d) { d.F_SlideKey = 1.2f; },
         {"                  滑動安全率  F=Hk/∑H=30.000/15.552=1.200 < 1.5"},
         1,
         true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        auto d = results();
        k.adjust(d);
        const auto w = write(d, k.c);
        EXPECT_EQ(w.magenta(), k.magenta);
        expectOneBeepPerFailingVerdict(w, k.beeps);
        EXPECT_EQ(w.lineCount() > 0, k.sketch);
        EXPECT_EQ(w.surface.foreColor(), platform::kBlack);
    }
}

// Limits are met exactly: each passes, in black.
TEST(StabilityPage, AValueAtItsLimitPasses) {
    auto d = results();
    d.e = 2.6f / 3; // |e| = Le of the seismic B/3 criterion
    d.F_Overturn = 1.2f;
    d.Sigma_max = 150;
    d.F_Slide = 1.0f;
    auto c = normalOneSided();
    c.loadCase = LoadCase::Seismic;
    c.overturning = SeismicLimit::F12;
    c.sliding = SeismicLimit::F10;
    const auto w = write(d, c);
    EXPECT_TRUE(w.magenta().empty());
    EXPECT_TRUE(w.beeps.empty());
    const auto texts = w.texts();
    EXPECT_EQ(texts[0], "            1－２ 安定性の検討（地震時）");
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "                転 倒 安 全 率  F=Mr/Mo=81.120/12.442=1.200 > 1.2  ∴ O.K"),
              texts.end());
    EXPECT_NE(
        std::find(texts.begin(), texts.end(), "                               σmax,σmin < 150.0kN/m2  ∴ O.K"),
        texts.end());
}

// The sliding section and the key calculation, by ground shape, key, design basis and cohesion choice.
TEST(StabilityPage, SlidingAndKeyLinesByBranch) {
    const std::vector<std::string> passiveWedge{
        kKeyStart,
        "                 H0=0.500m",
        // tan(60°) with 3.14159 for π, and its square
        "                  L=H0･tan(45ﾟ＋φB/2)=0.500×tan{45ﾟ＋(30.00ﾟ/2)}=0.500×1.732=0.866m",
        "                σmin=12.957kN/m2",
        "                σ1=26.250kN/m2   σ2=22.500kN/m2",
        "                σ0=(σ1＋σ2)/2=(26.250＋22.500)/2=24.375kN/m2",
        "                  P=σ0･tan^2(45ﾟ＋φB/2)",
        "                   =24.375×tan^2{45ﾟ＋(30.00ﾟ/2)}=24.375×3.000=73.125kN/m2",
        // L1 = 1.5 − 0.866, L2 = 2.6 − 1.5
        "                 W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2",
        "                   ={(35.043＋26.250)/2}×0.634＋{(22.500＋12.957)/2}×1.100=40.500kN/m2",
    };
    auto concat = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> out;
        for (const auto& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    auto cohesion = [](model::DesignData& d) { d.C_Base = 10; };
    auto liftOff = [](model::DesignData& d) {
        d.C_Base = 10;
        d.e = 0.5f;  // r = 0.192 > 1/6
        d.Xn = 2.4f; // 3 × (1.3 − 0.5); R = 0.923
    };
    struct Case {
        const char* name;
        GroundShape shape;
        LoadCase loadCase;
        bool key;
        DesignBasis basis;
        bool deducted, notDeducted;
        void (*adjust)(model::DesignData&);
        std::vector<std::string> lines;
    };
    const std::string sfNormal =
        "                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=2.006 > 1.5  ∴ O.K";
    const std::string sfKey =
        "                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=2.006 > 1.0  ――-> 突起を設ける";
    const std::string sfSeismic =
        "                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=2.006 > 1.0  ∴ O.K";
    const std::string rhWhole =
        "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×2.600＋62.400×0.5=31.200kN/m";
    const std::string rhLift =
        "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×(2.600×0.923)＋62.400×0.5=31.200kN/m";
    const std::string aEff = "                底版の有効載荷面積 A'=B-2e=2.600－2×0.199=2.201m2/m";
    const std::string rhEff =
        "                滑動に対する抵抗力 RH=C･A'＋ΣV･μ=10.0×2.201＋62.400×0.5=31.200kN/m";
    const std::vector<std::string> wholeBlock{
        "                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
        "                            =(0.0×2.600＋40.500×0.500＋73.125×0.500)/15.552",
        "                            =3.250 > 1.5  ∴ O.K",
    };
    const std::vector<std::string> road{
        kKeyStart,
        "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB",
        "                               ={(35.043＋22.500)/2}×1.500×0.577", // tan 30°
        "                                ＋{(12.957＋22.500)/2}×1.100×0.577",
        "                               =30.000kN/m2",
        "                  滑動安全率  F=Hk/∑H=30.000/15.552=3.250 > 1.0  ∴ O.K",
    };
    const std::vector<Case> cases{
        {"two-sided",
         GroundShape::TwoSided,
         LoadCase::Normal,
         true,
         DesignBasis::Building,
         false,
         false,
         nullptr,
         {"                対称土圧の為､滑動は生じない｡"}},
        {"no ground shape",
         GroundShape::None,
         LoadCase::Normal,
         false,
         DesignBasis::Building,
         false,
         false,
         nullptr,
         {}},
        {"no key, no cohesion",
         GroundShape::OneSided,
         LoadCase::Normal,
         false,
         DesignBasis::Road,
         false,
         false,
         nullptr,
         {kSumH, kRH, sfNormal}},
        {"no key, cohesion on B",
         GroundShape::OneSided,
         LoadCase::Normal,
         false,
         DesignBasis::Building,
         false,
         true,
         cohesion,
         {kSumH, rhWhole, sfNormal}},
        {"no key, cohesion on B, lifting off",
         GroundShape::OneSided,
         LoadCase::Normal,
         false,
         DesignBasis::Building,
         false,
         true,
         liftOff,
         {kSumH, rhLift, sfNormal}},
        {"no key, cohesion on A'",
         GroundShape::OneSided,
         LoadCase::Seismic,
         false,
         DesignBasis::Building,
         true,
         false,
         cohesion,
         {aEff, kSumH, rhEff, sfSeismic}},
        {"no key, cohesion without a choice",
         GroundShape::OneSided,
         LoadCase::Normal,
         false,
         DesignBasis::Building,
         false,
         false,
         cohesion,
         {sfNormal}},
        {"key, building basis, no cohesion", GroundShape::OneSided, LoadCase::Normal, true,
         DesignBasis::Building, false, false, nullptr,
         concat({{kSumH, kRH, sfKey}, passiveWedge, wholeBlock})},
        {"key, building basis, cohesion on A'", GroundShape::OneSided, LoadCase::Normal, true,
         DesignBasis::Building, true, false, cohesion,
         concat({{aEff, kSumH, rhEff, sfKey},
                 passiveWedge,
                 {"                滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
                  "                            =(10.0×2.201＋40.500×0.5＋73.125×0.500)/15.552",
                  "                            =3.250 > 1.5  ∴ O.K"}})},
        {"key, building basis, cohesion on B, seismic", GroundShape::OneSided, LoadCase::Seismic, true,
         DesignBasis::Building, false, true, cohesion,
         concat({{kSumH, rhWhole, sfKey},
                 passiveWedge,
                 {"                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
                  "                            =(10.0×2.600＋40.500×0.500＋73.125×0.500)/15.552",
                  "                            =3.250 > 1.0  ∴ O.K"}})},
        // A choice left over from a cohesive ground: the whole-width forms only, as in the sliding check.
        {"key, no cohesion, stale A' choice", GroundShape::OneSided, LoadCase::Normal, true,
         DesignBasis::Building, true, false, nullptr,
         concat({{kSumH, kRH, sfKey}, passiveWedge, wholeBlock})},
        {"key, road basis", GroundShape::OneSided, LoadCase::Seismic, true, DesignBasis::Road, false, false,
         nullptr, concat({{"                水平力の総和 ΣH=15.552kN/m"}, road})},
        // With cohesion c･L1 is added; lifting off, L2 = |Xn| − B1 = 2.4 − 1.5.
        {"key, road basis, cohesion, lifting off",
         GroundShape::OneSided,
         LoadCase::Normal,
         true,
         DesignBasis::Road,
         false,
         false,
         liftOff,
         {"                水平力の総和 ΣH=15.552kN/m", kKeyStart,
          "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1",
          "                               ={(35.043＋22.500)/2}×1.500×0.577",
          "                                ＋{(12.957＋22.500)/2}×0.900×0.577",
          "                                ＋10.0×1.500=30.000kN/m2",
          "                  滑動安全率  F=Hk/∑H=30.000/15.552=3.250 > 1.5  ∴ O.K"}},
        {"key, no basis",
         GroundShape::OneSided,
         LoadCase::Normal,
         true,
         DesignBasis::None,
         false,
         false,
         nullptr,
         {kKeyStart}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        auto d = results();
        if (k.adjust) k.adjust(d);
        StabilityPageChoices c;
        c.shape = k.shape;
        c.loadCase = k.loadCase;
        c.shearKey = k.key;
        c.basis = k.basis;
        c.eccentricityDeducted = k.deducted;
        c.eccentricityNotDeducted = k.notDeducted;
        c.sliding = SeismicLimit::F10;
        EXPECT_EQ(write(d, c).sliding(), k.lines);
    }
}

std::vector<std::string> between(const std::vector<std::string>& all, const std::string& from,
                                 const std::string& to) {
    auto a = std::find(all.begin(), all.end(), from);
    auto b = std::find(a, all.end(), to);
    return {a == all.end() ? a : a + 1, b};
}

const std::string kOverturning = "            １）転倒に対する検討";
const std::string kBearing = "            ２）地盤支持力(接地圧)に対する検討";
const std::string kSliding = "            ３）滑り出しに対する検討";

TEST(StabilityPage, OverturningAndBearingByShapeCaseAndEccentricity) {
    const std::string mr = "                抵抗モーメント Mr=ΣV･x=81.120kNm/m";
    const std::string mo = "                転倒モーメント Mo=ΣH･y=12.442kNm/m";
    const std::string d = "                合力の作用位置  d=(Mr－Mo)/ΣV=(81.120－12.442)/62.400=1.101m";
    {
        SCOPED_TRACE("two-sided: the note, then Mr and the fixed Mo");
        auto c = normalOneSided();
        c.shape = GroundShape::TwoSided;
        const auto t = write(results(), c).texts();
        EXPECT_EQ(between(t, kOverturning, kBearing),
                  std::vector<std::string>{"                対称土圧の為、転倒は生じない。"});
        const auto bearing = between(t, kBearing, kSliding);
        ASSERT_GE(bearing.size(), 2u);
        EXPECT_EQ(bearing[0], mr);
        EXPECT_EQ(bearing[1], "                転倒モーメント Mo=ΣH･y=0kNm/m");
    }
    {
        SCOPED_TRACE("seismic without a criterion: no verdict");
        auto c = normalOneSided();
        c.loadCase = LoadCase::Seismic;
        EXPECT_EQ(between(write(results(), c).texts(), kOverturning, kBearing),
                  (std::vector<std::string>{mr, mo, d}));
    }
    {
        SCOPED_TRACE("seismic B/2 and 1.0");
        auto c = normalOneSided();
        c.loadCase = LoadCase::Seismic;
        c.overturning = SeismicLimit::F10;
        EXPECT_EQ(between(write(results(), c).texts(), kOverturning, kBearing),
                  (std::vector<std::string>{
                      mr, mo, d,
                      "                偏　心　距　離  e=(B/2)－d=(2.600/2)－1.101=0.199m < "
                      "B/2=2.600/2=1.300m ∴ O.K",
                      "                転 倒 安 全 率  F=Mr/Mo=81.120/12.442=6.520 > 1.0  ∴ O.K"}));
    }
    {
        SCOPED_TRACE("a centred resultant: no σmin, the verdict names σmax alone");
        auto r = results();
        r.e = 0;
        r.Sigma_max = r.Sigma_min = 24;
        EXPECT_EQ(between(write(r, normalOneSided()).texts(), kBearing, kSliding),
                  (std::vector<std::string>{
                      "                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}",
                      "                           　　     =(62.400/2.600)×{1＋(6×0.000/2.600)}",
                      "                          　　      =24.000kN/m2",
                      "                               σmax < 150.0kN/m2  ∴ O.K"}));
    }
    {
        SCOPED_TRACE("lifting off, e negative: the triangle, |e| printed, σmin fixed at 0");
        auto r = results();
        r.e = -0.5f;
        r.Sigma_max = 52;
        r.Sigma_min = 0;
        EXPECT_EQ(between(write(r, normalOneSided()).texts(), kBearing, kSliding),
                  (std::vector<std::string>{
                      "                最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]",
                      "                           　　     =(62.400/2.600)×[2/{3×(1/2－0.500/2.600)}]",
                      "                          　　      =52.000kN/m2",
                      "                最 小 接 地 圧 σmin=0kN/m2",
                      "                               σmax,σmin < 150.0kN/m2  ∴ O.K"}));
    }
}

// |e|/B equal to the single 1/6: the formulas take the whole contact, the key's W1 and the sketch the
// triangle.
TEST(StabilityPage, AnEccentricityOfExactlyASixth) {
    auto r = results();
    r.B = 6;
    r.e = 1;
    r.Xn = 6;
    r.C_Base = 10;
    auto c = normalOneSided();
    c.shearKey = true;
    c.eccentricityNotDeducted = true;
    const auto w = write(r, c);
    const auto t = w.texts();
    EXPECT_EQ(between(t, kBearing, kSliding)[0], "                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}");
    const auto s = w.sliding();
    EXPECT_EQ(s[1], "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×6.000＋62.400×0.5=31.200kN/m");
    EXPECT_EQ(std::count(s.begin(), s.end(), "                σmin=12.957kN/m2"), 0);
    // W1 form 3: L1 = B1 − L, L2 = |Xn| − B1 = 4.5
    EXPECT_NE(std::find(s.begin(), s.end(),
                        "                   ={(35.043＋26.250)/2}×0.634＋(22.500/2)×4.500=40.500kN/m2"),
              s.end());
    EXPECT_NE(std::find(s.begin(), s.end(),
                        "                            =(10.0×6.000＋40.500×0.500＋73.125×0.500)/15.552"),
              s.end());
    // The sketch's variant 8: the division ends at the zero-pressure point x 10750.
    EXPECT_NE(std::find(w.page().begin(), w.page().end(),
                        platform::DrawOp{LineOp{10750, 5150, 10750, 4850, platform::kBlack}}),
              w.page().end());
}

TEST(StabilityPage, TheKeysReactionFormsBySideAndContact) {
    struct Case {
        float e, xn;
        const char* formula;
        const char* substitution;
    };
    const Case cases[] = {
        {-0.2f, 4.125f, "                 W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2",
         "                   ={(12.957＋26.250)/2}×0.634＋{(22.500＋35.043)/2}×1.100=40.500kN/m2"},
        // L1 = B1 − (B − |Xn|) − L = 1.5 − 0.2 − 0.866
        {-0.5f, 2.4f, "                 W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2",
         "                   =(26.250/2)×0.434＋{(22.500＋35.043)/2}×1.100=40.500kN/m2"},
    };
    for (const Case& k : cases) {
        auto r = results();
        r.e = k.e;
        r.Xn = k.xn;
        auto c = normalOneSided();
        c.shearKey = true;
        const auto s = write(r, c).sliding();
        auto at = std::find(s.begin(), s.end(), k.formula);
        ASSERT_NE(at, s.end()) << k.formula;
        EXPECT_EQ(*(at + 1), k.substitution);
    }
}

// A zero base width lies outside the engine's results; the page still draws, the contact ratio as "―".
TEST(StabilityPage, AZeroBaseWidthPrintsADashForTheContactRatio) {
    auto r = results();
    r.B = 0;
    r.C_Base = 10;
    auto c = normalOneSided();
    c.shearKey = true;
    c.eccentricityNotDeducted = true;
    const auto s = write(r, c).sliding();
    EXPECT_EQ(s[1], "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×(0.000×―)＋62.400×0.5=31.200kN/m");
    EXPECT_NE(std::find(s.begin(), s.end(),
                        "                            =(10.0×0.000×―＋40.500×0.500＋73.125×0.500)/15.552"),
              s.end());
}

TEST(StabilityPage, TheSketchsNineVariants) {
    struct Case {
        int variant;
        bool key;
        float b, e;
        std::size_t segments;
        std::vector<TextOp> pressureLabels; // position and text; size 9, black
    };
    auto label = [](double x, double y, const char* text) {
        return TextOp{x, y, text, std::string(platform::kMincho), 9, platform::kBlack};
    };
    // σmax at the right end below the frame's top stands at 10500, its 450 twips ending 50 before the
    // frame's right tick at 11000.
    const std::vector<Case> cases{
        {1, false, 2.6f, 0.2f, 10, {label(9000, 4250, "σmax"), label(10650, 4450, "σmin")}},
        {2, false, 2.6f, -0.2f, 10, {label(10500, 4650, "σmax"), label(9000, 4150, "σmin")}},
        {3, false, 2.6f, 0, 10, {label(10000, 4550, "σmax")}},
        {4, false, 6, 1, 9, {label(9000, 4350, "σmax")}}, // r = 1/6 takes the triangle
        {5, false, 2.6f, -0.5f, 9, {label(10500, 4650, "σmax")}},
        {6,
         true,
         2.6f,
         0,
         24,
         {label(9000, 4350, "σmax"), label(10650, 4550, "σmin"), label(9600, 4350, "σ1"),
          label(10300, 4280, "σ2")}},
        {7,
         true,
         2.6f,
         -0.2f,
         24,
         {label(10500, 4750, "σmax"), label(9000, 4250, "σmin"), label(9600, 4280, "σ1"),
          label(10300, 4330, "σ2")}},
        {8, true, 6, 1, 24, {label(9000, 4450, "σmax"), label(9600, 4380, "σ1"), label(10300, 4440, "σ2")}},
        {9,
         true,
         2.6f,
         -0.5f,
         24,
         {label(10500, 4750, "σmax"), label(9600, 4380, "σ1"), label(10300, 4320, "σ2")}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.variant);
        auto r = results();
        r.B = k.b;
        r.e = k.e;
        auto c = normalOneSided();
        c.shearKey = k.key;
        const auto w = write(r, c);
        EXPECT_EQ(w.lineCount(), k.segments);
        std::vector<TextOp> labels;
        for (const auto& op : w.page()) {
            if (const auto* t = std::get_if<TextOp>(&op); t && t->fontSize == 9 && t->text.starts_with("σ"))
                labels.push_back(*t);
            if (const auto* l = std::get_if<LineOp>(&op)) {
                EXPECT_TRUE(l->x1 >= 9000 && l->x2 <= 11000 && l->y1 >= 3500 && l->y2 <= 5400);
                EXPECT_EQ(l->color, platform::kBlack);
            }
        }
        EXPECT_EQ(labels, k.pressureLabels);
        EXPECT_EQ(w.surface.fontSize(), 11);
    }
    // The key and its wedge stay put when the pressure is mirrored; only variant 9's division moves.
    auto r = results();
    r.e = -0.5f;
    auto c = normalOneSided();
    c.shearKey = true;
    const auto w = write(r, c);
    for (const auto& op : {LineOp{10250, 4050, 9900, 3800, platform::kBlack},
                           LineOp{9750, 5150, 11000, 5150, platform::kBlack}})
        EXPECT_NE(std::find(w.page().begin(), w.page().end(), platform::DrawOp{op}), w.page().end());
}

// Form4.KENTOU gathers the screens' and dialogs' choices: a user's wall through the engine.
using stability_test::StabilityTest;
using KentouTest = StabilityTest;

std::vector<std::string> kentou(app::Program& p, platform::RecordingSurface& s) {
    EXPECT_TRUE(stability_test::run(p));
    p.Form4().KENTOU(s);
    std::vector<std::string> out;
    for (const auto& op : s.page())
        if (const auto* t = std::get_if<TextOp>(&op)) out.push_back(t->text);
    return out;
}

bool has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

TEST_F(KentouTest, ThePassingSimpleWallAndAFailingBearing) {
    stability_test::simpleWall(prog);
    platform::RecordingSurface s;
    auto t = kentou(prog, s);
    EXPECT_EQ(t[0], "            1－２ 安定性の検討（常時）");
    EXPECT_TRUE(has(t, "                滑 動 安 全 率      F=RH/ΣH=31.200/15.552=2.006 > 1.5  ∴ O.K"));
    EXPECT_EQ(services.beeps, 0);
    EXPECT_FALSE(prog.Form14.loaded()); // reading the dialogs' options does not create them
    EXPECT_FALSE(prog.Form21.loaded());

    f3().txt4.setText("30"); // fe below σmax 35.043, above σmin 12.957
    platform::RecordingSurface failing;
    t = kentou(prog, failing);
    EXPECT_TRUE(has(t, "                               σmax > 30.0kN/m2  ∴ NG"));
    EXPECT_EQ(services.beeps, 1);
}

TEST_F(KentouTest, SeismicCriteriaAndTheKeyFromTheDialogs) {
    stability_test::simpleWall(prog);
    stability_test::seismic(prog, stability_test::Method::K1, "0.2");
    prog.Form21().opt2.setValue(true); // F ≥ 1.2, e ≤ B/3
    prog.Form21().opt6.setValue(true); // sliding F ≥ 1.2
    prog.Form4().opt6.setValue(true);
    stability_test::type(
        {{&prog.Form19().txt1, "0.3"}, {&prog.Form19().txt2, "1.0"}, {&prog.Form19().txt3, "0.3"}});
    platform::RecordingSurface s;
    auto t = kentou(prog, s);
    EXPECT_EQ(t[0], "            1－２ 安定性の検討（地震時）");
    EXPECT_EQ(
        std::count_if(t.begin(), t.end(), [](const std::string& x) { return x.ends_with(" > 1.2  ∴ O.K"); }),
        2); // overturning and the key; the sliding line without the key is judged against 1.0
    EXPECT_TRUE(
        std::any_of(t.begin(), t.end(), [](const std::string& x) { return x.find("m < B/3=") != x.npos; }));
    EXPECT_TRUE(std::any_of(t.begin(), t.end(),
                            [](const std::string& x) { return x.ends_with("――-> 突起を設ける"); }));

    prog.Form3().opt_D.setValue(true);
    platform::RecordingSurface road;
    t = kentou(prog, road);
    EXPECT_TRUE(has(t, "                水平力の総和 ΣH=" + platform::format(prog.d.SumH, "0.000") + "kN/m"));
    EXPECT_TRUE(std::any_of(t.begin(), t.end(), [](const std::string& x) {
        return x.starts_with("                  滑動安全率  F=Hk/∑H=");
    }));
}

TEST_F(KentouTest, TwoSidedEarthPressure) {
    stability_test::simpleWall(prog);
    prog.Form23().opt2.setValue(true);
    platform::RecordingSurface s;
    auto t = kentou(prog, s);
    EXPECT_TRUE(has(t, "                対称土圧の為、転倒は生じない。"));
    EXPECT_TRUE(has(t, "                転倒モーメント Mo=ΣH･y=0kNm/m"));
    EXPECT_TRUE(has(t, "                対称土圧の為､滑動は生じない｡"));
    // The sketch all the same: the symmetric wall's centred resultant gives the rectangle.
    EXPECT_EQ(prog.d.e, 0);
    EXPECT_EQ(t.back(), "σmax");
}

TEST_F(KentouTest, CohesionWithTheNormalCasesChoice) {
    stability_test::simpleWall(prog);
    f3().txt14.setText("10");
    prog.Form14().opt4.setValue(true);
    platform::RecordingSurface s;
    auto t = kentou(prog, s);
    // A' = 2.6 − 2 × 0.199; RH = 10 × 2.201 + 31.2
    EXPECT_TRUE(has(t, "                底版の有効載荷面積 A'=B-2e=2.600－2×0.199=2.201m2/m"));
    EXPECT_TRUE(has(t, "                滑動に対する抵抗力 RH=C･A'＋ΣV･μ=10.0×2.201＋62.400×0.5=53.212kN/m"));

    prog.Form14().opt5.setValue(true);
    platform::RecordingSurface whole;
    t = kentou(prog, whole);
    EXPECT_TRUE(has(t, "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×2.600＋62.400×0.5=57.200kN/m"));
}

} // namespace
