// How common each byte value is in the files people view: 0 for the rarest,
// 255 for the most common. The search puts its probes on a pattern's
// rarest bytes.
#pragma once
#include <cstdint>

int ByteRank(uint8_t b);
