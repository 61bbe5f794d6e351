// SPDX-License-Identifier: MIT
#pragma once
// The arithmetic of a spin edit: reading what the user typed, and stepping
// within the signed 32-bit range.
#include <cstdint>
#include <string_view>

// The number a non-empty typed text stands for. Every '-' after the first
// character is dropped ("12-3" is 123, "--5" is -5); what is then not a signed
// 32-bit decimal integer reads as 0.
std::int32_t ReadSpinText(std::string_view text);

// a + b; throws std::overflow_error("Integer overflow") beyond the signed 32-bit range.
std::int32_t AddChecked(std::int32_t a, std::int32_t b);
