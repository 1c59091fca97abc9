#include "core/SessaoPortal.h"

#include "core/Conversions.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "platform/Regional.h"
#include "transport/RespostaPortal.h"
#include "transport/ValorURL.h"

#include <QStringList>

namespace zv::core {

namespace {

const QString kPaginaLogin = QStringLiteral("printer/printer_login_b.asp");
const QString kPaginaConfirmacao = QStringLiteral("printer/printer_login_conf_b.asp");
const QString kPaginaAlcance = QStringLiteral("printer/printer_login.asp");

const QString kDataDivergente = QStringLiteral("Data do computador divergente!");
const QString kLoginIncorreto = QStringLiteral("Login Incorreto!");
const QString kLoginExpirado = QStringLiteral("Login expirado!");
const QString kLastLogPadrao = QStringLiteral("01/01/2000");
const QString kNumeroPadrao = QStringLiteral("0");
// What the record of the last URL shows in place of the password.
const QString kSenhaOculta = QStringLiteral("********");

QString lido(const char* chave, const QString& padrao = {})
{
    return Settings::read(Secao::Autenticacao, QLatin1String(chave), padrao);
}

void grava(const char* chave, const QString& valor)
{
    Settings::write(Secao::Autenticacao, QLatin1String(chave), valor);
}

void informa(const SessaoPortal::Meio& meio, const QString& texto)
{
    if (meio.mensagemErro)
        *meio.mensagemErro = texto;
}

bool ehHoje(const QDateTime& data)
{
    return data.date() == platform::Clock::today();
}

// The sentence of a refused login: what follows the first line when the
// portal answered a code, the generic one otherwise.
QString textoDaRecusa(const QString& resposta)
{
    const qsizetype fim = resposta.indexOf(transport::Delimitador::CrLf);
    const bool codigo = !resposta.isEmpty() && resposta.front().isDigit();
    const QString depois = fim < 0 ? QString() : resposta.mid(fim + 2);
    return codigo && !depois.isEmpty() ? depois : kLoginIncorreto;
}

bool ehCodigoDeRecusa(const QString& linha)
{
    return linha.size() == 1 && linha.front() >= QLatin1Char('0') && linha.front() <= QLatin1Char('3');
}

} // namespace

// The login answer's lines 1 to 14, all converted before any of them is
// taken, so that a broken answer leaves no half-filled session behind.
struct SessaoPortal::RespostaLogin {
    qint32 sessao = 0;
    QString usuario, servidorFtp, usuarioFtp, senhaFtp, escritorio;
    qint32 loginId = 0;
    qint32 contador = 0;
    QString logo;
    QDateTime data;
    bool debug = false;
    QString tpLogo;
    qint32 admin = 0;

