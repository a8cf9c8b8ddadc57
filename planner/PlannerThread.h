#pragma once

#include "planner/PlannedOrder.h"
#include "platform/NewestQuestionThread.h"
#include "snapshot/BattleSnapshot.h"

#include <cstdint>
#include <memory>
#include <optional>

class Planner;

// A planner thinking on a thread of its own, so that the frame loop never waits for it.
// The thread starts with the first question and ends with this object. A new question
// replaces one not yet answered; only the answer to the last one is ever handed out.
class PlannerThread {
public:
    PlannerThread();
    ~PlannerThread();

    void Ask(BattleSnapshot from, uint64_t seed);
    // The answer to the last question, once; empty while the planner is still thinking.
    std::optional<PlannedOrder> TakeAnswer() { return thread_.Take(); }

private:
    struct Question {
        BattleSnapshot from;
        uint64_t seed;
    };
    // Made on the thread at its first question: a planner holds a battle of its own, and
    // every battle has a planning opponent.
    std::unique_ptr<Planner> planner_;
    NewestQuestionThread<Question, PlannedOrder> thread_; // last: stopped before the planner goes
};
