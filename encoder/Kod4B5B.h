// The sixteen 4B/5B data code groups, shared by the 100BaseTX coder and its receiver.
#pragma once

#include <array>
#include <cstdint>

// Indexed by the nibble value; the leftmost (first sent) code bit is the highest of the five.
inline constexpr std::array<std::uint8_t, 16> Grupy4B5B = {
    0b11110, 0b01001, 0b10100, 0b10101, 0b01010, 0b01011, 0b01110, 0b01111,
    0b10010, 0b10011, 0b10110, 0b10111, 0b11010, 0b11011, 0b11100, 0b11101,
};
