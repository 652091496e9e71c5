#include "platform/color.h"

namespace platform {

Color qbColor(int index) {
    static constexpr Color palette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                          {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                          {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                          {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return palette[static_cast<unsigned>(index) & 15u];
}

} // namespace platform
