#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "transport/PortalAddress.h"

namespace zv::core {

bool classAmbiente::Sincroniza(bool* pAtualiza, bool pCarteiras, bool pUsuario)
{
    publishing::ContextoSincronia contexto;
    contexto.baseUrl = transport::portalBaseUrl();
    contexto.lngSessao = m_sessao.lngSessao;
    contexto.lngLogin_ID = m_sessao.lngLogin_ID;
    contexto.lngID_Contador = m_sessao.lngID_Contador;
    contexto.sistema = m_sistema;
    contexto.pastaDaemon = Folders::daemon();
    const bool ok = m_listas.Sincroniza(
        contexto, [this](const QString& url) { return AbreURL(url); }, MensagemErro, pAtualiza, pCarteiras, pUsuario);
    TemCarteira = m_listas.TemCarteira();
    return ok;
}

} // namespace zv::core
