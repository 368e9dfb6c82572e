#include "windows/clsLineSpelling.h"

#include "spelling/basSpellingWords.h"
#include "spelling/clsSpeller.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTextCharFormat>

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
    if (mobjSpeller && mobjSpeller->IsValid()) {
        QTextCharFormat objWrong;
        objWrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        objWrong.setUnderlineColor(Qt::red);
        // The formats' positions count from the cursor.
        const int intCursor = mtxtBox->cursorPosition();
        for (const udtSpellingWord& udtWord : SpellingWords(mtxtBox->text()))
            if (!mobjSpeller->Check(udtWord.Word))
                udtMarks.append({QInputMethodEvent::TextFormat, int(udtWord.Start) - intCursor, int(udtWord.Length), objWrong});
    }
    QInputMethodEvent objEvent(QString(), udtMarks);
    QCoreApplication::sendEvent(mtxtBox, &objEvent);
}

}  // namespace tralyx
