// The notices of a published document: the recipients of its company, and
// the notice to one address, recorded in the store and never mailed.
#include "portal/PortalProcess.h"
#include "portal/PublicationQuery.h"
#include "support/TempHome.h"

#include "portal/PortalStore.h"

#include <QDateTime>

#include <gtest/gtest.h>

using zv::test::PortalProcess;
using zv::test::PublicationQuery;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");

class PortalAvisos : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString ftpRoot = home.path() + QStringLiteral("/ftp");
        portal = std::make_unique<PortalProcess>(home.path() + QStringLiteral("/portal"),
                                                 QStringList{QStringLiteral("--ftp-root"), ftpRoot});
        ASSERT_TRUE(portal->started()) << portal->startOutput().toStdString();
        session = portal->demoSession();
        login = "l=101&s=" + zv::test::sessionNumberOf(session).toStdString();
        // One document each for a company with two contacts, one whose only
        // contact is scheduled, and one without e-mail.
        home.writeFile(QStringLiteral("ftp/aviso.pdf"), "%PDF-1.4 aviso");
        PublicationQuery q;
        q.session = zv::test::sessionNumberOf(session);
        q.clients = QStringLiteral("1001*1002*1004");
        q.file = QStringLiteral("aviso.pdf");
        const QStringList answer = portal->lines(q.target());
        ASSERT_EQ(answer.value(0), kSistema) << answer.join('|').toStdString();
        ids = answer.value(1).split(QLatin1Char('*'));
        ASSERT_EQ(ids.size(), 3);
    }

    std::string list(const QString& id, const char* mode)
    {
        return "/printer/avisos_b.asp?" + login + "&a=l&t=" + mode + "&u=" + id.toStdString() + "&";
    }

    std::string notice(const QString& id, const char* address)
    {
        return "//printer/avisos.asp?" + login + "&a=e&u=" + id.toStdString() + "&i=" + address;
    }

    zv::test::TempHome home;
    std::unique_ptr<PortalProcess> portal;
    std::string session;
    std::string login;
    QStringList ids;  // for 1001, 1002, 1004
};

} // namespace

TEST_F(PortalAvisos, ListNamesTheCompanyAndItsMainOrEveryRecipient)
{
    struct Case {
        int document;
        const char* mode;
        QStringList expected;
    } const cases[] = {
        {0, "1", {kSistema, QStringLiteral("Padaria São João Ltda"),
                  QStringLiteral("João Batista;joao@padariasaojoao.exemplo.com.br")}},
        {0, "2", {kSistema, QStringLiteral("Padaria São João Ltda"),
                  QStringLiteral("João Batista;joao@padariasaojoao.exemplo.com.br"),
                  QStringLiteral("Financeiro Padaria;financeiro@padariasaojoao.exemplo.com.br")}},
        {1, "1", {kSistema, QStringLiteral("Mercadinho Boa Vista ME"),
                  QStringLiteral("Ana Boa Vista;ana@mercadinhoboavista.exemplo.com.br")}},
        {1, "2", {kSistema, QStringLiteral("Mercadinho Boa Vista ME"),
                  QStringLiteral("Ana Boa Vista;ana@mercadinhoboavista.exemplo.com.br")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portal->lines(list(ids[c.document], c.mode)), c.expected) << c.document << " " << c.mode;
}

TEST_F(PortalAvisos, CompanyWithoutEmailOrDocumentForEveryCompanyAnswersNoBytes)
{
    for (const char* mode : {"1", "2"}) {
        EXPECT_EQ(portal->get(list(ids[2], mode)), QByteArray()) << mode;
        EXPECT_EQ(portal->lastStatus(), 200);
    }
    // A seeded document published for every company has no one company to
    // notify.
    std::int64_t forEveryCompany = 0;
    {
        zv::portal::PortalStore store(portal->dataDir() + QStringLiteral("/portal.sqlite"));
        auto row = store.database().prepare("SELECT id FROM documento WHERE cliente_id IS NULL LIMIT 1");
        ASSERT_TRUE(row.step());
        forEveryCompany = row.integer(0);
    }
    EXPECT_EQ(portal->get(list(QString::number(forEveryCompany), "2")), QByteArray());
}

TEST_F(PortalAvisos, NoticeIsRecordedAndAnswersSentOrScheduled)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    struct Case {
        int document;
        const char* address;
        const char* outcome;
    } const cases[] = {
        {0, "joao@padariasaojoao.exemplo.com.br", "1"},
        // Not a main contact, still one of the company's addresses.
        {0, "FINANCEIRO@padariasaojoao.exemplo.com.br", "1"},
        {1, "ana@mercadinhoboavista.exemplo.com.br", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portal->lines(notice(ids[c.document], c.address)), (QStringList{kSistema, QString::fromLatin1(c.outcome)}))
            << c.address;

    zv::portal::PortalStore store(portal->dataDir() + QStringLiteral("/portal.sqlite"));
    const auto first = store.notices(ids[0].toLongLong());
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].email, QStringLiteral("joao@padariasaojoao.exemplo.com.br"));
    EXPECT_EQ(first[0].outcome, 1);
    EXPECT_EQ(first[1].email, QStringLiteral("financeiro@padariasaojoao.exemplo.com.br"));
    const QDateTime moment = QDateTime::fromString(first[0].moment, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_TRUE(moment.isValid() && moment >= before) << first[0].moment.toStdString();
    const auto second = store.notices(ids[1].toLongLong());
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].outcome, 2);
    EXPECT_TRUE(store.notices(ids[2].toLongLong()).empty());
}

