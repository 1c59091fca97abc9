#pragma once
#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

namespace zv::transport {

// One conversation with an FTP server, the steps of the FTP object one call
// each: open, connect and log in, a command, an upload, a download, close.
// All steps after the login travel on the same control connection; the
// session is direct (never through a proxy), passive and binary. Names,
// user and password go on the wire in Windows-1252. A step that fails
// answers false and leaves its code (the platform library's numbering, see
// FtpErros.h) and the server's last response behind. Every wait is
// bounded, so a silent server ends a step with the time-out code.
class FtpSessao {
public:
    struct Prazos {
        long segundosConexao = 30;     // to reach the server
        long segundosSemResposta = 60; // for any one answer or without a byte moving
    };

    // Hands out the next bytes of an upload (at most the given number);
    // 0 ends the file, a negative value abandons the upload.
    using Fonte = std::function<qint64(char* destino, qint64 maximo)>;

    FtpSessao();
    explicit FtpSessao(Prazos prazos);
    ~FtpSessao();
    FtpSessao(const FtpSessao&) = delete;
    FtpSessao& operator=(const FtpSessao&) = delete;

    bool abre();
    // vServidor is "name" or "name:port" (port 21 when none is given).
    bool conecta(const QString& vServidor, const QString& vUsuario, const QString& vSenha);
    // One command line; a line holding a line break or a NUL is refused
    // unsent, since it would smuggle in a second command.
    bool comando(const QString& linha);
    // Names are relative to the root folder of the server.
    bool envia(const QString& nomeRemoto, const Fonte& fonte);
    bool recebe(const QString& nomeRemoto, QIODevice& destino);
    // Ends the connection (also done by the destructor).
    void fecha();

    int ultimoErro() const;
    // The server's last response, its lines joined by CR LF.
    QString ultimaResposta() const;
    // The error report's message for the last failure: the server's response
    // for code 12003, the code's own text otherwise.
    QString mensagemDoErro() const;

private:
    struct Estado;
    std::unique_ptr<Estado> d;
};

// The name of a server and its port, from "name" or "name:port".
struct EnderecoFtp {
    QString nome;
    int porta = 21;
};
EnderecoFtp enderecoFtp(const QString& vServidor);

} // namespace zv::transport
