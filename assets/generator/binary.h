#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gen {

// Little-endian byte buffer for the file formats we write.
class ByteWriter {
  public:
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void tag(std::string_view fourCc);
    const std::vector<std::uint8_t>& data() const { return data_; }

  private:
    std::vector<std::uint8_t> data_;
};

// Throws std::runtime_error when the file cannot be written.
void saveFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace gen
