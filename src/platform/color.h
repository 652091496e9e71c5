#pragma once

#include <cstdint>

namespace platform {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Color, Color) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
// Palette colour 13, the colour of a failing verdict and of an exceeded stress.
inline constexpr Color kLightMagenta{255, 0, 255};
// The system's button face, the default background of forms and most controls.
inline constexpr Color kButtonFace{240, 240, 240};

// The basic 16-colour palette (0 black … 15 bright white).
Color qbColor(int index);

} // namespace platform
