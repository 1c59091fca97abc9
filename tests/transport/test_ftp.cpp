// The FTP object against a real FTP server on loopback: the reports of
// every operation in order, the bytes and names that reach the server, the
// local file a download replaces (and the one a failed download keeps), and
// the error texts of refused, unreachable, silent and broken connections.
#include "support/FtpServer.h"
#include "support/TempHome.h"
#include "platform/DialogService.h"
#include "transport/FtpErros.h"
#include "transport/FtpSessao.h"
#include "transport/classFtp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using zv::test::FtpServer;
using zv::transport::classFtp;

namespace {

// Every report of the object, in the order heard, in one short form:
// "P 100 250", "S1 Conectado", "S2 ", "S3 <error text without its blanks>",
// "I 5 texto". The error texts are also kept whole.
class Ouvinte {
public:
    explicit Ouvinte(classFtp& ftp)
    {
        QObject::connect(&ftp, &classFtp::Progresso, [this](qint32 enviados, qint32 total) {
            eventos << QStringLiteral("P %1 %2").arg(enviados).arg(total);
            if (aoProgresso)
                aoProgresso();
        });
        QObject::connect(&ftp, &classFtp::Situacao, [this](quint8 codigo, const QString& texto) {
            eventos << QStringLiteral("S%1 ").arg(codigo) + (codigo == 3 ? texto.trimmed() : texto);
            if (codigo == 3)
                erros << texto;
        });
        QObject::connect(&ftp, &classFtp::Informe, [this](qint16 codigo, const QString& texto) {
            eventos << QStringLiteral("I %1 ").arg(codigo) + texto;
        });
    }

    QStringList eventos;
    QStringList erros;
    std::function<void()> aoProgresso;
};

const QStringList kAbertura{QStringLiteral("S1 Conectado"), QStringLiteral("S1 Transmitindo")};
const QStringList kFechamento{QStringLiteral("S1 Arquivo Fechado"), QStringLiteral("S1 Internet Fechada"),
                              QStringLiteral("S2 ")};

// Bytes of every value, a CR LF pair and a lone LF among them, so that a
// text-mode transfer would show.
QByteArray conteudo(int tamanho)
{
    QByteArray bytes;
    for (int i = 0; i < tamanho; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    if (tamanho >= 4)
        bytes.replace(0, 3, "\r\n\n");
    return bytes;
}

class FtpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.started()) << server.output().toStdString(); }

    QString local(const QString& nome, const QByteArray& bytes) const
    {
        return home.writeFile(QStringLiteral("local/") + nome, bytes);
    }
    QString pastaLocal() const { return home.path() + QStringLiteral("/local"); }

    bool transmite(const QString& arquivo, const QString& titulo = QString())
    {
        return ftp.Transmite(server.address(), server.user(), server.password(), arquivo, titulo);
    }
    bool recebe(const QString& arquivoLocal, const QString& remoto)
    {
        return ftp.Recebe(server.address(), server.user(), server.password(), arquivoLocal, remoto);
    }
    void deleta(const QString& remoto) { ftp.Deleta(server.address(), server.user(), server.password(), remoto); }

    zv::test::TempHome home;
    zv::platform::ScriptedDialogs dialogs;
    FtpServer server;
    classFtp ftp;
    Ouvinte ouvinte{ftp};
};

} // namespace

TEST_F(FtpTest, UploadsInBlocksOfAHundredBytesWithAProgressReportForEach)
{
    const struct {
        int tamanho;
        QStringList progresso;
    } casos[] = {
        {250, {QStringLiteral("P 100 250"), QStringLiteral("P 200 250"), QStringLiteral("P 250 250")}},
        {0, {QStringLiteral("P 0 0")}},
        {300,
         {QStringLiteral("P 100 300"), QStringLiteral("P 200 300"), QStringLiteral("P 300 300"),
          QStringLiteral("P 300 300")}},
        {1, {QStringLiteral("P 1 1")}},
        {99, {QStringLiteral("P 99 99")}},
    };
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        const QString nome = QStringLiteral("guia%1.bin").arg(caso.tamanho);
        EXPECT_TRUE(transmite(local(nome, conteudo(caso.tamanho)))) << caso.tamanho;
        EXPECT_EQ(ouvinte.eventos, kAbertura + caso.progresso + kFechamento) << caso.tamanho;
        EXPECT_EQ(server.file(nome.toLatin1()), conteudo(caso.tamanho)) << caso.tamanho;
    }
    EXPECT_TRUE(dialogs.boxes().isEmpty());
}

