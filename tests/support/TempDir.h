#pragma once
// Files for tests, made by the tests in a fresh folder.
#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace tralyx::test {

class clsTempDir {
public:
    clsTempDir() { mobjDir.setAutoRemove(true); }
    QString Path(const QString& pstrName = QString()) const
    {
        return pstrName.isEmpty() ? mobjDir.path() : mobjDir.path() + u'/' + pstrName;
    }
    QString Write(const QString& pstrName, const QByteArray& pbytContent) const;  // returns the path
    // A language folder pstrName of the three files; returns its path.
    QString Language(const QString& pstrName, const QByteArray& pbytCore, const QByteArray& pbytMessages,
                     const QByteArray& pbytTexts) const
    {
        Write(pstrName + QStringLiteral("/core.lrc"), pbytCore);
        Write(pstrName + QStringLiteral("/messages.lrc"), pbytMessages);
        return QFileInfo(Write(pstrName + QStringLiteral("/secondary.lrc"), pbytTexts)).path();
    }
    static QByteArray Read(const QString& pstrPath);                              // empty when missing
    // A state file without the fingerprints of its records' texts, to compare with what a test expects.
    static QByteArray ReadState(const QString& pstrPath);

private:
    QTemporaryDir mobjDir;
};

}  // namespace tralyx::test
