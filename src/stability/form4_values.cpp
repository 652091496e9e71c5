#include "app/program.h"
#include "model/calc.h"
#include "model/on_copy.h"
#include "stability/form4.h"

namespace stability {

using model::Calc;

// Every operation runs on a working copy of the design data and commits it only on success. On a
// fault the design data stay as they were, except that the stability results count as absent
// (Hihyouji_1: verdicts hidden, Sigma_max 0), so that no result of earlier inputs passes for one of
// the present inputs.
namespace {

template <class Run> platform::Status onCopy(model::DesignData& d, Form4& form, Run run) {
    auto status = model::computeOnCopy(d, run);
    if (!status) form.Hihyouji_1();
    return status;
}

} // namespace

model::ScreenChoices Form4::screenChoices() {
    model::ScreenChoices c;
    c.loadCase = prog_.Form3().loadCase();
    c.basis = prog_.Form3().designBasis();
    c.method = prog_.Form25().method();
    c.shape = prog_.Form23().shape();
    c.frontSoilCounted = opt3.value();
    c.frontSoilOmitted = opt4.value();
    c.deductSurcharge = chk1.value() == 1;
    return c;
}

EngineChoices Form4::engineChoices() {
    using namespace model;
    EngineChoices c;
    static_cast<ScreenChoices&>(c) = screenChoices();
    c.shearKey = opt6.value();
    // The dialogs are consulted where the engine needs them, so that a run does not create them
    // otherwise.
    const bool inertia = c.method == SeismicMethod::K2 || c.method == SeismicMethod::D1;
    if (c.loadCase != LoadCase::Normal && inertia) c.surchargeInertia = prog_.Form21().chk1.value() == 1;
    if (c.shape == GroundShape::OneSided && prog_.d.C_Base != 0) {
        c.eccentricityDeducted = prog_.Form14().opt4.value() || prog_.Form21().opt7.value();
        c.eccentricityNotDeducted = prog_.Form14().opt5.value() || prog_.Form21().opt8.value();
    }
    return c;
}

platform::Status Form4::HENSUU() {
    const auto shape = prog_.Form23().opt1.value()   ? model::GroundShape::OneSided
                       : prog_.Form23().opt2.value() ? model::GroundShape::TwoSided
                                                     : model::GroundShape::None;
    return onCopy(prog_.d, *this, [&](model::DesignData& w) -> platform::Status {
        Calc c("擁壁の寸法");
        w.SectionNo = txt1.text();
        w.WallSymbol = txt2.text();
        c.read(w.H3, txt3.text(), "H3");
        c.read(w.H4, txt4.text(), "H4");
        c.read(w.H1, txt5.text(), "H1");
        c.read(w.H2, txt6.text(), "H2");
        c.read(w.T_WallFrontTop, txt7.text(), "前たて壁の天端幅");
        c.read(w.Batter_FrontIn, txt8.text(), "前たて壁内側の勾配");
        c.read(w.T_WallBackTop, txt9.text(), "後たて壁の天端幅");
        c.read(w.Batter_BackIn, txt10.text(), "後たて壁内側の勾配");
        c.read(w.B_Toe, txt12.text(), "つま先版の長さ");
        c.read(w.T_WallFront, txt13.text(), "前たて壁の厚さ");
        c.read(w.B_Span, txt14.text(), "壁の内のり");
        c.read(w.T_WallBack, txt15.text(), "後たて壁の厚さ");
        c.read(w.B_Heel, txt16.text(), "かかと版の長さ");
        c.read(w.T_Slab, txt17.text(), "底版の厚さ");
        c.read(w.T_ToeTip, txt18.text(), "つま先版先端の厚さ");
        c.read(w.T_HeelTip, txt19.text(), "かかと版先端の厚さ");
        c.read(w.H_CenterSoil, txt20.text(), "中央土の深さ");
        c.read(w.q_Back, txt21.text(), "背面の上載荷重");
        c.read(w.q_Center, txt22.text(), "中央土の上載荷重");
        c.read(w.KA, txt11.text(), "主働土圧係数 KA");
        if (shape == model::GroundShape::OneSided) c.read(w.q_Front, txt23.text(), "前面の上載荷重");
        if (shape == model::GroundShape::TwoSided) w.q_Front = w.q_Back;
        if (opt6.value()) {
            auto& key = prog_.Form19();
            c.read(w.H0_Key, key.txt1.text(), "突起の高さ");
            c.read(w.B1_Key, key.txt2.text(), "突起の位置");
            c.read(w.D_Key, key.txt3.text(), "突起の巾");
        }
        if (c.failed()) return c.status();
        return deriveGeometry(w, shape);
    });
}

platform::Status Form4::KEISAN() {
    const EngineChoices choices = engineChoices();
    return onCopy(prog_.d, *this, [&](model::DesignData& w) { return computeKa(w, choices); });
}

platform::Status Form4::DANMEM_1() {
    const EngineChoices choices = engineChoices();
    return onCopy(prog_.d, *this, [&](model::DesignData& w) { return runStability(w, choices); });
}

} // namespace stability
