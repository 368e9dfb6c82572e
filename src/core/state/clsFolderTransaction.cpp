#include "state/clsFolderTransaction.h"

#include "common/basFileSystem.h"
#include "store/basFileKind.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace tralyx {
namespace {

// The state a text may have while its file is being replaced: marked for review when either the old
// or the new state marks it, done only when both say so. Whether the old or the new text is on disk
// after a crash, it is then never counted finished when it should not be.
clsTranslationState Cautious(const clsTranslationState& pobjOld, const clsTranslationState& pobjNew,
                             const std::vector<udtFolderWrite>& pudtWrites)
{
    clsTranslationState objOut = pobjOld;
    for (const udtFolderWrite& w : pudtWrites) {
        if (!w.Write) {
            objOut.SetTexts(w.File, pobjNew.Texts(w.File));
            continue;
        }
        QHash<QString, udtTextState> udtTexts = pobjNew.Texts(w.File);
        for (auto it = udtTexts.begin(); it != udtTexts.end(); ++it) {
            const udtTextState* pudtOld = pobjOld.Find(w.File, it.key());
            // Where the text changes either version may be on disk: read as a record of an older
            // Tralyx, it holds for both.
            if (!pudtOld || pudtOld->For != it->For) it->For.clear();
            if (!pudtOld) {
                it->Done = false;
            } else if (!it->Review && pudtOld->Review) {
                it->Review = true;
                it->PreviousSource = pudtOld->PreviousSource;
                it->MovedFrom = pudtOld->MovedFrom;
                it->Done = false;
            } else {
                it->Done = it->Done && pudtOld->Done;
            }
        }
        // A text the new state has nothing for keeps its review and its note until the end.
        for (auto it = pobjOld.Texts(w.File).cbegin(); it != pobjOld.Texts(w.File).cend(); ++it)
            if (!udtTexts.contains(it.key())) {
                udtTextState udtKept = it.value();
                udtKept.Done = false;
                udtKept.For.clear();
                udtTexts.insert(it.key(), udtKept);
            }
        udtTexts.removeIf([](const auto& it) { return it.value().IsEmpty(); });
        objOut.SetTexts(w.File, std::move(udtTexts));
    }
    return objOut;
}

}  // namespace

bool udtFolderCommit::AllWritten() const
{
    return StateReason.isEmpty() && std::all_of(Files.begin(), Files.end(), [](const udtWrittenFile& f) { return f.Written; });
}

