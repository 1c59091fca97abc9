#include "core/classAmbiente.h"

#include "platform/Clock.h"

// The send queue of the environment: the document record, queueing and
// loading the queue kept under APPDATA/ZorvelantaPrinter/queqe.
namespace zv::core {

publishing::classEnviar classAmbiente::novoEnviar()
{
    publishing::classEnviar enviar;
    enviar.Inicia(platform::Clock::today());
    return enviar;
}

} // namespace zv::core
