#pragma once
// One translated text of a translation memory.
#include <QString>
#include <cstdint>

namespace tralyx {

// Texts as the store holds them (line breaks CR LF).
struct udtMemoryUnit {
    QString Source;
    QString Translation;
    int32_t Origin = 0;  // index into the memory's list of folders and files
    QString Entry;       // its id there: "core.lrc:frmMain.cmdOK.0.C", a TMX tuid; may be empty
};

}  // namespace tralyx
