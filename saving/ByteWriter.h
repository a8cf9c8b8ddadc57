#pragma once

#include <cstdint>
#include <string>

// Builds the bytes of a save or replay: integers little-endian whatever the machine, floats
// by their bit patterns so that every value comes back exactly, texts with their length.
class ByteWriter {
public:
    void U8(uint32_t value) { bytes_.push_back(static_cast<char>(value & 0xFFu)); }
    void U32(uint32_t value);
    void U64(uint64_t value);
    void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
    void F32(float value);
    void Bool(bool value) { U8(value ? 1u : 0u); }
    void Text(const std::string& text);
    void Raw(const std::string& bytes) { bytes_ += bytes; }

    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};
