#pragma once
// Turns the toolkit's key identifiers into virtual-key codes.
#include <cstdint>

// qtKey is a Qt::Key value; keys without a code of their own give 0.
uint16_t VirtualKeyOf(int qtKey);
