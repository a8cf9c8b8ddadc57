#pragma once

class CheckReport;

// Reads everything the game reads from the working directory, in the game's order and
// with its own readers: the settings, the layout, the font, the eight fighters, the two
// pictures, the sounds and the music. Reports every problem and never stops early.
class GameFolderCheck {
public:
    static void Run(CheckReport& report);
};
