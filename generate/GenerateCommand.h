#pragma once

#include <string>
#include <vector>

// `vornak generate DIR [--seed S] [--difficulty easy|normal|hard]`: writes a new battle
// folder and prints the win rate it measured. Returns the exit status.
int RunGenerateCommand(const std::vector<std::string>& arguments);
