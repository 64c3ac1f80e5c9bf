#include <QApplication>
#include <gtest/gtest.h>

// The device window needs an application object for the whole run. Test discovery runs this
// program without the tests' environment, so offscreen is the default.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
