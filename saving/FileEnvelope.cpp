#include "saving/FileEnvelope.h"

#include "saving/ByteReader.h"
#include "saving/ByteWriter.h"
#include "saving/SnapshotCodec.h"

namespace {

const char kMark[] = "VORNAK"; // then the kind and an end-of-file character against `type`
constexpr std::size_t kMarkBytes = 6;
constexpr char kEndOfText = 0x1A;

// The checksum covers the version and the length as well as the payload.
uint64_t Checksum(uint32_t version, uint32_t length, const std::string& payload) {
    ByteWriter fields;
    fields.U32(version);
    fields.U32(length);
    return SnapshotCodec::Hash(payload, SnapshotCodec::Hash(fields.Bytes()));
}

} // namespace

bool FileEnvelope::Read(const std::string& bytes, Kind kind, std::string& reason,
                        const std::function<void(ByteReader& in)>& read) {
    std::string payload;
    if (!Open(bytes, kind, payload, reason)) {
        return false;
    }
    ByteReader in(payload);
    read(in);
    if (!in.Failed() && in.Left() != 0) {
        in.Fail("it has bytes after its end");
    }
    if (in.Failed()) {
        reason = "it is damaged (" + in.Reason() + ")";
        return false;
    }
    return true;
}

const char* FileEnvelope::Noun(Kind kind) {
    return kind == Kind::Save ? "save" : "replay";
}

std::string FileEnvelope::Seal(Kind kind, const std::string& payload) {
    ByteWriter out;
    out.Raw(std::string(kMark, kMarkBytes));
    out.U8(static_cast<uint32_t>(kind));
    out.U8(kEndOfText);
    const auto length = static_cast<uint32_t>(payload.size());
    out.U32(kVersion);
    out.U32(length);
    out.U64(Checksum(kVersion, length, payload));
    out.Raw(payload);
    return out.Take();
}

bool FileEnvelope::Open(const std::string& bytes, Kind kind, std::string& payload,
                        std::string& reason) {
    const std::string noun = Noun(kind);
    if (bytes.empty()) {
        reason = "it is empty";
        return false;
    }
    if (bytes.compare(0, kMarkBytes, kMark) != 0 || bytes.size() < kMarkBytes + 2 ||
        bytes[kMarkBytes + 1] != kEndOfText) {
        reason = "it is not a Vornak " + noun;
        return false;
    }
    if (bytes[kMarkBytes] != static_cast<char>(kind)) {
        const Kind other = kind == Kind::Save ? Kind::Replay : Kind::Save;
        reason = std::string("it is a Vornak ") + Noun(other) + ", not a " + noun;
        return false;
    }
    if (bytes.size() < kHeaderBytes) {
        reason = "it is cut short";
        return false;
    }
    ByteReader in(bytes);
    in.Raw(kMarkBytes + 2);
    const uint32_t version = in.U32();
    const uint32_t length = in.U32();
    const uint64_t checksum = in.U64();
    if (version > kVersion) {
        reason = "it was written by a later version of Vornak (" + noun + " version " +
                 std::to_string(version) + "; this game reads up to " + std::to_string(kVersion) +
                 ")";
        return false;
    }
    if (length > in.Left()) {
        reason = "it is cut short (" + std::to_string(in.Left()) + " of " + std::to_string(length) +
                 " bytes after the header)";
        return false;
    }
    payload = in.Raw(length);
    if (version == 0 || in.Left() != 0 || Checksum(version, length, payload) != checksum) {
        reason = "it is damaged (its checksum does not match)";
        return false;
    }
    return true;
}
