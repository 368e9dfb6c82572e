// Any bytes as a layout file: read or refused with its line, never in part and never a crash. What
// is read is JSON to Qt's own parser too, and reads back the same once written.
#include "FuzzSupport.h"
#include "store/basLayoutFile.h"

#include <QJsonDocument>
#include <QJsonParseError>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    using namespace tralyx;
    const QByteArray bytInput(reinterpret_cast<const char*>(pbytData), static_cast<qsizetype>(plngSize));
    QVector<udtFormLayout> udtForms;
    QString strReason;
    if (!ParseLayoutFile(bytInput, udtForms, strReason)) {
        Check(strReason.startsWith(QLatin1String("line ")) && udtForms.isEmpty(), "a refused layout names no line, or kept forms");
        return 0;
    }
    QJsonParseError udtError;
    QJsonDocument::fromJson(bytInput, &udtError);
    Check(udtError.error == QJsonParseError::NoError, "a layout read that is not JSON");
    const QByteArray bytWritten = LayoutFileContent(udtForms);
    QVector<udtFormLayout> udtAgain;
    Check(ParseLayoutFile(bytWritten, udtAgain, strReason), "a written layout is refused");
    Check(LayoutFileContent(udtAgain) == bytWritten, "a written layout reads back otherwise");
    return 0;
}