TEST_F(FtpTest, RemoteNameIsTheTitleOrTheLocalFilesOwnNameInTheOfficeCodePage)
{
    const struct {
        QString arquivo;
        QString titulo;
        QByteArray nomeNoServidor;
    } casos[] = {
        {QStringLiteral("guia.pdf"), QString(), "guia.pdf"},
        {QStringLiteral("guia.pdf"), QStringLiteral("Relatório de Março.pdf"), "Relat\xf3rio de Mar\xe7o.pdf"},
        {QStringLiteral("ação €.pdf"), QString(), "a\xe7\xe3o \x80.pdf"},
        {QStringLiteral("sub/folha.txt"), QString(), "folha.txt"},
    };
    QList<QByteArray> esperados;
    for (const auto& caso : casos) {
        const QByteArray bytes = conteudo(120) + caso.nomeNoServidor;
        ouvinte.eventos.clear();
        EXPECT_TRUE(transmite(local(caso.arquivo, bytes), caso.titulo)) << caso.arquivo.toStdString();
        EXPECT_EQ(server.file(caso.nomeNoServidor), bytes) << caso.nomeNoServidor.toStdString();
        EXPECT_EQ(ouvinte.eventos.mid(0, 2), kAbertura);
        esperados << caso.nomeNoServidor;
    }
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(server.names(), esperados);
}

TEST_F(FtpTest, PendingEventsRunBetweenTheBlocks)
{
    const QString arquivo = local(QStringLiteral("guia.pdf"), conteudo(250));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { ouvinte.eventos << QStringLiteral("evento"); }, Qt::QueuedConnection);
    EXPECT_TRUE(transmite(arquivo));
    const QStringList meio{QStringLiteral("evento"), QStringLiteral("P 100 250"), QStringLiteral("P 200 250"),
                           QStringLiteral("P 250 250")};
    EXPECT_EQ(ouvinte.eventos, kAbertura + meio + kFechamento);
}

TEST_F(FtpTest, AMissingLocalFileIsToldInABoxAndAnsweredFalse)
{
    QDir().mkpath(pastaLocal() + QStringLiteral("/pasta.pdf"));
    const QString casos[] = {
        pastaLocal() + QStringLiteral("/nao-existe.pdf"),
        pastaLocal() + QStringLiteral("/pasta.pdf"),
        QString(),
    };
    for (const QString& arquivo : casos) {
        dialogs.clear();
        EXPECT_FALSE(transmite(arquivo, QStringLiteral("guia.pdf"))) << arquivo.toStdString();
        ASSERT_EQ(dialogs.boxes().size(), 1) << arquivo.toStdString();
        EXPECT_EQ(dialogs.boxes()[0].text, QStringLiteral("Arquivo não existe"));
        EXPECT_EQ(dialogs.boxes()[0].title, QStringLiteral("Zorvelanta Printer"));
        EXPECT_EQ(dialogs.boxes()[0].icon, zv::platform::Icon::Critical);
    }
    EXPECT_TRUE(ouvinte.eventos.isEmpty()) << ouvinte.eventos.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(server.names().isEmpty());
}

TEST_F(FtpTest, ARefusedLoginIsReportedByEveryOperation)
{
    const QString recusado = QStringLiteral(
        "S3 InternetConnectCódigo do Erro: 12014 Mensagem: O servidor recusou o usuário ou a senha");
    server.put("guia.pdf", "no servidor");
    const QString arquivo = local(QStringLiteral("guia.pdf"), "local");
    const QString senha = QStringLiteral("errada");
    const struct {
        const char* operacao;
        std::function<bool()> executa;
        QStringList eventos;
    } casos[] = {
        {"Transmite", [&] { return ftp.Transmite(server.address(), server.user(), senha, arquivo); },
         QStringList{recusado} + kFechamento},
        {"Recebe", [&] { return ftp.Recebe(server.address(), server.user(), senha, arquivo, "guia.pdf"); },
         {recusado}},
        {"Deleta",
         [&] {
             ftp.Deleta(server.address(), server.user(), senha, QStringLiteral("guia.pdf"));
             return false;
         },
         {recusado}},
    };
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        EXPECT_FALSE(caso.executa()) << caso.operacao;
        EXPECT_EQ(ouvinte.eventos, caso.eventos) << caso.operacao;
    }
    EXPECT_EQ(server.file("guia.pdf"), QByteArray("no servidor"));
    EXPECT_EQ(zv::test::readAll(arquivo), QByteArray("local"));
}

