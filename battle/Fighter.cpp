#include "battle/Fighter.h"

void Fighter::Init(std::string path) {
    ConfiguredEntity::Init(path);
}
