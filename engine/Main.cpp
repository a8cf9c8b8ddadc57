#include "engine/Program.h"

int main(int, char**) {
    return RunProgram();
}
