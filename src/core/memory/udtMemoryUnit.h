#pragma once
// One translated text of a translation memory.
#include <QString>
#include <cstdint>

namespace tralyx {

// Texts as the store holds them (line breaks CR LF).
struct udtMemoryUnit {
    QString Source;
    QString Translation;
    int32_t Origin = 0;  // index into the memory's list of files: Release1/German/core.lrc, old.tmx
    QString Entry;       // its id there: frmMain.cmdOK.0.C, MSG003, a TMX tuid; may be empty
};

}  // namespace tralyx
