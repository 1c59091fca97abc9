#include "core/ErrorTrap.h"

namespace zv::core {

void ErrorTrap::report(int numero) noexcept
{
    ++m_failures;
    TrataErro(numero, m_objeto, m_procedimento);
}

} // namespace zv::core
