#pragma once
// Files for tests, made by the tests in a fresh folder.
#include <QByteArray>
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
    static QByteArray Read(const QString& pstrPath);                              // empty when missing

private:
    QTemporaryDir mobjDir;
};

}  // namespace tralyx::test
