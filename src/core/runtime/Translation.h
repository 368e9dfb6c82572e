#pragma once
// tralyx::Translation: the languages of a Qt application, in one object shaped as Qt code is.
//
//     tralyx::Translation translation;             // e.g. a member of the application
//     QString error;
//     if (!translation.load(folder, &error))       // core.lrc, messages.lrc, secondary.lrc
//         qWarning() << error;                     // "…/core.lrc:35: the line is blank"
//     translation.apply(&window);                  // title, menus, actions, controls
//     translation.showMessage(&window, 3, name);   // MSG003 and MST003, markers filled in
//     label->setText(translation.text(7));         // TXT007
//
// Languages. A language is a folder holding core.lrc, messages.lrc and secondary.lrc. load() reads
// the three into a new language and puts it in place of the current one only when all of them
// loaded: after any failure the application goes on in the language it had, and no window shows a
// mix. Whatever the language lacks (an entry or a message its files do not have, an empty text) comes
// from the source language: a second folder given to load(), by default the sibling folder named
// "English" (any letter case), the one that harvest() writes. Messages and texts are numbered as the
// files number them: message 1 is MSG001, text 7 is TXT007 (text 1000 is the thousandth, which the
// file writes TXT000).
//
// Windows. apply() finds a window's controls as clsQtForm does (QtForm.h): the window's objectName
// names the form, each widget's objectName its control, an integer dynamic property "Index" tells the
// members of a control array apart. Labels, buttons, check boxes, radio buttons, group boxes, tool
// bars and dock widgets (their titles) get caption and tool-tip; the tabs of a QTabWidget, the
// items of a QComboBox and the column headers of a QTreeWidget or QTableWidget are numbered in the
// index (Form.tabPages.2.C, Form.cboSize.1.C, Form.treNotes.0.C; a combo box's
// own tool-tip is its item 0's); line and text edits get the tool-tip, and their placeholder text
// from the caption of the entry "[Placeholder]" + their name ("frmMain.[Placeholder]txtFind.0"). A check box or radio button
// that no layout sizes is widened to its caption, as SetFormText does. Besides, the window title is
// the form's "[Caption]" entry, and each QMenu and QAction with an objectName takes its title or
// text from the caption of the entry of that name ("mnuFile", "mnuFileOpen": core.lrc keeps captions
// only for such names); an action whose entry has a tool-tip line takes it as its status tip, and
// its tool-tip from the tool-tip line of the entry "[ToolTip]" + its name
// ("frmMain.[ToolTip]actSave.0"), which harvest() writes for an action whose tool-tip was set (not
// the one Qt makes from its text). A window applied again with the same language gets only the
// widgets created since.
//
// Threads. load(), message(), title(), text(), isEmpty(), folder() and sourceFolder() may be called
// from any thread, also while another thread loads: each call sees one whole language, the old or
// the new one. apply(), applyAll(), showMessage() and harvest() belong to the thread that owns the
// widgets. languageChanged() is emitted in the thread that called load().
//
// Ownership and lifetime. The object owns the languages it loaded (each file's bytes and an index of
// them: about the size of the files) and nothing else; it keeps no pointer to a window between calls,
// so windows may come and go at will. Give it a parent or keep it as long as texts are needed.
//
// Libraries. load(), the texts and the signal are in Tralyx::Runtime (QtCore only); apply(),
// applyAll(), showMessage() and harvest() are in Tralyx::Widgets, which an application that calls
// them links as well.
#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <mutex>

class QTranslator;
class QWidget;
class QMessageBox;  // showMessage(): include <QMessageBox> to pass its buttons

namespace tralyx {

class clsForm;              // a form as the run-time face walks it (<tralyx/clsForm.h>)
struct udtLoadedLanguages;  // the languages one load made (runtime/udtLoadedLanguages.h)
struct udtFoundTexts;       // an entry's texts (runtime/udtFoundTexts.h)
struct udtMenuText;         // a menu's or action's texts (runtime/basFormTextFile.h)

class Translation : public QObject {
    Q_OBJECT
public:
    explicit Translation(QObject* parent = nullptr);
    ~Translation() override;

    // Loads the language in folder, in windows-1252, with the sibling "English" folder as source
    // language when there is one; a folder may be a Qt resource (":/Languages/German"). The source
    // language may lack a file (it then has no texts of that kind to give), but the files it has must
    // load as well. A file loads only as the editor writes it: messages and texts numbered 001, 002,
    // 003, ... in order, every line readable (blank lines of secondary.lrc aside), no UTF-8
    // byte-order mark unless read as UTF-8, and entries in each file whose source has entries. On
    // failure returns false, sets *error to "file:line: reason" and keeps the current language.
    // Loaded in the application's main thread, it also installs Qt's own translations of the
    // language where Qt's translations folder has them (qtbase_de.qm: the standard buttons of a
    // message box, the texts of Qt's dialogs), in place of those of the language before.
    // *warnings gets, on success and failure alike, what loads but looks wrong, each as
    // "file:line: reason": a file that reads as valid UTF-8 with characters beyond ASCII in a code
    // page that is not UTF-8 (most likely saved as UTF-8), a last line without a line end (perhaps
    // a file cut short).
    bool load(const QString& folder, QString* error = nullptr, QStringList* warnings = nullptr);
    // The same with a source language folder of one's own (empty: the sibling "English" when there is
    // one; the folder itself: none) and a code page ("windows-1250", "UTF-8": a name Qt knows whose
    // line ends, '.', ':' and digits are ASCII bytes) in which both folders are read.
    bool load(const QString& folder, const QString& sourceFolder, const QString& codePage, QString* error = nullptr,
              QStringList* warnings = nullptr);

