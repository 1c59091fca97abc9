// The environment's session operations: each forwards to the session object
// with what the session needs of the environment.
#include "core/classAmbiente.h"

#include "transport/PortalAddress.h"

namespace zv::core {

SessaoPortal::Meio classAmbiente::meioSessao()
{
    SessaoPortal::Meio meio;
    meio.abreURL = [this](const QString& url, const QString& registro) {
        return abreURLRegistrando(url, registro);
    };
    meio.baseUrl = transport::portalBaseUrl();
    meio.sistema = Sistema();
    meio.monitor = Monitor();
    meio.copiaDeTrabalho = [this] { return CopiaArquivo(QString()); };
    meio.mensagemErro = &MensagemErro;
    return meio;
}

QString classAmbiente::abreURLRegistrando(const QString& url, const QString& registro)
{
    if (!m_requisicao)
        m_requisicao = std::make_unique<transport::classURL>();
    UltimaURL = registro;
    UltimaResposta = m_requisicao->AbreURL(url);
    return UltimaResposta;
}

QString classAmbiente::AbreURL(const QString& url)
{
    return abreURLRegistrando(url, url);
}

bool classAmbiente::Autentica(const QString& pDominio, const QString& pLogin, const QString& pSenha,
                              qint16 vTLogin)
{
    return m_sessao.Autentica(meioSessao(), pDominio, pLogin, pSenha, vTLogin);
}

bool classAmbiente::ConfirmaLogin() { return m_sessao.ConfirmaLogin(meioSessao()); }
bool classAmbiente::Logado() { return m_sessao.Logado(meioSessao()); }
void classAmbiente::LogOff() { m_sessao.LogOff(); }
bool classAmbiente::Internet() { return m_sessao.Internet(meioSessao()); }

} // namespace zv::core
