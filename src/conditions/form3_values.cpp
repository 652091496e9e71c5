#include <cmath>

#include "app/program.h"
#include "conditions/allowable.h"
#include "conditions/form3.h"
#include "model/calc.h"
#include "model/on_copy.h"
#include "platform/runtime.h"

namespace conditions {

platform::Status Form3::HENSUU() {
    const model::LoadCase loadCase = opt3.value()   ? model::LoadCase::Normal
                                     : opt4.value() ? model::LoadCase::Seismic
                                                    : model::LoadCase::None;
    return model::computeOnCopy(prog_.d, [&](model::DesignData& w) {
        model::Calc s("設計条件");
        w.SiteName = txt1.text();
        s.read(w.Sigma28, txt2.text(), "コンクリートの設計基準強度 σ28");
        s.read(w.Sigma_sa_Long, txt3.text(), "鉄筋の許容引張応力度（長期）");
        s.read(w.Sigma_sa_Short, txt13.text(), "鉄筋の許容引張応力度（短期）");
        s.read(w.Fe_Long, txt4.text(), "許容地耐力度");
        s.read(w.GammaS, txt5.text(), "土の単位体積重量");
        s.read(w.GammaC, txt6.text(), "鉄筋コンクリートの単位体積重量");
        w.SoilType_Back = cbo1.text();
        w.SoilType_Base = cbo2.text();
        s.read(w.C_Base, txt14.text(), "土の粘着力");
        s.read(w.Phi_Back, txt8.text(), "内部摩擦角 φ");
        s.read(w.Phi_Base, txt11.text(), "支持地盤の内部摩擦角 φB");
        s.read(w.Mu_Base, txt9.text(), "底面の摩擦係数 μ");
        s.read(w.Delta, txt10.text(), "壁面摩擦角 δ");
        w.Beta = 0;
        if (s.failed()) return s.status();
        return computeAllowable(w, loadCase);
    });
}

platform::Status Form3::Masatu() {
    float phi = 0;
    float mu = 0;
    model::Calc s("底面の摩擦係数");
    s.read(phi, txt11.text(), "支持地盤の内部摩擦角 φB");
    s.put(mu, std::tan(platform::degToRad(phi)), "底面の摩擦係数 μ");
    auto status = s.status();
    if (status) {
        prog_.d.Phi_Base = phi;
        prog_.d.Mu_Base = mu;
    }
    return status;
}

} // namespace conditions
