#include "engine/SpareSystemA.h"

SpareSystemA* gSpareA = nullptr;
