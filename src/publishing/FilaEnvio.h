#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zv::publishing {

class classEnviar;

// The queue as a table: one row of eleven texts per queued document, in
// file order, and one empty row after the last.
using TabelaFila = QList<QStringList>;

// The local store of documents waiting to be published: the index file
// "zvmf.rlx" (Windows-1252, one CR LF line per document) in the queue
// folder, and a private copy of each document in its files folder, named
// file001, file002 ... The queue only grows here: nothing removes a record,
// and loading never writes.
class FilaEnvio {
public:
    static constexpr int kMaiorCopia = 999;
    static inline const QString kIndice = QStringLiteral("zvmf.rlx");

    // The queue folder and its copies folder (created on demand).
    FilaEnvio(QString pastaFila, QString pastaCopias);

    QString arquivoIndice() const;
    const QString& pastaCopias() const { return m_copias; }

    struct Documento {
        const classEnviar& enviar; // validated record, read through its getters
        QString titulo;            // the environment's title and type
        QString tipo;
    };

    // Queues every non-empty entry of arquivos under the record's metadata.
    // arquivo follows each entry as it is queued. On failure mensagem holds
    // the reason; records written for earlier entries stay.
    bool Enfileirar(const Documento& documento, const QStringList& arquivos, QString& arquivo,
                    QString& mensagem) const;

    struct Carga {
        TabelaFila tabela;     // empty on failure
        bool erro = false;     // missing index file, unreadable file, failed synchronisation
        QString mensagem;      // the reason of a failure
        QString aviso;         // damaged lines left out of an otherwise loaded queue
    };
    using Sincronizacao = std::function<bool()>;
    using NomeCliente = std::function<QString(const QString& id)>;

    // Loads the whole queue. The reference lists are synchronised first when
    // there is at least one record; a record's companies field is shown as
    // its client's name, or "(n)Empresas" for several companies.
    Carga CarregaFila(const Sincronizacao& sincroniza, const NomeCliente& nomeCliente) const;

    // Title of a queued document: title.type, the title alone, or the
    // file's own name when there is no title.
    static QString tituloDoDocumento(const QString& titulo, const QString& tipo, const QString& arquivo);

private:
    void preparaPastas() const;
    int proximaCopia() const;
    QString campoEmpresas(const QString& campo, const NomeCliente& nomeCliente) const;

    QString m_fila;
    QString m_copias;
};

} // namespace zv::publishing
