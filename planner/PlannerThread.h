#pragma once

#include "planner/PlannedOrder.h"
#include "snapshot/BattleSnapshot.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

// A planner thinking on a thread of its own, so that the frame loop never waits for it.
// The thread starts with the first question and ends with this object. A new question
// replaces one not yet answered; only the answer to the last one is ever handed out.
class PlannerThread {
public:
    PlannerThread() = default;
    ~PlannerThread();
    PlannerThread(const PlannerThread&) = delete;
    PlannerThread& operator=(const PlannerThread&) = delete;

    void Ask(BattleSnapshot from, uint64_t seed);
    // The answer to the last question, once; empty while the planner is still thinking.
    std::optional<PlannedOrder> TakeAnswer();

private:
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    std::optional<BattleSnapshot> question_;
    uint64_t seed_ = 0;
    uint64_t asked_ = 0; // questions asked so far
    std::optional<PlannedOrder> answer_;
    bool stop_ = false;
};