TEST_F(FtpTest, AnUnreachableServerNeverConnectsAndTheUploadStillCloses)
{
    FtpServer encerrado;
    ASSERT_TRUE(encerrado.started());
    const QString portaFechada = encerrado.address();
    encerrado.stop();
    const struct {
        QString servidor;
        QString erro;
    } casos[] = {
        {portaFechada, QStringLiteral("S3 InternetConnectCódigo do Erro: 12029 Mensagem: Não foi possível "
                                      "estabelecer uma conexão com o servidor")},
        {QStringLiteral("nao-existe.invalid"),
         QStringLiteral("S3 InternetConnectCódigo do Erro: 12007 Mensagem: O nome ou endereço do servidor não pôde "
                        "ser resolvido")},
        {QString(), QStringLiteral("S3 InternetConnectCódigo do Erro: 12007 Mensagem: O nome ou endereço do "
                                   "servidor não pôde ser resolvido")},
    };
    const QString arquivo = local(QStringLiteral("guia.pdf"), conteudo(250));
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        EXPECT_FALSE(ftp.Transmite(caso.servidor, server.user(), server.password(), arquivo))
            << caso.servidor.toStdString();
        EXPECT_EQ(ouvinte.eventos, QStringList{caso.erro} + kFechamento) << caso.servidor.toStdString();
    }
}

TEST_F(FtpTest, ARemoteFileThatCannotBeOpenedIsReportedWithItsCodeInAFixedField)
{
    server.put("fica.pdf", "fica");
    const QString arquivo = local(QStringLiteral("guia.pdf"), conteudo(250));
    const struct {
        QString titulo;
        QString inicio; // the error text up to the server's own words
    } casos[] = {
        {QStringLiteral("pasta-que-nao-ha/guia.pdf"),
         QStringLiteral("FtpOpenFileCódigo do Erro: 12003 Mensagem: 550 ")},
        {QStringLiteral("guia.pdf\r\nDELE fica.pdf"),
         QStringLiteral("FtpOpenFileCódigo do Erro: 12005 Mensagem: O nome do servidor ou do arquivo é inválido ")},
    };
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        ouvinte.erros.clear();
        EXPECT_FALSE(transmite(arquivo, caso.titulo)) << caso.titulo.toStdString();
        ASSERT_EQ(ouvinte.erros.size(), 1) << caso.titulo.toStdString();
        const QString texto = ouvinte.erros[0];
        const qsizetype campo = texto.indexOf(QStringLiteral(" Mensagem: ")) + 11;
        EXPECT_TRUE(texto.startsWith(caso.inicio)) << texto.trimmed().toStdString();
        EXPECT_EQ(texto.size() - campo, zv::transport::kCampoMensagem);
        EXPECT_TRUE(texto.endsWith(QStringLiteral("   ")));
        EXPECT_EQ(ouvinte.eventos, kAbertura + QStringList{QStringLiteral("S3 ") + texto.trimmed()} + kFechamento);
    }
    EXPECT_EQ(server.names(), QList<QByteArray>{"fica.pdf"});
}

