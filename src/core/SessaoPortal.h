#pragma once
#include <QDateTime>
#include <QString>

#include <functional>

namespace zv::core {

// The login session with the portal, as the environment object keeps it and
// as the settings store (section "Autenticacao") shares it with the sibling
// programs, which may log in or out at any time. The password is never kept:
// it goes in the login request and nowhere else.
class SessaoPortal {
public:
    // What the session needs from the environment that owns it.
    struct Meio {
        // One GET, recorded by the owner under the second text (the URL
        // itself, or the URL without the password).
        std::function<QString(const QString& url, const QString& registro)> abreURL;
        QString baseUrl;                                   // the portal base URL, ending in "/"
        QString sistema;                                   // first line of a good answer
        bool monitor = true;                               // monitor mode (else publishing)
        std::function<bool()> copiaDeTrabalho;             // publishing mode's working copy
        QString* mensagemErro = nullptr;                   // the owner's MensagemErro
    };

    // Logs in. False on a refusal, with the sentence in the message. An answer
    // that begins well but has fewer than kLinhasLogin lines, or lines that do
    // not convert, raises platform::Failure for the caller's trap; the session
    // is then left as after a refusal (no session, stored "Sessao" and
    // "Login_ID" empty).
    bool Autentica(const Meio& meio, const QString& pDominio, const QString& pLogin,
                   const QString& pSenha, qint16 vTLogin);
    // Asks the portal whether the known session is still open. Never throws.
    bool ConfirmaLogin(const Meio& meio);
    // Whether a confirmed session is usable; re-confirms a session that another
    // program changed. Never throws.
    bool Logado(const Meio& meio);
    void LogOff();
    // Whether the portal answers its reachability page.
    bool Internet(const Meio& meio);

    // Seconds of a session-length code; 0 for an unknown code.
    static qint32 DuracaoSessao(qint16 codigo);

    static constexpr int kLinhasLogin = 15;
    static constexpr int kMesesTolerancia = 30;

    qint32 lngSessao = 0;
    qint32 lngLogin_ID = 0;
    qint32 lngID_Contador = 0;
    qint32 lngAdmin = 0;
    QString Dominio, Login, Usuario, Escritorio, Logo, TpLogo;
    qint16 TLogin = 0;
    qint32 DuracaoSegundos = 0;
    QDateTime LastLog, ValidadeSessao, DataServidor;
    QString ServidorFtp, UsuarioFtp, SenhaFtp;
    bool bDebug = false;
    bool LogadoFlag = false;
    bool TemInternet = false;

private:
    struct RespostaLogin;
    void guardaLogin(const RespostaLogin& r, qint16 vTLogin);
    void recusa();
    bool confirmaComResposta(const Meio& meio, const QString& resposta);
    bool aceitaPortalDeHoje(const Meio& meio, const QStringList& linhas);
    bool concluiEntrada(const Meio& meio);
};

// The present moment as "LastLog" holds it: to the second, so that the text
// stored and the moment kept compare equal when read back.
QDateTime momentoDeRegistro();

} // namespace zv::core
