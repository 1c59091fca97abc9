#pragma once
#include <QObject>
#include <QString>

namespace zv::transport {

// Moves files between this computer and the portal's FTP server: Transmite
// uploads into the server's root folder, Recebe downloads, Deleta deletes.
// Every operation opens and closes its own connection and runs to its end
// before it returns. Connection steps, upload progress and failures are
// reported through the three signals, synchronously and in order; the
// publication relays its own reports through Mensagem so that one listener
// hears both.
//
// The server is the name the portal hands out at login, optionally followed
// by ":port" (port 21 when none is given).
class classFtp : public QObject {
    Q_OBJECT
public:
    explicit classFtp(QObject* parent = nullptr);
    ~classFtp() override;

    // Uploads vFile under vTitulo (the local file's own name when empty).
    // True when the whole file was written.
    bool Transmite(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile,
                   const QString& vTitulo = QString());
    void Deleta(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile);
    bool Recebe(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vLocalFile,
                const QString& vRemoteFile);
    // Raises Informe with the same two values.
    void Mensagem(qint16 vCodigo, const QString& vMensagem);

    static constexpr int kTamanhoBloco = 100;

signals:
    void Progresso(qint32 vPercentual, qint32 vTotal);
    // 1 with a step text, 2 with an empty text once an operation finished,
    // 3 with an error text.
    void Situacao(quint8 vCod, const QString& vDescricao);
    void Informe(qint16 vCodigo, const QString& vMensagem);
};

} // namespace zv::transport
