#include "windows/memory/clsWorkbenchGlossary.h"

#include <QSettings>

namespace tralyx {
namespace {

const QString KeyPath = QStringLiteral("Glossary/Path");

}  // namespace

clsWorkbenchGlossary::clsWorkbenchGlossary(QObject* pobjParent) : QObject(pobjParent)
{
    setObjectName(QStringLiteral("objGlossary"));
}

QString clsWorkbenchGlossary::Path() const { return QSettings().value(KeyPath).toString(); }

bool clsWorkbenchGlossary::Read(const QString& pstrPath)
{
    mbooRead = true;
    mobjGlossary.reset();
    mstrProblem.clear();
    if (pstrPath.isEmpty()) return true;
    auto objGlossary = std::make_shared<clsGlossary>();
    if (!objGlossary->Load(pstrPath, mstrProblem)) return false;
    mobjGlossary = std::move(objGlossary);
    return true;
}

bool clsWorkbenchGlossary::SetPath(const QString& pstrPath, QString& pstrProblem)
{
    const bool booRead = Read(pstrPath);
    pstrProblem = mstrProblem;
    if (booRead) QSettings().setValue(KeyPath, pstrPath);
    else Read(Path());  // the one before stays
    return booRead;
}

std::shared_ptr<const clsGlossary> clsWorkbenchGlossary::Get(QString& pstrProblem)
{
    if (!mbooRead) Read(Path());
    pstrProblem = mstrProblem;
    return mobjGlossary;
}

}  // namespace tralyx
