#pragma once

#include <string>

// Where the game's files are looked for when a command is given no folder.
class GameFolder {
public:
    // The current directory, the folder the game itself runs in.
    static std::string Default();
};
