#pragma once

class CheckReport;

// The battles the game keeps: every save in saves/ and every replay in replays/, read as
// the game reads them. A file it could not use is an error with the reason; a save of
// fighter files changed since, or a replay the rules no longer play the same, a warning.
class KeptBattlesCheck {
public:
    static void Run(CheckReport& report);
};
