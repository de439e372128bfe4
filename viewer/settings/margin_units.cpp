#include "viewer/settings/margin_units.h"

MarginUnits MarginUnitsFor(int measure) {
  if (measure == 0) return {true, 1, 75, "Margins (cm)"};
  return {false, 2, 300, "Margins (in)"};
}

int32_t MarginToField(const MarginUnits& units, int hundredths) {
  return units.Metric ? hundredths * 2540 / 10027 : hundredths;
}

int MarginFromField(const MarginUnits& units, int32_t field) {
  return units.Metric ? field * 1018 / 254 : field;
}
