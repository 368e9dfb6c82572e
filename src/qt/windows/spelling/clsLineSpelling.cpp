#include "windows/spelling/clsLineSpelling.h"

#include "spelling/basMisspeltWords.h"
#include "windows/spelling/clsSpellHighlighter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace tralyx {

clsLineSpelling::clsLineSpelling(QLineEdit* ptxtBox) : QObject(ptxtBox), mtxtBox(ptxtBox)
{
    setObjectName(QStringLiteral("hilLineSpelling"));
    connect(mtxtBox, &QLineEdit::textChanged, this, &clsLineSpelling::Mark);
}

void clsLineSpelling::SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller)
{
    mobjSpeller = std::move(pobjSpeller);
    Mark();
}

void clsLineSpelling::Mark()
{
    QList<QInputMethodEvent::Attribute> udtMarks;
    const QTextCharFormat objWrong = clsSpellHighlighter::MisspeltFormat();
    // The formats' positions count from the cursor.
    const int intCursor = mtxtBox->cursorPosition();
    for (const udtSpellingWord& udtWord : MisspeltWords(mobjSpeller.get(), mtxtBox->text()))
        udtMarks.append({QInputMethodEvent::TextFormat, int(udtWord.Start) - intCursor, int(udtWord.Length), objWrong});
    QInputMethodEvent objEvent(QString(), udtMarks);
    QCoreApplication::sendEvent(mtxtBox, &objEvent);
}

}  // namespace tralyx
