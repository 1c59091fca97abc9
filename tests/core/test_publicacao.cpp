// Publication of the current file: the request to the publication page byte
// for byte, the upload to a real FTP server, the backup copy, the e-mail
// notices in every mode and every way a publication fails, all heard as the
// caller hears them, through the FTP object's reports.
#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "platform/Regional.h"
#include "publishing/Publicacao.h"
#include "support/FtpServer.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "transport/classFtp.h"

#include <QDate>
#include <QFile>

#include <gtest/gtest.h>

using namespace zv;
using core::classAmbiente;
using publishing::ContextoPublicacao;
using publishing::Publicacao;
using transport::classFtp;

namespace {

const QString kPublica = QStringLiteral("/printer/publica_b_novo.asp");
const QString kListaAvisos = QStringLiteral("printer/avisos_b.asp");
const QString kAviso = QStringLiteral("/printer/avisos.asp");
const QByteArray kConteudo = "%PDF-1.4\nguia de pagamento\n%%EOF\n";

using test::crlf;

QString dia(int n)
{
    return platform::Regional::shortDate(QDate::currentDate().addDays(n));
}

// The publication's own reports ("I code text"), as the caller hears them;
// the transfer's steps are the FTP object's tests' business.
void ouve(classFtp& ftp, QStringList& destino)
{
    QObject::connect(&ftp, &classFtp::Informe, [&destino](qint16 codigo, const QString& texto) {
        destino << QStringLiteral("%1 ").arg(codigo) + texto;
    });
}

class PublicacaoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ftp.started()) << ftp.output().toStdString();
        a.Inicia(true, QString());
        core::SessaoPortal& s = a.sessao();
        s.lngSessao = 4711;
        s.lngLogin_ID = 33;
        s.lngAdmin = 2;
        s.ServidorFtp = ftp.address();
        s.UsuarioFtp = ftp.user();
        s.SenhaFtp = ftp.password();
        a.Email = QStringLiteral("maria@exemplo.com.br");
        a.pasta = QStringLiteral("7");
        a.setArquivo(home.writeFile(QStringLiteral("docs/guia.pdf"), kConteudo));
        a.setTipo(QStringLiteral("pdf"));
        ouve(cliente, ouvidos);
    }

    // A payment for clients 101 and 102, valid, with the given notices.
    void registro(int modo, const QString& lista = QString())
    {
        publishing::classEnviar& e = a.Enviar;
        e.Try();
        e.AddCliente(101);
        e.AddCliente(102);
        e.setTipoArquivo(0);
        e.setDescricao(QStringLiteral("Guia & DARF"));
        e.setAtivacao(dia(1));
        e.setExpiracao(dia(40));
        e.setVencimento(dia(20));
        e.setValor(1234.5);
        e.setObservacao(QStringLiteral("pagar até o vencimento"));
        if (modo == 0)
            e.Avisar(false, std::nullopt, true);
        else if (modo == 3)
            e.Avisar(false, lista);
        else
            e.Avisar(modo == 2);
        QString controle;
        e.Validar(QStringLiteral("guia.pdf"), a.pasta, controle);
        ASSERT_TRUE(e.Validado());
    }

    void aceita(const QString& ids = QStringLiteral("101*102"))
    {
        portal.setAnswer(kPublica, crlf({a.Sistema(), ids, QStringLiteral("diagnóstico")}));
    }

    QStringList alvos(const QString& pagina) const
    {
        QStringList escolhidos;
        for (const QString& t : portal.targets())
            if (t.startsWith(QLatin1Char('/') + pagina + QLatin1Char('?')))
                escolhidos << t;
        return escolhidos;
    }

    test::TempHome home;
    test::LoopbackPortal portal;
    test::FtpServer ftp;
    platform::ScriptedDialogs dialogs;
    classAmbiente a;
    classFtp cliente;
    QStringList ouvidos;
};

} // namespace

