#pragma once

// What the executable does with its arguments. None starts the game exactly as it always
// has; otherwise a subcommand, --help or --version. Returns the process's exit status: 2
// for a command line that makes no sense.
int RunCommandLine(int argc, char** argv);
