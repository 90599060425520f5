#pragma once
// Virtual-key codes of the keys the game and its controls tell apart.
#include <cstdint>

constexpr uint16_t VK_BACK = 8;
constexpr uint16_t VK_TAB = 9;
constexpr uint16_t VK_RETURN = 13;
constexpr uint16_t VK_SHIFT = 16;
constexpr uint16_t VK_CONTROL = 17;
constexpr uint16_t VK_MENU = 18;
constexpr uint16_t VK_ESCAPE = 27;
constexpr uint16_t VK_SPACE = 32;
constexpr uint16_t VK_F1 = 112;

// Letter keys are their capital letter's code: 'A' (65) to 'Z' (90).
constexpr uint16_t VkLetter(char capital) {
    return static_cast<uint16_t>(capital);
}
