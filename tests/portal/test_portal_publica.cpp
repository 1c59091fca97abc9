// The publication page: a file put into the FTP root becomes one document
// per client company, visible in the consultation and retrievable byte for
// byte; everything wrong is refused with its reason and loses nothing.
#include "portal/PortalProcess.h"
#include "portal/PublicationQuery.h"
#include "support/TempHome.h"

#include "portal/PortalStore.h"
#include "portal/QueryString.h"
#include "portal/PublicationRequest.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using zv::test::PortalProcess;
using zv::test::PublicationQuery;
using zv::test::splitWire;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");

// Every byte value, so that any conversion on the way shows.
QByteArray binaryContent()
{
    QByteArray content = "%PDF-1.4\n";
    for (int i = 0; i < 256; ++i)
        content += char(i);
    return content + "\r\n%%EOF\n";
}

class PortalPublica : public ::testing::Test {
protected:
    void SetUp() override
    {
        ftpRoot = home.path() + QStringLiteral("/ftp");
        portal = std::make_unique<PortalProcess>(home.path() + QStringLiteral("/portal"),
                                                 QStringList{QStringLiteral("--ftp-root"), ftpRoot});
        ASSERT_TRUE(portal->started()) << portal->startOutput().toStdString();
        session = portal->demoSession();
        request.session = zv::test::sessionNumberOf(session);
    }

    QString upload(const QString& name, const QByteArray& content = binaryContent())
    {
        return home.writeFile(QStringLiteral("ftp/") + name, content);
    }

    QList<QStringList> consult(const std::string& filters)
    {
        QList<QStringList> records;
        const QStringList answer = portal->lines("//printer/consulta_b.asp?" + session + filters);
        if (answer.size() == 3 && !answer[1].isEmpty())
            for (const QString& record : splitWire(answer[1], QStringLiteral("<!#")))
                records << splitWire(record, QStringLiteral(">@%"));
        return records;
    }

    int documentCount() { return int(consult("&t=0").size()); }

    zv::test::TempHome home;
    QString ftpRoot;
    std::unique_ptr<PortalProcess> portal;
    std::string session;
    PublicationQuery request;
};

QStringList idsOf(const QList<QStringList>& records)
{
    QStringList ids;
    for (const QStringList& r : records)
        ids << r.value(2);
    return ids;
}

} // namespace

TEST_F(PortalPublica, PublishesOneDocumentPerClientVisibleInTheConsultationAndRetrievableWhole)
{
    const QString uploaded = upload(QStringLiteral("guia_março.pdf"));
    request.clients = QStringLiteral("1001*1002");
    request.activation = QDate::currentDate().addDays(2).toString(QStringLiteral("dd/MM/yyyy"));
    request.expiry = QStringLiteral("31/01/2100");
    request.due = QStringLiteral("10/01/2100");
    request.amount = QStringLiteral("1234.5");
    request.description = QStringLiteral("DARF 100% Silva & Filhos: ação");
    request.observation = QStringLiteral("Primeira linha\r\nSegunda + linha");
    request.file = QStringLiteral("guia_março.pdf");
    request.parameters[0] = QStringLiteral("p1 & p1");
    request.parameters[4] = QStringLiteral("cinco");
    request.senders = QStringLiteral("101*102");

    const QStringList answer = portal->lines(request.target());
    ASSERT_EQ(answer.size(), 3) << answer.join('|').toStdString();
    EXPECT_EQ(answer[0], kSistema);
    const QStringList ids = answer[1].split(QLatin1Char('*'));
    ASSERT_EQ(ids.size(), 2);
    EXPECT_NE(ids[0], ids[1]);
    EXPECT_FALSE(answer[2].isEmpty());
    EXPECT_FALSE(QFileInfo::exists(uploaded)) << "the upload stays in the FTP root";

    const auto records = consult("&li=" + answer[1].toStdString());
    ASSERT_EQ(records.size(), 2);
    const QString published = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    for (const QStringList& r : records) {
        ASSERT_EQ(r.size(), 17);
        const bool first = r[2] == ids[0];
        EXPECT_EQ(r[0], first ? QStringLiteral("Padaria São João Ltda") : QStringLiteral("Mercadinho Boa Vista ME"));
        EXPECT_EQ(r[1], QStringLiteral("P"));
        EXPECT_EQ(r[3], request.description);
        EXPECT_EQ(r[4], QStringLiteral("guia_março.pdf"));
        EXPECT_EQ(r[5], QString::number(binaryContent().size()));
        EXPECT_EQ(r[6], QStringLiteral("PDF"));
        EXPECT_EQ(r[7], QStringLiteral("Aguardando"));
        EXPECT_TRUE(r[8].startsWith(published)) << r[8].toStdString();
        EXPECT_EQ(r[9], QString());
        EXPECT_EQ(r[11], QStringLiteral("financeiro"));
        EXPECT_EQ(r[12], *request.activation);
        EXPECT_EQ(r[13], QStringLiteral("31/01/2100"));
        EXPECT_EQ(r[14], QStringLiteral("10/01/2100"));
        EXPECT_EQ(r[15], QStringLiteral("1.234,50"));
        EXPECT_EQ(r[16], QString());
    }
    for (const QString& id : ids)
        EXPECT_EQ(portal->get("//printer/consulta_b.asp?" + session + "&ia=" + id.toStdString()), binaryContent())
            << id.toStdString();

    zv::portal::PortalStore store(portal->dataDir() + QStringLiteral("/portal.sqlite"));
    for (const QString& id : ids) {
        const auto extras = store.publication(id.toLongLong());
        ASSERT_TRUE(extras) << id.toStdString();
        EXPECT_EQ(extras->observation, request.observation);
        EXPECT_EQ(extras->parameters,
                  (QStringList{QStringLiteral("p1 & p1"), QString(), QString(), QString(), QStringLiteral("cinco")}));
        EXPECT_EQ(extras->folder, QStringLiteral("7"));
        EXPECT_EQ(extras->senders, QStringLiteral("101*102"));
        EXPECT_EQ(extras->email, request.email);
        EXPECT_EQ(extras->admin, QStringLiteral("1"));
    }
}

