#include "publishing/classEnviar.h"

#include "platform/Clock.h"
#include "platform/Regional.h"
#include "publishing/TipoDocumento.h"
#include "transport/RespostaPortal.h"

namespace zv::publishing {

namespace {

using platform::Regional;

// A date comparison that needs a date the record does not hold: the
// validation ends with "Erro Indefinido!" after the message as it stood.
struct DataAusente {};

QDate data(const QString& texto)
{
    const auto d = Regional::parseDate(texto);
    if (!d)
        throw DataAusente{};
    return *d;
}

bool eData(const QString& texto) { return Regional::parseDate(texto).has_value(); }

// Let rule of the three dates: a text that does not read as a date is emptied.
void soData(QString& valor)
{
    if (!eData(valor))
        valor.clear();
}

const QString kErroIndefinido = QStringLiteral("Erro Indefinido!");

// A date field takes the caller's text, which a non-date empties first.
void letData(QString& campo, QString& vData)
{
    soData(vData);
    campo = vData;
}

} // namespace

classEnviar::classEnviar()
    : m_vencimento(Regional::shortDate(platform::Clock::today().addMonths(1)))
{
}

void classEnviar::setTipoArquivo(qint16 vData)
{
    m_tipo = vData;
    if (vData < 0)
        m_mensagem = QStringLiteral("Tipo de Arquivo Inválido!");
}

QString classEnviar::TpArquivoChar(qint16 pTpArquivo) const
{
    return letraTipo(pTpArquivo == 0 ? m_tipo : pTpArquivo);
}

QString classEnviar::Cod_TpDoc() const
{
    return tipoValido(m_tipo) ? letraTipo(m_tipo) : letraTipo(int(TipoDocumento::Diversos));
}

void classEnviar::setDescricao(QString& vData)
{
    if (vData.size() > kDescricaoMax)
        vData.truncate(kDescricaoMax);
    m_descricao = vData;
}

void classEnviar::setDescricao(const QString& vData)
{
    QString v = vData;
    setDescricao(v);
}

void classEnviar::setAtivacao(QString& vData) { letData(m_ativacao, vData); }
void classEnviar::setAtivacao(const QString& vData) { QString v = vData; letData(m_ativacao, v); }
void classEnviar::setExpiracao(QString& vData) { letData(m_expiracao, vData); }
void classEnviar::setExpiracao(const QString& vData) { QString v = vData; letData(m_expiracao, v); }
void classEnviar::setVencimento(QString& vData) { letData(m_vencimento, vData); }
void classEnviar::setVencimento(const QString& vData) { QString v = vData; letData(m_vencimento, v); }

void classEnviar::Try()
{
    m_mensagem.clear();
    m_clientes.clear();
}

bool classEnviar::Catch(QString& e) const
{
    if (m_mensagem.isEmpty())
        return false;
    e = m_mensagem;
    return true;
}

void classEnviar::AddCliente(qint32 cliente)
{
    m_clientes.append(cliente);
}

QString classEnviar::Empresas() const
{
    QStringList ids;
    ids.reserve(m_clientes.size());
    for (qint32 id : m_clientes)
        ids << QString::number(id);
    return ids.join(transport::Delimitador::Ids);
}

void classEnviar::Avisar(bool pTodos, const std::optional<QString>& pEmails, bool pReseta)
{
    if (pReseta) {
        m_modoAviso = 0;
        m_listaAviso.clear();
    } else if (pTodos) {
        m_modoAviso = 2;
    } else if (!pEmails) {
        m_modoAviso = 1;
    } else {
        m_modoAviso = 3;
        m_listaAviso = *pEmails;
    }
}

QString classEnviar::Emails() const
{
    QString texto = QString::number(m_modoAviso);
    if (m_modoAviso == 3)
        texto += m_listaAviso;
    return texto;
}

void classEnviar::Validar(const QString& sNm_Arq, const QString& pasta, QString& controleValidacao)
{
    m_validado = false;
    if (m_clientes.isEmpty()) {
        m_mensagem = QStringLiteral("É necessário selecionar um ou mais clientes para o arquivo ")
                     + sNm_Arq + QLatin1Char('!');
        controleValidacao = QStringLiteral("cboCarteira");
        return;
    }
    if (m_descricao.trimmed().isEmpty()) {
        m_mensagem = QStringLiteral("Descrição deve ser preenchido para o arquivo ") + sNm_Arq
                     + QLatin1Char('!');
        controleValidacao = QStringLiteral("txtDescricao");
        return;
    }
    if (m_tipo != int(TipoDocumento::Pagamento)) {
        m_vencimento.clear();
        m_valor = 0;
    }
    try {
        if (!validaDatas(sNm_Arq, controleValidacao))
            return;
    } catch (const DataAusente&) {
        m_mensagem += kErroIndefinido;
        return;
    }
    if (pasta.isEmpty()) {
        m_mensagem = QStringLiteral("Selecione uma pasta para o arquivo ") + sNm_Arq + QLatin1Char('!')
                     + transport::Delimitador::CrLf;
        return;
    }
    m_validado = true;
}

// The activation and expiry checks against today and the due date; false
// after a failure, whose message and control are already set.
bool classEnviar::validaDatas(const QString& sNm_Arq, QString& controleValidacao)
{
    const bool pagamento = m_tipo == int(TipoDocumento::Pagamento);
    const QString ativacao = QStringLiteral("dtpAtivacao");
    const QString expiracao = QStringLiteral("dtpExpiracao");
    if (!eData(m_ativacao)) {
        m_ativacao.clear();
    } else if (data(m_ativacao) < m_hoje) {
        falha(QStringLiteral("A data de ativação não pode ser menor que a data de hoje para o arquivo "),
              sNm_Arq, ativacao, controleValidacao);
        return false;
    } else if (pagamento && data(m_vencimento) <= data(m_ativacao)) {
        falha(QStringLiteral("A data de ativação não pode ser maior ou igual a data vencimento para o arquivo "),
              sNm_Arq, ativacao, controleValidacao);
        return false;
    }
    if (!eData(m_expiracao)) {
        m_expiracao.clear();
        return true;
    }
    const QDate fim = data(m_expiracao);
    if (fim <= m_hoje) {
        falha(QStringLiteral("A data de expiração não pode ser menor ou igual a data de hoje para o arquivo "),
              sNm_Arq, expiracao, controleValidacao);
        return false;
    }
    if (eData(m_ativacao) && data(m_ativacao) >= fim) {
        falha(QStringLiteral("A data de expiração não pode ser menor ou igual a data de ativação para o arquivo "),
              sNm_Arq, expiracao, controleValidacao);
        return false;
    }
    if (pagamento && data(m_vencimento) >= fim) {
        falha(QStringLiteral("A data de expiração não pode ser menor ou igual a data de vencimento para o arquivo "),
              sNm_Arq, expiracao, controleValidacao);
        return false;
    }
    return true;
}

void classEnviar::falha(const QString& texto, const QString& sNm_Arq, const QString& controle,
                        QString& controleValidacao)
{
    m_mensagem = texto + sNm_Arq + QLatin1Char('!') + transport::Delimitador::CrLf + kErroIndefinido;
    controleValidacao = controle;
}

} // namespace zv::publishing
