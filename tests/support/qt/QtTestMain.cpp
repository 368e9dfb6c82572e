// Widget tests run under the offscreen platform unless a display is asked for explicitly.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tralyx"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
