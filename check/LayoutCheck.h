#pragma once

class CheckReport;

// The command buttons' layout read with the game's parser, and its sheet.
class LayoutCheck {
public:
    static void Run(CheckReport& report);
};
