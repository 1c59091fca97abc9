#include "publishing/InfoEscritorio.h"

#include "platform/Cp1252.h"
#include "platform/ErrorNumbers.h"
#include "publishing/LeituraNumero.h"
#include "publishing/NomeArquivo.h"
#include "transport/RespostaPortal.h"
#include "transport/ValorURL.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace zv::publishing {

using platform::Failure;
namespace D = transport::Delimitador;

namespace {

QString sessaoNaUrl(const ContextoEscritorio& c)
{
    return QStringLiteral("?s=") + QString::number(c.lngSessao) + QStringLiteral("&l=") + QString::number(c.lngLogin_ID);
}

// Replaces the file with the bytes; the old file stays whole when writing
// fails. Answers the failure's description, empty on success.
QString grava(const QString& caminho, const QByteArray& bytes)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return arquivo.errorString();
    if (arquivo.write(bytes) != bytes.size() || !arquivo.commit())
        return arquivo.errorString();
    return {};
}

// A transfer that broke off answers what arrived, and an error page answers
// its own text: neither has the size the portal published for the document,
// and neither may stand in for the document (nor replace a good copy).
QString confereTamanho(qsizetype recebido, const QString& publicado)
{
    bool ok = false;
    const qint64 esperado = publicado.trimmed().toLongLong(&ok);
    if (!ok || esperado < 0 || recebido == esperado)
        return {};
    return QStringLiteral("O arquivo recebido do portal está incompleto (recebidos %1 bytes de %2).")
        .arg(recebido)
        .arg(esperado);
}

} // namespace

QByteArray bytesDaResposta(const QString& resposta)
{
    QByteArray out;
    out.reserve(resposta.size());
    for (QChar ch : resposta) {
        const int code = platform::cp1252Code(ch);
        const char16_t u = ch.unicode();
        if (code >= 0)
            out.append(char(code));
        else if (u >= 0x80 && u < 0xA0)
            out.append(char(u));
        else
            out.append('?');
    }
    return out;
}

QString InfoEscritorio::enderecoLogo(const ContextoEscritorio& c)
{
    return c.wwwUrl + QStringLiteral("zorvelanta/escritorio_arq/")
        + QStringLiteral("%1").arg(c.lngID_Contador, 4, 10, QLatin1Char('0')) + QLatin1Char('/') + c.logo;
}

QString InfoEscritorio::LogoEscritorio(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro,
                                       const QString& pCaminho, bool pAtualiza)
{
    const QString falha = QStringLiteral("Não foi possivel baixar o logo do escritório!");
    // A logo name that is no plain file name would put the file elsewhere.
    if (!nomeSeguro(c.logo)) {
        mensagemErro = falha;
        return {};
    }
    const QString caminho = pCaminho + c.logo;
    if (!c.temInternet)
        return caminho;
    if (QFileInfo::exists(caminho) && !pAtualiza)
        return caminho;
    const QString resposta = abreUrl ? abreUrl(enderecoLogo(c)) : QString();
    // An empty answer is a failed download, not an empty logo: the copy
    // already there is kept.
    if (resposta.isEmpty() || !grava(caminho, bytesDaResposta(resposta)).isEmpty()) {
        mensagemErro = falha;
        return {};
    }
    return caminho;
}

bool InfoEscritorio::AtualizaEspaco(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro)
{
    if (!c.temInternet) {
        mensagemErro = QStringLiteral("Não é possível atualizar espaço total e disponível sem internet!");
        return false;
    }
    const QString resposta = abreUrl ? abreUrl(c.baseUrl + QStringLiteral("printer/espaco_b.asp") + sessaoNaUrl(c)) : QString();
    try {
        if (!transport::comecaCom(resposta, c.sistema))
            throw Failure(platform::kErrTypeMismatch);
        const QStringList partes = transport::partes(resposta, D::Partes);
        if (partes.size() < 3)
            throw Failure(platform::kErrSubscript);
        const double total = leNumero(partes[1]);
        const double utilizado = leNumero(partes[2]);
        m_total = total;
        m_utilizado = utilizado;
        m_disponivel = total - utilizado;
        return true;
    } catch (const Failure&) {
        m_total = m_utilizado = m_disponivel = 0;
        return false;
    }
}

bool InfoEscritorio::Dica(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro)
{
    if (!c.temInternet) {
        mensagemErro = QStringLiteral("Não é possivel recuperar dicas sem internet");
        return false;
    }
    // The order is the portal's own text, sent back so that it arrives as it came.
    const QString url = c.baseUrl + QStringLiteral("printer/dicas_b.asp") + sessaoNaUrl(c) + QStringLiteral("&ordem=")
        + transport::ValorURL(m_ordemDica);
    const QString resposta = abreUrl ? abreUrl(url) : QString();
    const QStringList partes = resposta.isEmpty() ? QStringList() : transport::partes(resposta, D::Dica);
    if (!partes.isEmpty())
        m_ordemDica = partes[0];
    if (partes.size() < 3) {
        m_dicaTitulo = QStringLiteral("Dica em manutenção");
        m_dicaTexto = QStringLiteral("Neste momento não é possível recuperar uma dica.");
        return false;
    }
    m_dicaTitulo = partes[1];
    m_dicaTexto = D::CrLf + partes[2];
    return true;
}

bool InfoEscritorio::BArquivo(const Requisicao& abreUrl, QString& mensagemErro, const QString& url,
                              const QString& pastaBackup, const QString& pId_Arq, const QString& pTam_arq)
{
    if (!nomeSeguro(pId_Arq)) {
        mensagemErro = QStringLiteral("Erro") + D::CrLf
            + QStringLiteral("Identificação de arquivo inválida recebida do portal: \"%1\"").arg(pId_Arq);
        return false;
    }
    const QString resposta = abreUrl ? abreUrl(url) : QString();
    if (resposta.isEmpty()) {
        mensagemErro = QStringLiteral("Arquivo não encontrador!");
        return false;
    }
    const QByteArray bytes = bytesDaResposta(resposta);
    if (const QString diferenca = confereTamanho(bytes.size(), pTam_arq); !diferenca.isEmpty()) {
        mensagemErro = QStringLiteral("Erro") + D::CrLf + diferenca;
        return false;
    }
    QString descricao;
    if (!QDir().mkpath(pastaBackup))
        descricao = QStringLiteral("Não foi possível criar a pasta %1").arg(QDir::toNativeSeparators(pastaBackup));
    else
        descricao = grava(pastaBackup + QLatin1Char('/') + pId_Arq, bytes);
    if (!descricao.isEmpty()) {
        mensagemErro = QStringLiteral("Erro") + D::CrLf + descricao;
        return false;
    }
    return true;
}

} // namespace zv::publishing
