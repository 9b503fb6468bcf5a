#pragma once

#include <functional>

namespace songtao {

// Ending the program is immediate and always with exit code 0. It goes
// through one replaceable handler so that tests can observe it instead of
// losing their process.
using ProgramEndHandler = std::function<void()>;

// Installs the handler and returns the one it replaces.
ProgramEndHandler setProgramEndHandler(ProgramEndHandler handler);

// Runs the installed handler; by default the process exits with code 0.
void endProgram();

} // namespace songtao
