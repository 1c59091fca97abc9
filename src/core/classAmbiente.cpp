#include "core/classAmbiente.h"

#include "core/Conversions.h"
#include "core/Folders.h"
#include "platform/Clock.h"

#include <QFile>

namespace zv::core {

classAmbiente::classAmbiente()
    : m_sistema(kSistema)
    , m_pastaBase(Folders::base())
{
}

classAmbiente::~classAmbiente()
{
    // The current document (the working copy in publishing mode) goes with
    // the environment; a read-only file is not forced.
    // A file that queueing made current is the user's own document, never
    // the environment's to delete.
    if (!arquivo().isEmpty() && arquivo() != m_arquivoEnfileirado)
        QFile::remove(arquivo());
}

bool classAmbiente::Inicia(bool pMonitor, const QString& pArquivo, const QString* vTipo)
{
    // The path is taken trimmed, as the document check takes it, so that a
    // stray blank does not turn "pdf " into an unknown type.
    setTipo(vTipo ? *vTipo : pArquivo.trimmed());
    bool result = false;
    try {
        m_monitor = pMonitor;
        if (pMonitor) {
            RegistraVersao(QStringLiteral("Mon"));
        } else {
            RegistraVersao(QStringLiteral("Pub"));
            QString path = pArquivo;
            if (!m_documento.ValidaArquivo(path, MensagemErro)) {
                m_sessao.LogadoFlag = false;
                return false;
            }
            result = true;
        }
        restauraSessao();
    } catch (...) {
        // A stored value that does not convert (an empty "TLogin" on the
        // first start is the common case) ends the start there, silently.
        m_sessao.LogadoFlag = false;
    }
    return result;
}

void classAmbiente::restauraSessao()
{
    const auto lido = [](const char* key) { return Settings::read(Secao::Autenticacao, QLatin1String(key)); };
    m_sessao.Dominio = lido("Dominio");
    m_sessao.Login = lido("Login");
    m_sessao.TLogin = toInt16(lido("TLogin"));
    m_sessao.lngAdmin = toInt32(lido("Admin"));
    m_sessao.LastLog = toDateTime(lido("LastLog"));
    m_sessao.DuracaoSegundos = SessaoPortal::DuracaoSessao(m_sessao.TLogin);
    if (m_sessao.LastLog.addSecs(m_sessao.DuracaoSegundos) < platform::Clock::now())
        return;
    m_sessao.lngSessao = toInt32(lido("Sessao"));
    m_sessao.lngLogin_ID = toInt32(lido("Login_ID"));
    m_sessao.Escritorio = lido("Escritorio");
    m_sessao.lngID_Contador = toInt32(lido("Escritorio_ID"));
    m_sessao.TLogin = toInt16(lido("TLogin"));
    m_sessao.Usuario = lido("Usuario");
    m_sessao.Logo = lido("Logo");
    m_sessao.TpLogo = lido("TpLogo");
    // The restored session is confirmed with the portal at once.
    ConfirmaLogin();
}

void classAmbiente::RegistraVersao(const QString& prefixo)
{
    Settings::write(Secao::Config, prefixo + QStringLiteral("Aj"), QString::number(ZV_VERSION_MAJOR));
    Settings::write(Secao::Config, prefixo + QStringLiteral("In"), QString::number(ZV_VERSION_MINOR));
    Settings::write(Secao::Config, prefixo + QStringLiteral("Ev"), QString::number(ZV_VERSION_PATCH));
}

void classAmbiente::LimpaListaArquivos()
{
    m_listaArquivos = QStringList{QString()};
}

void classAmbiente::AddListaArquivos(const QString& arquivo)
{
    m_listaArquivos << arquivo;
}

} // namespace zv::core
