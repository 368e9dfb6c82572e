// Every writer of a language file against a failing disk: the write fails at its start, in its
// middle or at the flush (a file-size limit), the disk is full (a small tmpfs), the folder is
// read-only, the destination is a folder, the folder is missing. In each case the old file must be
// byte-identical afterwards, no temporary file may be left, and the writer must report failure with
// a reason. And a writer killed at any moment leaves the old file or the new one, whole.
//
// Each case runs in a child process, so that the file-size limit and the mounts stay there.
#include "RuntimeFakeForm.h"
#include "TempDir.h"
#include "basDesktop.h"
#include "basFormTextFile.h"
#include "clsTralyx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// Answers every box with Yes, counting the overwrite questions and the others.
class clsYesDesktop : public clsDesktop {
public:
    int32_t MsgBox(const QString& pstrPrompt, int32_t, const QString& pstrTitle, const QString&) override
    {
        ++(pstrTitle == "Overwrite file" && pstrPrompt.endsWith("Do you want to overwrite it?") ? mlngQuestions : mlngOthers);
        return vbYes;
    }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}
    int32_t mlngQuestions = 0, mlngOthers = 0;
};

// A write of a prepared table to a path: true, or false with the reason.
using fnWrite = std::function<bool(const QString& pstrFile, QString& pstrReason)>;

QString Filler(qsizetype i, qsizetype plngChars)
{
    QString s = QStringLiteral("Entry %1: ").arg(i);
    while (s.size() < plngChars) s += QStringLiteral("text ");
    return s.left(plngChars);
}

// A table of about 2 KB (small: the write stays in the file's buffer until the flush) or about 1 MB.
fnWrite StoreWrite(bool pbooLarge, int plngKind)
{
    auto objStore = std::make_shared<clsTralyx>();
    QVector<ControlTextItem> udtControls;
    QVector<MessageItem> udtMessages;
    QStringList strSecondary;
    for (qsizetype i = 0; i < (pbooLarge ? 14000 : 20); ++i)
        udtControls.append({"frmMain", QString("cmdButton%1").arg(i), static_cast<uint8_t>(i % 256), Filler(i, 40), Filler(i, 24)});
    for (qsizetype i = 0; i < (pbooLarge ? 255 : 20); ++i) {  // at most 255 messages: a large table has long ones
        QString strMessage = Filler(i, 60);
        for (int l = 0; l < (pbooLarge ? 50 : 1); ++l) strMessage += "\r\n" + Filler(l, 70);
        udtMessages.append({static_cast<uint8_t>(i + 1), strMessage, Filler(i, 20)});
    }
    for (qsizetype i = 0; i < (pbooLarge ? 20000 : 30); ++i) strSecondary.append(Filler(i, 50));
    objStore->SetControlTextTable(udtControls);
    objStore->SetMessageTable(udtMessages);
    objStore->SetSecondaryTable(strSecondary);
    return [objStore, plngKind](const QString& pstrFile, QString& pstrReason) {
        bool booSuccess = false;
        if (plngKind == 0) objStore->SaveControlText(pstrFile, booSuccess);
        else if (plngKind == 1) objStore->SaveMessageText(pstrFile, booSuccess);
        else objStore->SaveSecondaryText(pstrFile, booSuccess);
        pstrReason = objStore->LastError().Text();
        return booSuccess;
    };
}

fnWrite HarvestWrite(bool pbooLarge)
{
    auto frm = std::make_shared<clsFakeForm>("frmMain");
    for (qsizetype i = 0; i < (pbooLarge ? 9000 : 12); ++i) {
        clsFakeControl& ctl = frm->Add(enuControlKind::CommandButton, QString("cmdButton%1").arg(i));
        ctl.mstrCaption = Filler(i, 40), ctl.mstrToolTip = Filler(i, 24);
    }
    return [frm](const QString& pstrFile, QString& pstrReason) {
        try {
            WriteFormTextFile(*frm, pstrFile, clsCodePage());
            return true;
        } catch (const clsRuntimeError& e) {
            pstrReason = QString::fromStdString(e.what());
            return false;
        }
    };
}

