#include <QCoreApplication>
#include <gtest/gtest.h>

// One application object for the whole test program, so that timers,
// events and the program folder work as they do in the daemon.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
