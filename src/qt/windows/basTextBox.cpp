#include "basTextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tralyx {

bool IsTextBox(const QWidget* pobjControl)
{
    return qobject_cast<const QLineEdit*>(pobjControl) || qobject_cast<const QPlainTextEdit*>(pobjControl) ||
           qobject_cast<const QTextEdit*>(pobjControl);
}

bool IsReadOnlyTextBox(const QWidget* pobjControl)
{
    if (const auto* pobjLine = qobject_cast<const QLineEdit*>(pobjControl)) return pobjLine->isReadOnly();
    if (const auto* pobjPlain = qobject_cast<const QPlainTextEdit*>(pobjControl)) return pobjPlain->isReadOnly();
    if (const auto* pobjRich = qobject_cast<const QTextEdit*>(pobjControl)) return pobjRich->isReadOnly();
    return false;
}

QString TextBoxText(const QWidget* pobjControl)
{
    if (const auto* pobjLine = qobject_cast<const QLineEdit*>(pobjControl)) return pobjLine->text();
    if (const auto* pobjPlain = qobject_cast<const QPlainTextEdit*>(pobjControl)) return pobjPlain->toPlainText();
    if (const auto* pobjRich = qobject_cast<const QTextEdit*>(pobjControl)) return pobjRich->toPlainText();
    return QString();
}

void SetTextBoxText(QWidget* pobjControl, const QString& pstrText)
{
    // Several-line boxes hold "\n"; text from a Windows program brings CR LF.
    QString strLines = pstrText;
    strLines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (auto* pobjLine = qobject_cast<QLineEdit*>(pobjControl)) pobjLine->setText(pstrText);
    else if (auto* pobjPlain = qobject_cast<QPlainTextEdit*>(pobjControl)) pobjPlain->setPlainText(strLines);
    else if (auto* pobjRich = qobject_cast<QTextEdit*>(pobjControl)) pobjRich->setPlainText(strLines);
}

}  // namespace tralyx
