#pragma once

#include <cstdint>

// A four-character code as the framework stores it and an AAX host reads it: the first character
// in the highest byte, so "stch" is 0x73746368.
constexpr uint32_t KROFourCharCode(const char (&code)[5])
{
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) | (uint32_t(uint8_t(code[2])) << 8) |
           uint32_t(uint8_t(code[3]));
}

static_assert(KROFourCharCode("stch") == 0x73746368, "the first character in the highest byte");
