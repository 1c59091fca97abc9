#include "consultation/classConsultar.h"

#include "platform/ErrorNumbers.h"
#include "publishing/LeituraNumero.h"
#include "publishing/NomeArquivo.h"
#include "transport/RespostaPortal.h"
#include "transport/ValorURL.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace zv::consultation {

using platform::Failure;
namespace D = transport::Delimitador;

namespace {
const QString kErrosIndefinidos = QStringLiteral("Houveram erros indefinidos durante a pesquisa!");
const QString kErros = QStringLiteral("Houveram erros  durante a pesquisa!");
const QString kSemArquivos = QStringLiteral("Não existem Arquivos para esta consulta!");
constexpr int kCamposRegistro = 17;

QString dataNoPedido(const QDate& data) { return data.toString(QStringLiteral("yyyyMMdd")); }
} // namespace

void classConsultar::GetPar(const QString& pUrl, qint32 pSession, qint32 pLoginID, const QString& pSistema,
                            const QString& pLastIds, const QString& pPathUser)
{
    m_baseUrl = pUrl;
    m_sessao = pSession;
    m_loginId = pLoginID;
    m_sistema = pSistema;
    m_ultimosIds = pLastIds;
    m_pastaUsuario = pPathUser;
}

void classConsultar::setTipoDoc(qint16 valor)
{
    setTipoData(0);
    m_tipoDoc = valor;
}

void classConsultar::setTipoData(qint16 valor)
{
    m_temInicial = false;
    m_temFinal = false;
    if (valor == 2 && m_tipoDoc != 1)
        return;
    m_tipoData = valor;
}

void classConsultar::setDataInicial(const QDate& data)
{
    if (m_tipoData == 0)
        return;
    m_dataInicial = data;
    m_temInicial = true;
}

void classConsultar::setDataFinal(const QDate& data)
{
    if (m_tipoData == 0)
        return;
    m_dataFinal = data;
    m_temFinal = true;
}

void classConsultar::setOrdenar(qint16 valor)
{
    if (valor >= 0 && valor <= 5)
        m_ordem = valor;
}

void classConsultar::setMostrar(qint16 valor)
{
    m_mostrar = (valor >= 0 && valor <= 4) ? valor : 0;
}

QString classConsultar::urlFiltro(bool pEnviados) const
{
    QString url = m_baseUrl + QStringLiteral("/printer/consulta_b.asp?") + QStringLiteral("s=")
        + QString::number(m_sessao) + QStringLiteral("&l=") + QString::number(m_loginId);
    if (pEnviados)
        return url + QStringLiteral("&li=") + transport::ValorURL(m_ultimosIds);
    if (m_empresa > 0)
        url += QStringLiteral("&e=") + QString::number(m_empresa);
    url += QStringLiteral("&t=") + QString::number(m_tipoDoc);
    if (m_tipoData != 0 && (m_temInicial || m_temFinal)) {
        if (m_tipoData == 1)
            url += QStringLiteral("&d=t");
        else if (m_tipoData == 2)
            url += QStringLiteral("&d=v");
        if (m_temInicial)
            url += QStringLiteral("&i=") + dataNoPedido(m_dataInicial);
        if (m_temFinal)
            url += QStringLiteral("&f=") + dataNoPedido(m_dataFinal);
    }
    if (m_usuario > 0)
        url += QStringLiteral("&u=") + QString::number(m_usuario);
    url += QStringLiteral("&o=") + QString::number(m_ordem);
    if (m_mostrar != 0)
        url += QStringLiteral("&m=") + QString::number(m_mostrar);
    return url;
}

void classConsultar::Filtrar(qint16& vRetorno, qint32& vSumSize, bool pEnviados)
{
    vRetorno = 0;
    vSumSize = 0;
    m_mensagem.clear();
    const QString resposta = m_requisicao ? m_requisicao(urlFiltro(pEnviados)) : QString();
    if (!transport::comecaCom(resposta, m_sistema)) {
        const QStringList linhas = transport::linhas(resposta);
        m_mensagem = linhas.size() > 1 ? linhas[1] + D::CrLf + kErros : kErrosIndefinidos;
        return;
    }
    try {
        leResposta(resposta, vRetorno, vSumSize);
    } catch (...) {
        m_mensagem = kErrosIndefinidos;
    }
}

void classConsultar::leResposta(const QString& resposta, qint16& vRetorno, qint32& vSumSize)
{
    const QStringList linhas = transport::linhas(resposta);
    if (linhas.size() < 3)
        throw Failure(platform::kErrSubscript);
    vRetorno = publishing::leInt16(linhas[2]);
    if (vRetorno == 0) {
        m_mensagem = kSemArquivos;
        return;
    }
    if (vRetorno < 0)
        throw Failure(platform::kErrSubscript);
    m_tabela = TabelaConsulta(qsizetype(vRetorno) + 1, QStringList(kColunasConsulta));

    const QStringList registros = transport::partes(linhas[1], D::Item);
    double soma = 0;
    for (qsizetype i = 0; i < registros.size(); ++i) {
        if (i > vRetorno)
            throw Failure(platform::kErrSubscript);
        const QStringList campos = transport::partes(registros[i], D::Campo);
        if (campos.size() < kCamposRegistro)
            throw Failure(platform::kErrSubscript);
        QStringList& linha = m_tabela[i];
        for (int c = 0; c < kCamposRegistro; ++c)
            linha[c] = campos[c];
        soma += publishing::leNumero(campos[Coluna::Tamanho]);
        const double arredondada = std::nearbyint(soma);
        if (arredondada < std::numeric_limits<qint32>::min() || arredondada > std::numeric_limits<qint32>::max())
            throw Failure(platform::kErrOverflow);
        vSumSize = static_cast<qint32>(arredondada);
        linha[Coluna::Local] = temCopiaLocal(campos[Coluna::Id]) ? QStringLiteral("Sim") : QStringLiteral("Não");
    }
}

bool classConsultar::temCopiaLocal(const QString& id) const
{
    // An ID that is no plain file name names no copy of ours.
    if (m_pastaBackup.isEmpty() || !publishing::nomeSeguro(id))
        return false;
    return QFileInfo(m_pastaBackup + QLatin1Char('/') + id).isFile();
}

bool classConsultar::Catch(QString& mensagem) const
{
    if (m_mensagem.isEmpty())
        return false;
    mensagem = m_mensagem;
    return true;
}

void classConsultar::Validar()
{
    m_validado = false;
    if (m_empresa == 0)
        m_mensagem = QStringLiteral("É necessário escolher um cliente!");
    else if (m_tipoDoc == 3)
        m_mensagem = QStringLiteral("O Campo de Tipo deve ser preenchido!");
    else
        m_validado = true;
}

QString classConsultar::urlRecuperacao(const QString& baseUrl, qint32 lngLogin_ID, qint32 lngSessao, const QString& id)
{
    return baseUrl + QStringLiteral("printer/consulta_b.asp?") + QStringLiteral("l=") + QString::number(lngLogin_ID)
        + QStringLiteral("&") + QStringLiteral("s=") + QString::number(lngSessao) + QStringLiteral("&")
        + QStringLiteral("ia=") + transport::ValorURL(id) + QStringLiteral("&");
}

} // namespace zv::consultation
