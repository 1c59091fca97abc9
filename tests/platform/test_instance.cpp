#include "platform/DialogService.h"
#include "platform/InstanceLock.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace zv::platform;

TEST(InstanceLock, SecondHolderFindsTheFirstRunningAndTheLockIsFreedAfterwards)
{
    zv::test::TempHome home;
    const QString path = InstanceLock::defaultPath();
    {
        InstanceLock first(path);
        EXPECT_FALSE(first.anotherInstanceRunning());
        InstanceLock second(path);
        EXPECT_TRUE(second.anotherInstanceRunning());
    }
    InstanceLock again(path);
    EXPECT_FALSE(again.anotherInstanceRunning());
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryBox)
{
    ScriptedDialogs dialogs;
    dialogs.answerNext(Answer::No);
    dialogs.answerNext(Answer::Yes);
    EXPECT_EQ(Dialogs::messageBox(QStringLiteral("a"), QStringLiteral("t"), Icon::Question, Buttons::YesNo), Answer::No);
    EXPECT_EQ(Dialogs::messageBox(QStringLiteral("b"), QStringLiteral("t"), Icon::Information), Answer::Ok);
    EXPECT_EQ(Dialogs::messageBox(QStringLiteral("c"), QStringLiteral("t"), Icon::Question, Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(Dialogs::messageBox(QStringLiteral("d"), QStringLiteral("t"), Icon::Question, Buttons::YesNo), Answer::No);
    EXPECT_EQ(dialogs.texts(), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(dialogs.unanswered(), 1);
}
