// The code page a table's text is in, from the code page mark of its
// header, as a Windows code page number. Tables without a mark (0) or with
// one this list does not know are taken to be in OEM code page 437.
#pragma once
#include <cstdint>

constexpr uint32_t kDefaultTableCodePage = 437;

uint32_t TableCodePage(uint8_t mark);
