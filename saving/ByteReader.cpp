#include "saving/ByteReader.h"

#include <cmath>
#include <cstring>

bool ByteReader::Need(std::size_t count) {
    if (Failed()) {
        return false;
    }
    if (bytes_.size() - at_ < count) {
        Fail("it ends too early");
        return false;
    }
    return true;
}

void ByteReader::Fail(const std::string& reason) {
    if (!Failed()) {
        reason_ = reason;
    }
}

uint32_t ByteReader::U8() {
    return Need(1) ? static_cast<unsigned char>(bytes_[at_++]) : 0u;
}

uint32_t ByteReader::U32() {
    if (!Need(4)) {
        return 0;
    }
    uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[at_++])) << shift;
    }
    return value;
}

uint64_t ByteReader::U64() {
    const uint64_t low = U32();
    return low | static_cast<uint64_t>(U32()) << 32;
}

float ByteReader::F32() {
    const uint32_t bits = U32();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        Fail("a number in it is not finite");
        return 0.0f;
    }
    return value;
}

bool ByteReader::Bool() {
    const uint32_t value = U8();
    if (value > 1) {
        Fail("a yes-or-no value in it is " + std::to_string(value));
    }
    return value == 1;
}

std::string ByteReader::Text() {
    return Raw(U32());
}

std::string ByteReader::Raw(std::size_t count) {
    if (!Need(count)) {
        return {};
    }
    std::string text = bytes_.substr(at_, count);
    at_ += count;
    return text;
}

std::size_t ByteReader::Count(std::size_t itemBytes) {
    const std::size_t count = U32();
    if (!Failed() && count > Left() / (itemBytes == 0 ? 1 : itemBytes)) {
        Fail("it counts " + std::to_string(count) + " items where fewer fit");
        return 0;
    }
    return Failed() ? 0 : count;
}

int32_t ByteReader::Ranged(int32_t low, int32_t high, const char* what) {
    const int32_t value = I32();
    if (!Failed() && (value < low || value > high)) {
        Fail(std::string("its ") + what + " " + std::to_string(value) + " is out of range");
        return low;
    }
    return Failed() ? low : value;
}
