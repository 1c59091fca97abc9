#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "transport/PortalAddress.h"

namespace zv::core {

std::unique_ptr<consultation::classConsultar> classAmbiente::novaConsulta()
{
    auto consulta = std::make_unique<consultation::classConsultar>();
    consulta->GetPar(transport::portalBaseUrl(), m_sessao.lngSessao, m_sessao.lngLogin_ID, m_sistema, UltimosIds,
                     m_pastaBase);
    consulta->setPastaBackup(Folders::back());
    consulta->setRequisicao([this](const QString& url) { return AbreURL(url); });
    return consulta;
}

void classAmbiente::Consulta_Iniciar()
{
    m_consultar = novaConsulta();
}

void classAmbiente::Consulta_Finalizar()
{
    m_consultar.reset();
}

} // namespace zv::core
