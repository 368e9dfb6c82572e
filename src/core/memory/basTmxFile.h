#pragma once
// TMX 1.4b, the translation-memory exchange format that CAT tools read and write: one <tu> per
// translated text, its source and its translation each a <tuv xml:lang="..."><seg>.
#include <QByteArray>
#include <QString>
#include <vector>

namespace tralyx {

struct udtTmxUnit {
    QString Id;           // the tuid: "core.lrc:frmMain.cmdOK.0.C"; may be empty
    QString Source;       // line breaks as LF; a lone CR stays a CR
    QString Translation;  // empty when the unit has no variant in the target language
    QString Note;
    bool operator==(const udtTmxUnit&) const = default;
};

struct udtTmxDocument {
    QString SourceLanguage;  // "en", "de-DE"
    QString TargetLanguage;
    std::vector<udtTmxUnit> Units;
    bool operator==(const udtTmxDocument&) const = default;
};

// The whole file, UTF-8. False with a reason when a text holds a character XML cannot carry.
bool WriteTmx(const udtTmxDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason);

// Reads a TMX file. The source variant of each unit is the one in the header's srclang (for
// srclang "*all*", pudtOut.SourceLanguage as given, else the unit's first variant); the translation
// is the one in pudtOut.TargetLanguage as given, else in the first other language the file has,
// which then becomes pudtOut.TargetLanguage. Inline codes (<bpt>, <ept>, <ph>, <it>, <ut>) are left
// out of the texts, <hi> keeps its text. False with "line N: what" when the file is not well-formed
// TMX, holds bytes its encoding cannot decode, or uses an entity that is not its own.
bool ReadTmx(const QByteArray& pbytContent, udtTmxDocument& pudtOut, QString& pstrReason);

// Where ReadTmxUnits puts the units as it reads them, so that a large memory is not held twice.
class clsTmxUnitSink {
public:
    virtual ~clsTmxUnitSink() = default;
    virtual void Unit(udtTmxUnit& pudtUnit) = 0;  // may take its texts
    // The units given so far are void: they come again, from the first.
    virtual void Restart() = 0;
};

// ReadTmx a unit at a time: pudtLanguages as ReadTmx's pudtOut, its Units untouched. A file of the
// shape a TMX writer gives (UTF-8 declared, no internal DTD subset, no CDATA, no entity but XML's
// own) is read straight from its bytes; any other, and any fault, by Qt's reader over the decoded
// text, which gives the reasons.
bool ReadTmxUnits(const QByteArray& pbytContent, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink, QString& pstrReason);
// ReadTmxUnits of a file, read a piece at a time when the reader from the bytes takes it, so that
// the file is not held whole; the reasons of ReadWholeFile when it cannot be read.
bool ReadTmxFile(const QString& pstrPath, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink, QString& pstrReason);
// Only the reader over the decoded text, which takes every file: for comparing the two.
bool ReadTmxDecoded(const QByteArray& pbytContent, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink, QString& pstrReason);

// Whether two language codes name the same language: "de", "de-DE", "DE_de" all do; "de-AT" and
// "de-CH" do not name the same one, but each matches plain "de".
bool SameLanguage(QStringView pstrOne, QStringView pstrOther);

}  // namespace tralyx
