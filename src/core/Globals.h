#pragma once

namespace zv::core {

class classAmbiente;

// The program-wide state: the one environment object, created at start-up
// and alive until the program ends, and the exit request, which once set is
// never cleared.
inline classAmbiente* Ambiente = nullptr;
inline bool bEncerrar = false;

} // namespace zv::core
