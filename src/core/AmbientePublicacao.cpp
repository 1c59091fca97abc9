#include "core/classAmbiente.h"
#include "publishing/Publicacao.h"
#include "transport/PortalAddress.h"

namespace zv::core {

void classAmbiente::Envia(transport::classFtp& pFtp)
{
    publishing::ContextoPublicacao c;
    c.baseUrl = transport::portalBaseUrl();
    c.sistema = m_sistema;
    c.lngSessao = m_sessao.lngSessao;
    c.lngLogin_ID = m_sessao.lngLogin_ID;
    c.lngAdmin = m_sessao.lngAdmin;
    c.servidorFtp = m_sessao.ServidorFtp;
    c.usuarioFtp = m_sessao.UsuarioFtp;
    c.senhaFtp = m_sessao.SenhaFtp;
    c.email = Email;
    c.usuariosId = UsuariosId;
    c.pasta = pasta;
    c.bDebug = m_sessao.bDebug;
    c.arquivo = arquivo();
    c.titulo = Titulo();
    c.tipo = Tipo();

    publishing::Publicacao publicacao(
        c, Enviar, pFtp, [this](const QString& url) { return AbreURL(url); },
        [this](const QString& id) { CopiaArquivo(id); });
    m_enviado = publicacao.Envia(MensagemErro, UltimosIds);
}

} // namespace zv::core
