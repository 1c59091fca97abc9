#include "transport/classFtp.h"

#include "platform/DialogService.h"
#include "transport/FtpBlocos.h"
#include "transport/FtpErros.h"
#include "transport/FtpSessao.h"
#include "transport/classURL.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zv::transport {

namespace {

// The system name, which is also the agent name of every connection.
const QString kSistema = QString::fromLatin1(classURL::kAgente);

constexpr quint8 kSituacaoPasso = 1;
constexpr quint8 kSituacaoFim = 2;
constexpr quint8 kSituacaoErro = 3;

// The step names of the error report.
const QString kEtapaAbertura = QStringLiteral("InternetOpen");
const QString kEtapaConexao = QStringLiteral("InternetConnect");
const QString kEtapaPastaRaiz = QStringLiteral("FtpSetCurrentDirectory");
const QString kEtapaPastaAtual = QStringLiteral("FtpGetCurrentDirectory");
const QString kEtapaArquivoRemoto = QStringLiteral("FtpOpenFile");
const QString kEtapaEscrita = QStringLiteral("InternetWriteFile!");

// The download goes to a temporary file beside vLocalFile that takes its
// place only once the whole file has arrived.
bool baixa(FtpSessao& sessao, const QString& vLocalFile, const QString& vRemoteFile)
{
    QSaveFile destino(vLocalFile);
    if (!destino.open(QIODevice::WriteOnly))
        return false;
    if (!sessao.recebe(vRemoteFile, destino)) {
        destino.cancelWriting();
        return false;
    }
    return destino.commit();
}

} // namespace

classFtp::classFtp(QObject* parent) : QObject(parent) {}

classFtp::~classFtp() = default;

bool classFtp::Transmite(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile,
                         const QString& vTitulo)
{
    QFile local(vFile);
    if (!QFileInfo(vFile).isFile() || !local.open(QIODevice::ReadOnly)) {
        platform::Dialogs::messageBox(QStringLiteral("Arquivo não existe"), kSistema, platform::Icon::Critical);
        return false;
    }
    const QString nomeRemoto = vTitulo.isEmpty() ? QFileInfo(vFile).fileName() : vTitulo;

    FtpSessao sessao;
    bool transmitido = false;
    if (const QString etapa = conecta(sessao, vServer, vUser, vPws, true); !etapa.isEmpty())
        relataErro(etapa, sessao);
    else
        transmitido = envia(sessao, local, nomeRemoto);
    local.close();
    encerra(sessao);
    return transmitido;
}

void classFtp::Deleta(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vFile)
{
    FtpSessao sessao;
    if (const QString etapa = conecta(sessao, vServer, vUser, vPws, false); !etapa.isEmpty()) {
        relataErro(etapa, sessao);
        return;
    }
    if (!sessao.comando(QStringLiteral("DELE ") + vFile))
        return;
    encerra(sessao);
}

bool classFtp::Recebe(const QString& vServer, const QString& vUser, const QString& vPws, const QString& vLocalFile,
                      const QString& vRemoteFile)
{
    FtpSessao sessao;
    if (const QString etapa = conecta(sessao, vServer, vUser, vPws, true); !etapa.isEmpty()) {
        relataErro(etapa, sessao);
        return false;
    }
    const bool recebido = baixa(sessao, vLocalFile, vRemoteFile);
    encerra(sessao);
    return recebido;
}

void classFtp::Mensagem(qint16 vCodigo, const QString& vMensagem)
{
    Q_EMIT Informe(vCodigo, vMensagem);
}

QString classFtp::conecta(FtpSessao& sessao, const QString& vServer, const QString& vUser, const QString& vPws,
                          bool vaiParaRaiz)
{
    if (!sessao.abre())
        return kEtapaAbertura;
    if (!sessao.conecta(vServer, vUser, vPws))
        return kEtapaConexao;
    Q_EMIT Situacao(kSituacaoPasso, QStringLiteral("Conectado"));
    if (vaiParaRaiz && !sessao.comando(QStringLiteral("CWD /")))
        return kEtapaPastaRaiz;
    // The current folder is asked for as a check of the connection; its
    // name is not needed.
    if (!sessao.comando(QStringLiteral("PWD")))
        return kEtapaPastaAtual;
    Q_EMIT Situacao(kSituacaoPasso, QStringLiteral("Transmitindo"));
    return {};
}

// Only the failures before the last block are reported: one of the
// remote file's opening or of a block's write. A failure at the very end
// shows only in the result.
bool classFtp::envia(FtpSessao& sessao, QFile& local, const QString& nomeRemoto)
{
    EnvioEmBlocos blocos(local, local.size(),
                         {[] { QCoreApplication::processEvents(); },
                          [this](qint32 enviados, qint32 total) { Q_EMIT Progresso(enviados, total); }});
    const bool transmitido = sessao.envia(nomeRemoto, [&blocos](char* destino, qint64 maximo) {
        return blocos.proximo(destino, maximo);
    });
    if (!transmitido && !blocos.comecou())
        relataErro(kEtapaArquivoRemoto, sessao);
    else if (!transmitido && !blocos.ultimoEntregue())
        relataErro(kEtapaEscrita, sessao);
    return transmitido;
}

void classFtp::relataErro(const QString& etapa, const FtpSessao& sessao)
{
    Q_EMIT Situacao(kSituacaoErro, textoDoErro(etapa, sessao.ultimoErro(), sessao.mensagemDoErro()));
}

void classFtp::encerra(FtpSessao& sessao)
{
    Q_EMIT Situacao(kSituacaoPasso, QStringLiteral("Arquivo Fechado"));
    sessao.fecha();
    Q_EMIT Situacao(kSituacaoPasso, QStringLiteral("Internet Fechada"));
    Q_EMIT Situacao(kSituacaoFim, QString());
}

} // namespace zv::transport
