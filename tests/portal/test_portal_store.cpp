// The demo office on disk: seeded once, kept across restarts, and a damaged
// store is reported, never replaced.
#include "portal/DemoFiles.h"
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using zv::test::PortalProcess;

TEST(PortalStore, SeedsOnceAndKeepsTheOfficeAcrossRestarts)
{
    zv::test::TempHome home;
    const QString data = home.path() + QStringLiteral("/portal");
    QByteArray firstAnswer;
    QByteArray firstFile;
    {
        PortalProcess portal(data);
        ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
        EXPECT_TRUE(portal.startOutput().contains(QStringLiteral("escritório de demonstração criado")));
        firstAnswer = portal.get("//printer/consulta_b.asp?" + portal.demoSession() + "&t=0&o=4");
        firstFile = zv::test::readAll(data + QStringLiteral("/documentos/100001.pdf"));
    }
    const int files = int(QDir(data + QStringLiteral("/documentos")).entryList(QDir::Files).size());
    EXPECT_GE(files, 150);

    PortalProcess again(data);
    ASSERT_TRUE(again.started()) << again.startOutput().toStdString();
    EXPECT_FALSE(again.startOutput().contains(QStringLiteral("criado")));
    const QByteArray secondAnswer = again.get("//printer/consulta_b.asp?" + again.demoSession() + "&t=0&o=4");
    EXPECT_EQ(secondAnswer.split('\n').value(2), firstAnswer.split('\n').value(2));
    EXPECT_EQ(zv::test::readAll(data + QStringLiteral("/documentos/100001.pdf")), firstFile);
    EXPECT_EQ(int(QDir(data + QStringLiteral("/documentos")).entryList(QDir::Files).size()), files);
}

TEST(PortalStore, DamagedStoreOrBadOptionsStopWithAReasonAndTouchNothing)
{
    zv::test::TempHome home;
    const QString data = home.path() + QStringLiteral("/damaged");
    const QByteArray garbage = QByteArray("not a database at all\n").repeated(200);
    home.writeFile(QStringLiteral("damaged/portal.sqlite"), garbage);

    struct Case {
        QStringList arguments;
        const char* reason;
    } const cases[] = {
        {{"--port", "0", "--data", data}, "banco"},
        {{"--port", "70000"}, "porta inválida"},
        {{"--listen", "portal.example"}, "endereço de escuta inválido"},
        {{"--session-lifetime", "0"}, "tempo de sessão inválido"},
        {{"--nada"}, "nada"},
    };
    for (const Case& c : cases) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(ZV_PORTAL_BINARY), c.arguments);
        ASSERT_TRUE(process.waitForFinished(20000)) << c.reason;
        EXPECT_NE(process.exitCode(), 0) << c.reason;
        EXPECT_TRUE(QString::fromLocal8Bit(process.readAll()).contains(QString::fromUtf8(c.reason)))
            << c.reason;
    }
    EXPECT_EQ(zv::test::readAll(data + QStringLiteral("/portal.sqlite")), garbage);
}

TEST(PortalStore, GeneratedPdfIsSelfConsistent)
{
    zv::test::TempHome home;
    const QByteArray pdf = zv::portal::makePdf({QStringLiteral("Certidão (negativa) \\ ação — 10/2026")});
    // Every byte printable or a line break: a single-byte text copy keeps it.
    for (char c : pdf)
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
    EXPECT_TRUE(pdf.contains("(Certid\\343o \\(negativa\\) \\\\ a\\347\\343o \\227 10/2026) Tj"));
    // The cross-reference table points at each object's first byte.
    const qsizetype xref = pdf.mid(pdf.lastIndexOf("startxref\n") + 10).split('\n').value(0).toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref\n0 6\n"));
    const QList<QByteArray> entries = pdf.mid(xref).split('\n').mid(3, 5);
    for (int i = 0; i < entries.size(); ++i) {
        const qsizetype offset = entries[i].left(10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(i + 1) + " 0 obj\n")) << i;
    }
    const qsizetype length = pdf.mid(pdf.indexOf("/Length ") + 8).split(' ').value(0).toLongLong();
    const qsizetype streamStart = pdf.indexOf("stream\n") + 7;
    EXPECT_EQ(pdf.indexOf("endstream"), streamStart + length);
}
