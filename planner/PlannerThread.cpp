#include "planner/PlannerThread.h"

#include "planner/Planner.h"

PlannerThread::~PlannerThread() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void PlannerThread::Ask(BattleSnapshot from, uint64_t seed) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        question_ = std::move(from);
        seed_ = seed;
        ++asked_;
        answer_.reset();
    }
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Work(); });
    }
    wake_.notify_all();
}

std::optional<PlannedOrder> PlannerThread::TakeAnswer() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<PlannedOrder> answer;
    answer.swap(answer_);
    return answer;
}

void PlannerThread::Work() {
    Planner planner;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || question_; });
        if (stop_) {
            return;
        }
        const BattleSnapshot from = std::move(*question_);
        question_.reset();
        const uint64_t seed = seed_;
        const uint64_t ticket = asked_;
        lock.unlock();
        const PlannedOrder order = planner.Decide(from, seed);
        lock.lock();
        if (ticket == asked_) { // not replaced while it was thought about
            answer_ = order;
        }
    }
}
