#pragma once

#include <string>

// The folder a command reads the game's files from. The game names its files relative to
// the working directory, so a command enters the folder for as long as this object lives
// and reads every file exactly as the game would.
class GameFolder {
public:
    // Where the game's files are looked for when a command is given no folder: the current
    // directory, the folder the game itself runs in.
    static std::string Default();

    explicit GameFolder(const std::string& folder);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // False when the folder could not be entered; the working directory is then unchanged.
    bool Entered() const { return entered_; }

private:
    std::string previous_;
    bool entered_ = false;
};
