// The screens' choices as values, for the calculations and the report writers.
#include "conditions/form23.h"
#include "conditions/form25.h"
#include "conditions/form3.h"

namespace conditions {

using namespace model;

LoadCase Form3::loadCase() const {
    return opt3.value() ? LoadCase::Normal : opt4.value() ? LoadCase::Seismic : LoadCase::None;
}

DesignBasis Form3::designBasis() const {
    return opt_T.value() ? DesignBasis::Building : opt_D.value() ? DesignBasis::Road : DesignBasis::None;
}

SeismicMethod Form25::method() const {
    return opt_K1.value()   ? SeismicMethod::K1
           : opt_K2.value() ? SeismicMethod::K2
           : opt_D1.value() ? SeismicMethod::D1
                            : SeismicMethod::None;
}

GroundShape Form23::shape() const {
    return opt1.value() ? GroundShape::OneSided : opt2.value() ? GroundShape::TwoSided : GroundShape::None;
}

} // namespace conditions
