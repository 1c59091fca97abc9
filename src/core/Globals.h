#pragma once
#include "platform/ErrorNumbers.h"

namespace zv::core {

class classAmbiente;

// The program-wide state: the one environment object, created at start-up
// and alive until the program ends, and the exit request, which once set is
// never cleared.
inline classAmbiente* Ambiente = nullptr;
inline bool bEncerrar = false;

// The environment object for a caller that cannot go on without it; its
// absence is the "object not set" failure for the caller's trap.
inline classAmbiente& ambienteAtual()
{
    if (!Ambiente)
        throw platform::Failure(platform::kErrObjectNotSet);
    return *Ambiente;
}

} // namespace zv::core
