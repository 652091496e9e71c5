#pragma once

#include <utility>

#include "model/design_data.h"
#include "platform/result.h"

namespace model {

// Runs a computation on a copy of the design data and keeps the copy only when it succeeds, so a
// fault never leaves half-computed values behind. compute: platform::Status(DesignData&).
template <class Compute> platform::Status computeOnCopy(DesignData& d, Compute&& compute) {
    DesignData w = d;
    platform::Status status = std::forward<Compute>(compute)(w);
    if (status) d = std::move(w);
    return status;
}

} // namespace model
