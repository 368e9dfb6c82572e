#include "spelling/basSpellingCheck.h"

#include "spelling/basMisspeltWords.h"

namespace tralyx {

void CheckSpelling(const clsSpeller& pobjSpeller, enuFileKind penuFile, const udtEntryText& pudtEntry,
                   std::vector<udtProblem>& pudtOut)
{
    if (pudtEntry.Missing() || pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Translation.isEmpty() ||
        pudtEntry.Translation == pudtEntry.Source)
        return;
    for (const udtSpellingWord& udtWord : MisspeltWords(&pobjSpeller, pudtEntry.Translation))
        pudtOut.push_back({QStringLiteral("spelling"), enuSeverity::Info, LanguageFileName(penuFile), pudtEntry.Line,
                           pudtEntry.SourceLine, pudtEntry.Id,
                           QStringLiteral("\"%1\" is not in the %2 dictionary").arg(udtWord.Word, pobjSpeller.Language())});
}

}  // namespace tralyx
