// The ui tests need one QApplication; they run offscreen unless told otherwise.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
#if defined(__unix__)
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
