#include "core/ErrorLog.h"
#include "core/ErrorTrap.h"
#include "core/Folders.h"
#include "core/ModFuncs.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zv;

namespace {

const QDateTime kWhen(QDate(2011, 3, 17), QTime(9, 5, 7));

void fillTo(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, 'x'));
}

} // namespace

TEST(ErrorLog, FirstFailureCreatesTheLogWithAFullRecordAndShowsTheBox)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    platform::Clock::set([] { return kWhen; });
    core::TrataErro(53, QStringLiteral("frmMainDaemon"), QStringLiteral("Monitora"));

    const QString log = home.appData() + QStringLiteral("/ZorvelantaPrinter/report/ERRO.LOG");
    EXPECT_EQ(core::Folders::errorLog(), log);
    const QByteArray expected =
        "\r\n"
        "\r\n"
        "*Begin Error\r\n"
        "*    Descricao|Arquivo n\xE3o encontrado\r\n"
        "*        ErroN|53\r\n"
        "*   AppEXENome|test_core\r\n"
        "*       Modulo|frmMainDaemon\r\n"
        "*    Procedure|Monitora\r\n"
        "*         Data|17/03/2011\r\n"
        "*         Hora|09:05:07\r\n"
        "*End Error\r\n";
    EXPECT_EQ(test::readAll(log), expected);

    ASSERT_EQ(dialogs.boxes().size(), 1);
    const auto& box = dialogs.boxes().first();
    EXPECT_EQ(box.title, QStringLiteral("Mensagem de ERRO do sistema!"));
    EXPECT_EQ(box.icon, platform::Icon::Critical);
    EXPECT_EQ(box.buttons, platform::Buttons::Ok);
    EXPECT_TRUE(box.rightAligned);
    EXPECT_EQ(box.text, QStringLiteral("ERRO\r\n"
                                       "Se este erro persistir informe o Administrador do sistema!\r\n"
                                       "NoMessage: Falso\r\n"
                                       "IsExe: Verdadeiro\r\n"
                                       "frmMainDaemon - Monitora\r\n"
                                       "53 - Arquivo não encontrado"));
}

TEST(ErrorLog, WhatIsAppendedDependsOnTheLengthBeforeTheWrite)
{
    struct Case { qint64 before; const char* appended; };
    const QByteArray full = platform::toCp1252(core::ErrorLog::record(
        platform::errorDescription(5), 5, QStringLiteral("frmLogin"), QStringLiteral("suEntrar"), kWhen));
    const Case cases[] = {
        {0, full.constData()},
        {409600, full.constData()},
        {409601, "170311090507 frmLogin\r\n"},
        {809600, "170311090507 frmLogin\r\n"},
        {809601, ""},
    };
    for (const Case& c : cases) {
        test::TempHome home;
        const QString log = core::Folders::errorLog();
        QDir().mkpath(core::Folders::report());
        if (c.before > 0)
            fillTo(log, c.before);
        core::ErrorLog::append(log, 5, QStringLiteral("frmLogin"), QStringLiteral("suEntrar"), kWhen);
        EXPECT_EQ(test::readAll(log).mid(int(c.before)), QByteArray(c.appended)) << c.before;
    }
}

TEST(ErrorLog, LongProcedureNameIsCutInTheRecordButShownWholeInTheBox)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    const QString name(250, QLatin1Char('p'));
    core::TrataErro(13, QStringLiteral("ModFuncs"), name);
    const QString log = platform::fromCp1252(test::readAll(core::Folders::errorLog()));
    EXPECT_TRUE(log.contains(QStringLiteral("*    Procedure|") + QString(200, QLatin1Char('p')) + QStringLiteral("\r\n")));
    EXPECT_FALSE(log.contains(QString(201, QLatin1Char('p'))));
    EXPECT_TRUE(dialogs.texts().first().contains(QStringLiteral("ModFuncs - ") + name + QStringLiteral("\r\n")));
}

TEST(ErrorLog, FullLogStillShowsTheBoxAndAnUnwritableFolderLosesOnlyTheRecord)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    fillTo(core::Folders::errorLog(), 809601);
    core::TrataErro(53, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(QFileInfo(core::Folders::errorLog()).size(), 809601);
    EXPECT_EQ(dialogs.boxes().size(), 1);

    // report/ERRO.LOG is a folder: the record cannot be written, nothing fails.
    test::TempHome other;
    QDir().mkpath(core::Folders::errorLog());
    core::TrataErro(53, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(dialogs.boxes().size(), 2);
}

TEST(ErrorTrap, ReportsEachFailingStatementAndGoesOn)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    core::ErrorTrap trap(QStringLiteral("frmMainDaemon"), QStringLiteral("Form_Load"));
    QStringList ran;
    trap([&] { ran << "1"; });
    trap([&] { throw platform::Failure(platform::kErrPathNotFound); });
    trap([&] { ran << "3"; });
    // A failing test of a conditional goes on into its true branch.
    EXPECT_TRUE(trap.test([]() -> bool { throw platform::Failure(13); }));
    EXPECT_FALSE(trap.test([] { return false; }));
    EXPECT_EQ(ran, (QStringList{"1", "3"}));
    EXPECT_EQ(trap.failures(), 2);
    ASSERT_EQ(dialogs.boxes().size(), 2);
    EXPECT_TRUE(dialogs.texts().at(0).endsWith(QStringLiteral("frmMainDaemon - Form_Load\r\n76 - Caminho não encontrado")));
}