TEST_F(PublicacaoTest, AcceptedPublicationUploadsRegistersBacksUpAndNotifiesEveryItemsRecipients)
{
    registro(2);
    QString titulo = QStringLiteral("Guia Março");
    a.setTitulo(titulo);
    aceita();
    portal.setHandler(kListaAvisos, [](const QString& target) {
        return target.contains(QLatin1String("u=101&"))
            ? crlf({QStringLiteral("Zorvelanta Printer"), QStringLiteral("Padaria São João"),
                    QStringLiteral("João;joao@exemplo.com.br"), QStringLiteral("Ana;ana@exemplo.com.br"), {}})
            : QByteArray();
    });
    portal.setHandler(kAviso, [](const QString& target) {
        return crlf({QStringLiteral("Zorvelanta Printer"),
                     target.contains(QLatin1String("i=ana@"))
                         ? QStringLiteral("2") : QStringLiteral("1")});
    });

    a.Envia(cliente);

    EXPECT_TRUE(a.Enviado());
    EXPECT_EQ(a.Erro(), QString());
    EXPECT_EQ(a.UltimosIds, QStringLiteral("101*102"));
    EXPECT_EQ(ftp.file(platform::toCp1252(QStringLiteral("Guia Março.pdf"))), kConteudo);
    EXPECT_EQ(test::readAll(core::Folders::back() + QStringLiteral("/guia.pdf")), kConteudo);

    const QString base = portal.baseUrl();
    EXPECT_EQ(alvos(kPublica),
              QStringList{QStringLiteral("//printer/publica_b_novo.asp?l=33&s=4711&e=101*102&t=P&a=") + dia(1)
                          + QStringLiteral("&x=") + dia(40) + QStringLiteral("&email=maria@exemplo.com.br&v=")
                          + dia(20)
                          + QStringLiteral("&r=1234.5&d=Guia+%26+DARF&o=pagar+at%E9+o+vencimento&f=Guia%20Mar%E7o.pdf"
                                           "&Parametro1=&Parametro2=&Parametro3=&Parametro4=&Parametro5=&idPasta=7"
                                           "&Admin=2&Email=maria@exemplo.com.br")});
    EXPECT_EQ(alvos(kListaAvisos),
              (QStringList{QStringLiteral("/printer/avisos_b.asp?l=33&s=4711&a=l&t=2&u=101&"),
                           QStringLiteral("/printer/avisos_b.asp?l=33&s=4711&a=l&t=2&u=102&")}));
    EXPECT_EQ(alvos(kAviso),
              (QStringList{QStringLiteral("//printer/avisos.asp?l=33&s=4711&a=e&u=101&i=joao@exemplo.com.br"),
                           QStringLiteral("//printer/avisos.asp?l=33&s=4711&a=e&u=101&i=ana@exemplo.com.br")}));
    EXPECT_EQ(ouvidos, (QStringList{
                           QStringLiteral("2 Iniciando Transmissão do Arquivo"),
                           QStringLiteral("2 Arquivo Transmitido"),
                           QStringLiteral("4 Arquivo Transmitido"),
                           QStringLiteral("4 Arquivo Publicado com sucesso!"),
                           QStringLiteral("2 Publicação concluída"),
                           QStringLiteral("2 Iniciando processo de Avisos"),
                           QStringLiteral("0 Padaria São João"),
                           QStringLiteral("2 Cliente: Padaria São João"),
                           QStringLiteral("1 João <joao@exemplo.com.br>"),
                           QStringLiteral("2   João <joao@exemplo.com.br> - Enviado"),
                           QStringLiteral("1 Ana <ana@exemplo.com.br>"),
                           QStringLiteral("2   Ana <ana@exemplo.com.br> - Agendado"),
                           QStringLiteral("2  Sem E-mail Cadastrado "),
                       }));
    EXPECT_TRUE(dialogs.boxes().isEmpty());
}

