#pragma once

// Included by every screen header: the calculation library works on plain values and never
// reaches a form.
#ifdef TARVELO_CALC_LAYER
#error "a calculation must not include a screen header: pass the values it needs instead"
#endif
