#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    // Tests run without a display (and at build time, for test discovery).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
