#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zv::core {

class classAmbiente;

// One active publication of the office, as the consultation lists it.
struct PublicacaoAtiva {
    QString id;      // the portal's document ID
    QString arquivo; // the document's own file name
    QString tamanho; // its size in bytes as the portal gave it; may be empty
};

// What a backup did, for the message at its end.
struct ResultadoBackup {
    int total = 0;      // documents listed
    int copiados = 0;   // documents now in the chosen folder
    int renomeados = 0; // of those, stored under a numbered name
    int falhas = 0;
    QStringList motivos; // one line per failed document: name and reason
    bool interrompido = false; // stopped by the user before the end
};

// The backup of every active publication into a folder the user chose: the
// list comes from the consultation query (only the active documents), each
// document is fetched by the environment's retrieval into the backup folder
// and copied from there under its own name. One document that fails is
// counted and the others go on; nothing in the chosen folder is replaced.
class BackupPublicacoes {
public:
    // Progress as the backup moves: documents done out of the total, and the
    // current document in percent (0 when it starts, 50 once fetched, 100
    // once copied). pararAgora, asked before each document, stops the rest.
    struct Avisos {
        std::function<void(int feitos, int total)> total;
        std::function<void(int porcento)> arquivo;
        std::function<bool()> pararAgora;
    };

    explicit BackupPublicacoes(classAmbiente& ambiente) : m_ambiente(ambiente) {}

    // The office's active publications; false with the query's message
    // when the portal's list could not be read or holds nothing.
    bool lista(QList<PublicacaoAtiva>& publicacoes, QString& mensagem);
    ResultadoBackup copia(const QList<PublicacaoAtiva>& publicacoes, const QString& pasta, const Avisos& avisos);

    // The closing message for the user.
    static QString mensagemFinal(const ResultadoBackup& r, const QString& pasta);
    // How many failed documents the closing message names one by one.
    static constexpr int kMotivosMostrados = 10;

private:
    // Empty on success, else why the document is missing from the folder.
    QString copiaUma(const PublicacaoAtiva& p, const QString& pasta, bool& renomeado, const Avisos& avisos);

    classAmbiente& m_ambiente;
};

} // namespace zv::core
