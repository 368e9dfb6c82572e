#pragma once
// The one JSON writer of tralyx-lrc's documents (dump, lint --json, update --json). Each document
// keeps the layout its readers see: a container's items on one line, or each on a line of its own
// at an indent, so that two outputs compare line by line.
#include <QByteArray>
#include <QStringView>
#include <QVarLengthArray>
#include <concepts>

namespace tralyx::cli {

class clsJsonWriter {
public:
    static constexpr int Inline = -1;

    explicit clsJsonWriter(QByteArray& pbytOut) : mbytOut(pbytOut) {}

    // pintItemIndent: each item on a new line indented so far, or Inline ("a, b"). pintCloseIndent:
    // the closing bracket on a new line indented so far when there were items, or Inline (right
    // after the last item). An empty container is "{}" or "[]".
    void BeginObject(int pintItemIndent = Inline, int pintCloseIndent = Inline) { Begin('{', pintItemIndent, pintCloseIndent); }
    void EndObject() { End('}'); }
    void BeginArray(int pintItemIndent = Inline, int pintCloseIndent = Inline) { Begin('[', pintItemIndent, pintCloseIndent); }
    void EndArray() { End(']'); }
    // The next item of the container alone starts a new line at this indent.
    void BreakLine(int pintIndent) { mintBreak = pintIndent; }

    void Key(const char* pstrName);
    void String(QStringView pstrText);
    void Number(qint64 plngValue);
    void Bool(bool pbooValue);
    void Null();

    void Field(const char* pstrName, QStringView pstrText) { Key(pstrName), String(pstrText); }
    // Not for a bool (Key and Bool): it would pass as a number.
    template <std::integral TNumber>
        requires(!std::same_as<TNumber, bool>)
    void Field(const char* pstrName, TNumber plngValue) { Key(pstrName), Number(plngValue); }

private:
    struct udtLevel {
        int ItemIndent;
        int CloseIndent;
        int Items;
    };
    void Begin(char pchrOpen, int pintItemIndent, int pintCloseIndent);
    void End(char pchrClose);
    void NextItem();  // the separator before a key, or before a value that has none

    QByteArray& mbytOut;
    QVarLengthArray<udtLevel, 8> mudtLevels;
    bool mbooAfterKey = false;
    int mintBreak = Inline;
};

}  // namespace tralyx::cli