TEST_F(PortalPublica, PublishedDocumentsAnswerEveryConsultationFilterThatNamesThem)
{
    upload(QStringLiteral("folha.xlsx"));
    request.clients = QStringLiteral("1003");
    request.type = QStringLiteral("R");
    request.file = QStringLiteral("folha.xlsx");
    request.description = QStringLiteral("Folha zz publicada agora");
    const QStringList answer = portal->lines(request.target());
    ASSERT_EQ(answer.value(0), kSistema) << answer.join('|').toStdString();
    const QString id = answer.value(1);
    const std::string today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();

    struct Filter {
        std::string query;
        bool names;
    } const filters[] = {
        {"&t=0", true},
        {"&e=1003", true},
        {"&e=1001", false},
        {"&t=2", true},
        {"&t=1", false},
        {"&t=4", false},
        {"&d=t&i=" + today + "&f=" + today, true},
        {"&d=v&i=" + today, false},
        {"&u=101", true},
        {"&u=102", false},
        {"&m=2", true},
        {"&m=3", true},
        {"&m=1", false},
        {"&m=4", false},
        {"&li=" + id.toStdString(), true},
    };
    for (const Filter& f : filters)
        EXPECT_EQ(idsOf(consult(f.query)).contains(id), f.names) << f.query;

    const auto records = consult("&li=" + id.toStdString());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][6], QStringLiteral("XLSX"));
    EXPECT_EQ(records[0][7], QStringLiteral("Ativo"));
    // A report carries neither due date nor amount.
    EXPECT_EQ(records[0][14], QString());
    EXPECT_EQ(records[0][15], QString());
    EXPECT_TRUE(QFileInfo::exists(portal->dataDir() + QStringLiteral("/documentos/") + id + QStringLiteral(".xlsx")));
}

TEST_F(PortalPublica, EachTypeKeepsOnlyTheValuesItCarries)
{
    struct Case {
        const char* type;
        std::optional<QString> activation, expiry;
        const char* due;
        const char* amount;
        // fields 12 to 15 of the record
        QStringList expected;
    } const cases[] = {
        {"P", std::nullopt, std::nullopt, "", "0", {"", "", "", "0,00"}},
        {"P", std::nullopt, QStringLiteral("01/02/2100"), "5/1/2100", "99.999", {"", "01/02/2100", "05/01/2100", "100,00"}},
        {"D", QStringLiteral("1/1/2099"), QStringLiteral("2/1/2099"), "", "", {"01/01/2099", "02/01/2099", "", ""}},
        {"r", std::nullopt, std::nullopt, "", "", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        upload(QStringLiteral("caso.pdf"));
        request.type = QString::fromLatin1(c.type);
        request.activation = c.activation;
        request.expiry = c.expiry;
        request.due = QString::fromLatin1(c.due);
        request.amount = QString::fromLatin1(c.amount);
        request.file = QStringLiteral("caso.pdf");
        const QStringList answer = portal->lines(request.target());
        ASSERT_EQ(answer.value(0), kSistema) << c.type << " " << answer.join('|').toStdString();
        const auto records = consult("&li=" + answer.value(1).toStdString());
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records[0][1], QString::fromLatin1(c.type).toUpper());
        EXPECT_EQ(records[0].mid(12, 4), c.expected) << c.type << " " << records[0].join('|').toStdString();
    }
}

