#include "viewer/settings/margin_units.h"

#include <cstdint>

MarginUnits MarginUnitsFor(int measure) {
  if (measure == 0) return {true, 1, 75, "Margins (cm)"};
  return {false, 2, 300, "Margins (in)"};
}

int32_t MarginToField(const MarginUnits& units, int hundredths) {
  // A margin edited into the profile by hand may be large: the product
  // needs more than 32 bits.
  return units.Metric ? static_cast<int32_t>(int64_t{hundredths} * 2540 / 10027) : hundredths;
}

int MarginFromField(const MarginUnits& units, int32_t field) {
  return units.Metric ? field * 1018 / 254 : field;
}
