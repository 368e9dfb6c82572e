// Widget tests run under the offscreen platform unless a display is asked for explicitly. Settings
// go to a temporary folder, emptied before every test, never to the user's own, and so do the
// personal word lists of the spelling (Enchant's configuration folder).
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class clsFreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { QSettings().clear(); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tralyx"));
    QApplication::setOrganizationName(QStringLiteral("Tralyx"));
    const QTemporaryDir objSettingsDir, objEnchantDir;
    qputenv("ENCHANT_CONFIG_DIR", QFile::encodeName(objEnchantDir.path()));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (const QSettings::Scope enuScope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::IniFormat, enuScope, objSettingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new clsFreshSettings);
    return RUN_ALL_TESTS();
}
