#include "editor/clsFileDialog.h"

#include "common/basDesktop.h"

#include <QStringList>

namespace tralyx {
namespace {

QString AnyCasePattern(const QString& pstrPattern)
{
    if (pstrPattern == QLatin1String("*.*")) return QStringLiteral("*");
    QString strOut;
    for (const QChar c : pstrPattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            strOut += u'[' + c.toUpper() + c.toLower() + u']';
        else
            strOut += c;
    }
    return strOut;
}

}  // namespace

QString clsFileDialog::QtFilter(const QString& pstrClassicFilter)
{
    const QStringList strParts = pstrClassicFilter.split(u'|');
    QStringList strEntries;
    for (qsizetype i = 0; i + 1 < strParts.size(); i += 2) {
        QStringList strPatterns;
        for (const QString& strPattern : strParts[i + 1].split(u';', Qt::SkipEmptyParts))
            strPatterns += AnyCasePattern(strPattern.trimmed());
        strEntries += strParts[i] + QStringLiteral(" (") + strPatterns.join(u' ') + u')';
    }
    return strEntries.join(QStringLiteral(";;"));
}

bool clsFileDialog::ShowOpen()
{
    QString strName = mstrFileName;
    if (!Desktop().FileDialog(false, mstrFilter, strName)) {
        mstrFileName.clear();
        return false;
    }
    mstrFileName = strName;
    return true;
}

bool clsFileDialog::ShowSave()
{
    QString strName = mstrFileName;
    if (!Desktop().FileDialog(true, mstrFilter, strName)) return false;
    mstrFileName = strName;
    return true;
}

}  // namespace tralyx
