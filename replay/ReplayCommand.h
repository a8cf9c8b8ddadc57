#pragma once

#include <string>
#include <vector>

// `vornak replay [--verify] FILE`: shows a replay in the window at its own pace, or with
// --verify plays it headless and says whether the game's rules still reproduce it. Exit
// status 0 when it was shown or matches, 1 for a replay that cannot be read or went
// another way, 2 for a wrong command line.
int RunReplayCommand(const std::vector<std::string>& arguments);