TEST_F(PortalPublica, RefusalsGiveTheirReasonInLineOneAndStoreNothing)
{
    const QString uploaded = upload(QStringLiteral("guia.pdf"));
    const int before = documentCount();
    struct Case {
        const char* what;
        std::function<void(PublicationQuery&)> change;
        const char* reason;
    } const cases[] = {
        {"no file named", [](PublicationQuery& q) { q.file.reset(); }, "Arquivo não informado"},
        {"file not uploaded", [](PublicationQuery& q) { q.file = QStringLiteral("outra.pdf"); },
         "Arquivo não encontrado no servidor FTP: outra.pdf"},
        {"unknown client", [](PublicationQuery& q) { q.clients = QStringLiteral("9999"); },
         "Cliente não cadastrado no escritório: 9999"},
        {"one unknown among known", [](PublicationQuery& q) { q.clients = QStringLiteral("1001*1002*4242"); },
         "Cliente não cadastrado no escritório: 4242"},
        {"no client", [](PublicationQuery& q) { q.clients.clear(); }, "Nenhum cliente informado"},
        {"client not a number", [](PublicationQuery& q) { q.clients = QStringLiteral("1001*x"); },
         "Lista de clientes inválida"},
        {"unknown type", [](PublicationQuery& q) { q.type = QStringLiteral("X"); }, "Tipo de documento inválido"},
        {"empty type", [](PublicationQuery& q) { q.type.clear(); }, "Tipo de documento inválido"},
        {"activation no day", [](PublicationQuery& q) { q.activation = QStringLiteral("31/02/2099"); },
         "Data de ativação inválida"},
        {"expiry in another form", [](PublicationQuery& q) { q.expiry = QStringLiteral("2099-12-30"); },
         "Data de expiração inválida"},
        {"expiry before activation",
         [](PublicationQuery& q) {
             q.activation = QStringLiteral("10/10/2099");
             q.expiry = QStringLiteral("10/10/2099");
         },
         "A data de expiração deve ser posterior à data de ativação"},
        {"due no day", [](PublicationQuery& q) { q.due = QStringLiteral("99/99/2099"); }, "Data de vencimento inválida"},
        {"amount with comma", [](PublicationQuery& q) { q.amount = QStringLiteral("1234,50"); }, "Valor inválido"},
        {"amount negative", [](PublicationQuery& q) { q.amount = QStringLiteral("-5"); }, "Valor inválido"},
        {"amount empty", [](PublicationQuery& q) { q.amount.clear(); }, "Valor inválido"},
        {"stranger session", [](PublicationQuery& q) { q.session = QStringLiteral("12345"); }, "Sessão inválida"},
        {"no session", [](PublicationQuery& q) { q.session.clear(); }, "Sessão não informada"},
    };
    for (const Case& c : cases) {
        PublicationQuery q = request;
        c.change(q);
        const QStringList answer = portal->lines(q.target());
        ASSERT_GE(answer.size(), 2) << c.what;
        EXPECT_NE(answer[0], kSistema) << c.what;
        EXPECT_TRUE(answer[1].startsWith(QString::fromUtf8(c.reason))) << c.what << ": " << answer[1].toStdString();
        EXPECT_EQ(portal->lastStatus(), 200) << c.what;
        EXPECT_TRUE(QFileInfo::exists(uploaded)) << c.what;
    }
    EXPECT_EQ(documentCount(), before);
    // The upload is still there for the request that gets it right.
    EXPECT_EQ(portal->lines(request.target()).value(0), kSistema);
    EXPECT_EQ(documentCount(), before + 1);
}

