// The current document: type and category, title, the working and backup
// copies, the save to a place the user chose, the size.
#include "core/DocumentoAtual.h"
#include "core/Folders.h"
#include "core/classAmbiente.h"
#include "platform/ErrorNumbers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace zv;
using core::DocumentoAtual;

TEST(Documento, TypeAndCategoryOfAPathANameOrAnExtension)
{
    test::TempHome home;
    const struct {
        QString in;
        QString tipo;
        QString desc;
    } cases[] = {
        {QStringLiteral("/home/x/Relatório.Final.PDF"), QStringLiteral("pdf"), QStringLiteral("Documento Portátil")},
        {QStringLiteral("LEIAME"), QStringLiteral("leiame"), QStringLiteral("Outros")},
        {QString(), QString(), QStringLiteral("Outros")},
        {QStringLiteral("foto.JPG"), QStringLiteral("jpg"), QStringLiteral("Imagens")},
        {QStringLiteral("a.pps"), QStringLiteral("pps"), QStringLiteral("Apresentações")},
        {QStringLiteral("psw"), QStringLiteral("psw"), QStringLiteral("Documentos")},
        {QStringLiteral("c.xml"), QStringLiteral("xml"), QStringLiteral("Planilhas")},
        {QStringLiteral("p.htm"), QStringLiteral("htm"), QStringLiteral("Pagina de internet")},
        {QStringLiteral("job.prn"), QStringLiteral("prn"), QStringLiteral("Arquivo de Impressão")},
        {QStringLiteral("setup.exe"), QStringLiteral("exe"), QStringLiteral("Proibido")},
        {QStringLiteral("jsp"), QStringLiteral("jsp"), QStringLiteral("Proibido")},
        {QStringLiteral("b.tar"), QStringLiteral("tar"), QStringLiteral("Compactado")},
        {QStringLiteral("arquivo."), QString(), QStringLiteral("Outros")},
        {QStringLiteral("x.pdfx"), QStringLiteral("pdfx"), QStringLiteral("Outros")},
    };
    core::classAmbiente a;
    for (const auto& c : cases) {
        a.setTipo(c.in);
        EXPECT_EQ(a.Tipo(), c.tipo) << c.in.toStdString();
        EXPECT_EQ(a.TipoDesc(), c.desc) << c.in.toStdString();
        EXPECT_EQ(a.Tipo(), c.tipo); // the description does not change the type
    }
}

TEST(Documento, TitleIsTrimmedInTheCallersTextAndThePlaceholderCountsAsNone)
{
    test::TempHome home;
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {QStringLiteral("  Digite um Título  "), QString()},
        {QStringLiteral("Digite um Título"), QString()},
        {QStringLiteral(" Guia de março "), QStringLiteral("Guia de março")},
        {QStringLiteral("digite um título"), QStringLiteral("digite um título")},
        {QStringLiteral("   "), QString()},
    };
    core::classAmbiente a;
    for (const auto& c : cases) {
        QString caller = c.in;
        a.setTitulo(caller);
        EXPECT_EQ(caller, c.out) << c.in.toStdString();
        EXPECT_EQ(a.Titulo(), c.out) << c.in.toStdString();
    }
}

