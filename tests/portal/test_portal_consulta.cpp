// The consultation page: every filter narrows, every order sorts, the
// publication-list form and the retrieval of one document's bytes.
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

using zv::test::PortalProcess;
using zv::test::fromWire;
using zv::test::splitWire;

namespace {

using Record = QStringList;

struct Consultation {
    QStringList lines;
    QList<Record> records;
};

Consultation consult(PortalProcess& portal, const std::string& session, const std::string& filters,
                     const std::string& page = "//printer/consulta_b.asp?")
{
    Consultation c;
    c.lines = portal.lines(page + session + filters);
    if (c.lines.size() == 3 && !c.lines[1].isEmpty())
        for (const QString& record : splitWire(c.lines[1], QStringLiteral("<!#")))
            c.records << splitWire(record, QStringLiteral(">@%"));
    return c;
}

QDate day(const QString& text)
{
    return QDate::fromString(text.left(10), QStringLiteral("dd/MM/yyyy"));
}

QDateTime moment(const QString& text)
{
    return QDateTime::fromString(text, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

class PortalConsulta : public ::testing::Test {
protected:
    void SetUp() override
    {
        portal = std::make_unique<PortalProcess>(home.path() + QStringLiteral("/portal"));
        ASSERT_TRUE(portal->started()) << portal->startOutput().toStdString();
        session = portal->demoSession();
        all = consult(*portal, session, "&t=0&o=0");
        ASSERT_EQ(all.lines.size(), 3);
    }

    zv::test::TempHome home;
    std::unique_ptr<PortalProcess> portal;
    std::string session;
    Consultation all;
};

} // namespace

TEST_F(PortalConsulta, AnswerHasTheSystemLineRecordsOfSeventeenFieldsAndTheirCount)
{
    EXPECT_EQ(all.lines[0], QStringLiteral("Zorvelanta Printer"));
    EXPECT_EQ(all.lines[2], QString::number(all.records.size()));
    EXPECT_GE(all.records.size(), 150);
    QSet<QString> ids, types;
    for (const Record& r : all.records) {
        ASSERT_EQ(r.size(), 17) << r.join('|').toStdString();
        ids << r[2];
        types << r[1];
        EXPECT_TRUE(moment(r[8]).isValid()) << r[8].toStdString();
        EXPECT_EQ(r[6], QStringLiteral("PDF"));
        EXPECT_GT(r[5].toLongLong(), 200);
        EXPECT_TRUE(QFile::exists(portal->dataDir() + QStringLiteral("/documentos/") + r[2] + ".pdf"));
    }
    EXPECT_EQ(ids.size(), all.records.size());
    EXPECT_EQ(types, (QSet<QString>{"P", "R", "D", "I"}));
    // The single-slash form of the page answers the same.
    EXPECT_EQ(consult(*portal, session, "&t=0&o=0", "/printer/consulta_b.asp?").lines, all.lines);
}

TEST_F(PortalConsulta, EachFilterNarrowsToTheDocumentsItNames)
{
    const QDate today = QDate::currentDate();
    const QDate from = today.addDays(-120), to = today.addDays(-30);
    const std::string range = "&i=" + from.toString("yyyyMMdd").toStdString() + "&f="
                              + to.toString("yyyyMMdd").toStdString();
    struct Case {
        std::string filters;
        std::function<bool(const Record&)> holds;
    } const cases[] = {
        {"&e=1001&t=0&o=0", [](const Record& r) { return r[0] == QStringLiteral("Padaria São João Ltda"); }},
        {"&t=1&o=0", [](const Record& r) { return r[1] == "P" && !r[14].isEmpty() && !r[15].isEmpty(); }},
        {"&t=2&o=0", [](const Record& r) { return r[1] == "R"; }},
        {"&t=3&o=0", [](const Record& r) { return r[1] == "D"; }},
        {"&t=4&o=0", [](const Record& r) { return day(r[8]) < QDate(2008, 10, 6); }},
        {"&t=0&d=t" + range + "&o=0",
         [&](const Record& r) { return day(r[8]) >= from && day(r[8]) <= to; }},
        {"&t=1&d=v" + range + "&o=0",
         [&](const Record& r) { return day(r[14]) >= from && day(r[14]) <= to; }},
        {"&t=0&d=t&f=" + to.toString("yyyyMMdd").toStdString() + "&o=0",
         [&](const Record& r) { return day(r[8]) <= to; }},
        {"&t=0&u=102&o=0", [](const Record& r) { return r[11] == QStringLiteral("Márcia Fiscal"); }},
        {"&t=0&o=0&m=1", [](const Record& r) { return !r[9].isEmpty(); }},
        {"&t=0&o=0&m=2", [](const Record& r) { return r[9].isEmpty(); }},
        {"&t=0&o=0&m=3",
         [&](const Record& r) {
             return r[10].isEmpty() && (r[13].isEmpty() || day(r[13]) >= today)
                    && (r[12].isEmpty() || day(r[12]) <= today);
         }},
        {"&t=0&o=0&m=4", [](const Record& r) { return !r[10].isEmpty() && r[7] == "Apagado"; }},
        {"&e=1005&t=1&u=101&o=3&m=2",
         [](const Record& r) {
             return r[0] == QStringLiteral("Clínica Odontológica Sorriso") && r[1] == "P"
                    && r[11] == "financeiro" && r[9].isEmpty();
         }},
    };
    for (const Case& c : cases) {
        const Consultation narrowed = consult(*portal, session, c.filters);
        ASSERT_EQ(narrowed.lines.size(), 3) << c.filters;
        EXPECT_EQ(narrowed.lines[2], QString::number(narrowed.records.size())) << c.filters;
        EXPECT_LT(narrowed.records.size(), all.records.size()) << c.filters;
        EXPECT_GT(narrowed.records.size(), 0) << c.filters;
        for (const Record& r : narrowed.records)
            EXPECT_TRUE(c.holds(r)) << c.filters << ": " << r.join('|').toStdString();
        int expected = 0;
        for (const Record& r : all.records)
            expected += c.holds(r) ? 1 : 0;
        if (c.filters.find("d=v") == std::string::npos) {
            EXPECT_EQ(narrowed.records.size(), expected) << c.filters << ": a matching document was left out";
        }
    }
    EXPECT_EQ(consult(*portal, session, "&t=0&o=0&m=1").records.size()
                  + consult(*portal, session, "&t=0&o=0&m=2").records.size(),
              all.records.size());
}

TEST_F(PortalConsulta, NothingFoundIsTheSystemLineAnEmptyLineAndZero)
{
    EXPECT_EQ(consult(*portal, session, "&t=0&d=t&i=20300101&o=0").lines,
              (QStringList{QStringLiteral("Zorvelanta Printer"), QString(), QStringLiteral("0")}));
    EXPECT_EQ(consult(*portal, session, "&e=99999&t=0&o=0").lines.value(2), QStringLiteral("0"));
}

TEST_F(PortalConsulta, EachOrderSortsItsColumn)
{
    auto activation = [](const Record& r) { return day(r[12].isEmpty() ? r[8] : r[12]); };
    auto lowerAscii = [](const QString& s) {
        QByteArray b = s.toUtf8();
        for (char& c : b)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return b;
    };
    struct Case {
        int order;
        // true when a may come before b
        std::function<bool(const Record&, const Record&)> inOrder;
    } const cases[] = {
        {0, [](const Record& a, const Record& b) { return moment(a[8]) >= moment(b[8]); }},
        {1, [&](const Record& a, const Record& b) { return activation(a) >= activation(b); }},
        {2, [](const Record& a, const Record& b) {
             return b[13].isEmpty() || (!a[13].isEmpty() && day(a[13]) <= day(b[13]));
         }},
        {3, [](const Record& a, const Record& b) {
             return b[14].isEmpty() || (!a[14].isEmpty() && day(a[14]) <= day(b[14]));
         }},
        {4, [&](const Record& a, const Record& b) { return lowerAscii(a[3]) <= lowerAscii(b[3]); }},
        {5, [&](const Record& a, const Record& b) { return lowerAscii(a[11]) <= lowerAscii(b[11]); }},
    };
    for (const Case& c : cases) {
        const Consultation sorted = consult(*portal, session, "&t=0&o=" + std::to_string(c.order));
        ASSERT_EQ(sorted.records.size(), all.records.size()) << c.order;
        for (int i = 1; i < sorted.records.size(); ++i)
            ASSERT_TRUE(c.inOrder(sorted.records[i - 1], sorted.records[i]))
                << "order " << c.order << " at " << i << ": "
                << sorted.records[i - 1].join('|').toStdString() << " / "
                << sorted.records[i].join('|').toStdString();
    }
}

TEST_F(PortalConsulta, PublicationListFormIgnoresEveryOtherFilter)
{
    const Consultation listed = consult(*portal, session, "&li=100003*100001*999999*&t=1&e=1001&m=4");
    ASSERT_EQ(listed.records.size(), 2);
    QSet<QString> ids{listed.records[0][2], listed.records[1][2]};
    EXPECT_EQ(ids, (QSet<QString>{"100001", "100003"}));
    EXPECT_EQ(consult(*portal, session, "&li=").lines.value(2), QStringLiteral("0"));
}

TEST_F(PortalConsulta, MalformedValuesAndUnknownSessionsAreRefusedWithASentence)
{
    struct Case {
        std::string query;
        const char* code;
        const char* sentence;
    } const cases[] = {
        {session + "&t=9&o=0", "0", "Tipo de documento inválido!"},
        {session + "&t=x&o=0", "0", "Tipo de documento inválido!"},
        {session + "&t=0&o=6", "0", "Ordem inválida!"},
        {session + "&t=0&o=0&m=5", "0", "Opção de visualização inválida!"},
        {session + "&e=abc&t=0&o=0", "0", "Cliente inválido!"},
        {session + "&t=0&u=-3&o=0", "0", "Usuário inválido!"},
        {session + "&t=1&d=x&o=0", "0", "Tipo de data inválido!"},
        {session + "&t=1&d=v&i=20261399&o=0", "0", "Data inicial inválida!"},
        {session + "&t=1&d=v&f=2026-01-01&o=0", "0", "Data final inválida!"},
        {session + "&li=100001*abc", "0", "Lista de documentos inválida!"},
        {"s=5&l=101&t=0&o=0", "1", "Sessão inválida! Faça o login novamente."},
        {"t=0&o=0", "0", "Sessão não informada!"},
    };
    for (const Case& c : cases) {
        const QStringList answer = portal->lines("//printer/consulta_b.asp?" + c.query);
        EXPECT_EQ(answer, (QStringList{QLatin1String(c.code), QString::fromUtf8(c.sentence)})) << c.query;
    }
}

TEST_F(PortalConsulta, RetrievalAnswersTheStoredFileByteForByteAndRecordsTheBackup)
{
    const std::string number = session.substr(2, session.find('&') - 2);
    const QString documents = portal->dataDir() + QStringLiteral("/documentos/");
    Record live, deleted;
    for (const Record& r : all.records) {
        if (r[10].isEmpty() && r[16].isEmpty() && live.isEmpty())
            live = r;
        if (!r[10].isEmpty() && deleted.isEmpty())
            deleted = r;
    }
    ASSERT_FALSE(live.isEmpty());
    ASSERT_FALSE(deleted.isEmpty());

    const QByteArray content = portal->get("/printer/consulta_b.asp?l=101&s=" + number + "&ia="
                                           + live[2].toStdString() + "&");
    EXPECT_EQ(content, zv::test::readAll(documents + live[2] + ".pdf"));
    EXPECT_TRUE(content.startsWith("%PDF-1.4\n"));
    EXPECT_TRUE(content.endsWith("%%EOF\n"));
    EXPECT_EQ(QString::number(content.size()), live[5]);
    EXPECT_FALSE(consult(*portal, session, "&li=" + live[2].toStdString()).records.value(0).value(16).isEmpty());

    // No such document, for whatever reason, is an empty body.
    for (const std::string& query :
         {"l=101&s=" + number + "&ia=" + deleted[2].toStdString() + "&", "l=101&s=" + number + "&ia=42&",
          "l=101&s=" + number + "&ia=&", "l=101&s=7&ia=" + live[2].toStdString() + "&",
          "l=102&s=" + number + "&ia=" + live[2].toStdString() + "&"}) {
        EXPECT_TRUE(portal->get("/printer/consulta_b.asp?" + query).isEmpty()) << query;
        EXPECT_EQ(portal->lastStatus(), 200) << query;
    }
}
