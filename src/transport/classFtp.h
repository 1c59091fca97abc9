#pragma once
#include <QObject>
#include <QString>

class QFile;

namespace zv::transport {

class FtpSessao;

// Moves files between this computer and the portal's FTP server: Transmite
// uploads into the server's root folder, Recebe downloads, Deleta deletes.
// Every operation opens and closes its own connection and runs to its end
// before it returns. Connection steps, upload progress and failures are
// reported through the three signals, synchronously and in order; the
// publication relays its own reports through Mensagem so that one listener
// hears both. Between the blocks of an upload the pending events run, so a
// handler may run in the middle of Transmite; it must not start another
// operation on the same object.
//
// The server is the name the portal hands out at login, optionally followed
// by ":port" (port 21 when none is given).
class classFtp : public QObject {
    Q_OBJECT
public:
    explicit classFtp(QObject* parent = nullptr);
    ~classFtp() override;

    // Uploads vFile under vTitulo (the local file's own name when empty).
    // True when the whole file was written. A file that is not there is
    // told to the user in a box and answered false.
    bool Transmite(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile,
                   const QString& vTitulo = QString());
    // A failed deletion ends without the closing reports.
    void Deleta(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile);
    // Replaces vLocalFile with the server's vRemoteFile; a download that
    // fails leaves whatever vLocalFile held untouched.
    bool Recebe(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vLocalFile,
                const QString& vRemoteFile);
    // Raises Informe with the same two values.
    void Mensagem(qint16 vCodigo, const QString& vMensagem);

    static constexpr int kTamanhoBloco = 100;

Q_SIGNALS:
    void Progresso(qint32 vPercentual, qint32 vTotal);
    // 1 with a step text, 2 with an empty text once an operation finished,
    // 3 with an error text.
    void Situacao(quint8 vCod, const QString& vDescricao);
    void Informe(qint16 vCodigo, const QString& vMensagem);

private:
    // The connection steps up to "Transmitindo"; the name of the step that
    // failed, or empty.
    QString conecta(FtpSessao& sessao, const QString& vServer, const QString& vUser, const QString& vPws,
                    bool vaiParaRaiz);
    bool envia(FtpSessao& sessao, QFile& local, const QString& nomeRemoto);
    void relataErro(const QString& etapa, const FtpSessao& sessao);
    void encerra(FtpSessao& sessao);
};

} // namespace zv::transport
