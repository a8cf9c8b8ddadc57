#include "planner/Difficulty.h"

#include "engine/Kernel.h"

bool HardDifficulty() {
    return gKernel != nullptr && gKernel->options.difficulty == "hard";
}
