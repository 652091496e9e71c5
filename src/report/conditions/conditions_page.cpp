#include "platform/runtime.h"
#include "report/conditions/report_pages.h"
#include "report/page_format.h"

namespace report {

using model::KaInput;
using model::LoadCase;
using model::SeismicMethod;
using platform::format;

void writeConditions(platform::Surface& s, const model::DesignData& d, const ConditionsPageChoices& c) {
    const bool normal = c.loadCase == LoadCase::Normal;
    const bool seismic = c.loadCase == LoadCase::Seismic;
    emptyLines(s, 5);
    s.print({"          §１．設計条件"});
    emptyLines(s, 2);

    s.print({"            （１）擁壁の概要"});
    s.print();
    s.print({"                 ・築造地 ： ", d.SiteName});
    s.print();
    s.print({"                 ・形　式 ： Ｕ型鉄筋コンクリート造擁壁"});
    emptyLines(s, 2);

    s.print({"            （２）背面土"});
    s.print();
    s.print({"             　  ・土質の種類          ： ", d.SoilType_Back});
    s.print();
    s.print({"             　  ・土の単位体積重量    ：γs=", format(d.GammaS, "0.0#"), " kN/m3"});
    s.print();
    s.print({"             　  ・内部摩擦角          ： φ=", format(d.Phi_Back, "0.0#"), "°"});
    s.print();
    s.print({"               　・粘 着 力            ： Ｃ= 0 kN/m2"});
    s.print();
    s.print({"             　  ・壁背面と土との摩擦角： δ=", format(d.Delta, "0.00"), "°"});
    emptyLines(s, 2);

    const std::string kh = format(d.Kh, "0.0#");
    if (normal) {
        s.print({"            （３）土圧（常時）"});
        s.print();
        if (c.ka == KaInput::Computed)
            s.print({"             　   クーロンの土圧式による。"});
        else if (c.ka == KaInput::Typed)
            s.print({"             　   直接入力 KA=", format(d.KA, "0.0#")});
    } else if (seismic) {
        if (c.method == SeismicMethod::K1 || c.method == SeismicMethod::D1) {
            s.print({"            （３）土圧（地震時）"});
            s.print();
            s.print({"             　   岡部･物部式による。(水平震度 Kh＝", kh, ")"});
        } else if (c.method == SeismicMethod::K2) {
            s.print({"            （３）土圧（地震時）"});
            s.print();
            if (c.ka == KaInput::Computed)
                s.print({"             　   クーロンの土圧式による。(水平震度 Kh＝", kh, ")"});
            else if (c.ka == KaInput::Typed)
                s.print({"             　   直接入力 KA=", format(d.KA, "0.0#"), " (水平震度 Kh＝", kh, ")"});
        }
    }
    emptyLines(s, 2);

    s.print({"            （４）支持地盤"});
    s.print();
    s.print({"             　  ・土質の種類          ： ", d.SoilType_Base});
    s.print();
    s.print({"             　  ・内部摩擦角          ：φ=", format(d.Phi_Base, "0.0#"), "°"});
    s.print();
    s.print({"             　  ・粘 着 力            ：Ｃ=", format(d.C_Base, "0.0"), " kN/m2"});
    s.print();
    // The bearing capacity is the one number of the page printed in its general form.
    s.print({"                 ・許容地耐力度        ：fe=", normal ? d.Fe_Long : d.Fe_Short, "kN/m2"});
    s.print();
    if (c.muTyped)
        s.print({"             　  ・底面の摩擦係数      ：μ=", format(d.Mu_Base, "0.0#")});
    else if (c.muComputed)
        s.print({"             　  ・底面の摩擦係数      ：μ=tan", format(d.Phi_Base, "0.0#"),
                 "°=", format(d.Mu_Base, "0.00#")});
    emptyLines(s, 2);

    if (normal)
        s.print({"            （５）材料の許容応力度（常時）"});
    else if (seismic)
        s.print({"            （５）材料の許容応力度（地震時）"});
    s.print();
    s.print({"                 ・ コンクリート"});
    s.print();
    s.print({"                      設計基準強度     ：σ28=", format(d.Sigma28, "0"), "N/mm2"});
    s.print();
    s.print({"                      許容圧縮応力度   ：σca=", format(d.Sigma_ca, "0.0#"), "N/mm2"});
    s.print();
    s.print({"                      許容せん断応力度 ：τca=", format(d.Tau_ca, "0.0#"), "N/mm2"});
    s.print();
    s.print({d.Sigma_sa_Long >= 215.0f ? "                 ・ 鉄　筋 (SD345)"
                                       : "                 ・ 鉄　筋 (SD295A)"});
    s.print();
    s.print({"                      許容引張応力度   ：σsa=",
             format(normal ? d.Sigma_sa_Long : d.Sigma_sa_Short, "0.0#"), "N/mm2"});
    emptyLines(s, 2);

    s.print({"            （６）単位体積重量"});
    s.print();
    s.print({"             　  ・鉄筋コンクリート    ：γc=", format(d.GammaC, "0.0#"), " kN/m3"});
}

} // namespace report
