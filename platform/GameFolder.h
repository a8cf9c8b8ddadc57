#pragma once

#include <string>

// The folder the game and its commands read the game's files from. The game names its files
// relative to the working directory, so the folder is entered for as long as this object
// lives and every file is read exactly as the game would.
//
// Started from a build tree, the game folder is the working directory, as it always was.
// Installed, the executable finds its data folder where the install put it relative to
// itself, and each player gets a folder of their own, ${XDG_DATA_HOME:-~/.local/share}/vornak:
// the files a player edits (the settings and the fighter files) are copied there, every
// other data file is a link into the installed data, and the run log is written there.
// Copies the player changed are never replaced; unchanged ones follow a new version of the
// package. A file the player puts in place of a link is theirs too.
class GameFolder {
public:
    // Where the game and its commands look when given no folder: "." from a build tree, the
    // player's folder when installed. Only names it; entering it makes it.
    static std::string Default();

    // Enters `folder`. The player's folder of an installed game is brought up to date with
    // the installed data first (on the first start, that makes it).
    explicit GameFolder(const std::string& folder);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // False when the folder could not be entered; the working directory is then unchanged.
    bool Entered() const { return entered_; }

    // The installed data folder beside this executable; empty when it is not an installed one.
    static std::string InstalledData();

    // ${XDG_DATA_HOME:-$HOME/.local/share}/vornak (a relative XDG_DATA_HOME is ignored).
    static std::string PlayerFolder();

    // Makes `player` and fills it from `installed`: missing copies and links are made, and a
    // copy still as it was shipped is replaced by a newer shipped one. What was shipped is
    // remembered in the folder's ".shipped" file. What cannot be made is left out: a folder
    // that cannot be made cannot be entered, a missing file is reported missing by the game
    // in its usual way.
    static void Fill(const std::string& installed, const std::string& player);

private:
    std::string previous_;
    bool entered_ = false;
};
