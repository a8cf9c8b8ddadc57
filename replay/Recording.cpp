#include "replay/Recording.h"

#include "saving/ByteReader.h"
#include "saving/ByteWriter.h"
#include "saving/SnapshotCodec.h"

void Recording::Write(ByteWriter& out) const {
    out.Text(battle);
    SnapshotCodec::Write(out, start);
    out.U32(static_cast<uint32_t>(steps.size()));
    for (const Step& step : steps) {
        out.U8(static_cast<uint32_t>(step.kind));
        if (step.kind == Step::Kind::Phase) {
            out.U32(static_cast<uint32_t>(step.dice.size()));
            for (const int32_t value : step.dice) {
                out.I32(value);
            }
            out.U32(step.digest);
        } else {
            out.I32(step.place);
            SnapshotCodec::WriteFighter(out, step.fighter, step.target);
        }
    }
    out.I32(static_cast<int32_t>(outcome));
    out.I32(turns);
}

bool Recording::Read(ByteReader& in) {
    battle = in.Text();
    if (!SnapshotCodec::Read(in, start)) {
        return false;
    }
    const auto count = static_cast<int32_t>(start.fighters.size());
    steps.assign(in.Count(5), Step{});
    for (Step& step : steps) {
        const uint32_t kind = in.U8();
        if (kind > 1) {
            in.Fail("a step of unknown kind " + std::to_string(kind));
        }
        step.kind = static_cast<Step::Kind>(kind);
        if (step.kind == Step::Kind::Phase) {
            step.dice.resize(in.Count(4));
            for (int32_t& value : step.dice) {
                value = in.I32();
            }
            step.digest = in.U32();
        } else {
            step.place = in.Ranged(0, count - 1, "ordered fighter");
            SnapshotCodec::ReadFighter(in, step.fighter, step.target, start.fighters.size());
        }
        if (in.Failed()) {
            return false;
        }
    }
    outcome = static_cast<BattleOutcome>(in.Ranged(0, 2, "outcome"));
    turns = in.Ranged(0, 1 << 30, "number of turns");
    return !in.Failed();
}
