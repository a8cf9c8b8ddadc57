#pragma once

#include <stdexcept>
#include <string>

// The one kind of error the game raises. Nothing handles it where it arises: the program
// entry shows its text in the error box and tears down as on a normal exit.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
};
