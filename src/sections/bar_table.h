#pragma once

#include <array>
#include <string_view>

namespace sections {

// One row of the bar table: a single size or a mixed pair of neighbouring sizes.
struct BarRow {
    std::string_view item; // as the bar lists show it; single sizes with two leading blanks
    std::string_view name; // as stored with the member
    float area;            // cm2, one bar (a pair: the mean)
    float perimeter;       // cm, one bar (a pair: the mean)
    float addition;        // mm from the cover to the bar centre
};

inline constexpr std::array<BarRow, 21> BarTable{{
    {"  D10", "D10", 0.7133f, 3.0f, 5.0f},  {"D10,D13", "D10,D13", 0.99015f, 3.5f, 6.5f},
    {"  D13", "D13", 1.267f, 4.0f, 6.5f},   {"D13,D16", "D13,D16", 1.6265f, 4.5f, 8.0f},
    {"  D16", "D16", 1.986f, 5.0f, 8.0f},   {"D16,D19", "D16,D19", 2.4255f, 5.5f, 9.5f},
    {"  D19", "D19", 2.865f, 6.0f, 9.5f},   {"D19,D22", "D19,D22", 3.368f, 6.5f, 11.0f},
    {"  D22", "D22", 3.871f, 7.0f, 11.0f},  {"D22,D25", "D22,D25", 4.469f, 7.5f, 12.5f},
    {"  D25", "D25", 5.067f, 8.0f, 12.5f},  {"D25,D29", "D25,D29", 5.745f, 8.5f, 14.5f},
    {"  D29", "D29", 6.424f, 9.0f, 14.5f},  {"D29,D32", "D29,D32", 7.183f, 9.5f, 16.0f},
    {"  D32", "D32", 7.942f, 10.0f, 16.0f}, {"D32,D35", "D32,D35", 8.754f, 10.5f, 17.5f},
    {"  D35", "D35", 9.566f, 11.0f, 17.5f}, {"D35,D38", "D35,D38", 10.483f, 11.5f, 19.0f},
    {"  D38", "D38", 11.4f, 12.0f, 19.0f},  {"D38,D41", "D38,D41", 12.4f, 12.5f, 20.5f},
    {"  D41", "D41", 13.4f, 13.0f, 20.5f},
}};

} // namespace sections
