#pragma once

#include "core/memory_image.h"

// The transceiver's factory memory contents: 22 entries, one per destination country (0-10) with the
// 50 MHz band, then the same countries without it (11-21).
inline constexpr int kDefaultImageCount = 22;

int DefaultImageIndex(int countryIndex, bool has50MBand);
// A 2816-byte image; an index outside 0-21 gives entry 5 (USA with the 50 MHz band).
CMemoryImage BuildDefaultImage(int index);
