#include "common/basApplication.h"

#include "common/Version.h"

#include <QCoreApplication>

namespace tralyx::App {

QString Title()
{
    const QString strName = QCoreApplication::applicationName();
    return strName.isEmpty() ? QStringLiteral("Tralyx") : strName;
}

namespace {
QString gstrPath;
}

QString Path()
{
    if (!gstrPath.isEmpty()) return gstrPath;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

void SetPath(const QString& pstrFolder) { gstrPath = pstrFolder; }

namespace {
QLocale& TextLocaleSlot()
{
    static QLocale objLocale(QLocale::English, QLocale::UnitedStates);
    return objLocale;
}
}  // namespace

QLocale TextLocale() { return TextLocaleSlot(); }
void SetTextLocale(const QLocale& pobjLocale) { TextLocaleSlot() = pobjLocale; }

int Major() { return TRALYX_VERSION_MAJOR; }
int Minor() { return TRALYX_VERSION_MINOR; }
int Revision() { return TRALYX_VERSION_REVISION; }

}  // namespace tralyx::App