TEST_F(PortalAvisos, WrongRequestsAreRefusedWithASentenceAndRecordNothing)
{
    struct Case {
        std::string target;
        const char* reason;
    } const cases[] = {
        {notice(ids[1], "joao"), "Endereço de e-mail inválido"},
        {notice(ids[0], "alguem@exemplo"), "Endereço de e-mail inválido"},
        {notice(ids[2], "a;b@exemplo.com.br"), "Endereço de e-mail inválido"},
        {notice(ids[0], ""), "Endereço de e-mail não informado"},
        {notice(QStringLiteral("99999999"), "joao@padariasaojoao.exemplo.com.br"), "Documento não encontrado"},
        {notice(QStringLiteral("x"), "joao@padariasaojoao.exemplo.com.br"), "Documento não informado"},
        {"//printer/avisos.asp?" + login + "&a=l&u=" + ids[0].toStdString() + "&i=joao@padariasaojoao.exemplo.com.br",
         "Ação de aviso inválida"},
        {"//printer/avisos.asp?l=101&s=1&a=e&u=" + ids[0].toStdString() + "&i=joao@padariasaojoao.exemplo.com.br",
         "Sessão inválida"},
        {list(ids[0], "0"), "Modo de aviso inválido"},
        {list(ids[0], "3"), "Modo de aviso inválido"},
        {list(QStringLiteral("99999999"), "2"), "Documento não encontrado"},
        {"/printer/avisos_b.asp?" + login + "&a=e&t=2&u=" + ids[0].toStdString() + "&", "Ação de aviso inválida"},
        {"/printer/avisos_b.asp?a=l&t=2&u=" + ids[0].toStdString() + "&", "Sessão não informada"},
    };
    for (const Case& c : cases) {
        const QStringList answer = portal->lines(c.target);
        ASSERT_EQ(answer.size(), 2) << c.target;
        EXPECT_NE(answer[0], kSistema) << c.target;
        EXPECT_TRUE(answer[1].startsWith(QString::fromUtf8(c.reason))) << c.target << ": " << answer[1].toStdString();
    }
    zv::portal::PortalStore store(portal->dataDir() + QStringLiteral("/portal.sqlite"));
    for (const QString& id : ids)
        EXPECT_TRUE(store.notices(id.toLongLong()).empty()) << id.toStdString();
}

TEST(PortalAvisosSeed, StoreWrittenWithoutContactsGainsThemOnceAtTheNextStart)
{
    zv::test::TempHome home;
    const QString data = home.path() + QStringLiteral("/portal");
    {
        PortalProcess first(data);
        ASSERT_TRUE(first.started()) << first.startOutput().toStdString();
    }
    {
        zv::portal::PortalStore store(data + QStringLiteral("/portal.sqlite"));
        store.database().exec("DELETE FROM contato");
        ASSERT_FALSE(store.hasContacts());
    }
    PortalProcess again(data);
    ASSERT_TRUE(again.started()) << again.startOutput().toStdString();
    EXPECT_TRUE(again.startOutput().contains(QStringLiteral("contatos de e-mail de demonstração criados")));
    again.stop();
    PortalProcess third(data);
    ASSERT_TRUE(third.started()) << third.startOutput().toStdString();
    EXPECT_FALSE(third.startOutput().contains(QStringLiteral("contatos")));
    zv::portal::PortalStore store(data + QStringLiteral("/portal.sqlite"));
    EXPECT_EQ(store.contacts(1001, true).size(), 2u);
    EXPECT_TRUE(store.contacts(1004, true).empty());
}
