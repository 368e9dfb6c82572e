// Replacement markers on any text and replacement string, and DisplayMessage around them.
#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "FuzzInput.h"
#include "FuzzSupport.h"
#include "runtime/basMessageMarkers.h"

#include <optional>
#include <string>

using namespace tralyx;
using namespace tralyx::fuzz;

namespace {

constexpr size_t MaxPosition = 32767;  // positions in a text are 16-bit

// The rule written out on plain UTF-16: "[#!" opens, the first "!#]" after it closes, the span is
// replaced, and the search goes on after the inserted text. Nothing for an overflow.
std::optional<std::u16string> Reference(std::u16string t, const std::u16string& r)
{
    size_t s = 0;
    for (;;) {
        const size_t p1 = t.find(u"[#!", s);
        if (p1 == std::u16string::npos) return t;
        if (p1 >= MaxPosition) return std::nullopt;
        const size_t p2 = t.find(u"!#]", p1 + 3);
        if (p2 == std::u16string::npos) return t;
        if (p2 >= MaxPosition) return std::nullopt;
        t = t.substr(0, p1) + r + t.substr(p2 + 3);
        s = p1 + r.size();
    }
}

std::u16string U16(const QString& s) { return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), s.size()); }
// Not QString::fromUtf16: it would take a leading U+FEFF for a byte-order mark and drop it.
QString Q(const std::u16string& s) { return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size())); }

// Replaces until stable, so the piece cannot hold the pattern afterwards.
QString Without(QString s, const QString& pstrPattern)
{
    while (s.contains(pstrPattern)) s.replace(pstrPattern, QString());
    return s;
}

