#pragma once
#include <QDateTime>
#include <QString>

namespace zv::core {

// The login session with the portal, as the environment object keeps it and
// as the settings store (section "Autenticacao") shares it with the sibling
// programs.
struct SessaoPortal {
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

    // Seconds of a session-length code; 0 for an unknown code.
    static qint32 DuracaoSessao(qint16 codigo);
};

} // namespace zv::core
