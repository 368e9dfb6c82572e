#include "clsJsonWriter.h"

#include "common/basJsonString.h"

namespace tralyx::cli {

void clsJsonWriter::NextItem()
{
    if (mbooAfterKey) {
        mbooAfterKey = false;
        return;
    }
    if (mudtLevels.isEmpty()) return;
    udtLevel& udtLevel = mudtLevels.back();
    if (udtLevel.Items++ > 0) mbytOut += ',';
    const int intIndent = mintBreak != Inline ? mintBreak : udtLevel.ItemIndent;
    mintBreak = Inline;
    if (intIndent != Inline) {
        mbytOut += '\n';
        mbytOut.append(intIndent, ' ');
    } else if (udtLevel.Items > 1) {
        mbytOut += ' ';
    }
}

void clsJsonWriter::Begin(char pchrOpen, int pintItemIndent, int pintCloseIndent)
{
    NextItem();
    mbytOut += pchrOpen;
    mudtLevels.append({pintItemIndent, pintCloseIndent, 0});
}

void clsJsonWriter::End(char pchrClose)
{
    const udtLevel udtLevel = mudtLevels.back();
    mudtLevels.removeLast();
    if (udtLevel.Items > 0 && udtLevel.CloseIndent != Inline) {
        mbytOut += '\n';
        mbytOut.append(udtLevel.CloseIndent, ' ');
    }
    mbytOut += pchrClose;
}

void clsJsonWriter::Key(const char* pstrName)
{
    NextItem();
    mbytOut += '"';
    mbytOut += pstrName;
    mbytOut += "\": ";
    mbooAfterKey = true;
}

void clsJsonWriter::String(QStringView pstrText)
{
    NextItem();
    AppendJsonString(mbytOut, pstrText, enuJsonTab::Short);
}

void clsJsonWriter::Number(qint64 plngValue)
{
    NextItem();
    mbytOut += QByteArray::number(plngValue);
}

void clsJsonWriter::Bool(bool pbooValue)
{
    NextItem();
    mbytOut += pbooValue ? "true" : "false";
}

void clsJsonWriter::Null()
{
    NextItem();
    mbytOut += "null";
}

}  // namespace tralyx::cli
