#include "saving/SnapshotCodec.h"

#include "battle/BattleState.h"
#include "saving/ByteReader.h"
#include "saving/ByteWriter.h"
#include "snapshot/BattleSnapshot.h"

#include <limits>

namespace {

constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr std::size_t kMostFighters = 64;

// The two directions of one list of fields. Writing ignores the ranges; reading enforces them.
struct Out {
    ByteWriter& w;
    void Value(float& v) { w.F32(v); }
    void Value(bool& v) { w.Bool(v); }
    void Value(uint32_t& v) { w.U32(v); }
    void Value(int64_t& v) { w.U64(static_cast<uint64_t>(v)); }
    void Value(std::string& v) { w.Text(v); }
    void Int(int32_t& v, int32_t, int32_t, const char*) { w.I32(v); }
    template <typename E> void Enum(E& v, int32_t, int32_t, const char*) {
        w.I32(static_cast<int32_t>(v));
    }
    template <typename List, typename Each> void Items(List& list, std::size_t, Each each) {
        w.U32(static_cast<uint32_t>(list.size()));
        for (auto& item : list) {
            each(item);
        }
    }
};

struct In {
    ByteReader& r;
    void Value(float& v) { v = r.F32(); }
    void Value(bool& v) { v = r.Bool(); }
    void Value(uint32_t& v) { v = r.U32(); }
    void Value(int64_t& v) { v = static_cast<int64_t>(r.U64()); }
    void Value(std::string& v) { v = r.Text(); }
    void Int(int32_t& v, int32_t low, int32_t high, const char* what) {
        v = r.Ranged(low, high, what);
    }
    template <typename E> void Enum(E& v, int32_t low, int32_t high, const char* what) {
        v = static_cast<E>(r.Ranged(low, high, what));
    }
    template <typename List, typename Each>
    void Items(List& list, std::size_t itemBytes, Each each) {
        list.clear();
        list.resize(r.Count(itemBytes));
        for (auto& item : list) {
            each(item);
        }
    }
};

template <typename A> void FighterFields(A& a, Fighter& f, int32_t& target, std::size_t count) {
    for (float* v : {&f.x, &f.y, &f.stepX, &f.stepY, &f.destX, &f.destY}) {
        a.Value(*v);
    }
    a.Int(f.team, kIntMin, kIntMax, "team");
    a.Enum(f.order, 0, 9, "order");
    for (int32_t* v : {&f.countdown, &f.countdownStart, &f.health, &f.hitPoints, &f.maxHitPoints}) {
        a.Int(*v, kIntMin, kIntMax, "count");
    }
    a.Int(f.speed, 0, 12, "speed");
    a.Int(f.meleeSkill, kIntMin, kIntMax, "melee skill");
    a.Int(f.missileSkill, kIntMin, kIntMax, "missile skill");
    a.Value(f.name);
    a.Value(f.dead);
    a.Int(target, -1, static_cast<int32_t>(count) - 1, "target");
}

template <typename A> void SnapshotFields(A& a, BattleSnapshot& s) {
    a.Items(s.fighters, 70, [&](Fighter&) {});
    s.targets.resize(s.fighters.size(), -1);
    for (std::size_t i = 0; i < s.fighters.size(); ++i) {
        FighterFields(a, s.fighters[i], s.targets[i], s.fighters.size());
    }
    a.Items(s.missiles, 24, [&](Missile& m) {
        for (float* v : {&m.x, &m.y, &m.targetX, &m.targetY, &m.dx, &m.dy}) {
            a.Value(*v);
        }
    });
    a.Int(s.phase, 1, 12, "phase");
    a.Int(s.turn, 0, kIntMax, "turn");
    a.Value(s.awaitingOrder);
    a.Int(s.waiting, -1, static_cast<int32_t>(s.fighters.size()) - 1, "waiting fighter");
    a.Value(s.buttonHeld);
    a.Int(s.command, 0, 8, "command");
    a.Value(s.sincePhaseStep);
    a.Items(s.messages, 4, [&](std::string& line) { a.Value(line); });
    a.Items(s.history, 4, [&](std::string& line) { a.Value(line); });
    a.Enum(s.outcome, 0, 2, "outcome");
    a.Items(s.counts.fighters, 40, [&](FighterCounts& c) {
        for (int64_t* v : {&c.kills, &c.dealt, &c.taken, &c.attacks, &c.hits}) {
            a.Value(*v);
        }
    });
}

} // namespace

void SnapshotCodec::Write(ByteWriter& out, const BattleSnapshot& snapshot) {
    Out a{out};
    SnapshotFields(a, const_cast<BattleSnapshot&>(snapshot)); // Out only reads
}

bool SnapshotCodec::Read(ByteReader& in, BattleSnapshot& snapshot) {
    In a{in};
    SnapshotFields(a, snapshot);
    if (snapshot.fighters.size() > kMostFighters) {
        in.Fail("it holds more than " + std::to_string(kMostFighters) + " fighters");
    }
    return !in.Failed();
}

void SnapshotCodec::WriteFighter(ByteWriter& out, const Fighter& fighter, int32_t target) {
    Out a{out};
    FighterFields(a, const_cast<Fighter&>(fighter), target, 0);
}

bool SnapshotCodec::ReadFighter(ByteReader& in, Fighter& fighter, int32_t& target,
                                std::size_t count) {
    In a{in};
    FighterFields(a, fighter, target, count);
    return !in.Failed();
}

int32_t SnapshotCodec::PlaceOf(const BattleState& battle, const Fighter* fighter) {
    for (std::size_t i = 0; i < battle.fighters.size(); ++i) {
        if (battle.fighters[i].get() == fighter) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

uint32_t SnapshotCodec::FightersDigest(const BattleState& battle) {
    ByteWriter out;
    for (const auto& fighter : battle.fighters) {
        WriteFighter(out, *fighter, PlaceOf(battle, fighter->target));
    }
    const uint64_t hash = Hash(out.Bytes());
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

uint64_t SnapshotCodec::Hash(const std::string& bytes, uint64_t hash) {
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}
