#pragma once

#include <array>

#include "model/choices.h"
#include "model/design_data.h"
#include "platform/result.h"

namespace stability {

// The options of the screens that the engine reads; Form4 gathers them from the forms.
struct EngineChoices : model::ScreenChoices {
    bool shearKey = false;                // Form4.opt6 "有り"
    bool surchargeInertia = false;        // Form21.chk1
    bool eccentricityDeducted = false;    // Form14.opt4 or Form21.opt7: cohesion on A' = B − 2|e|
    bool eccentricityNotDeducted = false; // Form14.opt5 or Form21.opt8: cohesion on B less the lifted part
};

// The parts of the wall's cross-section, numbered as in the drawing and the self-weight table.
enum class WallPart { FrontWall, BackWall, Slab, Heel, Toe, CenterSoil, BackSoil, FrontSoil };
inline constexpr int kWallPartCount = 8;

// Where one part's values live in the design data. The engine fills them; the self-weight table and
// the load summary read them through this table.
struct WallPartFields {
    const char* number;                   // "①" … "⑧"
    const char* name;                     // "前たて壁" …, as the self-weight table prints it
    float model::DesignData::*area;       // m2
    float model::DesignData::*x;          // lever arm from the front end (m)
    float model::DesignData::*y;          // centroid height above the base underside (m)
    float model::DesignData::*unitWeight; // γc for the concrete parts, γs for the soil
};

inline constexpr std::array<WallPartFields, kWallPartCount> kWallParts{{
    {"①", "前たて壁", &model::DesignData::A_FrontWall, &model::DesignData::X_FrontWall,
     &model::DesignData::Y_FrontWall, &model::DesignData::GammaC},
    {"②", "後たて壁", &model::DesignData::A_BackWall, &model::DesignData::X_BackWall,
     &model::DesignData::Y_BackWall, &model::DesignData::GammaC},
    {"③", "底　版", &model::DesignData::A_Slab, &model::DesignData::X_Slab, &model::DesignData::Y_Slab,
     &model::DesignData::GammaC},
    {"④", "かかと版", &model::DesignData::A_Heel, &model::DesignData::X_Heel, &model::DesignData::Y_Heel,
     &model::DesignData::GammaC},
    {"⑤", "つま先版", &model::DesignData::A_Toe, &model::DesignData::X_Toe, &model::DesignData::Y_Toe,
     &model::DesignData::GammaC},
    {"⑥", "中央土", &model::DesignData::A_CenterSoil, &model::DesignData::X_CenterSoil,
     &model::DesignData::Y_CenterSoil, &model::DesignData::GammaS},
    {"⑦", "背面土", &model::DesignData::A_BackSoil, &model::DesignData::X_BackSoil,
     &model::DesignData::Y_BackSoil, &model::DesignData::GammaS},
    {"⑧", "前面土", &model::DesignData::A_FrontSoil, &model::DesignData::X_FrontSoil,
     &model::DesignData::Y_FrontSoil, &model::DesignData::GammaS},
}};

inline const WallPartFields& wallPart(WallPart p) {
    return kWallParts[static_cast<std::size_t>(p)];
}

// W = γ × A of a part (kN/m), in double as the engine sums it.
inline double partWeight(const model::DesignData& d, const WallPartFields& p) {
    return static_cast<double>(d.*p.unitWeight) * (d.*p.area);
}

// Each operation works on the design data it is given and may leave them half-computed when it fails;
// Form4 runs them on a copy and keeps the copy only on success.

// The geometry derived from the copied dimensions (θ among it) and the cleared part areas and
// surcharge loads.
platform::Status deriveGeometry(model::DesignData& d, model::GroundShape shape);
// The earth-pressure coefficient KA: Coulomb, or Okabe–Mononobe for the seismic earth pressure.
platform::Status computeKa(model::DesignData& d, const EngineChoices& c);
// Loads, overturning, contact pressure, sliding and shear key. On success Sigma_max is non-zero.
platform::Status runStability(model::DesignData& d, const EngineChoices& c);

} // namespace stability