TEST(Documento, WorkingCopiesGetCleanFreeNamesAndTheDocumentFollows)
{
    test::TempHome home;
    const QString printed = home.writeFile(QStringLiteral("in/Nota #1 & 2%'\".pdf"), "conteudo");
    const QString proc = core::Folders::proc();
    const QString expectedNames[] = {QStringLiteral("Nota _1 _ 2___.pdf"), QStringLiteral("0_Nota _1 _ 2___.pdf"),
                                     QStringLiteral("1_Nota _1 _ 2___.pdf")};
    for (const QString& name : expectedNames) {
        DocumentoAtual d;
        QString path = printed;
        QString aviso;
        ASSERT_TRUE(d.ValidaArquivo(path, aviso));
        QString mensagem;
        ASSERT_TRUE(d.CopiaArquivo(QString(), mensagem)) << mensagem.toStdString();
        EXPECT_EQ(d.arquivo(), QDir(proc).filePath(name));
        EXPECT_EQ(test::readAll(d.arquivo()), QByteArray("conteudo"));
        // Already the working copy: nothing more is copied.
        const QString copy = d.arquivo();
        ASSERT_TRUE(d.CopiaArquivo(QString(), mensagem));
        EXPECT_EQ(d.arquivo(), copy);
    }
    EXPECT_EQ(QDir(proc).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(test::readAll(printed), QByteArray("conteudo"));
}

TEST(Documento, BackupCopyReplacesTheOlderOneAndLeavesTheDocumentWhereItIs)
{
    test::TempHome home;
    const QString printed = home.writeFile(QStringLiteral("in/guia.pdf"), "primeira");
    DocumentoAtual d;
    d.setArquivo(printed);
    QString mensagem;
    ASSERT_TRUE(d.CopiaArquivo(QStringLiteral("backup"), mensagem));
    home.writeFile(QStringLiteral("in/guia.pdf"), "segunda");
    ASSERT_TRUE(d.CopiaArquivo(QStringLiteral("backup"), mensagem));
    EXPECT_EQ(d.arquivo(), printed);
    EXPECT_EQ(test::readAll(core::Folders::back() + QStringLiteral("/guia.pdf")), QByteArray("segunda"));
    EXPECT_EQ(QDir(core::Folders::back()).entryList(QDir::Files).size(), 1);
}

TEST(Documento, FailedCopiesLeaveTheirSentence)
{
    const struct {
        const char* name;
        bool backup;
        bool folderIsAFile;
        QString message;
    } cases[] = {
        {"working copy of a missing file", false, false, QStringLiteral("Não foi possível capturar a impressão!")},
        {"backup of a missing file", true, false, QStringLiteral("Não foi possível armazenar o backup!")},
        {"PROC cannot be made", false, true, QStringLiteral("Não foi possível capturar a impressão!")},
        {"Back cannot be made", true, true, QStringLiteral("Não foi possível armazenar o backup!")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempHome home;
        DocumentoAtual d;
        if (c.folderIsAFile) {
            d.setArquivo(home.writeFile(QStringLiteral("in/doc.pdf"), "x"));
            home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/") + (c.backup ? core::Folders::kBack : core::Folders::kProc), "");
        } else {
            d.setArquivo(home.path() + QStringLiteral("/in/sumiu.pdf"));
        }
        const QString before = d.arquivo();
        QString mensagem;
        EXPECT_FALSE(d.CopiaArquivo(c.backup ? QStringLiteral("b") : QString(), mensagem));
        EXPECT_EQ(mensagem, c.message);
        EXPECT_EQ(d.arquivo(), before);
    }
}

TEST(Documento, SaveReplacesOnlyWhenAskedAndNeverHarmsTheDocument)
{
    const struct {
        const char* name;
        QString destino; // relative to the home; "@doc" is the document itself
        QByteArray existing;
        bool replace;
        bool saved;
        QByteArray after;
    } cases[] = {
        {"new file", QStringLiteral("out/copia.pdf"), {}, false, true, "documento"},
        {"existing, not replaced", QStringLiteral("out/copia.pdf"), "antigo", false, false, "antigo"},
        {"existing, replaced", QStringLiteral("out/copia.pdf"), "antigo", true, true, "documento"},
        {"onto the document itself", QStringLiteral("@doc"), {}, true, false, "documento"},
        {"missing folder", QStringLiteral("nao/existe/copia.pdf"), {}, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempHome home;
        QDir().mkpath(home.path() + QStringLiteral("/out"));
        const QString doc = home.writeFile(QStringLiteral("in/doc.pdf"), "documento");
        const QString destino = c.destino == QLatin1String("@doc") ? doc : home.path() + QLatin1Char('/') + c.destino;
        if (!c.existing.isEmpty())
            home.writeFile(c.destino, c.existing);
        core::classAmbiente a;
        a.setArquivo(doc);
        EXPECT_EQ(a.SalvarPDF(destino, c.replace), c.saved);
        EXPECT_EQ(a.Salvo(), c.saved);
        EXPECT_EQ(a.ArquivoSalvo(), c.saved ? destino : QString());
        EXPECT_EQ(test::readAll(destino), c.after);
        EXPECT_EQ(test::readAll(doc), QByteArray("documento"));
        EXPECT_EQ(QDir(QFileInfo(destino).absolutePath()).entryList({QStringLiteral("*.parcial")}, QDir::Files).size(), 0);
        a.setArquivo(QString()); // keep the test's file past the environment's end
    }
}

TEST(Documento, SizeInBytesOrAFailureForTheCaller)
{
    test::TempHome home;
    core::classAmbiente a;
    a.setArquivo(home.writeFile(QStringLiteral("in/doc.pdf"), QByteArray(12345, 'x')));
    EXPECT_EQ(a.ArquivoTamanho(), QStringLiteral("12345"));
    for (const QString& missing : {home.path() + QStringLiteral("/in/nada.pdf"), QString(), home.path()}) {
        a.setArquivo(missing);
        try {
            a.ArquivoTamanho();
            ADD_FAILURE() << "no failure for " << missing.toStdString();
        } catch (const platform::Failure& f) {
            EXPECT_EQ(f.number(), platform::kErrFileNotFound);
        }
    }
    a.setArquivo(QString());
}