TEST_F(PortalPublica, FileNamesThatLeaveTheFtpRootAreRefusedAndTouchNothing)
{
    const QString secret = home.writeFile(QStringLiteral("segredo.pdf"), "fora da pasta do FTP");
    home.writeFile(QStringLiteral("ftp/sub/guia.pdf"), binaryContent());
    ASSERT_TRUE(QFile::link(secret, ftpRoot + QStringLiteral("/atalho.pdf")));
    ASSERT_TRUE(QDir().mkpath(ftpRoot + QStringLiteral("/pasta.pdf")));
    const int before = documentCount();

    struct Case {
        QString name;
        const char* reason;
    } const cases[] = {
        {QStringLiteral("../segredo.pdf"), "Nome de arquivo inválido"},
        {QStringLiteral("../portal/portal.sqlite"), "Nome de arquivo inválido"},
        {QStringLiteral("sub/guia.pdf"), "Nome de arquivo inválido"},
        {QStringLiteral("sub\\guia.pdf"), "Nome de arquivo inválido"},
        {QStringLiteral(".."), "Nome de arquivo inválido"},
        {QStringLiteral("."), "Nome de arquivo inválido"},
        {QStringLiteral("/etc/passwd"), "Nome de arquivo inválido"},
        {QStringLiteral("linha\r\nquebrada.pdf"), "Nome de arquivo inválido"},
        {QString(300, QLatin1Char('a')) + QStringLiteral(".pdf"), "Nome de arquivo inválido"},
        {QStringLiteral("atalho.pdf"), "Arquivo não encontrado no servidor FTP"},
        {QStringLiteral("pasta.pdf"), "Arquivo não encontrado no servidor FTP"},
    };
    for (const Case& c : cases) {
        PublicationQuery q = request;
        q.file = c.name;
        const QStringList answer = portal->lines(q.target());
        ASSERT_GE(answer.size(), 2) << c.name.toStdString();
        EXPECT_NE(answer[0], kSistema) << c.name.toStdString();
        EXPECT_TRUE(answer[1].startsWith(QString::fromUtf8(c.reason)))
            << c.name.toStdString() << ": " << answer[1].toStdString();
    }
    EXPECT_EQ(documentCount(), before);
    EXPECT_EQ(zv::test::readAll(secret), QByteArray("fora da pasta do FTP"));
    EXPECT_TRUE(QFileInfo::exists(ftpRoot + QStringLiteral("/sub/guia.pdf")));
    EXPECT_TRUE(QFileInfo(ftpRoot + QStringLiteral("/atalho.pdf")).isSymLink());
    EXPECT_TRUE(QFileInfo(ftpRoot + QStringLiteral("/pasta.pdf")).isDir());
}

TEST_F(PortalPublica, NameTheFtpServerCouldNotReadIsFoundUnderItsReplacedSpelling)
{
    // A title sent in Windows-1252 reaches a UTF-8 FTP server with each
    // letter beyond ASCII replaced; the publication names it properly.
    upload(QStringLiteral("relat\uFFFDrio_a\uFFFD\uFFFDo.pdf"));
    request.type = QStringLiteral("R");
    request.file = QStringLiteral("relatório_ação.pdf");
    const QStringList answer = portal->lines(request.target());
    ASSERT_EQ(answer.value(0), kSistema) << answer.join('|').toStdString();
    const auto records = consult("&li=" + answer.value(1).toStdString());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][4], QStringLiteral("relatório_ação.pdf"));
    EXPECT_EQ(portal->get("//printer/consulta_b.asp?" + session + "&ia=" + answer.value(1).toStdString()),
              binaryContent());
}

TEST(PortalPublicaQuery, StrayPiecesOfATextWithAnAmpersandStayInItsValue)
{
    using zv::portal::QueryString;
    using zv::portal::publicationKeys;
    struct Case {
        const char* raw;
        const char* key;
        const char* value;
    } const cases[] = {
        {"t=P&d=Silva+&+Filhos&o=obs", "d", "Silva & Filhos"},
        {"t=P&d=Silva+&+Filhos&o=obs", "o", "obs"},
        {"d=a&&b&o=", "d", "a&&b"},
        {"d=x&y=1&z&o=2", "d", "x&y=1&z"},
        {"d=x&y=1&z&o=2", "o", "2"},
        {"o=fim&Parametro1=1&", "o", "fim"},
        {"o=fim&Parametro1=1&", "Parametro1", "1"},
        {"Parametro5=a&idPasta=7&UsuarioID=9&Admin=1&Email=m@x", "idpasta", "7"},
        {"email=a@x&Email=b@x", "Email", "a@x"},
    };
    for (const Case& c : cases) {
        const QueryString query = QueryString::parse(c.raw, publicationKeys());
        EXPECT_EQ(query.value(QLatin1String(c.key)), QString::fromLatin1(c.value)) << c.raw << " " << c.key;
    }
}