TEST(FtpErrorText, PadsOrCutsTheMessageToItsField)
{
    const QString longo(3000, QLatin1Char('x'));
    const struct {
        QString etapa;
        int codigo;
        QString mensagem;
        QString campo;
    } casos[] = {
        {QStringLiteral("InternetConnect"), 12014, QStringLiteral("recusado"),
         QStringLiteral("recusado") + QString(2040, QLatin1Char(' '))},
        {QStringLiteral("FtpOpenFile"), 12003, longo, longo.left(2048)},
        {QStringLiteral("InternetOpen"), 12004, QString(), QString(2048, QLatin1Char(' '))},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(zv::transport::textoDoErro(caso.etapa, caso.codigo, caso.mensagem),
                  caso.etapa + QStringLiteral("Código do Erro: ") + QString::number(caso.codigo)
                      + QStringLiteral(" Mensagem: ") + caso.campo)
            << caso.etapa.toStdString();
}

TEST_F(FtpTest, AConnectionThatBreaksOffMidUploadIsAWriteFailure)
{
    const QString arquivo = local(QStringLiteral("grande.bin"), conteudo(20000));
    ouvinte.aoProgresso = [this] { server.stop(); };
    EXPECT_FALSE(transmite(arquivo));
    const QStringList& eventos = ouvinte.eventos;
    ASSERT_GE(eventos.size(), 7) << eventos.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(eventos.mid(0, 3), kAbertura + QStringList{QStringLiteral("P 100 20000")});
    EXPECT_EQ(eventos.mid(eventos.size() - 3), kFechamento);
    const QString erro = eventos[eventos.size() - 4];
    EXPECT_TRUE(erro.startsWith(QStringLiteral("S3 InternetWriteFile!Código do Erro: 1203"))) << erro.toStdString();
    EXPECT_FALSE(eventos.contains(QStringLiteral("P 20000 20000")));
    EXPECT_EQ(ouvinte.erros.size(), 1);
}

TEST_F(FtpTest, DownloadReplacesTheLocalFileWithTheServersBytes)
{
    const struct {
        QByteArray nomeNoServidor;
        QString remoto;
        QByteArray bytes;
        bool localExiste;
    } casos[] = {
        {"guia.bin", QStringLiteral("guia.bin"), conteudo(5000), true},
        {"Relat\xf3rio de Mar\xe7o.pdf", QStringLiteral("Relatório de Março.pdf"), conteudo(250), false},
        {"vazio.txt", QStringLiteral("vazio.txt"), QByteArray(), true},
    };
    for (const auto& caso : casos) {
        server.put(caso.nomeNoServidor, caso.bytes);
        const QString destino = pastaLocal() + QStringLiteral("/copia-") + caso.remoto;
        if (caso.localExiste)
            local(QStringLiteral("copia-") + caso.remoto, "conteúdo antigo, mais longo que o novo arquivo vazio");
        QDir().mkpath(pastaLocal());
        ouvinte.eventos.clear();
        EXPECT_TRUE(recebe(destino, caso.remoto)) << caso.remoto.toStdString();
        EXPECT_EQ(zv::test::readAll(destino), caso.bytes) << caso.remoto.toStdString();
        EXPECT_EQ(ouvinte.eventos, kAbertura + kFechamento) << caso.remoto.toStdString();
    }
}

TEST_F(FtpTest, AFailedDownloadKeepsTheLocalFileAndLeavesNothingBeside)
{
    const QByteArray antigo = "o documento que o usuário já tinha";
    const QString existente = local(QStringLiteral("guia.pdf"), antigo);
    server.put("outro.pdf", "outro");
    const struct {
        QString destino;
        QString remoto;
    } casos[] = {
        {existente, QStringLiteral("nao-ha.pdf")},
        {existente, QStringLiteral("x\r\nDELE outro.pdf")},
        {pastaLocal() + QStringLiteral("/pasta-que-nao-ha/guia.pdf"), QStringLiteral("outro.pdf")},
    };
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        EXPECT_FALSE(recebe(caso.destino, caso.remoto)) << caso.remoto.toStdString();
        EXPECT_EQ(ouvinte.eventos, kAbertura + kFechamento) << caso.remoto.toStdString();
    }
    EXPECT_EQ(zv::test::readAll(existente), antigo);
    EXPECT_EQ(QDir(pastaLocal()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("guia.pdf")});
    EXPECT_EQ(server.names(), QList<QByteArray>{"outro.pdf"});
}

TEST_F(FtpTest, DeleteRemovesTheFileOrEndsSilentlyAfterTheConnection)
{
    server.put("guia.pdf", "1");
    server.put("Relat\xf3rio.pdf", "2");
    server.put("fica.pdf", "3");
    const struct {
        QString remoto;
        QStringList eventos;
    } casos[] = {
        {QStringLiteral("guia.pdf"), kAbertura + kFechamento},
        {QStringLiteral("Relatório.pdf"), kAbertura + kFechamento},
        {QStringLiteral("nao-ha.pdf"), kAbertura},
        {QStringLiteral("nao-ha.pdf\r\nDELE fica.pdf"), kAbertura},
    };
    for (const auto& caso : casos) {
        ouvinte.eventos.clear();
        deleta(caso.remoto);
        EXPECT_EQ(ouvinte.eventos, caso.eventos) << caso.remoto.toStdString();
    }
    EXPECT_EQ(server.names(), QList<QByteArray>{"fica.pdf"});
}

