#include "battle/ConfiguredEntity.h"

#include "engine/ConfigFile.h"

void ConfiguredEntity::Init(std::string path) {
    ConfigFile::Load(settings, path);
}
