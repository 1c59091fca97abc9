#include "core/SessaoPortal.h"

namespace zv::core {

qint32 SessaoPortal::DuracaoSessao(qint16 codigo)
{
    switch (codigo) {
    case 1: return 1800;
    case 2: return 3600;
    case 3: return 14400;
    case 4: return 86400;
    case 5: return 604800;
    default: return 0;
    }
}

} // namespace zv::core
