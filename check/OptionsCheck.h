#pragma once

class CheckReport;

// options.cfg, when there is one: its lines as the settings reader sees them, and every
// value the game would not use (it keeps the default instead and starts all the same).
class OptionsCheck {
public:
    static void Run(CheckReport& report);
};