TEST_F(PublicacaoTest, RequestCarriesOnlyTheKeysItsRecordAndEnvironmentCallFor)
{
    ContextoPublicacao c;
    c.baseUrl = QStringLiteral("http://p/");
    c.lngLogin_ID = 1;
    c.lngSessao = 2;
    c.lngAdmin = 0;
    c.email = QStringLiteral("a+b@x.br");
    c.pasta = QStringLiteral("9");
    publishing::classEnviar relatorio;
    relatorio.Try();
    relatorio.AddCliente(5);
    relatorio.setTipoArquivo(1);
    relatorio.setVencimento(dia(3));
    relatorio.setValor(10);

    const QString semNada = Publicacao::urlPublicacao(c, relatorio, QString());
    EXPECT_EQ(semNada, QStringLiteral("http://p//printer/publica_b_novo.asp?l=1&s=2&e=5&t=R&email=a%2Bb@x.br&d=&o=&"
                                      "Parametro1=&Parametro2=&Parametro3=&Parametro4=&Parametro5=&idPasta=9"
                                      "&Admin=0&Email=a%2Bb@x.br"));

    c.bDebug = true;
    c.usuariosId = QStringLiteral("101*103");
    relatorio.setParametro2(QStringLiteral("x&y"));
    const QString comTudo = Publicacao::urlPublicacao(c, relatorio, QStringLiteral("a.pdf"));
    EXPECT_TRUE(comTudo.contains(QStringLiteral("&o=&f=a.pdf&Parametro1=&Parametro2=x%26y&Parametro3=")));
    EXPECT_TRUE(comTudo.endsWith(QStringLiteral("&Parametro5=&w=y&idPasta=9&UsuarioID=101*103&Admin=0"
                                                "&Email=a%2Bb@x.br")));
    EXPECT_FALSE(comTudo.contains(QStringLiteral("&v=")));

    struct Titulo {
        QString titulo, tipo, arquivo, remoto;
    } const titulos[] = {
        {QStringLiteral("Folha"), QStringLiteral("pdf"), QStringLiteral("/t/x.pdf"), QStringLiteral("Folha.pdf")},
        {QStringLiteral("Folha"), QString(), QStringLiteral("/t/x.pdf"), QStringLiteral("Folha")},
        {QString(), QStringLiteral("pdf"), QStringLiteral("/t/pasta/x y.pdf"), QStringLiteral("x y.pdf")},
    };
    for (const Titulo& t : titulos) {
        c.titulo = t.titulo;
        c.tipo = t.tipo;
        c.arquivo = t.arquivo;
        EXPECT_EQ(Publicacao::tituloRemoto(c), t.remoto);
    }
}

