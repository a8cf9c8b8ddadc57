#include "engine/SpareSystemB.h"

SpareSystemB* gSpareB = nullptr;
