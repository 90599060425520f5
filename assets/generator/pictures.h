#pragma once

#include "image.h"

#include <vector>

namespace gen {

// Scenery: each returns the finished indexed picture.
IndexedImage makeBackground();
IndexedImage makeAlphabet();
IndexedImage makeTitle();
IndexedImage makeIcon();

// Sprite strips: eight 64x64 frames side by side.
inline constexpr int kFrameSize = 64;
inline constexpr int kFrames = 8;
IndexedImage makeBomb();
std::vector<Rgb> makeRestore();
// 32x64: the marker above, its mask below.
IndexedImage makeTarget();

// Black where the sprite has ink, white elsewhere: the palette is {black, white}.
IndexedImage maskOf(int width, int height, const std::vector<Rgb>& sprite);

} // namespace gen
