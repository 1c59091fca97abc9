#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "transport/PortalAddress.h"

namespace zv::core {

void classAmbiente::Consulta_Iniciar()
{
    m_consultar = std::make_unique<consultation::classConsultar>();
    m_consultar->GetPar(transport::portalBaseUrl(), m_sessao.lngSessao, m_sessao.lngLogin_ID, m_sistema, UltimosIds,
                        m_pastaBase);
    m_consultar->setPastaBackup(Folders::back());
    m_consultar->setRequisicao([this](const QString& url) { return AbreURL(url); });
}

void classAmbiente::Consulta_Finalizar()
{
    m_consultar.reset();
}

} // namespace zv::core
