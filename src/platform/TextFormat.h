// Number texts shown to the user (status line, export).
#pragma once

#include <cstdint>
#include <string>

namespace vuv {

// "0" for exactly 0; otherwise value x 10^decimals truncated toward zero,
// with a "." before the last `decimals` digits (1.5, 2 gives "1.50").
// Only called with values of at least 1.
std::string DecimalText(float value, int decimals);

// "1023 bytes", "1.00 KB", "1.50 MB", "2.00 GB" (binary units, truncated).
std::string SizeText(uint64_t bytes);

}  // namespace vuv