TEST_F(PublicacaoTest, FailuresEndWithTheirReasonAndPublishNothing)
{
    const QString falha = QStringLiteral("5 Houveram erros durante a publicação!");
    struct Caso {
        const char* nome;
        std::function<void()> prepara;
        QString mensagem;
        bool pediuPortal;
    } const casos[] = {
        {"not validated", [this] { a.Enviar.Try(); },
         QStringLiteral("Erro\r\nNão é possível transmitir arquivo não validado!"), false},
        {"upload refused",
         [this] {
             registro(0);
             a.sessao().SenhaFtp = QStringLiteral("errada");
         },
         QStringLiteral("Erro\r\nNão foi possível transmitir o arquivo!"), false},
        {"registration refused",
         [this] {
             registro(0);
             portal.setAnswer(kPublica, crlf({QStringLiteral("2"), QStringLiteral("Cliente não encontrado.")}));
         },
         QStringLiteral("Erro\r\nProblemas na criação do Registro de Transferência!\r\nCliente não encontrado."), true},
        {"answer cut short",
         [this] {
             registro(0);
             portal.setAnswer(kPublica, "erro");
         },
         QStringLiteral("Erro\r\nO portal enviou uma resposta incompleta."), true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        portal.clear();
        ouvidos.clear();
        a.UltimosIds = QStringLiteral("9*8");
        a.sessao().SenhaFtp = ftp.password();
        c.prepara();
        a.Envia(cliente);
        EXPECT_FALSE(a.Enviado());
        EXPECT_EQ(a.Erro(), c.mensagem);
        EXPECT_EQ(ouvidos.value(ouvidos.size() - 1), falha);
        EXPECT_EQ(a.UltimosIds, QStringLiteral("9*8"));
        EXPECT_EQ(!alvos(kPublica).isEmpty(), c.pediuPortal);
        EXPECT_TRUE(alvos(kListaAvisos).isEmpty());
        EXPECT_FALSE(QFile::exists(core::Folders::back() + QStringLiteral("/guia.pdf")));
    }
}

TEST_F(PublicacaoTest, NoticeModesAndBrokenNoticeAnswersNeverUndoAnAcceptedPublication)
{
    // No notices: the three closing reports, no notice request.
    registro(0);
    aceita(QStringLiteral("101"));
    a.Envia(cliente);
    ASSERT_TRUE(a.Enviado()) << a.Erro().toStdString();
    EXPECT_EQ(ouvidos.mid(ouvidos.size() - 3),
              (QStringList{QStringLiteral("0 Sem Avisos"), QStringLiteral("2 Sem Avisos"), QStringLiteral("1 ")}));
    EXPECT_TRUE(alvos(kListaAvisos).isEmpty());

    // Default recipients, with a recipient line without its ";" and a notice
    // answer that is not the portal's: both are that recipient's failure.
    portal.clear();
    ouvidos.clear();
    registro(1);
    aceita(QStringLiteral("101"));
    portal.setAnswer(kListaAvisos, crlf({QStringLiteral("Zorvelanta Printer"), QStringLiteral("Loja"),
                                         QStringLiteral("sem separador"), QStringLiteral("Bia;bia@exemplo.com.br")}));
    portal.setAnswer(kAviso, "erro interno");
    a.Envia(cliente);
    EXPECT_TRUE(a.Enviado());
    EXPECT_EQ(a.Erro(), QString());
    EXPECT_TRUE(alvos(kListaAvisos).value(0).contains(QStringLiteral("&t=1&u=101&")));
    EXPECT_EQ(ouvidos.mid(ouvidos.size() - 3),
              (QStringList{QStringLiteral("2   sem separador - Falha!"), QStringLiteral("1 Bia <bia@exemplo.com.br>"),
                           QStringLiteral("2   Bia <bia@exemplo.com.br> - Falha!")}));

    // An explicit list goes to its own addresses for every item, without a
    // notice list request.
    portal.clear();
    ouvidos.clear();
    registro(3, QStringLiteral("x@exemplo.com.br; y@exemplo.com.br"));
    aceita(QStringLiteral("101*102"));
    portal.setAnswer(kAviso, crlf({QStringLiteral("Zorvelanta Printer"), QStringLiteral("7")}));
    a.Envia(cliente);
    EXPECT_TRUE(a.Enviado());
    EXPECT_TRUE(alvos(kListaAvisos).isEmpty());
    EXPECT_EQ(alvos(kAviso).size(), 4);
    EXPECT_TRUE(alvos(kAviso).value(3).endsWith(QStringLiteral("&u=102&i=y@exemplo.com.br")));
    EXPECT_EQ(ouvidos.last(), QStringLiteral("2   <y@exemplo.com.br> - Falha"));
}

TEST_F(PublicacaoTest, DebugModeShowsThePortalsDiagnostic)
{
    a.sessao().bDebug = true;
    registro(0);
    aceita(QStringLiteral("101"));
    a.Envia(cliente);
    ASSERT_TRUE(a.Enviado());
    ASSERT_EQ(dialogs.boxes().size(), 1);
    EXPECT_EQ(dialogs.boxes()[0].text, QStringLiteral("Debug:\r\ndiagnóstico"));
    EXPECT_EQ(dialogs.boxes()[0].title, a.Sistema());
    EXPECT_TRUE(ouvidos.contains(QStringLiteral("2 Modo Debug Ativado")));
    EXPECT_TRUE(alvos(kPublica).value(0).contains(QStringLiteral("&w=y&idPasta=")));
}
