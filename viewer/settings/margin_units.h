// Page margins as the user sees them: the stored hundredths of an inch with
// two decimals, or, under metric regional settings, millimetres shown as
// centimetres with one decimal.
#pragma once
#include <cstdint>

struct MarginUnits {
  bool Metric;
  int Decimals;       // of the number in the field
  int32_t Limit;      // the largest margin, in units of the field's last decimal
  const char* Title;  // of the margins group
};

// measure is the regional "iMeasure": 0 is metric, anything else inches.
MarginUnits MarginUnitsFor(int measure);
// Both round toward zero, so 25 mm is stored as 100 and shown again as 25.
int32_t MarginToField(const MarginUnits& units, int hundredths);
int MarginFromField(const MarginUnits& units, int32_t field);
