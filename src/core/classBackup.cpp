#include "core/classBackup.h"

#include "platform/ErrorNumbers.h"

#include <limits>

namespace zv::core {

void classBackup::Inicia_Classe(const QString& pUrl, qint32 pIdLogin, qint32 pSessao)
{
    m_urlBase = pUrl;
    m_idLogin = pIdLogin;
    m_sessao = pSessao;
}

void classBackup::Backup()
{
    m_urlRequisicao = m_urlBase + QStringLiteral("printer/printer_login_conf.asp") + QStringLiteral("?s=")
        + QString::number(m_sessao) + QStringLiteral("&l=") + QString::number(m_idLogin);
}

void classBackup::Inicio()
{
    m_contador = 0;
}

void classBackup::Proximo()
{
    if (m_contador == std::numeric_limits<qint16>::max())
        throw platform::Failure(platform::kErrOverflow);
    ++m_contador;
}

bool classBackup::Fim() const
{
    return m_contador == m_totalArquivos;
}

} // namespace zv::core
