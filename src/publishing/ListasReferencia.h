#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zv::publishing {

// A table of cells as the portal sent them, row by row. An empty table (no
// rows at all) is the "empty reference" of an office that has none of the
// kind; a table built from the portal always ends with one empty spare row.
using Tabela = QList<QStringList>;

// One GET to the portal, answering the whole body as text (empty when the
// request failed).
using Requisicao = std::function<QString(const QString& url)>;

// What the synchronisation needs to know of the session and the folders.
struct ContextoSincronia {
    QString baseUrl;        // ends in "/"
    qint32 lngSessao = 0;
    qint32 lngLogin_ID = 0;
    qint32 lngID_Contador = 0;
    QString sistema;        // first section of every good answer
    QString pastaDaemon;    // no trailing separator
};

// The office's three reference lists (portfolios, client companies, users)
// mirrored from the portal's synchronisation page.
class ListasReferencia {
public:
    // Asks the portal for the lists; pCarteiras picks the portfolio form of
    // the request ("&c=1") instead of the user form ("&u=1"). pAtualiza,
    // when given, is set to true; pUsuario does not change anything. The
    // message is only ever appended to or replaced, never emptied.
    bool Sincroniza(const ContextoSincronia& contexto, const Requisicao& abreUrl,
                    QString& mensagemErro, bool* pAtualiza = nullptr,
                    bool pCarteiras = true, bool pUsuario = false);

    // The cache file of an answer: PastaDaemon immediately followed by "c",
    // the office ID and the form's suffix, so it lies beside PastaDaemon.
    static QString arquivoCache(const QString& pastaDaemon, qint32 idContador, bool pCarteiras);

    bool TemCarteira() const { return m_temCarteira; }
    Tabela Carteiras() const { return m_carteiras; }
    Tabela Usuarios() const { return m_usuarios; }

    // Client ID (column 0) and name (column 1) of the clients of one
    // portfolio, or of all clients for vCarteira 0 or less; one empty spare
    // row at the end. An empty table while the office has no client (or
    // before the first synchronisation that delivered some). A portfolio
    // field that does not read as a number raises platform::Failure (type
    // mismatch) to the caller, whose trap reports it.
    Tabela Clientes(qint32 vCarteira) const;

    // The client table itself: columns 1 to 3 hold ID, portfolio ID, name.
    const Tabela& tabelaClientes() const { return m_clientes; }

private:
    bool aplicaResposta(const QString& resposta, const QString& sistema, QString& mensagemErro);

    bool m_temCarteira = false;
    QStringList m_itensClientes;
    Tabela m_carteiras;
    Tabela m_clientes;
    Tabela m_usuarios;
};

} // namespace zv::publishing
