#pragma once

#include <string>
#include <vector>

// `vornak check [DIR] [--json]`: reads every file the game reads from DIR and names each
// problem by file and line. Exit status 0 with no error (warnings allowed), 1 with any, 2
// for a wrong command line.
int RunCheckCommand(const std::vector<std::string>& arguments);
