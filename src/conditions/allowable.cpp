#include "conditions/allowable.h"

#include "model/calc.h"
#include "platform/runtime.h"

namespace conditions {

platform::Status computeAllowable(model::DesignData& w, model::LoadCase loadCase) {
    model::Calc s("設計条件");
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

    if (loadCase == model::LoadCase::Normal) {
        w.Sigma_ca = w.Sigma_ca_Long;
        w.Tau_ca = w.Tau_ca_Long;
        w.Sigma_sa = w.Sigma_sa_Long;
        w.Tau_0a = w.Tau_0a_Long;
        w.Fe = w.Fe_Long;
    } else if (loadCase == model::LoadCase::Seismic) {
        w.Sigma_ca = w.Sigma_ca_Short;
        w.Tau_ca = w.Tau_ca_Short;
        w.Sigma_sa = w.Sigma_sa_Short;
        w.Tau_0a = w.Tau_0a_Short;
        w.Fe = w.Fe_Short;
    }
    return s.status();
}

} // namespace conditions
