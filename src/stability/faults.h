#pragma once

namespace stability {

// The engine cannot run without these choices; a command that meets one of these faults asks for the
// choice (the seismic-method dialog, the ground-shape screen, the stability-method dialog, the design
// basis of the design-conditions screen).
inline constexpr const char* kNoSeismicMethod = "地震時水平荷重の計算方法を選択してください。";
inline constexpr const char* kNoGroundShape = "地盤の形状（1）又は（2）を選択してください。";
inline constexpr const char* kNoEffectiveArea = "底版の有効載荷面積に対する検討方法を選択してください。";
inline constexpr const char* kNoDesignBasis = "突起の計算に用いる設計基準を選択してください。";

} // namespace stability
