#pragma once

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/result.h"

namespace conditions {

// The allowable stresses that follow from σ28, the long-term bearing capacity and Kh, and the set in
// force for the load case (none chosen: the set in force stays). Like the engine it may leave the data
// half-computed on a fault; its callers run it on a copy (model::computeOnCopy).
platform::Status computeAllowable(model::DesignData& d, model::LoadCase loadCase);

} // namespace conditions
