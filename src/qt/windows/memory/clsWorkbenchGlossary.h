#pragma once
// The editor's glossary: one TBX or CSV file chosen with File > Glossary... and remembered in the
// settings, read once and again only when another is chosen.
#include "memory/clsGlossary.h"

#include <QObject>
#include <QString>
#include <memory>

namespace tralyx {

class clsWorkbenchGlossary : public QObject {
    Q_OBJECT
public:
    explicit clsWorkbenchGlossary(QObject* pobjParent);

    QString Path() const;  // empty: none
    // Remembers the file (empty: none) and reads it; false with the reason when it cannot be read
    // (then none is used, and none is remembered).
    bool SetPath(const QString& pstrPath, QString& pstrProblem);
    // The glossary, read from the remembered file on first use; nullptr when there is none or it
    // could not be read (why in pstrProblem).
    std::shared_ptr<const clsGlossary> Get(QString& pstrProblem);

private:
    bool Read(const QString& pstrPath);

    std::shared_ptr<const clsGlossary> mobjGlossary;
    bool mbooRead = false;
    QString mstrProblem;
};

}  // namespace tralyx
