#include "bmp.h"

#include "binary.h"

#include <stdexcept>

namespace gen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dpi

std::uint32_t rowStride(int width, int bitsPerPixel) {
    const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel, std::uint32_t colours) {
    const std::uint32_t imageSize =
        rowStride(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;
    out.tag("BM");
    out.u32(offset + imageSize);
    out.u32(0); // reserved
    out.u32(offset);
    out.u32(kInfoHeaderSize);
    out.i32(width);
    out.i32(height); // positive: bottom-up
    out.u16(1);      // planes
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0); // BI_RGB
    out.u32(imageSize);
    out.i32(kPixelsPerMetre);
    out.i32(kPixelsPerMetre);
    out.u32(colours);
    out.u32(0); // all colours important
}

} // namespace

void writeIndexedBmp(const std::string& path, const IndexedImage& image, int bitsPerPixel) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw std::invalid_argument("indexed BMP depth");
    std::vector<Rgb> palette = image.palette;
    const std::size_t capacity = std::size_t{1} << bitsPerPixel;
    if (palette.empty() || palette.size() > capacity)
        throw std::invalid_argument(path + ": palette does not fit the depth");
    if (bitsPerPixel < 8)
        palette.resize(capacity, kBlack);

    ByteWriter out;
    writeHeaders(out, image.width, image.height, bitsPerPixel,
                 static_cast<std::uint32_t>(palette.size()));
    for (Rgb c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    const std::uint32_t stride = rowStride(image.width, bitsPerPixel);
    const int perByte = 8 / bitsPerPixel;
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index =
                image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(x)];
            if (index >= palette.size())
                throw std::logic_error(path + ": pixel outside palette");
            const int shift = (perByte - 1 - x % perByte) * bitsPerPixel;
            row[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(index << shift);
        }
        for (std::uint8_t byte : row)
            out.u8(byte);
    }
    saveFile(path, out.data());
}

void writeRgbBmp(const std::string& path, int width, int height, const std::vector<Rgb>& pixels) {
    ByteWriter out;
    writeHeaders(out, width, height, 24, 0);
    const std::uint32_t stride = rowStride(width, 24);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(x)];
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad)
            out.u8(0);
    }
    saveFile(path, out.data());
}

} // namespace gen
