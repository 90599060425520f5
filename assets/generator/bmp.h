#pragma once

#include "image.h"

#include <string>
#include <vector>

namespace gen {

// Windows BMP, BITMAPINFOHEADER, bottom-up, uncompressed.
// 1 and 4 bpp palettes are padded with black to their full 2 or 16 entries.
void writeIndexedBmp(const std::string& path, const IndexedImage& image, int bitsPerPixel);
void writeRgbBmp(const std::string& path, int width, int height, const std::vector<Rgb>& pixels);

} // namespace gen
