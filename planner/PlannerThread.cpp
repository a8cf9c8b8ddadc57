#include "planner/PlannerThread.h"

#include "planner/Planner.h"

PlannerThread::PlannerThread()
    : thread_("planner", [this](const Question& question) {
          if (!planner_) {
              planner_ = std::make_unique<Planner>();
          }
          return planner_->Decide(question.from, question.seed);
      }) {}

PlannerThread::~PlannerThread() = default;

void PlannerThread::Ask(BattleSnapshot from, uint64_t seed) {
    thread_.Forget(); // an answer to an earlier question is never handed out
    thread_.Ask({std::move(from), seed});
}
