#include "publishing/Publicacao.h"

#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "transport/CodificaURL.h"
#include "transport/RespostaPortal.h"
#include "transport/ValorURL.h"
#include "transport/classFtp.h"

#include <QRegularExpression>

namespace zv::publishing {

namespace D = transport::Delimitador;
using transport::ValorURL;

namespace {

const QString kNaoValidado = QStringLiteral("Não é possível transmitir arquivo não validado!");
const QString kNaoTransmitiu = QStringLiteral("Não foi possível transmitir o arquivo!");
const QString kSemRegistro = QStringLiteral("Problemas na criação do Registro de Transferência!");
const QString kHouveErros = QStringLiteral("Houveram erros durante a publicação!");
// For an answer that broke off where the publication could not go on: the
// user is told something rather than an empty reason.
const QString kRespostaInesperada = QStringLiteral("O portal enviou uma resposta incompleta.");
const QString kSemAvisos = QStringLiteral("Sem Avisos");

namespace Relato {
inline constexpr qint16 Cliente = 0, Destinatario = 1, Registro = 2, Marco = 4, Falha = 5;
}

// Thrown to end the publication through its failure ending.
struct FalhaPublicacao {};

// Line n of an answer; an answer that stops short is a failure.
const QString& linha(const QStringList& linhas, qsizetype n)
{
    if (n >= linhas.size())
        throw platform::Failure(platform::kErrSubscript);
    return linhas[n];
}

// d= and o= go through the portal's encoder, which keeps "&"; a "&" typed in
// a description would end the value there, so it is protected as well.
QString textoLivre(const QString& texto)
{
    return transport::CodificaURL(texto).replace(QLatin1Char('&'), QStringLiteral("%26"));
}

QString valorNoPedido(double valor)
{
    return QString::number(valor, 'g', 15).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString inicioDoPedido(const ContextoPublicacao& c, const QString& pagina)
{
    return c.baseUrl + pagina + QStringLiteral("l=") + QString::number(c.lngLogin_ID) + QStringLiteral("&s=")
        + QString::number(c.lngSessao) + QLatin1Char('&');
}

} // namespace

Publicacao::Publicacao(const ContextoPublicacao& contexto, const classEnviar& registro, transport::classFtp& ftp,
                       Requisicao abreUrl, CopiaBackup copiaBackup)
    : m_c(contexto), m_registro(registro), m_ftp(ftp), m_abreUrl(std::move(abreUrl)),
      m_copiaBackup(std::move(copiaBackup))
{
}

void Publicacao::relata(qint16 codigo, const QString& texto)
{
    m_ftp.Mensagem(codigo, texto);
}

QString Publicacao::tituloRemoto(const ContextoPublicacao& c)
{
    if (!c.titulo.isEmpty())
        return c.tipo.isEmpty() ? c.titulo : c.titulo + QLatin1Char('.') + c.tipo;
    return c.arquivo.mid(c.arquivo.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Publicacao::urlPublicacao(const ContextoPublicacao& c, const classEnviar& r, const QString& titulo)
{
    const bool pagamento = r.Cod_TpDoc() == QLatin1String("P");
    QString url = inicioDoPedido(c, QStringLiteral("/printer/publica_b_novo.asp?"));
    url += QStringLiteral("e=") + ValorURL(r.Empresas()) + QStringLiteral("&t=") + ValorURL(r.Cod_TpDoc())
        + QLatin1Char('&');
    if (!r.Ativacao().isEmpty())
        url += QStringLiteral("a=") + ValorURL(r.Ativacao()) + QLatin1Char('&');
    if (!r.Expiracao().isEmpty())
        url += QStringLiteral("x=") + ValorURL(r.Expiracao()) + QLatin1Char('&');
    url += QStringLiteral("email=") + ValorURL(c.email) + QLatin1Char('&');
    if (pagamento)
        url += QStringLiteral("v=") + ValorURL(r.Vencimento()) + QStringLiteral("&r=") + valorNoPedido(r.Valor())
            + QLatin1Char('&');
    url += QStringLiteral("d=") + textoLivre(r.Descricao()) + QStringLiteral("&o=") + textoLivre(r.Observacao())
        + QLatin1Char('&');
    if (!titulo.isEmpty())
        url += QStringLiteral("f=") + ValorURL(titulo) + QLatin1Char('&');
    const QString parametros[] = {r.Parametro1(), r.Parametro2(), r.Parametro3(), r.Parametro4(), r.Parametro5()};
    for (int i = 0; i < 5; ++i)
        url += (i ? QStringLiteral("&") : QString()) + QStringLiteral("Parametro%1=").arg(i + 1)
            + ValorURL(parametros[i]);
    if (c.bDebug)
        url += QStringLiteral("&w=y");
    url += QStringLiteral("&idPasta=") + ValorURL(c.pasta);
    if (!c.usuariosId.isEmpty())
        url += QStringLiteral("&UsuarioID=") + ValorURL(c.usuariosId);
    return url + QStringLiteral("&Admin=") + QString::number(c.lngAdmin) + QStringLiteral("&Email=")
        + ValorURL(c.email);
}

QString Publicacao::urlListaAvisos(const ContextoPublicacao& c, int modo, const QString& id)
{
    return inicioDoPedido(c, QStringLiteral("printer/avisos_b.asp?")) + QStringLiteral("a=l&t=")
        + QString::number(modo) + QStringLiteral("&u=") + ValorURL(id) + QLatin1Char('&');
}

QString Publicacao::urlAviso(const ContextoPublicacao& c, const QString& id, const QString& endereco)
{
    return inicioDoPedido(c, QStringLiteral("/printer/avisos.asp?")) + QStringLiteral("a=e&u=") + ValorURL(id)
        + QStringLiteral("&i=") + ValorURL(endereco);
}

QStringList Publicacao::enderecosDaLista(const QString& lista)
{
    static const QRegularExpression separador(QStringLiteral("[;,\\r\\n]"));
    QStringList enderecos;
    for (const QString& parte : lista.split(separador))
        if (!parte.trimmed().isEmpty())
            enderecos << parte.trimmed();
    return enderecos;
}

bool Publicacao::Envia(QString& mensagemErro, QString& ultimosIds)
{
    mensagemErro.clear();
    try {
        ultimosIds = publica(mensagemErro);
    } catch (...) {
        relata(Relato::Falha, kHouveErros);
        mensagemErro = QStringLiteral("Erro") + D::CrLf + (mensagemErro.isEmpty() ? kRespostaInesperada : mensagemErro);
        return false;
    }
    // The portal holds the publication now: what follows never undoes it.
    const QString emails = m_registro.Emails();
    const int modo = emails.isEmpty() ? 0 : emails.left(1).toInt();
    relata(Relato::Registro, QStringLiteral("Iniciando processo de Avisos"));
    QStringList itens;
    for (const QString& id : ultimosIds.split(D::Ids))
        if (!id.isEmpty())
            itens << id;
    for (const QString& id : itens)
        m_copiaBackup(id);
    avisa(modo, itens);
    return true;
}

QString Publicacao::publica(QString& mensagemErro)
{
    if (!m_registro.Validado()) {
        mensagemErro = kNaoValidado;
        throw FalhaPublicacao{};
    }
    relata(Relato::Registro, QStringLiteral("Iniciando Transmissão do Arquivo"));
    const QString titulo = tituloRemoto(m_c);
    if (!m_ftp.Transmite(m_c.servidorFtp, m_c.usuarioFtp, m_c.senhaFtp, m_c.arquivo, titulo)) {
        mensagemErro = kNaoTransmitiu;
        throw FalhaPublicacao{};
    }
    relata(Relato::Registro, QStringLiteral("Arquivo Transmitido"));
    relata(Relato::Marco, QStringLiteral("Arquivo Transmitido"));

    const QStringList linhas = transport::linhas(m_abreUrl(urlPublicacao(m_c, m_registro, titulo)));
    if (linhas.value(0) != m_c.sistema) {
        mensagemErro = kSemRegistro + D::CrLf + linha(linhas, 1);
        throw FalhaPublicacao{};
    }
    const QString ids = linha(linhas, 1);
    relata(Relato::Marco, QStringLiteral("Arquivo Publicado com sucesso!"));
    relata(Relato::Registro, QStringLiteral("Publicação concluída"));
    if (m_c.bDebug) {
        platform::Dialogs::messageBox(QStringLiteral("Debug:") + D::CrLf + linhas.value(2), m_c.sistema,
                                      platform::Icon::Information);
        relata(Relato::Registro, QStringLiteral("Modo Debug Ativado"));
    }
    return ids;
}

void Publicacao::avisa(int modo, const QStringList& itens)
{
    if (modo == 1 || modo == 2) {
        for (const QString& id : itens)
            avisaClientes(modo, id);
        return;
    }
    const QStringList lista = modo == 3 ? enderecosDaLista(m_registro.Emails().mid(1)) : QStringList();
    if (lista.isEmpty()) {
        relata(Relato::Cliente, kSemAvisos);
        relata(Relato::Registro, kSemAvisos);
        relata(Relato::Destinatario, QString());
        return;
    }
    for (const QString& id : itens)
        avisaLista(lista, id);
}

void Publicacao::avisaClientes(int modo, const QString& id)
{
    const QString resposta = m_abreUrl(urlListaAvisos(m_c, modo, id));
    if (resposta.isEmpty()) {
        relata(Relato::Registro, QStringLiteral(" Sem E-mail Cadastrado "));
        return;
    }
    const QStringList linhas = transport::linhas(resposta);
    const QString cliente = linhas.value(1);
    relata(Relato::Cliente, cliente);
    relata(Relato::Registro, QStringLiteral("Cliente: ") + cliente);
    for (qsizetype i = 2; i < linhas.size(); ++i) {
        if (linhas[i].isEmpty())
            continue; // the line break that ends the answer
        const QStringList partes = transport::partes(linhas[i], D::Partes);
        if (partes.size() < 2) {
            relata(Relato::Registro, QStringLiteral("  ") + linhas[i] + QStringLiteral(" - Falha!"));
            continue;
        }
        enviaAviso(id, partes[0] + QStringLiteral(" <") + partes[1] + QLatin1Char('>'), partes[1]);
    }
}

void Publicacao::avisaLista(const QStringList& enderecos, const QString& id)
{
    relata(Relato::Cliente, QStringLiteral("Lista de e-mails informada"));
    relata(Relato::Registro, QStringLiteral("Lista de e-mails informada"));
    for (const QString& endereco : enderecos)
        enviaAviso(id, QLatin1Char('<') + endereco + QLatin1Char('>'), endereco);
}

void Publicacao::enviaAviso(const QString& id, const QString& destinatario, const QString& endereco)
{
    relata(Relato::Destinatario, destinatario);
    const QString resposta = m_abreUrl(urlAviso(m_c, id, endereco));
    const QStringList linhas = transport::linhas(resposta);
    QString situacao = QStringLiteral("Falha!");
    if (linhas.value(0) == m_c.sistema) {
        bool numero = false;
        const int resultado = linhas.value(1).trimmed().toInt(&numero);
        situacao = !numero         ? QStringLiteral("Falha")
                   : resultado == 1 ? QStringLiteral("Enviado")
                   : resultado == 2 ? QStringLiteral("Agendado")
                                    : QStringLiteral("Falha");
    } else if (m_c.bDebug) {
        platform::Dialogs::messageBox(D::CrLf + resposta, m_c.sistema, platform::Icon::Information);
    }
    relata(Relato::Registro, QStringLiteral("  ") + destinatario + QStringLiteral(" - ") + situacao);
}

} // namespace zv::publishing
