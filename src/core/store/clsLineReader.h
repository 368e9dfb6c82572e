#pragma once
// Splits a language file into lines. CR LF, a lone CR and a lone LF each end a line; a final line
// end does not make an empty last line. Lines are numbered from 1.
#include <QByteArrayView>
#include <cstring>
#include <cstdint>

namespace tralyx {

class clsLineReader {
public:
    explicit clsLineReader(QByteArrayView pbytContent)
        : mpbytNext(pbytContent.constData()), mpbytEnd(pbytContent.constData() + pbytContent.size()) {}

    // Moves to the next line; false at the end of the file.
    bool Next()
    {
        if (mpbytNext >= mpbytEnd) return false;
        mpbytLine = mpbytNext;
        // The line ends at the first CR before the next LF, or at that LF. The next LF is found once
        // and remembered, so that a file of lone CRs is not searched to its end for every line.
        if (!mpbytLF || mpbytLF < mpbytLine) {
            const void* hitLF = std::memchr(mpbytLine, '\n', static_cast<size_t>(mpbytEnd - mpbytLine));
            mpbytLF = hitLF ? static_cast<const char*>(hitLF) : mpbytEnd;
        }
        const void* hitCR = std::memchr(mpbytLine, '\r', static_cast<size_t>(mpbytLF - mpbytLine));
        const char* p = hitCR ? static_cast<const char*>(hitCR) : mpbytLF;
        mlngSize = p - mpbytLine;
        mbooLoneCR = false;
        if (p < mpbytEnd) {
            if (*p == '\r') {
                ++p;
                if (p < mpbytEnd && *p == '\n') ++p;
                else mbooLoneCR = true;
            } else {
                ++p;
            }
        }
        mpbytNext = p;
        ++mlngLine;
        return true;
    }

    const char* Data() const { return mpbytLine; }
    qsizetype Size() const { return mlngSize; }
    bool EndedByLoneCR() const { return mbooLoneCR; }  // the line end inside a multi-line text
    int32_t LineNumber() const { return mlngLine; }

private:
    const char* mpbytNext;
    const char* mpbytEnd;
    const char* mpbytLine = nullptr;
    const char* mpbytLF = nullptr;  // the next LF at or after the current line, mpbytEnd when none
    qsizetype mlngSize = 0;
    bool mbooLoneCR = false;
    int32_t mlngLine = 0;
};

}  // namespace tralyx
