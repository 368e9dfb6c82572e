#include "windows/editor/basTextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace tralyx {
namespace {

QTextDocument* Document(const QWidget* pobjControl)
{
    if (const auto* pobjPlain = qobject_cast<const QPlainTextEdit*>(pobjControl)) return pobjPlain->document();
    if (const auto* pobjRich = qobject_cast<const QTextEdit*>(pobjControl)) return pobjRich->document();
    return nullptr;
}

}  // namespace

bool IsTextBox(const QWidget* pobjControl)
{
    return qobject_cast<const QLineEdit*>(pobjControl) || Document(pobjControl);
}

bool IsReadOnlyTextBox(const QWidget* pobjControl)
{
    if (const auto* pobjLine = qobject_cast<const QLineEdit*>(pobjControl)) return pobjLine->isReadOnly();
    if (const auto* pobjPlain = qobject_cast<const QPlainTextEdit*>(pobjControl)) return pobjPlain->isReadOnly();
    if (const auto* pobjRich = qobject_cast<const QTextEdit*>(pobjControl)) return pobjRich->isReadOnly();
    return false;
}

enuBoxLines BoxLines(const QWidget* pobjControl)
{
    return qobject_cast<const QLineEdit*>(pobjControl) ? enuBoxLines::One : enuBoxLines::Several;
}

QString TextBoxText(const QWidget* pobjControl)
{
    if (const auto* pobjLine = qobject_cast<const QLineEdit*>(pobjControl))
        return BoxToStore(pobjLine->text(), enuBoxLines::One);
    // toPlainText() would turn no-break spaces into plain ones.
    if (const QTextDocument* objDocument = Document(pobjControl))
        return BoxToStore(objDocument->toRawText(), enuBoxLines::Several);
    return QString();
}

void LoadTextBox(QWidget* pobjControl, const QString& pstrStored)
{
    const QString strShown = StoreToBox(pstrStored, BoxLines(pobjControl));
    if (auto* pobjLine = qobject_cast<QLineEdit*>(pobjControl)) pobjLine->setText(strShown);
    else if (auto* pobjPlain = qobject_cast<QPlainTextEdit*>(pobjControl)) pobjPlain->setPlainText(strShown);
    else if (auto* pobjRich = qobject_cast<QTextEdit*>(pobjControl)) pobjRich->setPlainText(strShown);
}

void SetTextBoxText(QWidget* pobjControl, const QString& pstrStored)
{
    const QString strShown = StoreToBox(pstrStored, BoxLines(pobjControl));
    if (auto* pobjLine = qobject_cast<QLineEdit*>(pobjControl)) {
        // setText() would clear the undo history; an edit of the whole text keeps it.
        pobjLine->selectAll();
        if (strShown.isEmpty()) pobjLine->del();
        else pobjLine->insert(strShown);
        return;
    }
    QTextCursor objCursor;
    if (auto* pobjPlain = qobject_cast<QPlainTextEdit*>(pobjControl)) objCursor = pobjPlain->textCursor();
    else if (auto* pobjRich = qobject_cast<QTextEdit*>(pobjControl)) objCursor = pobjRich->textCursor();
    else return;
    objCursor.beginEditBlock();
    objCursor.select(QTextCursor::Document);
    objCursor.insertText(strShown);
    objCursor.endEditBlock();
    if (auto* pobjPlain = qobject_cast<QPlainTextEdit*>(pobjControl)) pobjPlain->setTextCursor(objCursor);
    else static_cast<QTextEdit*>(pobjControl)->setTextCursor(objCursor);
}

void InsertInTextBox(QWidget* pobjControl, const QString& pstrStored)
{
    const QString strShown = StoreToBox(pstrStored, BoxLines(pobjControl));
    if (auto* pobjLine = qobject_cast<QLineEdit*>(pobjControl)) pobjLine->insert(strShown);
    else if (auto* pobjPlain = qobject_cast<QPlainTextEdit*>(pobjControl)) pobjPlain->insertPlainText(strShown);
    else if (auto* pobjRich = qobject_cast<QTextEdit*>(pobjControl)) pobjRich->insertPlainText(strShown);
}

QString TextBoxSelection(const QWidget* pobjControl)
{
    if (const auto* pobjLine = qobject_cast<const QLineEdit*>(pobjControl)) return pobjLine->selectedText();
    QString strSelected;
    if (const auto* pobjPlain = qobject_cast<const QPlainTextEdit*>(pobjControl)) strSelected = pobjPlain->textCursor().selectedText();
    else if (const auto* pobjRich = qobject_cast<const QTextEdit*>(pobjControl)) strSelected = pobjRich->textCursor().selectedText();
    return strSelected.replace(QChar::ParagraphSeparator, u'\n');
}

}  // namespace tralyx
