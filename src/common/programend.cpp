#include "common/programend.h"

#include <cstdlib>
#include <utility>

namespace songtao {
namespace {

ProgramEndHandler &currentHandler()
{
    static ProgramEndHandler handler = [] {
        std::exit(0);
    };
    return handler;
}

} // namespace

ProgramEndHandler setProgramEndHandler(ProgramEndHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

void endProgram()
{
    currentHandler()();
}

} // namespace songtao
