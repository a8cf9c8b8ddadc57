#include "platform/GameFolder.h"

std::string GameFolder::Default() {
    return ".";
}
