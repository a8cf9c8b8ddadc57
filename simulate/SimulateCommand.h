#pragma once

#include <string>
#include <vector>

// `vornak simulate [DIR] [--battles N] [--seed S] [--jobs J] [--turns T]
// [--format text|json|csv]`: plays computer-only battles from the fighter files in DIR
// and prints who wins how often. Exit status 0, 1 when the fighters cannot be loaded, 2
// for a wrong command line.
int RunSimulateCommand(const std::vector<std::string>& arguments);
