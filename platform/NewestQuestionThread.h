#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include <pthread.h>

// A thread that answers questions one at a time, so that the frame loop never waits for
// an answer. A question asked while another is being answered waits, and replaces any
// older one still waiting: only the newest is ever answered. Each question gets a ticket,
// counted from 1, and its answer is kept with it until a newer answer comes; Forget drops
// the answer kept and every answer still to come for the questions asked so far. The
// thread starts with the first question, carries `name` for whoever measures it, and is
// stopped and joined with this object.
template <class Question, class Answer> class NewestQuestionThread {
public:
    using Steady = std::chrono::steady_clock;

    // `answer` runs on the thread, outside the lock.
    NewestQuestionThread(std::string name, std::function<Answer(const Question&)> answer)
        : name_(std::move(name)), answer_(std::move(answer)) {}
    ~NewestQuestionThread() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    NewestQuestionThread(const NewestQuestionThread&) = delete;
    NewestQuestionThread& operator=(const NewestQuestionThread&) = delete;

    uint64_t Ask(Question question) {
        uint64_t ticket = 0;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            question_ = std::move(question); // an older one still waiting is dropped
            ticket = ++asked_;
        }
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { Run(); });
        }
        wake_.notify_all();
        return ticket;
    }

    void Forget() {
        const std::lock_guard<std::mutex> lock(mutex_);
        kept_.reset();
        keepFrom_ = asked_ + 1;
    }

    // The answer kept and its question's ticket, left in place or handed over once.
    std::optional<std::pair<Answer, uint64_t>> Latest() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return kept_;
    }
    std::optional<Answer> Take() {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::optional<Answer> taken;
        if (kept_) {
            taken = std::move(kept_->first);
            kept_.reset();
        }
        return taken;
    }

    // While held, Rest does not return.
    void Hold(bool held) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (held_ == held) {
                return;
            }
            held_ = held;
        }
        wake_.notify_all();
    }

    // Called by the answer on the thread: waits `rest` and then while held; false as soon
    // as this is being destroyed, when the answer should end at once.
    bool Rest(Steady::duration rest) {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait_for(lock, rest, [this] { return stopping_; });
        wake_.wait(lock, [this] { return stopping_ || !held_; });
        return !stopping_;
    }

private:
    void Run() {
        pthread_setname_np(pthread_self(), name_.c_str());
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || question_; });
            if (stopping_) {
                return;
            }
            const Question question = std::move(*question_);
            question_.reset();
            const uint64_t ticket = asked_;
            lock.unlock();
            Answer answer = answer_(question);
            lock.lock();
            if (ticket >= keepFrom_ && !stopping_) {
                kept_.emplace(std::move(answer), ticket);
            }
        }
    }

    const std::string name_;
    const std::function<Answer(const Question&)> answer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Question> question_;
    uint64_t asked_ = 0;
    uint64_t keepFrom_ = 0; // answers to earlier questions are dropped
    std::optional<std::pair<Answer, uint64_t>> kept_;
    bool stopping_ = false;
    bool held_ = false;
    std::thread thread_;
};
