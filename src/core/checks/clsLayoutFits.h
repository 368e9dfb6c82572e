#pragma once
// Whether a translated caption fits its control: the rule "fits", measured against the layout the
// harvest recorded with the English (store/udtFormLayout.h). The measuring itself needs fonts, and
// so a display layer: it comes in through clsTextMeasurer.
#include "checks/basChecks.h"
#include "store/udtFormLayout.h"

#include <QHash>
#include <optional>
#include <unordered_map>

namespace tralyx {

struct udtTextExtent {
    int Width = 0;
    int Height = 0;
};

class clsTextMeasurer {
public:
    virtual ~clsTextMeasurer() = default;
    // The text (lines broken by LF) in the font, at the DPI the layout was taken at; with
    // plngWrapWidth > 0 broken into lines at that width as a word-wrapping label does.
    virtual udtTextExtent Measure(const udtLayoutFont& pudtFont, int plngDpi, const QString& pstrText, int plngWrapWidth) = 0;
    // The family drawn instead of the font's own where that is not installed; empty when it is.
    virtual QString StandIn(const udtLayoutFont& pudtFont) = 0;
    // True when the unwrapped text is sure to take at most plngRoom pixels, told without measuring
    // it whole; false when it may not, or the measurer cannot tell.
    virtual bool ClearlyFits(const udtLayoutFont&, int /*plngDpi*/, const QString& /*pstrText*/, int /*plngRoom*/) { return false; }
};

// How a caption sits in its control. Sizes are the control's, its frame included: a text that needs
// Needed pixels of a control with Room (a widened check box's room reaches the form's edge).
struct udtFit {
    const udtControlLayout* Control = nullptr;
    bool Height = false;  // a wrapping label: heights, not widths
    int Needed = 0;
    int Room = 0;
    QString StandIn;  // the family that stood in for the control's font, when it did
    bool Fits() const { return Needed <= Room; }
};

class clsLayoutFits {
public:
    // The layout of a source folder (its layout.json). False when it has none (pstrProblem empty) or
    // it cannot be read (pstrProblem says why); the rule then does not run.
    bool Load(const QString& pstrSourceFolder, QString& pstrProblem);
    void SetForms(QVector<udtFormLayout> pudtForms);
    bool IsEmpty() const { return mudtForms.isEmpty(); }
    const QVector<udtFormLayout>& Forms() const { return mudtForms; }

    // The recorded control of a caption's object path ("frmMain.cmdDelete.0"); null when none.
    const udtControlLayout* Find(QStringView pstrObjectPath, const udtFormLayout** ppudtForm = nullptr) const;
    // How the caption fits; nothing when its control has no layout. pbooVerdict: only whether it
    // fits is wanted, so a caption that clearly fits is not measured (its Needed is then 0).
    std::optional<udtFit> Fit(QStringView pstrObjectPath, const QString& pstrCaption, clsTextMeasurer& pobjMeasurer,
                              bool pbooVerdict = false) const;

private:
    QVector<udtFormLayout> mudtForms;
    struct udtViewHash {
        size_t operator()(QStringView pstrKey) const { return qHash(pstrKey); }
    };
    struct udtFormIndex {
        qsizetype Form = 0;
        std::unordered_map<QStringView, qsizetype, udtViewHash> Controls;  // "cmdDelete.0": its control
    };
    // "frmMain": the form and its controls, looked up by views of an object path without a copy.
    std::unordered_map<QStringView, udtFormIndex, udtViewHash> mudtIndex;
};

// The caption as it is drawn: access-key ampersands taken out ("&&" stays one "&"), lines by LF.
QString DrawnCaption(QStringView pstrCaption);

// The rule on one entry text: a warning where a translated caption does not fit its control.
void CheckFits(const clsLayoutFits& pobjLayout, clsTextMeasurer& pobjMeasurer, enuFileKind penuFile, const udtEntryText& pudtEntry,
               std::vector<udtProblem>& pudtOut);

}  // namespace tralyx