bool clsFolderTransaction::Begin(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs)
{
    mstrFolder = pstrFolder;
    mobjState = {};
    mbytState.clear();
    mbooExists = mbooCreated = false;
    mstrLink.clear();
    mstrUnreadable.clear();
    if (!mobjLock.LockFolder(pstrFolder, pstrReason, plngWaitMs)) return false;
    const QString strPath = clsTranslationState::PathIn(pstrFolder);
    // What a writer of ours that was killed between its write and its rename left: nobody else
    // writes these names while the lock is held, and where there are no locks they are left alone.
    if (mobjLock.Held()) {
        static const QRegularExpression objLeftover(
            QStringLiteral("^\\.(core\\.lrc|messages\\.lrc|secondary\\.lrc|translation-state\\.json)\\.tralyx-[0-9a-f]+$"),
            QRegularExpression::CaseInsensitiveOption);
        const QDir objFolder(pstrFolder);
        for (const QFileInfo& objFile : objFolder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
            if (objLeftover.match(objFile.fileName()).hasMatch()) QFile::remove(objFile.filePath());
    }
    const QFileInfo objInfo(strPath);
    if (objInfo.isSymLink()) {
        // Written through, the link would replace whatever file it names (a .lrc file, a source).
        mstrLink = QCoreApplication::translate("clsFolderTransaction", "%1 is a link (to %2); the state is never written through a link: replace it with the file it "
                                  "names, or remove it")
                       .arg(strPath, objInfo.symLinkTarget());
        return true;
    }
    mbooExists = fs::NameTaken(strPath);
    if (!mobjState.Load(pstrFolder, mstrUnreadable, &mbytState)) mobjState = {};
    return true;
}

QString clsFolderTransaction::StateProblem() const
{
    if (!mstrLink.isEmpty()) return mstrLink;
    if (!mstrUnreadable.isEmpty() && !mbooDiscard)
        return mstrUnreadable + QCoreApplication::translate("clsFolderTransaction", "; it is never replaced by a state that lacks what it holds (mend it, or give "
                                               "--discard-state to replace it)");
    return QString();
}

bool clsFolderTransaction::WriteState(const clsTranslationState& pobjState, QString& pstrReason, bool pbooKeepFile)
{
    if (!mbooExists && pobjState.IsEmpty()) return true;
    if (mbooCreated && !pbooKeepFile && pobjState.IsEmpty()) {  // a cautious state of ours that no text needed after all
        if (!QFile::remove(clsTranslationState::PathIn(mstrFolder))) return WriteState(pobjState, pstrReason, true);
        mobjState = {};
        mbytState.clear();
        mbooExists = mbooCreated = false;
        return true;
    }
    if (mbooExists && mstrUnreadable.isEmpty() && pobjState == mobjState) return true;  // its bytes stay, however written
    const QByteArray bytNew = pobjState.ToJson();
    if (mbooExists && bytNew == mbytState) return true;
    const QString strPath = clsTranslationState::PathIn(mstrFolder);
    // Only over the bytes read under this lock (a writer without it, a hand edit, is not lost), and
    // never over a file that appeared meanwhile. A discarded file is replaced whatever it holds.
    const bool booDiscarded = !mstrUnreadable.isEmpty() && mbooDiscard;
    if (!WriteFileAtomically(strPath, bytNew, pstrReason, mbooExists, mbooExists && !booDiscarded ? &mbytState : nullptr))
        return false;
    mobjState = pobjState;
    mbytState = bytNew;
    mbooCreated = mbooCreated || !mbooExists;
    mbooExists = true;
    mstrUnreadable.clear();
    return true;
}

udtFolderCommit clsFolderTransaction::Commit(const clsTranslationState& pobjState, const std::vector<udtFolderWrite>& pudtWrites)
{
    udtFolderCommit udtOut;
    const QByteArray bytBefore = mbooExists ? mbytState : QByteArray();
    const bool booExisted = mbooExists;
    const auto Refuse = [&](const QString& pstrReason) {
        udtOut.StateReason = pstrReason;
        for (const udtFolderWrite& w : pudtWrites)
            if (w.Write) udtOut.Files.push_back({w.File, false, pstrReason});
        return udtOut;
    };
    if (const QString strProblem = StateProblem(); !strProblem.isEmpty()) return Refuse(strProblem);
    // The order: first the state every text may have whichever of its two versions is on disk
    // (marked for review by either, done by both), then the texts, then the state they end with.
    // A crash at any point leaves no changed text counted finished without its mark; at worst a text
    // stays marked for review that needed none. A change that only adds marks is written before the
    // texts, one that only ends them after.
    const clsTranslationState objBefore = mobjState;
    clsTranslationState objStamped = pobjState;
    for (const udtFolderWrite& w : pudtWrites)
        if (w.Table) objStamped.Stamp(w.File, *w.Table, w.Source);
    const clsTranslationState objCautious = Cautious(objBefore, objStamped, pudtWrites);
    if (!(objCautious == objBefore))
        if (QString strReason; !WriteState(objCautious, strReason)) return Refuse(strReason);
    clsTranslationState objFinal = objBefore;
    for (const udtFolderWrite& w : pudtWrites) {
        if (w.Write) {
            udtWrittenFile udtFile{w.File, false, QString()};
            udtFile.Written = w.Write(udtFile.Reason);
            udtOut.Files.push_back(udtFile);
            if (!udtFile.Written) continue;
        }
        objFinal.SetTexts(w.File, objStamped.Texts(w.File));
    }
    // A compiled language made from the files before is stale now: gone, the loader reads the text
    // files until the next compile.
    if (std::any_of(udtOut.Files.begin(), udtOut.Files.end(), [](const udtWrittenFile& f) { return f.Written; }))
        QFile::remove(QDir(mstrFolder).filePath(CompiledLanguageFileName()));
    if (!WriteState(objFinal, udtOut.StateReason)) {
        // The cautious state stays: the texts written keep their marks, none is counted finished.
        return udtOut;
    }
    udtOut.StateWritten = mbooExists && (!booExisted || mbytState != bytBefore);
    return udtOut;
}

}  // namespace tralyx
