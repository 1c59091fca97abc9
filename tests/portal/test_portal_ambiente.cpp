// The client's whole path against the demo portal running as its own
// process: the environment object logs in, finds its session again after
// both programs restart, mirrors the reference lists, consults with filters,
// retrieves a document byte for byte and logs off. Nothing here is a canned
// answer; both sides are the programs a user runs.
#include "core/Folders.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "platform/Regional.h"
#include "portal/PortalProcess.h"
#include "support/FtpServer.h"
#include "support/TempHome.h"
#include "transport/classFtp.h"
#include "transport/PortalAddress.h"

#include <QDate>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace zv;
using consultation::TabelaConsulta;
using core::classAmbiente;
using test::PortalProcess;
namespace Coluna = consultation::Coluna;

namespace {

QDate day(const QString& text)
{
    return QDate::fromString(text.left(10), QStringLiteral("dd/MM/yyyy"));
}

// The rows of a consultation without the spare row at the end.
TabelaConsulta documentos(const consultation::classConsultar& c)
{
    TabelaConsulta rows = c.tabela();
    if (!rows.isEmpty())
        rows.removeLast();
    return rows;
}

class PortalAmbiente : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = qgetenv(transport::kPortalVariable);
        m_hadVariable = qEnvironmentVariableIsSet(transport::kPortalVariable);
        startPortal();
    }

    void TearDown() override
    {
        portal.reset();
        if (m_hadVariable)
            qputenv(transport::kPortalVariable, m_saved);
        else
            qunsetenv(transport::kPortalVariable);
    }

    // (Re)starts zv-portal on the same data folder; the port changes, so the
    // client is pointed at the new one as the run command does.
    void startPortal(const QStringList& extraArguments = {})
    {
        portal.reset();
        portal = std::make_unique<PortalProcess>(home.path() + QStringLiteral("/portal"), extraArguments);
        ASSERT_TRUE(portal->started()) << portal->startOutput().toStdString();
        qputenv(transport::kPortalVariable, portal->baseUrl().toUtf8());
    }

    // A daemon's environment object, started in monitor mode.
    std::unique_ptr<classAmbiente> daemon()
    {
        auto a = std::make_unique<classAmbiente>();
        a->Inicia(true, QString());
        return a;
    }

    // Logs the demo user in the way the login window does (lower case and
    // spaces are the user's).
    std::unique_ptr<classAmbiente> loggedIn(const QString& dominio = QStringLiteral(" demo "),
                                            const QString& login = QStringLiteral("financeiro"))
    {
        auto a = daemon();
        EXPECT_TRUE(a->Autentica(dominio, login, QStringLiteral("demo"), 2)) << a->Erro().toStdString();
        EXPECT_TRUE(a->Logado()) << a->Erro().toStdString();
        return a;
    }

    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<PortalProcess> portal;

private:
    QByteArray m_saved;
    bool m_hadVariable = false;
};

} // namespace

