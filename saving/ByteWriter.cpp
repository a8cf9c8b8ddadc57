#include "saving/ByteWriter.h"

#include <cstring>

void ByteWriter::U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        U8(value >> shift);
    }
}

void ByteWriter::U64(uint64_t value) {
    U32(static_cast<uint32_t>(value));
    U32(static_cast<uint32_t>(value >> 32));
}

void ByteWriter::F32(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void ByteWriter::Text(const std::string& text) {
    U32(static_cast<uint32_t>(text.size()));
    bytes_ += text;
}
