// The environment's backup object, created for the session of the moment.
#include "core/classAmbiente.h"

#include "transport/PortalAddress.h"

namespace zv::core {

void classAmbiente::Backup_Iniciar()
{
    m_backup = std::make_unique<classBackup>();
    m_backup->Inicia_Classe(transport::portalBaseUrl(), m_sessao.lngLogin_ID, m_sessao.lngSessao);
}

void classAmbiente::Backup_Finalizar()
{
    m_backup.reset();
}

} // namespace zv::core