// GetReplacedText and ReplaceMarkedText agree with each other and with the rule, or both overflow.
std::optional<QString> Replaced(const QString& t, const QString& r)
{
    const std::optional<std::u16string> strWanted = Reference(U16(t), U16(r));
    std::optional<QString> strGot;
    try {
        strGot = GetReplacedText(t, r);
    } catch (const clsOverflow&) {
    }
    bool booOverflowInPlace = false;
    QString strInPlace = t;
    try {
        ReplaceMarkedText(strInPlace, r);
    } catch (const clsOverflow&) {
        booOverflowInPlace = true;
    }
    Check(strGot.has_value() == !booOverflowInPlace, "GetReplacedText and ReplaceMarkedText differ on overflow");
    Check(strGot.has_value() == strWanted.has_value(),
          std::string(strGot ? "no overflow" : "an overflow") + " for a text of " + std::to_string(t.size()) + " characters");
    if (!strGot) return std::nullopt;
    Check(*strGot == strInPlace, "GetReplacedText and ReplaceMarkedText give different texts");
    Check(*strGot == Q(*strWanted), "replacing " + Show(t) + " with " + Show(r) + " gave " + Show(*strGot) +
                                         ", not " + Show(Q(*strWanted)));
    return strGot;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop& objDesktop = clsFuzzDesktop::Installed();
    clsFuzzInput objIn(pbytData, plngSize);
    const uint8_t bytFlags = objIn.Byte();
    const QString strR = objIn.Text(6);

    // 1. Well-formed markup: plain pieces and markers; every marker becomes R, nothing else changes.
    QString strText, strWanted;
    const uint32_t lngPieces = objIn.Upto(12);
    for (uint32_t i = 0; i < lngPieces; ++i) {
        if (objIn.Bool()) {
            const QString strLabel = Without(objIn.Text(5), QStringLiteral("!#]"));
            strText += QStringLiteral("[#!") + strLabel + QStringLiteral("!#]");
            strWanted += strR;
        } else {
            // Plain text must not open a marker, neither alone nor joined to the plain text before it.
            QString strPlain = objIn.Text(5);
            const bool booAfterPlain = !strText.isEmpty() && !strText.endsWith(QStringLiteral("!#]"));
            if (booAfterPlain) {
                const QString strJoined = Without(strText.right(2) + strPlain, QStringLiteral("[#!"));
                if (!strJoined.startsWith(strText.right(2))) continue;  // would eat into the text before
                strPlain = strJoined.mid(2);
            } else {
                strPlain = Without(strPlain, QStringLiteral("[#!"));
            }
            strText += strPlain;
            strWanted += strPlain;
        }
    }
    if (Reference(U16(strText), U16(strR))) {
        const std::optional<QString> strGot = Replaced(strText, strR);
        Check(strGot && *strGot == strWanted, "well-formed markup " + Show(strText) + " with " + Show(strR) +
                                                  " gave " + Show(strGot.value_or(QString())) + ", not " + Show(strWanted));
    }

    // 2. Any text, now and then pushed beyond the 32,767 characters that positions can count.
    QString strAny = objIn.Text(40);
    if (bytFlags & 1) strAny.prepend(QString(static_cast<qsizetype>(MaxPosition) - 8 + objIn.Upto(16), u'x'));
    const std::optional<QString> strAnyReplaced = Replaced(strAny, strR);
    if (!strAny.contains(QStringLiteral("[#!")))
        Check(strAnyReplaced && *strAnyReplaced == strAny, "a text without an opening marker changed");

    // 3. DisplayMessage: stored or supplied title and text, the stored entry read only when needed.
    clsTralyx objStore;
    QVector<MessageItem> udtTable;
    const uint32_t lngStored = objIn.Upto(3);
    for (uint32_t i = 0; i < lngStored; ++i) udtTable.append({objIn.Byte(), objIn.Text(8), objIn.Text(4)});
    if (bytFlags & 2) udtTable.append({0, strAny, strText});
    objStore.SetMessageTable(udtTable);
    const uint8_t bytId = objIn.Upto(4) == 4 ? objIn.Byte() : static_cast<uint8_t>(objIn.Upto(3));
    const QString strTitle = (bytFlags & 4) ? objIn.Text(6) : QString();
    const QString strMessage = (bytFlags & 8) ? objIn.Text(10) : QString();
    const int32_t lngStyle = objIn.Byte();
    const int32_t lngAnswer = 1 + objIn.Upto(6);

    const bool booNeedsEntry = strTitle.isEmpty() || strMessage.isEmpty();
    const bool booHasEntry = bytId < udtTable.size();
    const MessageItem udtEntry = booHasEntry ? udtTable[bytId] : MessageItem();
    const QString strRawTitle = !strTitle.isEmpty() ? strTitle : udtEntry.Title;
    const QString strRawText = !strMessage.isEmpty() ? strMessage : udtEntry.Message;
    const bool booTitleOverflows = !strRawTitle.isEmpty() && !Reference(U16(strRawTitle), U16(strR));
    const bool booTextOverflows = !strR.isEmpty() && !Reference(U16(strRawText), U16(strR));

    objDesktop.Clear();
    objDesktop.mlngNextAnswer = lngAnswer;
    const QString strBefore = strR + strTitle + strMessage;
    try {
        const int32_t lngResult = objStore.DisplayMessage(bytId, strR, lngStyle, strTitle, strMessage);
        Check(!booNeedsEntry || booHasEntry, "DisplayMessage showed a message it does not have");
        Check(!booTitleOverflows && !booTextOverflows, "DisplayMessage did not report an overflow");
        Check(lngResult == lngAnswer, "DisplayMessage changed the answer");
        Check(objDesktop.mstrPrompts.size() == 1 && objDesktop.mlngStyles[0] == lngStyle, "not one box with the style given");
        const QString strWantedTitle = strRawTitle.isEmpty() ? App::Title() : *Replaced(strRawTitle, strR);
        const QString strWantedText = strR.isEmpty() ? strRawText : *Replaced(strRawText, strR);
        Check(objDesktop.mstrTitles[0] == strWantedTitle, "caption " + Show(objDesktop.mstrTitles[0]) + ", not " + Show(strWantedTitle));
        Check(objDesktop.mstrPrompts[0] == strWantedText, "prompt " + Show(objDesktop.mstrPrompts[0]) + ", not " + Show(strWantedText));
    } catch (const clsSubscriptOutOfRange&) {
        Check(booNeedsEntry && !booHasEntry, "subscript out of range for a message that exists or is not needed");
        Check(objDesktop.mstrPrompts.isEmpty(), "a box was shown before the error");
    } catch (const clsOverflow&) {
        Check(booTitleOverflows || booTextOverflows, "an overflow for texts within 32,767 characters");
        Check(objDesktop.mstrPrompts.isEmpty(), "a box was shown before the error");
    }
    Check(strBefore == strR + strTitle + strMessage, "DisplayMessage changed the caller's strings");
    objDesktop.mlngNextAnswer = 0;
    return 0;
}
