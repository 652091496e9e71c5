#include "sections/form7.h"

namespace sections {

// Stubs: they draw nothing until the member-section page writers arrive.
void Form7::HAIKIN(platform::Surface&) {}
void Form7::HAIKIN_A(platform::Surface&) {}
void Form7::HAIKIN_B(platform::Surface&) {}
void Form7::HAIKIN_E(platform::Surface&) {}
void Form7::HAIKIN_F(platform::Surface&) {}
void Form7::HAIKIN_G(platform::Surface&) {}
void Form7::HAIKIN_H(platform::Surface&) {}
void Form7::HAIKIN_I(platform::Surface&) {}
void Form7::HAIKIN_J(platform::Surface&) {}

} // namespace sections
