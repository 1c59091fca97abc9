#include "publishing/ListasReferencia.h"

#include "publishing/LeituraNumero.h"

#include "platform/Cp1252.h"
#include "platform/ErrorNumbers.h"
#include "transport/RespostaPortal.h"

#include <QSaveFile>

namespace zv::publishing {

using platform::Failure;
namespace D = transport::Delimitador;

namespace {

const QString kSemCarteiras = QStringLiteral("4");
const QString kSemClientes = QStringLiteral("5");
const QString kSemUsuarios = QStringLiteral("6");
const QString kErroSincronia = QStringLiteral("Erro durante sincronização!");

// The fields of one item; an item with fewer than the fields read is a
// damaged answer.
QStringList campos(const QString& item, qsizetype minimo)
{
    QStringList f = transport::partes(item, D::Campo);
    if (f.size() < minimo)
        throw Failure(platform::kErrSubscript);
    return f;
}

// One table from a section's items: each row gets the fields of its item
// at the given columns; one empty spare row ends the table. The table is
// put in place first and filled row by row, so a damaged item leaves the
// rows read before it.
void preenche(Tabela& tabela, const QStringList& itens, int largura,
              const QList<std::pair<int, int>>& campoParaColuna)
{
    tabela = Tabela(itens.size() + 1, QStringList(largura));
    qsizetype minimo = 0;
    for (const auto& [campo, coluna] : campoParaColuna)
        minimo = std::max<qsizetype>(minimo, campo + 1);
    for (qsizetype k = 0; k < itens.size(); ++k) {
        const QStringList f = campos(itens[k], minimo);
        for (const auto& [campo, coluna] : campoParaColuna)
            tabela[k][coluna] = f[campo];
    }
}

void gravaCache(const QString& caminho, const QString& resposta)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        throw Failure(platform::kErrPathFileAccess);
    const QByteArray bytes = platform::toCp1252(resposta);
    if (arquivo.write(bytes) != bytes.size() || !arquivo.commit())
        throw Failure(platform::kErrPathFileAccess);
}

} // namespace

QString ListasReferencia::arquivoCache(const QString& pastaDaemon, qint32 idContador, bool pCarteiras)
{
    return pastaDaemon + QLatin1Char('c') + QString::number(idContador)
        + (pCarteiras ? QStringLiteral("sinc.rtx") : QStringLiteral("sincu.rpx"));
}

bool ListasReferencia::Sincroniza(const ContextoSincronia& contexto, const Requisicao& abreUrl,
                                  QString& mensagemErro, bool* pAtualiza, bool pCarteiras, bool /*pUsuario*/)
{
    if (pAtualiza)
        *pAtualiza = true;
    try {
        const QString cache = arquivoCache(contexto.pastaDaemon, contexto.lngID_Contador, pCarteiras);
        const QString url = contexto.baseUrl + QStringLiteral("printer/sincroniza.asp?") + QStringLiteral("s=")
            + QString::number(contexto.lngSessao) + QStringLiteral("&l=") + QString::number(contexto.lngLogin_ID)
            + (pCarteiras ? QStringLiteral("&c=1") : QStringLiteral("&u=1"));
        const QString resposta = abreUrl ? abreUrl(url) : QString();

        if (!transport::comecaCom(resposta, contexto.sistema)) {
            // A refusal carries the portal's sentence on its second line.
            if (resposta.contains(D::CrLf))
                mensagemErro = transport::linhas(resposta).value(1);
            mensagemErro += D::CrLf + kErroSincronia;
            return false;
        }
        gravaCache(cache, resposta);
        return aplicaResposta(resposta, contexto.sistema, mensagemErro);
    } catch (...) {
        mensagemErro += D::CrLf + kErroSincronia;
        return false;
    }
}

bool ListasReferencia::aplicaResposta(const QString& resposta, const QString& sistema, QString& mensagemErro)
{
    const QStringList secoes = transport::partes(resposta, D::Secao);
    if (secoes.value(0) != sistema)
        return false;
    // A missing section is found when its turn comes, after the sections
    // before it have been taken.
    const auto secao = [&secoes](qsizetype i) -> const QString& {
        if (i >= secoes.size())
            throw Failure(platform::kErrSubscript);
        return secoes[i];
    };

    if (secao(1) == kSemCarteiras) {
        m_carteiras.clear();
        mensagemErro = QStringLiteral("Não existem carteiras cadastradas!");
        m_temCarteira = false;
    } else {
        m_temCarteira = true;
        preenche(m_carteiras, transport::partes(secoes[1], D::Item), 2, {{0, 0}, {1, 1}});
    }

    if (secao(2) == kSemClientes) {
        m_clientes.clear();
        mensagemErro = QStringLiteral("Não existem clientes cadastrados!");
    } else {
        m_itensClientes = transport::partes(secoes[2], D::Item);
        preenche(m_clientes, m_itensClientes, 4, {{0, 1}, {1, 2}, {2, 3}});
    }

    if (secao(3) == kSemUsuarios) {
        m_usuarios.clear();
        mensagemErro = QStringLiteral("Não existem usuarios cadastrados!");
    } else {
        preenche(m_usuarios, transport::partes(secoes[3], D::Item), 2, {{0, 0}, {1, 1}});
    }
    return true;
}

Tabela ListasReferencia::Clientes(qint32 vCarteira) const
{
    // The items of an earlier answer are kept, but once the portal says the
    // office has no client there is none to offer.
    if (m_clientes.isEmpty())
        return {};
    Tabela resultado;
    for (const QString& item : m_itensClientes) {
        const QStringList f = transport::partes(item, D::Campo);
        if (vCarteira > 0 && leInt32(f.value(1)) != vCarteira)
            continue;
        resultado.append(QStringList{f.value(0), f.value(2)});
    }
    resultado.append(QStringList(2));
    return resultado;
}

} // namespace zv::publishing
