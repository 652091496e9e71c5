#include <cmath>
#include <string>
#include <string_view>

#include "app/program.h"
#include "conditions/form3.h"
#include "model/calc.h"
#include "platform/runtime.h"

namespace conditions {

platform::Status Form3::HENSUU() {
    // Works on a copy that is committed only when every value could be stored.
    model::DesignData w = prog_.d;
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

    const double sigma28 = w.Sigma28;
    s.put(w.Sigma_ca_Long, sigma28 / 3, "コンクリートの許容圧縮応力度");
    s.put(w.Sigma_ca_Short, 2 * static_cast<double>(w.Sigma_ca_Long), "コンクリートの許容圧縮応力度");

    const float shear1 = platform::toSingle(sigma28 / 30);
    const float shear2 = platform::toSingle(0.49 + sigma28 / 100);
    s.put(w.Tau_ca_Long, shear1 <= shear2 ? shear1 : shear2, "コンクリートの許容せん断応力度");
    s.put(w.Tau_ca_Short, 1.5 * static_cast<double>(w.Tau_ca_Long), "コンクリートの許容せん断応力度");

    const float bond1 = platform::toSingle(sigma28 / 15);
    const float bond2 = platform::toSingle(0.9 + 2.0 / 75.0 * sigma28);
    s.put(w.Tau_0a_Long, bond1 <= bond2 ? bond1 : bond2, "許容付着応力度");
    s.put(w.Tau_0a_Short, 1.5 * static_cast<double>(w.Tau_0a_Long), "許容付着応力度");

    const double feLong = w.Fe_Long;
    s.put(w.Fe_Short, w.Kh < 0.25f ? 2 * feLong : 3 * feLong, "許容地耐力度（短期）");

    if (opt3.value()) {
        w.Sigma_ca = w.Sigma_ca_Long;
        w.Tau_ca = w.Tau_ca_Long;
        w.Sigma_sa = w.Sigma_sa_Long;
        w.Tau_0a = w.Tau_0a_Long;
        w.Fe = w.Fe_Long;
    } else if (opt4.value()) {
        w.Sigma_ca = w.Sigma_ca_Short;
        w.Tau_ca = w.Tau_ca_Short;
        w.Sigma_sa = w.Sigma_sa_Short;
        w.Tau_0a = w.Tau_0a_Short;
        w.Fe = w.Fe_Short;
    }

    auto status = s.status();
    if (status) prog_.d = std::move(w);
    return status;
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