struct udtWriter {
    const char* Name;
    const char* FileName;
    bool AsksToOverwrite;
    std::function<fnWrite(bool pbooLarge)> Prepare;
};

const udtWriter Writers[] = {
    {"SaveControlText", "core.lrc", true, [](bool b) { return StoreWrite(b, 0); }},
    {"SaveMessageText", "messages.lrc", true, [](bool b) { return StoreWrite(b, 1); }},
    {"SaveSecondaryText", "secondary.lrc", true, [](bool b) { return StoreWrite(b, 2); }},
    {"BuildFormTextList", "frmMain.LRC", false, HarvestWrite},
};

void PrintTo(const udtWriter& pudtWriter, std::ostream* pobjOut) { *pobjOut << pudtWriter.Name; }

enum class enuFault { LimitAtStart, LimitInMiddle, LimitAtFlush, FullDisk, ReadOnlyFolder, DestinationIsFolder, FolderMissing };
const char* const FaultNames[] = {"LimitAtStart",   "LimitInMiddle",       "LimitAtFlush", "FullDisk",
                                  "ReadOnlyFolder", "DestinationIsFolder", "FolderMissing"};

const QByteArray OldContent = "the old file, which must survive\r\n";

QStringList Entries(const QString& pstrFolder)
{
    return QDir(pstrFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs pfnBody in a child and gives back what it said: empty for a pass, "SKIP: why" for a skip,
// otherwise the failure.
std::string RunInChild(const std::function<std::string()>& pfnBody)
{
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string strOut;
        try {
            strOut = pfnBody();
        } catch (const std::exception& e) {
            strOut = std::string("exception: ") + e.what();
        }
        for (size_t lngDone = 0; lngDone < strOut.size();) {
            const ssize_t n = write(fds[1], strOut.data() + lngDone, strOut.size() - lngDone);
            if (n <= 0) break;
            lngDone += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string strMessage;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) strMessage.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int intStatus = 0;
    waitpid(pid, &intStatus, 0);
    if (!WIFEXITED(intStatus) || WEXITSTATUS(intStatus) != 0) return "the child died (status " + std::to_string(intStatus) + ") " + strMessage;
    return strMessage;
}

// A mount namespace of the child's own, so that its mounts vanish with it. False when not allowed.
bool PrivateMounts() { return unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0; }

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<udtWriter, enuFault>> {};

TEST_P(SaveFaultTest, OldFileSurvivesNothingIsLeftAndTheReasonIsGiven)
{
    const auto& [udtWriter, enuCase] = GetParam();
    const bool booLarge = enuCase == enuFault::LimitAtStart || enuCase == enuFault::LimitInMiddle || enuCase == enuFault::FullDisk;
    const bool booHasOldFile = enuCase != enuFault::DestinationIsFolder && enuCase != enuFault::FolderMissing;
    clsTempDir objDir;
    const QString strFolder = objDir.Path("lang"), strName = udtWriter.FileName;
    QDir().mkpath(strFolder);
    QString strTarget = strFolder + u'/' + strName;
    const fnWrite fnSave = udtWriter.Prepare(booLarge);
    clsYesDesktop objDesktop;
    InstallDesktop(&objDesktop);

    // The bytes a successful write produces, for the size limits.
    QString strReason;
    QDir().mkpath(objDir.Path("scratch"));
    ASSERT_TRUE(fnSave(objDir.Path("scratch/" + strName), strReason)) << strReason.toStdString();
    const qint64 lngNewSize = QFileInfo(objDir.Path("scratch/" + strName)).size();
    ASSERT_GT(lngNewSize, booLarge ? 200000 : 1000);
    ASSERT_TRUE(booLarge || lngNewSize < 16384) << "a small table must fit the write buffer, to fail at the flush";

    const std::string strResult = RunInChild([&]() -> std::string {
        const QByteArray bytFolder = strFolder.toLocal8Bit();
        if (booHasOldFile) objDir.Write("lang/" + strName, OldContent);
        switch (enuCase) {
        case enuFault::LimitAtStart:
        case enuFault::LimitInMiddle:
        case enuFault::LimitAtFlush: {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG instead of killing
            const rlim_t lngLimit = enuCase == enuFault::LimitAtStart ? 0 : enuCase == enuFault::LimitInMiddle ? lngNewSize / 2 : lngNewSize - 1;
            const rlimit udtLimit{lngLimit, lngLimit};
            setrlimit(RLIMIT_FSIZE, &udtLimit);
            break;
        }
        case enuFault::FullDisk:
            if (!PrivateMounts() || mount("tmpfs", bytFolder.constData(), "tmpfs", 0, "size=64k") != 0)
                return "SKIP: mounting a small tmpfs is not allowed here";
            objDir.Write("lang/" + strName, OldContent);
            break;
        case enuFault::ReadOnlyFolder:
            // Permission bits do not stop root: a read-only bind mount does.
            if (geteuid() == 0) {
                if (!PrivateMounts() || mount(bytFolder.constData(), bytFolder.constData(), nullptr, MS_BIND, nullptr) != 0 ||
                    mount(nullptr, bytFolder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                    return "SKIP: running as root and a read-only bind mount is not allowed here";
            } else if (chmod(bytFolder.constData(), 0555) != 0) {
                return "SKIP: cannot make the folder read-only";
            }
            if (QFile objProbe(strFolder + "/probe"); objProbe.open(QIODevice::WriteOnly)) return "SKIP: the read-only folder still takes new files";
            break;
        case enuFault::DestinationIsFolder: objDir.Write("lang/" + strName + "/inside", OldContent); break;
        case enuFault::FolderMissing: strTarget = strFolder + "/missing/" + strName; break;
        }
        const QStringList strBefore = Entries(strFolder);
        QString strWhy;
        const bool booSaved = fnSave(strTarget, strWhy);
        std::string strFailures;
        const auto Expect = [&](bool pbooHolds, const std::string& pstrWhat) {
            if (!pbooHolds) strFailures += pstrWhat + "; ";
        };
        Expect(!booSaved, "the write reported success");
        Expect(!strWhy.isEmpty(), "no reason was given");
        Expect(!booHasOldFile || clsTempDir::Read(strTarget) == OldContent, "the old file changed");
        Expect(enuCase != enuFault::DestinationIsFolder || clsTempDir::Read(strTarget + "/inside") == OldContent, "the folder in the way changed");
        Expect(Entries(strFolder) == strBefore, "the folder holds other files now: " + Entries(strFolder).join(u' ').toStdString());
        Expect(objDesktop.mlngOthers == 0, "an unexpected message box was shown");
        const int32_t lngQuestions = udtWriter.AsksToOverwrite && booHasOldFile ? 1 : 0;
        Expect(objDesktop.mlngQuestions == lngQuestions, "asked to overwrite " + std::to_string(objDesktop.mlngQuestions) + " times");
        if (enuCase == enuFault::ReadOnlyFolder && geteuid() != 0) chmod(bytFolder.constData(), 0755);
        return strFailures.empty() ? std::string() : strFailures + "(reason given: " + strWhy.toStdString() + ")";
    });
    InstallDesktop(nullptr);
    if (strResult.rfind("SKIP: ", 0) == 0) GTEST_SKIP() << strResult.substr(6);
    EXPECT_TRUE(strResult.empty()) << strResult;
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveFaultTest,
                         ::testing::Combine(::testing::ValuesIn(Writers),
                                            ::testing::Values(enuFault::LimitAtStart, enuFault::LimitInMiddle, enuFault::LimitAtFlush,
                                                              enuFault::FullDisk, enuFault::ReadOnlyFolder, enuFault::DestinationIsFolder,
                                                              enuFault::FolderMissing)),
                         [](const auto& pudtInfo) {
                             return std::string(std::get<0>(pudtInfo.param).Name) + "_" + FaultNames[int(std::get<1>(pudtInfo.param))];
                         });

class SaveKillTest : public ::testing::TestWithParam<udtWriter> {};

TEST_P(SaveKillTest, KilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const udtWriter& udtWriter = GetParam();
    clsTempDir objDir;
    const QString strName = udtWriter.FileName, strTarget = objDir.Path("lang/" + strName);
    const fnWrite fnSave = udtWriter.Prepare(true);
    clsYesDesktop objDesktop;
    InstallDesktop(&objDesktop);
    QString strReason;
    ASSERT_TRUE(fnSave(objDir.Path("new-" + strName), strReason)) << strReason.toStdString();
    const QByteArray bytNew = clsTempDir::Read(objDir.Path("new-" + strName));
    const QByteArray bytOld = OldContent.repeated(1000);  // large too, so a torn file would show

    // Starts a child that writes the table over the old file, and returns its id once it is about to.
    const auto StartWriter = [&]() -> pid_t {
        int fds[2];
        if (pipe(fds) != 0) return -1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            QString strWhy;
            if (write(fds[1], "g", 1) != 1) _exit(3);
            _exit(fnSave(strTarget, strWhy) ? 0 : 1);
        }
        close(fds[1]);
        char c;
        const bool booReady = read(fds[0], &c, 1) == 1;
        close(fds[0]);
        return booReady ? pid : -1;
    };

    // How long one write takes here.
    objDir.Write("lang/" + strName, bytOld);
    const auto tStart = std::chrono::steady_clock::now();
    const pid_t pidTimed = StartWriter();
    ASSERT_GT(pidTimed, 0);
    int intStatus = 0;
    waitpid(pidTimed, &intStatus, 0);
    const auto lngMicros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - tStart).count();
    ASSERT_TRUE(WIFEXITED(intStatus) && WEXITSTATUS(intStatus) == 0);
    ASSERT_EQ(clsTempDir::Read(strTarget), bytNew);

    int lngOld = 0, lngNew = 0, lngLeftovers = 0;
    constexpr int Kills = 100;
    for (int k = 0; k < Kills; ++k) {
        for (const QString& s : Entries(objDir.Path("lang"))) QFile::remove(objDir.Path("lang/" + s));  // no leftovers of the last kill
        objDir.Write("lang/" + strName, bytOld);
        const pid_t pid = StartWriter();
        ASSERT_GT(pid, 0);
        // Moments spread over the whole write, a few of them after it.
        std::this_thread::sleep_for(std::chrono::microseconds(lngMicros * k / (Kills - 10)));
        kill(pid, SIGKILL);
        waitpid(pid, &intStatus, 0);
        const QByteArray bytNow = clsTempDir::Read(strTarget);
        ASSERT_TRUE(bytNow == bytOld || bytNow == bytNew) << "kill " << k << " left " << bytNow.size() << " bytes, neither the old "
                                                          << bytOld.size() << " nor the new " << bytNew.size();
        ++(bytNow == bytOld ? lngOld : lngNew);
        // A killed writer cannot remove its temporary file; the next save does not mind it.
        if (Entries(objDir.Path("lang")).size() > 1) ++lngLeftovers;
    }
    InstallDesktop(nullptr);
    std::printf("%s: one write takes %lld us; %d kills left the old file, %d the new one, %d a temporary file beside it\n",
                udtWriter.Name, static_cast<long long>(lngMicros), lngOld, lngNew, lngLeftovers);
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveKillTest, ::testing::ValuesIn(Writers),
                         [](const auto& pudtInfo) { return std::string(pudtInfo.param.Name); });

}  // namespace
