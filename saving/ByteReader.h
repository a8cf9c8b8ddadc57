#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads what ByteWriter wrote, trusting nothing: a read past the end, a text longer than
// what is left or a value outside its range marks the reader failed (and gives zero),
// with the first reason kept. Once failed, every further read gives zero.
class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

    uint32_t U8();
    uint32_t U32();
    uint64_t U64();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32(); // fails on NaN and infinities, which no battle holds
    bool Bool(); // fails on anything but 0 or 1
    std::string Text();
    std::string Raw(std::size_t count);

    // A count of items that take at least `itemBytes` each: fails when fewer bytes are left.
    std::size_t Count(std::size_t itemBytes);
    // An integer in [low, high], else the reader fails with `what` as its reason.
    int32_t Ranged(int32_t low, int32_t high, const char* what);

    void Fail(const std::string& reason);
    bool Failed() const { return !reason_.empty(); }
    const std::string& Reason() const { return reason_; }
    std::size_t Left() const { return Failed() ? 0 : bytes_.size() - at_; }

private:
    bool Need(std::size_t count);

    const std::string& bytes_;
    std::size_t at_ = 0;
    std::string reason_;
};
