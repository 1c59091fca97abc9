#include "core/classAmbiente.h"

#include "platform/Clock.h"

namespace zv::core {

// The environment's document record starts with today as its reference date.
publishing::classEnviar classAmbiente::novoEnviar()
{
    publishing::classEnviar enviar;
    enviar.Inicia(platform::Clock::today());
    return enviar;
}

} // namespace zv::core