TEST_F(PortalAmbiente, LoginIsConfirmedAfterBothProgramsRestartAndLogOffEndsIt)
{
    qint32 sessao = 0;
    {
        auto a = loggedIn();
        const core::SessaoPortal& s = a->sessao();
        EXPECT_EQ(s.Dominio, QStringLiteral("DEMO"));
        EXPECT_EQ(s.Login, QStringLiteral("FINANCEIRO"));
        EXPECT_EQ(s.Usuario, QStringLiteral("financeiro"));
        EXPECT_EQ(s.lngLogin_ID, 101);
        EXPECT_EQ(s.lngID_Contador, 57);
        EXPECT_EQ(s.DuracaoSegundos, core::SessaoPortal::DuracaoSessao(2));
        EXPECT_FALSE(s.Escritorio.isEmpty());
        EXPECT_GT(s.lngSessao, 0);
        sessao = s.lngSessao;
        EXPECT_TRUE(a->Internet());
    }

    // The portal keeps its sessions in its store and the daemon keeps its
    // own in the settings; a new environment confirms the stored one.
    startPortal();
    {
        auto b = daemon();
        EXPECT_TRUE(b->sessao().LogadoFlag) << b->Erro().toStdString();
        EXPECT_EQ(b->sessao().lngSessao, sessao);
        EXPECT_TRUE(b->Logado());
        EXPECT_TRUE(b->UltimaURL.contains(QStringLiteral("printer_login_conf_b.asp?s=%1&l=101").arg(sessao)))
            << b->UltimaURL.toStdString();

        b->LogOff();
        EXPECT_FALSE(b->Logado());
        EXPECT_EQ(core::Settings::read(core::Secao::Autenticacao, QStringLiteral("Sessao"), QString()),
                  QStringLiteral("0"));
    }
    auto c = daemon();
    EXPECT_FALSE(c->sessao().LogadoFlag);
    EXPECT_FALSE(c->Logado());
    EXPECT_TRUE(dialogs.boxes().isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_F(PortalAmbiente, RefusedLoginsKeepNoSessionAndSayWhy)
{
    struct Case {
        QString dominio, login, senha;
    } const cases[] = {
        {QStringLiteral("DEMO"), QStringLiteral("FINANCEIRO"), QStringLiteral("errada")},
        {QStringLiteral("DEMO"), QStringLiteral("NINGUEM"), QStringLiteral("demo")},
        {QStringLiteral("OUTRO"), QStringLiteral("FINANCEIRO"), QStringLiteral("demo")},
        {QStringLiteral("VAZIO"), QStringLiteral("ANTIGO"), QStringLiteral("demo")},
    };
    auto a = daemon();
    for (const Case& c : cases) {
        a->MensagemErro.clear();
        EXPECT_FALSE(a->Autentica(c.dominio, c.login, c.senha, 2)) << c.login.toStdString();
        EXPECT_FALSE(a->Erro().isEmpty()) << c.login.toStdString();
        EXPECT_FALSE(a->Logado()) << c.login.toStdString();
        EXPECT_EQ(a->sessao().lngSessao, 0);
    }
}

TEST_F(PortalAmbiente, SynchronisationMirrorsTheOfficesListsAndAnEmptyOfficeHasNone)
{
    auto a = loggedIn();
    bool atualiza = false;
    ASSERT_TRUE(a->Sincroniza(&atualiza)) << a->Erro().toStdString();
    EXPECT_TRUE(atualiza);
    EXPECT_TRUE(a->TemCarteira);
    EXPECT_EQ(a->Carteiras().size(), 3 + 1);
    EXPECT_EQ(a->Usuarios().size(), 3 + 1);
    const publishing::Tabela todos = a->Clientes(0);
    EXPECT_EQ(todos.size(), 12 + 1);
    EXPECT_TRUE(QFile::exists(publishing::ListasReferencia::arquivoCache(core::Folders::daemon(), 57, true)));

    // Every portfolio's clients are some of all the clients, and together all.
    int somados = 0;
    for (qsizetype i = 0; i + 1 < a->Carteiras().size(); ++i) {
        const publishing::Tabela daCarteira = a->Clientes(a->Carteiras()[i][0].toInt());
        ASSERT_FALSE(daCarteira.isEmpty());
        for (qsizetype j = 0; j + 1 < daCarteira.size(); ++j)
            EXPECT_TRUE(todos.contains(daCarteira[j])) << daCarteira[j].join('|').toStdString();
        somados += int(daCarteira.size() - 1);
    }
    EXPECT_EQ(somados, 12);

    a->LogOff();
    auto vazio = loggedIn(QStringLiteral("VAZIO"), QStringLiteral("ADMIN"));
    ASSERT_TRUE(vazio->Sincroniza()) << vazio->Erro().toStdString();
    EXPECT_FALSE(vazio->TemCarteira);
    EXPECT_TRUE(vazio->Carteiras().isEmpty());
    EXPECT_TRUE(vazio->Clientes(0).isEmpty());
}

TEST_F(PortalAmbiente, EachFilterOfTheQueryNarrowsTheConsultation)
{
    auto a = loggedIn();
    ASSERT_TRUE(a->Sincroniza());
    a->Consulta_Iniciar();
    consultation::classConsultar& c = *a->Consultar();
    qint16 total = 0;
    qint32 tamanho = 0;
    c.Filtrar(total, tamanho, false);
    ASSERT_TRUE(c.Erro().isEmpty()) << c.Erro().toStdString();
    ASSERT_GE(total, 150);
    EXPECT_EQ(c.tabela().size(), total + 1);
    EXPECT_GT(tamanho, 0);

    // A client from the mirrored list, a user and a date range around today.
    const QStringList cliente = a->Clientes(0).first();
    const QDate hoje = QDate::currentDate(), de = hoje.addDays(-120), ate = hoje.addDays(-30);
    struct Case {
        const char* name;
        std::function<void(consultation::classConsultar&)> set;
        std::function<bool(const QStringList&)> holds;
    } const cases[] = {
        {"client", [&](auto& q) { q.setEmpresa(cliente[0].toInt()); },
         [&](const QStringList& r) { return r[Coluna::Cliente] == cliente[1]; }},
        {"payments", [](auto& q) { q.setTipoDoc(1); },
         [](const QStringList& r) { return r[1] == QStringLiteral("P") && !r[Coluna::Vencimento].isEmpty(); }},
        {"receipts", [](auto& q) { q.setTipoDoc(2); }, [](const QStringList& r) { return r[1] == QStringLiteral("R"); }},
        {"published between",
         [&](auto& q) {
             q.setTipoData(1);
             q.setDataInicial(de);
             q.setDataFinal(ate);
         },
         [&](const QStringList& r) { return day(r[Coluna::Publicacao]) >= de && day(r[Coluna::Publicacao]) <= ate; }},
        {"due between",
         [&](auto& q) {
             q.setTipoDoc(1);
             q.setTipoData(2);
             q.setDataInicial(de);
             q.setDataFinal(ate);
         },
         [&](const QStringList& r) { return day(r[Coluna::Vencimento]) >= de && day(r[Coluna::Vencimento]) <= ate; }},
        {"by user", [](auto& q) { q.setUsuario(102); },
         [](const QStringList& r) { return r[11] == QStringLiteral("Márcia Fiscal"); }},
        {"read", [](auto& q) { q.setMostrar(1); }, [](const QStringList& r) { return !r[Coluna::Lida].isEmpty(); }},
        {"deleted", [](auto& q) { q.setMostrar(4); },
         [](const QStringList& r) { return !r[Coluna::Apagado].isEmpty(); }},
    };
    for (const Case& k : cases) {
        a->Consulta_Finalizar();
        a->Consulta_Iniciar();
        consultation::classConsultar& filtro = *a->Consultar();
        k.set(filtro);
        qint16 n = 0;
        qint32 soma = 0;
        filtro.Filtrar(n, soma, false);
        ASSERT_TRUE(filtro.Erro().isEmpty()) << k.name << ": " << filtro.Erro().toStdString();
        EXPECT_GT(n, 0) << k.name;
        EXPECT_LT(n, total) << k.name;
        for (const QStringList& r : documentos(filtro))
            EXPECT_TRUE(k.holds(r)) << k.name << ": " << r.join('|').toStdString();
    }

    // The documents of the last publication, asked for by their IDs.
    a->Consulta_Finalizar();
    a->UltimosIds = QStringLiteral("100003*100001*");
    a->Consulta_Iniciar();
    qint16 n = 0;
    a->Consultar()->Filtrar(n, tamanho, true);
    EXPECT_EQ(n, 2) << a->Consultar()->Erro().toStdString();
    QSet<QString> ids;
    for (const QStringList& r : documentos(*a->Consultar()))
        ids << r[Coluna::Id];
    EXPECT_EQ(ids, (QSet<QString>{QStringLiteral("100001"), QStringLiteral("100003")}));

    // Nothing found is a message, not a failure.
    a->Consultar()->setEmpresa(99999);
    a->Consultar()->Filtrar(n, tamanho, false);
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(a->Consultar()->Erro().isEmpty());
    a->Consulta_Finalizar();
}

TEST_F(PortalAmbiente, RetrievedDocumentIsByteIdenticalAndShowsAsALocalCopy)
{
    auto a = loggedIn();
    a->Consulta_Iniciar();
    qint16 total = 0;
    qint32 tamanho = 0;
    a->Consultar()->Filtrar(total, tamanho, false);
    ASSERT_GT(total, 0) << a->Consultar()->Erro().toStdString();
    QStringList vivo;
    for (const QStringList& r : documentos(*a->Consultar()))
        if (r[Coluna::Apagado].isEmpty() && r[Coluna::Local] != QStringLiteral("Sim")) {
            vivo = r;
            break;
        }
    ASSERT_FALSE(vivo.isEmpty());
    const QString id = vivo[Coluna::Id];

    ASSERT_TRUE(a->BArquivo(id, vivo[Coluna::Tamanho])) << a->Erro().toStdString();
    const QByteArray copia = test::readAll(core::Folders::back() + QLatin1Char('/') + id);
    EXPECT_EQ(copia, test::readAll(portal->dataDir() + QStringLiteral("/documentos/") + id + QStringLiteral(".pdf")));
    EXPECT_TRUE(copia.startsWith("%PDF-"));
    EXPECT_EQ(QString::number(copia.size()), vivo[Coluna::Tamanho]);
    EXPECT_FALSE(a->UltimaResposta.startsWith(QStringLiteral("%PDF-"))); // the content is not kept as text

    // The next consultation knows the copy, on both sides.
    a->Consultar()->setMostrar(0);
    a->Consultar()->Filtrar(total, tamanho, false);
    bool achado = false;
    for (const QStringList& r : documentos(*a->Consultar()))
        if (r[Coluna::Id] == id) {
            achado = true;
            EXPECT_EQ(r[Coluna::Local], QStringLiteral("Sim"));
            EXPECT_FALSE(r[Coluna::Backup].isEmpty());
        }
    EXPECT_TRUE(achado);
    a->Consulta_Finalizar();

    // A deleted document has no content to give; the failure is reported
    // and no file is left behind.
    a->Consulta_Iniciar();
    a->Consultar()->setMostrar(4);
    a->Consultar()->Filtrar(total, tamanho, false);
    ASSERT_GT(total, 0);
    const QString apagado = a->Consultar()->tabela().first()[Coluna::Id];
    EXPECT_FALSE(a->BArquivo(apagado, QStringLiteral("1")));
    EXPECT_FALSE(QFile::exists(core::Folders::back() + QLatin1Char('/') + apagado));
}

TEST_F(PortalAmbiente, PublishedDocumentIsUploadedConsultedRetrievedAndItsClientNotified)
{
    // The office's FTP account as the demo portal hands it out.
    test::FtpServer ftp(QStringLiteral("demo"), QStringLiteral("demo"));
    ASSERT_TRUE(ftp.started()) << ftp.output().toStdString();
    startPortal({QStringLiteral("--ftp"), ftp.address(), QStringLiteral("--ftp-root"), ftp.root()});
    auto a = loggedIn();
    ASSERT_EQ(a->sessao().ServidorFtp, ftp.address());
    ASSERT_TRUE(a->Sincroniza());
    QString padaria;
    for (const QStringList& cliente : a->Clientes(0))
        if (cliente.value(0) == QStringLiteral("1001"))
            padaria = cliente.value(1);
    ASSERT_FALSE(padaria.isEmpty());

    const QByteArray conteudo = "%PDF-1.4\n1 0 obj << >> endobj\nhonorários\n%%EOF\n";
    a->setArquivo(home.writeFile(QStringLiteral("impressos/honorarios.pdf"), conteudo));
    a->setTipo(QStringLiteral("pdf"));
    QString titulo = QStringLiteral("Honorários Dezembro");
    a->setTitulo(titulo);
    a->pasta = QStringLiteral("1");
    a->Email = QStringLiteral("financeiro@exemplo.com.br");
    const QString descricao = QStringLiteral("Honorários & 13º");
    const QString vencimento = platform::Regional::shortDate(QDate::currentDate().addDays(10));
    publishing::classEnviar& e = a->Enviar;
    e.Try();
    e.AddCliente(1001);
    e.setTipoArquivo(0);
    e.setDescricao(descricao);
    e.setVencimento(vencimento);
    e.setValor(1500.75);
    e.Avisar(true);
    QString controle;
    e.Validar(QStringLiteral("honorarios.pdf"), a->pasta, controle);
    ASSERT_TRUE(e.Validado()) << controle.toStdString();

    transport::classFtp cliente;
    QStringList relatos;
    QObject::connect(&cliente, &transport::classFtp::Informe, [&relatos](qint16 codigo, const QString& texto) {
        relatos << QStringLiteral("%1 ").arg(codigo) + texto;
    });
    a->Envia(cliente);
    ASSERT_TRUE(a->Enviado()) << a->Erro().toStdString() << relatos.join('\n').toStdString();
    const QString id = a->UltimosIds;
    ASSERT_FALSE(id.isEmpty());
    EXPECT_FALSE(id.contains(QLatin1Char('*')));
    EXPECT_TRUE(ftp.names().isEmpty()) << "the portal takes the upload out of the FTP folder";
    EXPECT_TRUE(relatos.contains(QStringLiteral("2 Cliente: ") + padaria)) << relatos.join('\n').toStdString();
    EXPECT_TRUE(std::any_of(relatos.cbegin(), relatos.cend(),
                            [](const QString& r) { return r.startsWith(QLatin1String("2   ")) && r.endsWith(" - Enviado"); }))
        << relatos.join('\n').toStdString();

    // The consultation of the last publication shows it as it was sent.
    a->Consulta_Iniciar();
    qint16 n = 0;
    qint32 soma = 0;
    a->Consultar()->Filtrar(n, soma, true);
    ASSERT_EQ(n, 1) << a->Consultar()->Erro().toStdString();
    const QStringList r = a->Consultar()->tabela().first();
    EXPECT_EQ(r[Coluna::Id], id);
    EXPECT_EQ(r[Coluna::Cliente], padaria);
    EXPECT_EQ(r[3], descricao);
    EXPECT_EQ(r[1], QStringLiteral("P"));
    EXPECT_EQ(r[Coluna::Vencimento].left(10), vencimento);
    EXPECT_EQ(r[Coluna::Tamanho], QString::number(conteudo.size()));
    EXPECT_EQ(soma, conteudo.size());
    a->Consulta_Finalizar();

    ASSERT_TRUE(a->BArquivo(id, r[Coluna::Tamanho])) << a->Erro().toStdString();
    EXPECT_EQ(test::readAll(core::Folders::back() + QLatin1Char('/') + id), conteudo);
}
