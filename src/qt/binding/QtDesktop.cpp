#include "binding/QtDesktop.h"

#include "common/basStoreText.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tralyx {
namespace {

// A question with Yes and No only is answered by one of them: Escape and the frame's close button
// do nothing (Escape would otherwise count as No and throw away what the question protects).
//
// Keys that reach a box in its first moments were typed before it appeared, meant for the box the
// user was typing in: they answer nothing (Esc, which answers nothing harmful, excepted).
class clsAnswerBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool mbooMustAnswer = false;
    static constexpr qint64 TypeAheadMs = 400;

protected:
    void showEvent(QShowEvent* pobjEvent) override
    {
        mobjShown.start();
        for (QAbstractButton* cmdButton : buttons()) cmdButton->installEventFilter(this);
        QMessageBox::showEvent(pobjEvent);
    }
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override
    {
        if (pobjEvent->type() == QEvent::KeyPress && TypedAhead(static_cast<QKeyEvent*>(pobjEvent))) return true;
        return QMessageBox::eventFilter(pobjWatched, pobjEvent);
    }
    void keyPressEvent(QKeyEvent* pobjEvent) override
    {
        if (TypedAhead(pobjEvent) || (mbooMustAnswer && pobjEvent->matches(QKeySequence::Cancel))) return pobjEvent->accept();
        QMessageBox::keyPressEvent(pobjEvent);
    }
    void closeEvent(QCloseEvent* pobjEvent) override
    {
        if (mbooMustAnswer && !clickedButton()) return pobjEvent->ignore();
        QMessageBox::closeEvent(pobjEvent);
    }

private:
    bool TypedAhead(const QKeyEvent* pobjEvent) const
    {
        return mobjShown.isValid() && mobjShown.elapsed() < TypeAheadMs && !pobjEvent->matches(QKeySequence::Cancel);
    }
    QElapsedTimer mobjShown;
};

}  // namespace

void UseQtDesktopByDefault()
{
    SetDesktopMaker([]() -> clsDesktop* {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
        static clsQtDesktop gobjDesktop;  // installed until the program ends
        return &gobjDesktop;
    });
}

clsQtDesktop::clsQtDesktop(std::function<QWidget*()> pfnParent) : mfnParent(std::move(pfnParent)) {}

QWidget* clsQtDesktop::Parent() const
{
    if (mfnParent) return mfnParent();
    return QApplication::activeWindow();
}

int32_t clsQtDesktop::MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                             const QString& pstrDetails)
{
    clsAnswerBox objBox(Parent());
    objBox.setWindowTitle(pstrTitle);
    // Messages come from language files as plain text; "<" in one must not switch it to HTML.
    objBox.setTextFormat(Qt::PlainText);
    // The store holds CR LF; a lone CR would show as nothing.
    objBox.setText(StoreToLines(pstrPrompt));
    if (!pstrDetails.isEmpty()) objBox.setDetailedText(pstrDetails);
    switch (plngStyle & 0x70) {
    case vbCritical: objBox.setIcon(QMessageBox::Critical); break;
    case vbQuestion: objBox.setIcon(QMessageBox::Question); break;
    case vbExclamation: objBox.setIcon(QMessageBox::Warning); break;
    case vbInformation: objBox.setIcon(QMessageBox::Information); break;
    default: objBox.setIcon(QMessageBox::NoIcon); break;
    }
    struct udtButton {
        QMessageBox::StandardButton Button;
        int32_t Answer;
    };
    std::vector<udtButton> udtButtons;
    switch (plngStyle & 7) {
    case vbOKCancel: udtButtons = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbAbortRetryIgnore:
        udtButtons = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
        break;
    case vbYesNoCancel:
        udtButtons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbYesNo: udtButtons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
    case vbRetryCancel: udtButtons = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
    default: udtButtons = {{QMessageBox::Ok, vbOK}}; break;
    }
    QMessageBox::StandardButtons enuButtons;
    for (const udtButton& b : udtButtons) enuButtons |= b.Button;
    objBox.setStandardButtons(enuButtons);
    const size_t lngDefault = std::min<size_t>((plngStyle >> 8) & 3, udtButtons.size() - 1);
    objBox.setDefaultButton(udtButtons[lngDefault].Button);
    // Esc answers Cancel when there is one, else the only button; a box closed by its frame likewise.
    for (const udtButton& b : udtButtons)
        if (b.Answer == vbCancel) objBox.setEscapeButton(b.Button);
    if (udtButtons.size() == 1) objBox.setEscapeButton(udtButtons.front().Button);
    if ((plngStyle & 7) == vbYesNo) {
        objBox.mbooMustAnswer = true;
        objBox.setWindowFlag(Qt::WindowCloseButtonHint, false);
    }

    objBox.exec();
    const auto enuClicked = objBox.standardButton(objBox.clickedButton());
    for (const udtButton& b : udtButtons)
        if (b.Button == enuClicked) return b.Answer;
    // Closed without a button: the answer of the button that Esc stands for.
    switch (plngStyle & 7) {
    case vbYesNo: return vbNo;
    case vbAbortRetryIgnore: return vbAbort;
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel: return vbCancel;
    default: return vbOK;
    }
}

bool clsQtDesktop::FileDialog(bool pbooSave, const QString& pstrFilter, QString& pstrFileName)
{
    // A filter entry may carry its patterns twice, as a description for people and as the patterns
    // the dialog matches ("Text (*.txt) (*.[Tt][Xx][Tt])"): only the description is shown.
    // The store asks its own "Overwrite file" question; the dialog's would be a second one.
    const auto enuOptions = QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite;
    const QString strChosen =
        pbooSave ? QFileDialog::getSaveFileName(Parent(), QString(), pstrFileName, pstrFilter, nullptr, enuOptions)
                 : QFileDialog::getOpenFileName(Parent(), QString(), pstrFileName, pstrFilter, nullptr, enuOptions);
    if (strChosen.isEmpty()) return false;
    pstrFileName = strChosen;
    return true;
}

bool clsQtDesktop::ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder)
{
    if (mfnChooseFolder) return mfnChooseFolder(Parent(), pstrStartFolder, pstrFolder);
    const QString strChosen = QFileDialog::getExistingDirectory(Parent(), QString(), pstrStartFolder);
    if (strChosen.isEmpty()) return false;
    pstrFolder = strChosen;
    return true;
}

QString clsQtDesktop::ClipboardText() { return QApplication::clipboard()->text(); }

void clsQtDesktop::SetClipboardText(const QString& pstrText) { QApplication::clipboard()->setText(pstrText); }

}  // namespace tralyx