TEST_F(FtpTest, MensagemIsHeardAsInformeUnchanged)
{
    const struct {
        qint16 codigo;
        QString texto;
    } casos[] = {
        {0, QString()},
        {-1, QStringLiteral("Falha na publicação: ação não concluída")},
        {32767, QStringLiteral("Publicado")},
    };
    QStringList esperados;
    for (const auto& caso : casos) {
        ftp.Mensagem(caso.codigo, caso.texto);
        esperados << QStringLiteral("I %1 ").arg(caso.codigo) + caso.texto;
    }
    EXPECT_EQ(ouvinte.eventos, esperados);
}

TEST(FtpSessao, ASilentServerEndsTheConnectionWithTheTimeOutCode)
{
    // A socket that accepts connections and never says a word.
    const int silencioso = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(silencioso, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(silencioso, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);
    ASSERT_EQ(::listen(silencioso, 4), 0);
    socklen_t tamanho = sizeof endereco;
    ::getsockname(silencioso, reinterpret_cast<sockaddr*>(&endereco), &tamanho);

    zv::transport::FtpSessao sessao({2, 2});
    ASSERT_TRUE(sessao.abre());
    EXPECT_FALSE(sessao.conecta(QStringLiteral("127.0.0.1:%1").arg(ntohs(endereco.sin_port)),
                                QStringLiteral("escritorio"), QStringLiteral("senha")));
    EXPECT_EQ(sessao.ultimoErro(), zv::transport::kFtpTempoEsgotado);
    EXPECT_EQ(sessao.mensagemDoErro(), QStringLiteral("O tempo limite da operação se esgotou"));
    ::close(silencioso);
}

TEST(FtpSessao, ARefusedCommandLeavesTheServersResponseAndTheConnectionGoesOn)
{
    FtpServer server;
    ASSERT_TRUE(server.started());
    zv::transport::FtpSessao sessao;
    ASSERT_TRUE(sessao.abre());
    ASSERT_TRUE(sessao.conecta(server.address(), server.user(), server.password()));
    const struct {
        QString comando;
        bool aceito;
        QString resposta; // how the server's response begins
    } casos[] = {
        {QStringLiteral("CWD /pasta-que-nao-ha"), false, QStringLiteral("550 ")},
        {QStringLiteral("XYZW"), false, QStringLiteral("500 ")},
        {QStringLiteral("CWD /"), true, QStringLiteral("250 ")},
        {QStringLiteral("PWD"), true, QStringLiteral("257 \"/\"")},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(sessao.comando(caso.comando), caso.aceito) << caso.comando.toStdString();
        EXPECT_TRUE(sessao.ultimaResposta().startsWith(caso.resposta)) << sessao.ultimaResposta().toStdString();
        if (!caso.aceito) {
            EXPECT_EQ(sessao.ultimoErro(), zv::transport::kFtpRespostaServidor);
            EXPECT_EQ(sessao.mensagemDoErro(), sessao.ultimaResposta());
        }
    }
}

TEST(FtpSessao, TheServerNameMayCarryItsPort)
{
    const struct {
        QString servidor;
        QString nome;
        int porta;
    } casos[] = {
        {QStringLiteral("ftp.portal.com.br"), QStringLiteral("ftp.portal.com.br"), 21},
        {QStringLiteral("127.0.0.1:2121"), QStringLiteral("127.0.0.1"), 2121},
        {QStringLiteral("[::1]:2121"), QStringLiteral("[::1]"), 2121},
        {QStringLiteral("::1"), QStringLiteral("::1"), 21},
        {QStringLiteral("ftp.portal.com.br:0"), QStringLiteral("ftp.portal.com.br:0"), 21},
        {QStringLiteral("ftp.portal.com.br:70000"), QStringLiteral("ftp.portal.com.br:70000"), 21},
        {QStringLiteral("ftp.portal.com.br:"), QStringLiteral("ftp.portal.com.br:"), 21},
    };
    for (const auto& caso : casos) {
        const auto endereco = zv::transport::enderecoFtp(caso.servidor);
        EXPECT_EQ(endereco.nome, caso.nome) << caso.servidor.toStdString();
        EXPECT_EQ(endereco.porta, caso.porta) << caso.servidor.toStdString();
    }
}
