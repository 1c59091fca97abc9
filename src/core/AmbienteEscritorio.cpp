#include "consultation/classConsultar.h"
#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "transport/PortalAddress.h"

namespace zv::core {

publishing::ContextoEscritorio classAmbiente::contextoEscritorio() const
{
    publishing::ContextoEscritorio c;
    c.baseUrl = transport::portalBaseUrl();
    c.wwwUrl = transport::portalWwwUrl();
    c.lngSessao = m_sessao.lngSessao;
    c.lngLogin_ID = m_sessao.lngLogin_ID;
    c.lngID_Contador = m_sessao.lngID_Contador;
    c.sistema = m_sistema;
    c.logo = m_sessao.Logo;
    c.temInternet = m_sessao.TemInternet;
    return c;
}

QString classAmbiente::LogoEscritorio(const QString& pCaminho, bool pAtualiza)
{
    return m_escritorio.LogoEscritorio(
        contextoEscritorio(), [this](const QString& url) { return AbreURL(url); }, MensagemErro, pCaminho, pAtualiza);
}

bool classAmbiente::AtualizaEspaco()
{
    return m_escritorio.AtualizaEspaco(
        contextoEscritorio(), [this](const QString& url) { return AbreURL(url); }, MensagemErro);
}

bool classAmbiente::Dica()
{
    return m_escritorio.Dica(contextoEscritorio(), [this](const QString& url) { return AbreURL(url); }, MensagemErro);
}

bool classAmbiente::BArquivo(const QString& pId_Arq, const QString& pTam_arq)
{
    // The document's content is not kept as the last answer.
    const QString anterior = UltimaResposta;
    const QString url = consultation::classConsultar::urlRecuperacao(transport::portalBaseUrl(), m_sessao.lngLogin_ID,
                                                                     m_sessao.lngSessao, pId_Arq);
    const bool ok = m_escritorio.BArquivo([this](const QString& u) { return AbreURL(u); }, MensagemErro, url,
                                          Folders::back(), pId_Arq, pTam_arq);
    UltimaResposta = anterior;
    return ok;
}

} // namespace zv::core
