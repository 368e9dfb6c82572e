#include "checks/clsLayoutFits.h"

#include "common/basShortened.h"
#include "store/basFileKind.h"
#include "store/basLayoutFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tralyx {

// The kinds as the messages name them (LayoutKindName), for the translations.
[[maybe_unused]] const char* const KindWords[] = {
    QT_TRANSLATE_NOOP("clsLayoutFits", "label"),         QT_TRANSLATE_NOOP("clsLayoutFits", "button"),
    QT_TRANSLATE_NOOP("clsLayoutFits", "check box"),     QT_TRANSLATE_NOOP("clsLayoutFits", "option button"),
    QT_TRANSLATE_NOOP("clsLayoutFits", "frame"),         QT_TRANSLATE_NOOP("clsLayoutFits", "tab"),
};

bool clsLayoutFits::Load(const QString& pstrSourceFolder, QString& pstrProblem)
{
    pstrProblem.clear();
    SetForms({});
    const QString strFile = FolderLayoutPath(pstrSourceFolder);
    if (!QFileInfo::exists(strFile)) return false;
    QVector<udtFormLayout> udtForms;
    if (!ReadLayoutFile(strFile, udtForms, pstrProblem)) return false;
    SetForms(std::move(udtForms));
    return true;
}

void clsLayoutFits::SetForms(QVector<udtFormLayout> pudtForms)
{
    mudtForms = std::move(pudtForms);
    mudtIndex.clear();
    // The keys are views of the forms' own names, which the forms keep for as long as the index.
    const QVector<udtFormLayout>& udtForms = mudtForms;
    for (qsizetype i = 0; i < udtForms.size(); ++i) {
        udtFormIndex& udtForm = mudtIndex.insert_or_assign(QStringView(udtForms[i].Form), udtFormIndex{i, {}}).first->second;
        udtForm.Controls.reserve(size_t(udtForms[i].Controls.size()));
        for (qsizetype j = 0; j < udtForms[i].Controls.size(); ++j)
            udtForm.Controls.insert_or_assign(QStringView(udtForms[i].Controls[j].Entry), j);
    }
}

const udtControlLayout* clsLayoutFits::Find(QStringView pstrObjectPath, const udtFormLayout** ppudtForm) const
{
    const qsizetype lngDot = pstrObjectPath.indexOf(u'.');
    if (lngDot < 0) return nullptr;
    const auto itForm = mudtIndex.find(pstrObjectPath.first(lngDot));
    if (itForm == mudtIndex.end()) return nullptr;
    const auto itControl = itForm->second.Controls.find(pstrObjectPath.sliced(lngDot + 1));
    if (itControl == itForm->second.Controls.end()) return nullptr;
    const udtFormLayout& udtForm = mudtForms[itForm->second.Form];
    if (ppudtForm) *ppudtForm = &udtForm;
    return &udtForm.Controls[itControl->second];
}

QString DrawnCaption(QStringView pstrCaption)
{
    QString strOut;
    strOut.reserve(pstrCaption.size());
    for (qsizetype i = 0; i < pstrCaption.size(); ++i) {
        const QChar chr = pstrCaption[i];
        if (chr == u'&' && i + 1 < pstrCaption.size()) {
            strOut += pstrCaption[++i];  // "&&" is one "&", "&x" is "x"
        } else if (chr == u'\r') {
            if (i + 1 >= pstrCaption.size() || pstrCaption[i + 1] != u'\n') strOut += u'\n';
        } else {
            strOut += chr;
        }
    }
    return strOut;
}

std::optional<udtFit> clsLayoutFits::Fit(QStringView pstrObjectPath, const QString& pstrCaption, clsTextMeasurer& pobjMeasurer,
                                         bool pbooVerdict) const
{
    const udtFormLayout* pudtForm = nullptr;
    const udtControlLayout* pudtControl = Find(pstrObjectPath, &pudtForm);
    if (!pudtControl) return std::nullopt;
    const udtControlLayout& c = *pudtControl;
    udtFit udtOut;
    udtOut.Control = pudtControl;
    const QString strDrawn = DrawnCaption(pstrCaption);
    const int lngFrame = c.Width - c.RoomWidth;  // what the control draws around its text
    // A widened check box may reach the form's right edge, never less than it has now.
    const int lngWidth = c.Widens ? qMax(c.Width, pudtForm->Width - c.X) : c.Width;
    if (pbooVerdict && !c.Wrap && pobjMeasurer.ClearlyFits(c.Font, pudtForm->Dpi, strDrawn, lngWidth - lngFrame)) {
        udtOut.Room = lngWidth;
        return udtOut;
    }
    udtOut.StandIn = pobjMeasurer.StandIn(c.Font);
    if (c.Wrap) {
        const udtTextExtent udtWrapped = pobjMeasurer.Measure(c.Font, pudtForm->Dpi, strDrawn, qMax(1, c.RoomWidth));
        if (udtWrapped.Width > c.RoomWidth) {  // a word longer than the line
            udtOut.Needed = udtWrapped.Width + lngFrame;
            udtOut.Room = lngWidth;
            return udtOut;
        }
        if (c.Widens) {  // a laid-out label takes the lines it needs
            udtOut.Needed = udtWrapped.Width + lngFrame;
            udtOut.Room = c.Width;
            return udtOut;
        }
        udtOut.Height = true;
        udtOut.Needed = udtWrapped.Height + (c.Height - c.RoomHeight);
        udtOut.Room = c.Height;
        return udtOut;
    }
    udtOut.Needed = pobjMeasurer.Measure(c.Font, pudtForm->Dpi, strDrawn, 0).Width + lngFrame;
    udtOut.Room = lngWidth;
    return udtOut;
}

void CheckFits(const clsLayoutFits& pobjLayout, clsTextMeasurer& pobjMeasurer, enuFileKind penuFile, const udtEntryText& pudtEntry,
               std::vector<udtProblem>& pudtOut)
{
    if (pudtEntry.Kind != enuTextKind::Caption || pudtEntry.Missing() || pudtEntry.Obsolete() || pudtEntry.Translation.isEmpty())
        return;
    const std::optional<udtFit> udtFitted = pobjLayout.Fit(pudtEntry.ObjectPath, pudtEntry.Translation, pobjMeasurer, true);
    if (!udtFitted || udtFitted->Fits()) return;
    const udtControlLayout& c = *udtFitted->Control;
    const QString strKind = LayoutKindName(c.Kind);
    QString strMessage = (udtFitted->Height ? QCoreApplication::translate("clsLayoutFits", "%1 px too tall for its %2 px high %3")
                                            : QCoreApplication::translate("clsLayoutFits", "%1 px too wide for its %2 px %3"))
                             .arg(udtFitted->Needed - udtFitted->Room)
                             .arg(udtFitted->Room)
                             .arg(QCoreApplication::translate("clsLayoutFits", strKind.toLatin1().constData()));
    strMessage += QStringLiteral(" (\"%1\")").arg(Shortened(pudtEntry.Translation));
    if (!udtFitted->StandIn.isEmpty())
        strMessage += QCoreApplication::translate("clsLayoutFits", ", measured in %1 for %2, which is not installed").arg(udtFitted->StandIn, c.Font.Family);
    pudtOut.push_back({QStringLiteral("fits"), enuSeverity::Warning, LanguageFileName(penuFile), pudtEntry.Line, pudtEntry.SourceLine,
                       pudtEntry.Id, strMessage});
}

}  // namespace tralyx