    static RespostaLogin de(const QStringList& l)
    {
        if (l.size() < kLinhasLogin)
            throw platform::Failure(platform::kErrSubscript);
        RespostaLogin r;
        r.sessao = toInt32(l[1]);
        r.usuario = l[3];
        r.servidorFtp = l[4];
        r.usuarioFtp = l[5];
        r.senhaFtp = l[6];
        r.escritorio = l[7];
        r.loginId = toInt32(l[8]);
        r.contador = toInt32(l[9]);
        r.logo = l[10];
        r.data = toDate(l[11]).startOfDay();
        r.debug = l[12] != QLatin1String("0");
        r.tpLogo = l[13];
        r.admin = toInt32(l[14]);
        return r;
    }
};

QDateTime momentoDeRegistro()
{
    QDateTime agora = platform::Clock::now();
    agora.setTime(QTime(agora.time().hour(), agora.time().minute(), agora.time().second()));
    return agora;
}

qint32 SessaoPortal::DuracaoSessao(qint16 codigo)
{
    switch (codigo) {
    case 1: return 1800;
    case 2: return 3600;
    case 3: return 14400;
    case 4: return 86400;
    case 5: return 604800;
    default: return 0;
    }
}

bool SessaoPortal::Autentica(const Meio& meio, const QString& pDominio, const QString& pLogin,
                             const QString& pSenha, qint16 vTLogin)
{
    LogadoFlag = false;
    const QString dominio = pDominio.toUpper().trimmed();
    const QString login = pLogin.toUpper().trimmed();
    const QString senha = pSenha.trimmed();
    const auto url = [&](const QString& senhaEnviada) {
        return meio.baseUrl + kPaginaLogin + QStringLiteral("?log=") + transport::ValorURL(login)
            + QStringLiteral("&psw=") + senhaEnviada + QStringLiteral("&dom=") + transport::ValorURL(dominio);
    };
    const QString resposta = meio.abreURL(url(transport::ValorURL(senha)), url(kSenhaOculta));

    bool mensagemDada = false;
    if (transport::comecaCom(resposta, meio.sistema)) {
        TemInternet = true;
        Dominio = dominio;
        Login = login;
        RespostaLogin r;
        try {
            r = RespostaLogin::de(transport::linhas(resposta));
        } catch (...) {
            recusa();
            throw;
        }
        lngSessao = r.sessao;
        Usuario = r.usuario;
        ServidorFtp = r.servidorFtp;
        UsuarioFtp = r.usuarioFtp;
        SenhaFtp = r.senhaFtp;
        Escritorio = r.escritorio;
        lngLogin_ID = r.loginId;
        lngID_Contador = r.contador;
        Logo = r.logo;
        DataServidor = r.data;
        bDebug = bDebug || r.debug;
        TpLogo = r.tpLogo;
        lngAdmin = r.admin;
        if (!ehHoje(DataServidor)) {
            informa(meio, kDataDivergente);
        } else {
            guardaLogin(r, vTLogin);
            if (concluiEntrada(meio))
                return true;
        }
        // The date sentence, or the working copy's own sentence, stays.
        mensagemDada = true;
    }
    recusa();
    if (!mensagemDada)
        informa(meio, textoDaRecusa(resposta));
    return false;
}

void SessaoPortal::guardaLogin(const RespostaLogin& r, qint16 vTLogin)
{
    const QDateTime agora = momentoDeRegistro();
    grava("Sessao", QString::number(r.sessao));
    grava("Dominio", Dominio);
    grava("Login", Login);
    grava("Login_ID", QString::number(r.loginId));
    grava("Admin", QString::number(r.admin));
    grava("Escritorio_ID", QString::number(r.contador));
    grava("Escritorio", r.escritorio);
    grava("TLogin", QString::number(vTLogin));
    grava("LastLog", platform::Regional::generalDate(agora));
    DuracaoSegundos = DuracaoSessao(vTLogin);
    ValidadeSessao = agora.addSecs(DuracaoSegundos);
    grava("Usuario", r.usuario);
    grava("Logo", r.logo);
    grava("TpLogo", r.tpLogo);
    // TLogin and LastLog stay as they were: the next Logado sees the new
    // "LastLog" and confirms the session.
}

void SessaoPortal::recusa()
{
    grava("Sessao", QString());
    grava("Login_ID", QString());
    lngLogin_ID = 0;
    lngSessao = 0;
    LogadoFlag = false;
}

bool SessaoPortal::concluiEntrada(const Meio& meio)
{
    if (meio.monitor || (meio.copiaDeTrabalho && meio.copiaDeTrabalho())) {
        LogadoFlag = true;
        return true;
    }
    return false;
}

bool SessaoPortal::ConfirmaLogin(const Meio& meio)
{
    bool confirmada = false;
    try {
        if (lngSessao != 0 && lngLogin_ID != 0) {
            const QString url = meio.baseUrl + kPaginaConfirmacao
                + QStringLiteral("?s=") + QString::number(lngSessao)
                + QStringLiteral("&l=") + QString::number(lngLogin_ID);
            const QString resposta = meio.abreURL(url, url);
            confirmada = confirmaComResposta(meio, resposta);
        }
    } catch (...) {
        // Too few lines, a date that does not read: not confirmed.
        confirmada = false;
    }
    LogadoFlag = confirmada;
    return confirmada;
}

bool SessaoPortal::confirmaComResposta(const Meio& meio, const QString& resposta)
{
    const QStringList l = transport::linhas(resposta);
    if (l.front() == meio.sistema) {
        TemInternet = true;
        if (l.size() < 2)
            throw platform::Failure(platform::kErrSubscript);
        DataServidor = toDate(l[1]).startOfDay();
        if (ehHoje(DataServidor))
            return aceitaPortalDeHoje(meio, l);
        grava("Sessao", QString());
        grava("Login_ID", QString());
        lngLogin_ID = 0;
        lngSessao = 0;
        informa(meio, kDataDivergente);
        return false;
    }
    if (ehCodigoDeRecusa(l.front())) {
        if (l.size() < 2)
            throw platform::Failure(platform::kErrSubscript);
        informa(meio, l[1]);
    } else if (bDebug) {
        platform::Dialogs::messageBox(QStringLiteral("Erro:") + transport::Delimitador::CrLf + resposta,
                                      meio.sistema, platform::Icon::None);
    }
    return false;
}

bool SessaoPortal::aceitaPortalDeHoje(const Meio& meio, const QStringList& l)
{
    if (l.size() < 5)
        throw platform::Failure(platform::kErrSubscript);
    ServidorFtp = l[2];
    UsuarioFtp = l[3];
    SenhaFtp = l[4];
    LastLog = momentoDeRegistro();
    ValidadeSessao = LastLog.addSecs(DuracaoSegundos);
    grava("LastLog", platform::Regional::generalDate(LastLog));
    Usuario = lido("Usuario");
    lngID_Contador = toInt32(lido("Escritorio_ID"));
    Escritorio = lido("Escritorio");
    TLogin = toInt16(lido("TLogin"));
    return concluiEntrada(meio);
}

bool SessaoPortal::Logado(const Meio& meio)
{
    try {
        const qint32 guardada = toInt32(lido("Sessao", kNumeroPadrao));
        if (lngSessao == 0 && guardada == 0)
            return false;
        if (guardada != lngSessao) {
            // Another program changed the session: take it and confirm it;
            // this call still answers false.
            lngSessao = guardada;
            lngLogin_ID = toInt32(lido("Login_ID", kNumeroPadrao));
            ConfirmaLogin(meio);
            return false;
        }
        if (toDateTime(lido("LastLog", kLastLogPadrao)) != LastLog)
            ConfirmaLogin(meio);
        if (!LogadoFlag)
            return false;
        const QDateTime agora = platform::Clock::now();
        if (ValidadeSessao > agora || !meio.monitor)
            return true;
        if (ValidadeSessao.addMonths(kMesesTolerancia) > agora)
            return true;
        informa(meio, kLoginExpirado);
        return false;
    } catch (...) {
        // A stored value that is not a number (the empty "Sessao" of a refusal).
        return false;
    }
}

void SessaoPortal::LogOff()
{
    lngLogin_ID = 0;
    lngSessao = 0;
    grava("Sessao", kNumeroPadrao);
    grava("Login_ID", kNumeroPadrao);
    LogadoFlag = false;
}

bool SessaoPortal::Internet(const Meio& meio)
{
    const QString url = meio.baseUrl + kPaginaAlcance;
    TemInternet = meio.abreURL(url, url).startsWith(QLatin1Char('0'));
    return TemInternet;
}

} // namespace zv::core