    // A language folder under a root: the folder, its language's code ("de", "pt_BR", from the folder's
    // name as translators name folders: "German", "Deutsch", "pt-BR") and the language's name in
    // itself ("Deutsch", "português (Brasil)"); code and name empty where the name says no language.
    struct Language {
        QString folder;
        QString code;
        QString name;
    };
    // The language folders under root, by name. An empty root: those of the application's own roots,
    // a folder "Languages" beside the program, then in each of its data folders
    // (QStandardPaths::AppDataLocation: ~/.local/share/<org>/<app>, /usr/share/<org>/<app>, ...),
    // the first folder of each code kept.
    static QList<Language> languages(const QString& root = QString());
    // Loads from root (empty: the application's roots, as above) the language that serves locale
    // best: for each of locale.uiLanguages() in order, the folder of its whole code (de_AT), then of
    // its language (de); where none is there, the source language itself (the folder "English").
    // False, with the reason in *error, when not even that loads.
    bool load(const QString& root, const QLocale& locale, QString* error = nullptr, QStringList* warnings = nullptr);

    bool isEmpty() const;         // nothing loaded yet
    QString folder() const;       // the language's folder, as given to load()
    QString sourceFolder() const; // the source language's folder; empty when there is none

    // Message id's text and title, every "[#!…!#]" marker replaced by value; text id. Never throws:
    // what neither language has is an empty string.
    QString message(int id, const QString& value = QString()) const;
    QString title(int id, const QString& value = QString()) const;
    QString text(int id) const;

    // Puts the language's texts on the window (title, controls, menus, actions), then sends it a
    // QEvent::LanguageChange, so that changeEvent() code runs as it does for QTranslator (an apply()
    // called from there does not send it again). Entries the languages do not have leave their
    // widget as it is. Does nothing before the first load.
    void apply(QWidget* window);
    // apply() on every top-level window of the application; connect languageChanged() to it.
    void applyAll();

    // Shows message id in a QMessageBox (plain text, the title falling back to the application's
    // name) and returns the button chosen. Buttons and icon are QMessageBox's enums.
    template <class Box = QMessageBox>
    int showMessage(QWidget* parent, int id, const QString& value = QString(),
                    typename Box::StandardButtons buttons = Box::Ok, typename Box::Icon icon = Box::Information) const
    {
        return showMessageBox(parent, id, value, static_cast<int>(buttons.toInt()), static_cast<int>(icon));
    }

    // Writes the texts the window holds now, in core.lrc's lines (the lines apply() reads: title,
    // controls, menus and actions), to folder/<objectName>.LRC, making the folder when needed
    // (default: <program folder>/Languages/English), in windows-1252. Joined, the form files of an
    // application are its English core.lrc. Texts core.lrc would not keep (the caption of a control
    // named "txt…", the tool-tip of one named "mnu…") are written, named in *notKept
    // ("frmMain.txtHint.0.C") and warned about with qWarning(): a translation could never carry them.
    // False, with the reason in *error (and in a qWarning()), when the file cannot be written.
    bool harvest(QWidget* window, const QString& folder = QString(), QString* error = nullptr,
                 QStringList* notKept = nullptr) const;

Q_SIGNALS:
    // A load succeeded: the new language is in place.
    void languageChanged();

private:
    std::shared_ptr<const udtLoadedLanguages> state() const;
    void installQtTexts(const QString& pstrFolder);
    int showMessageBox(QWidget* parent, int id, const QString& value, int buttons, int icon) const;
    // What apply() and harvest() do without widgets, on the form model of clsForm.h. They are here,
    // in Tralyx::Runtime, so that Tralyx::Widgets reaches the languages and the files through this
    // class alone. The texts of an entry of the form (false when neither language has it); every
    // control of the form given its texts, those a layout sizes not widened; the form's text file
    // written into folder, as harvest() describes it (a null form: no window to harvest).
    static bool findTexts(const udtLoadedLanguages& languages, QStringView form, QStringView control, uint8_t index,
                          udtFoundTexts& found);
    static void applyControls(const udtLoadedLanguages& languages, clsForm& form);
    bool writeFormFile(clsForm* form, const QString& title, const QList<udtMenuText>& menus, const QString& folder,
                       QString* error, QStringList* notKept) const;

    mutable std::mutex mobjLock;  // guards mobjState, the pointer only: a state never changes
    std::shared_ptr<const udtLoadedLanguages> mobjState;
    bool mbooSending = false;  // apply() is sending a window LanguageChange
    std::unique_ptr<QTranslator> mobjQtTexts;  // Qt's own texts in the language (qtbase_de.qm), installed
};

}  // namespace tralyx
