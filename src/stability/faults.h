#pragma once

namespace stability {

// The engine's own faults: the choices it asks for, and a resultant at or beyond the base's edge.
enum class StabilityFault {
    NoSeismicMethod = 1,
    NoGroundShape,
    NoEffectiveArea,
    NoDesignBasis,
    NoFrontSoilChoice,
    ResultantOutsideBase,
};

// The engine cannot run without these choices; a command that meets one of these faults asks for the
// choice (the seismic-method dialog, the ground-shape screen, the stability-method dialog, the design
// basis of the design-conditions screen, the front-soil choice of the dimensions screen).
inline constexpr const char* kNoSeismicMethod = "地震時水平荷重の計算方法を選択してください。";
inline constexpr const char* kNoGroundShape = "地盤の形状（1）又は（2）を選択してください。";
inline constexpr const char* kNoEffectiveArea = "底版の有効載荷面積に対する検討方法を選択してください。";
inline constexpr const char* kNoDesignBasis = "材料の許容応力度の計算方法を選択してください。";
inline constexpr const char* kNoFrontSoilChoice = "前面土荷重の計算の有無を選択してください。";

// The member design rests on the stability results; without them it waits for the stability check.
inline constexpr const char* kNoStabilityResults = "安定性の検討をしてください。";

} // namespace stability
