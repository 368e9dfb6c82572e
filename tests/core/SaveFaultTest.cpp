// Every writer of a language file against each failing disk: the old file (or node) is unchanged,
// no temporary file is left and the failure has a reason. A writer killed at any moment leaves the
// old file or the new one, whole; of two writers racing to make one new file, one fails.
// Each fault case runs in a child process, so that the file-size limit and the mounts stay there.
#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "runtime/basFormTextFile.h"
#include "RuntimeFakeForm.h"
#include "store/clsTralyx.h"
#include "TempDir.h"

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
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// Answers the overwrite question (Yes unless told otherwise) and counts it.
class clsYesDesktop : public clsDesktop {
public:
    int32_t MsgBox(const QString& pstrPrompt, int32_t, const QString& pstrTitle, const QString&) override
    {
        ++(pstrTitle == "Overwrite file" && pstrPrompt.endsWith("Do you want to overwrite it?") ? mlngQuestions : mlngOthers);
        return mlngAnswer;
    }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}
    int32_t mlngQuestions = 0;
    int32_t mlngOthers = 0;
    int32_t mlngAnswer = vbYes;
};

// A write of a prepared table to a path: true, or false with the reason.
using fnWrite = std::function<bool(const QString& pstrFile, QString& pstrReason)>;

struct udtWriter {
    const char* Name;
    const char* FileName;
    bool AsksToOverwrite;
    // Builds a table of about 2 KB (small: the write stays in the file's buffer until the flush)
    // or about 1 MB (large) and returns the write of it.
    std::function<fnWrite(bool pbooLarge)> Prepare;
};

QString Filler(qsizetype i, qsizetype plngChars)
{
    QString s = QStringLiteral("Entry %1: ").arg(i);
    while (s.size() < plngChars) s += QStringLiteral("text ");
    return s.left(plngChars);
}

// The three store savers share one path to the file; core.lrc stands for them.
const udtWriter Writers[] = {
    {"SaveControlText", "core.lrc", true,
     [](bool pbooLarge) -> fnWrite {
         auto objStore = std::make_shared<clsTralyx>();
         QVector<ControlTextItem> udtTable;
         for (qsizetype i = 0; i < (pbooLarge ? 14000 : 20); ++i)
             udtTable.append({QStringLiteral("frmMain"), QStringLiteral("cmdButton%1").arg(i), static_cast<uint8_t>(i % 256),
                              Filler(i, 40), Filler(i, 24)});
         objStore->SetControlTextTable(udtTable);
         return [objStore](const QString& pstrFile, QString& pstrReason) {
             bool booSuccess = false;
             objStore->SaveControlText(pstrFile, booSuccess);
             pstrReason = objStore->LastError().Text();
             return booSuccess;
         };
     }},
    {"BuildFormTextList", "frmMain.LRC", false,
     [](bool pbooLarge) -> fnWrite {
         auto frm = std::make_shared<clsFakeForm>(QStringLiteral("frmMain"));
         for (qsizetype i = 0; i < (pbooLarge ? 9000 : 12); ++i) {
             clsFakeControl& ctl = frm->Add(enuControlKind::CommandButton, QStringLiteral("cmdButton%1").arg(i));
             ctl.mstrCaption = Filler(i, 40);
             ctl.mstrToolTip = Filler(i, 24);
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
     }},
};

void PrintTo(const udtWriter& pudtWriter, std::ostream* pobjOut) { *pobjOut << pudtWriter.Name; }

// The first three write a large table; those before DestinationIsFolder meet an old file there.
// (Links and loops at the destination are the file system layer's own tests; a FIFO stands for every
// node that is not a regular file.)
enum enuFault { LimitAtStart, LimitInMiddle, FullDisk, LimitAtFlush, ReadOnlyFolder, DestinationIsFolder, FolderMissing,
                DestinationIsFifo };
const char* const FaultNames[] = {"LimitAtStart", "LimitInMiddle", "FullDisk", "LimitAtFlush", "ReadOnlyFolder",
                                  "DestinationIsFolder", "FolderMissing", "DestinationIsFifo"};

const QByteArray OldContent = "the old file, which must survive\r\n";

QStringList Entries(const QString& pstrFolder)
{
    return QDir(pstrFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the body in a child; its answer: empty for a pass, "SKIP: why" for a skip, else the failure.
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
        (void)!write(fds[1], strOut.data(), strOut.size());  // short: fits the pipe
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
bool PrivateMounts()
{
    return unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

void LimitFileSize(qint64 plngBytes)
{
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG instead of killing
    const rlimit udtLimit{static_cast<rlim_t>(plngBytes), static_cast<rlim_t>(plngBytes)};
    setrlimit(RLIMIT_FSIZE, &udtLimit);
}

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<udtWriter, int>> {};

TEST_P(SaveFaultTest, OldFileSurvivesNothingIsLeftAndTheReasonIsGiven)
{
    const udtWriter& udtWriter = std::get<0>(GetParam());
    const auto enuCase = static_cast<enuFault>(std::get<1>(GetParam()));
    const bool booLarge = enuCase < LimitAtFlush, booHasOld = enuCase < DestinationIsFolder;
    clsTempDir objDir;
    const QString strName = QString::fromLatin1(udtWriter.FileName), strFolder = objDir.Path(QStringLiteral("lang"));
    QDir().mkpath(strFolder);
    QString strTarget = strFolder + u'/' + strName;
    const fnWrite fnSave = udtWriter.Prepare(booLarge);
    clsYesDesktop objDesktop;
    InstallDesktop(&objDesktop);

    // The bytes a successful write produces, for the size limits.
    QString strReason;
    ASSERT_TRUE(fnSave(objDir.Path(QStringLiteral("scratch-")) + strName, strReason)) << strReason.toStdString();
    const qint64 lngNewSize = QFileInfo(objDir.Path(QStringLiteral("scratch-")) + strName).size();
    ASSERT_GT(lngNewSize, booLarge ? 200000 : 1000);
    ASSERT_TRUE(booLarge || lngNewSize < 16384) << "a small table must fit the write buffer, to fail at the flush";

    const std::string strResult = RunInChild([&]() -> std::string {
        const QByteArray bytFolder = strFolder.toLocal8Bit();
        if (enuCase == FullDisk && (!PrivateMounts() || mount("tmpfs", bytFolder.constData(), "tmpfs", 0, "size=64k") != 0))
            return "SKIP: mounting a small tmpfs is not allowed here";
        if (booHasOld) objDir.Write(QStringLiteral("lang/") + strName, OldContent);
        switch (enuCase) {
        case LimitAtStart: LimitFileSize(0); break;
        case LimitInMiddle: LimitFileSize(lngNewSize / 2); break;
        case LimitAtFlush: LimitFileSize(lngNewSize - 1); break;
        case ReadOnlyFolder: {
            // Permission bits do not stop root: a read-only bind mount does.
            if (geteuid() == 0) {
                if (!PrivateMounts() || mount(bytFolder.constData(), bytFolder.constData(), nullptr, MS_BIND, nullptr) != 0 ||
                    mount(nullptr, bytFolder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                    return "SKIP: running as root and a read-only bind mount is not allowed here";
            } else if (chmod(bytFolder.constData(), 0555) != 0) {
                return "SKIP: cannot make the folder read-only";
            }
            QFile objProbe(strFolder + QStringLiteral("/probe"));
            if (objProbe.open(QIODevice::WriteOnly)) {
                objProbe.remove();
                return "SKIP: the read-only folder still takes new files";
            }
            break;
        }
        case DestinationIsFolder: objDir.Write(QStringLiteral("lang/") + strName + QStringLiteral("/inside"), OldContent); break;
        case FolderMissing: strTarget = strFolder + QStringLiteral("/missing/") + strName; break;
        case DestinationIsFifo: mkfifo(strTarget.toLocal8Bit().constData(), 0644); break;
        case FullDisk: break;
        }
        struct stat udtNodeBefore {};
        lstat(strTarget.toLocal8Bit().constData(), &udtNodeBefore);
        const QStringList strBefore = Entries(strFolder);

        QString strWhy;
        const bool booSaved = fnSave(strTarget, strWhy);
        std::string strFailures;
        const auto Expect = [&](bool pbooHolds, const std::string& pstrWhat) {
            if (!pbooHolds) strFailures += pstrWhat + "; ";
        };
        Expect(!booSaved, "the write reported success");
        Expect(!strWhy.isEmpty(), "no reason was given");
        if (booHasOld) Expect(clsTempDir::Read(strTarget) == OldContent, "the old file changed");
        if (enuCase == DestinationIsFolder)
            Expect(QFileInfo(strTarget).isDir() && clsTempDir::Read(strTarget + QStringLiteral("/inside")) == OldContent,
                   "the folder in the way changed");
        struct stat udtNodeAfter {};
        lstat(strTarget.toLocal8Bit().constData(), &udtNodeAfter);
        Expect(udtNodeAfter.st_mode == udtNodeBefore.st_mode && udtNodeAfter.st_ino == udtNodeBefore.st_ino,
               "what stood at the destination was replaced");
        Expect(Entries(strFolder) == strBefore, "the folder holds other files now: " + Entries(strFolder).join(u' ').toStdString());
        Expect(objDesktop.mlngOthers == 0, "an unexpected message box was shown");
        const int32_t lngQuestions = udtWriter.AsksToOverwrite && booHasOld ? 1 : 0;
        Expect(objDesktop.mlngQuestions == lngQuestions,
               "asked to overwrite " + std::to_string(objDesktop.mlngQuestions) + " times, not " + std::to_string(lngQuestions));
        if (enuCase == ReadOnlyFolder && geteuid() != 0) chmod(bytFolder.constData(), 0755);
        return strFailures.empty() ? std::string() : strFailures + "(reason given: " + strWhy.toStdString() + ")";
    });
    InstallDesktop(nullptr);
    if (strResult.rfind("SKIP: ", 0) == 0) GTEST_SKIP() << strResult.substr(6);
    EXPECT_EQ(strResult, "");
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveFaultTest,
                         ::testing::Combine(::testing::ValuesIn(Writers), ::testing::Range(0, int(DestinationIsFifo) + 1)),
                         [](const auto& pudtInfo) {
                             return std::string(std::get<0>(pudtInfo.param).Name) + "_" + FaultNames[std::get<1>(pudtInfo.param)];
                         });

class SaveKillTest : public ::testing::TestWithParam<udtWriter> {};

TEST_P(SaveKillTest, KilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const udtWriter& udtWriter = GetParam();
    clsTempDir objDir;
    const QString strName = QString::fromLatin1(udtWriter.FileName);
    const QString strTarget = objDir.Path(QStringLiteral("lang/") + strName);
    const fnWrite fnSave = udtWriter.Prepare(true);
    clsYesDesktop objDesktop;
    InstallDesktop(&objDesktop);

    QString strReason;
    ASSERT_TRUE(fnSave(objDir.Path(QStringLiteral("new-")) + strName, strReason)) << strReason.toStdString();
    const QByteArray bytNew = clsTempDir::Read(objDir.Path(QStringLiteral("new-")) + strName);
    const QByteArray bytOld = OldContent.repeated(1000);  // large too, so a torn file would show

    // Starts a child that writes the table over the old file, and returns its id once it is about to.
    const auto StartWriter = [&]() -> pid_t {
        int fds[2];
        if (pipe(fds) != 0) return -1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            QString strWhy;
            const char c = 'g';
            if (write(fds[1], &c, 1) != 1) _exit(3);
            _exit(fnSave(strTarget, strWhy) ? 0 : 1);
        }
        close(fds[1]);
        char c;
        const bool booReady = read(fds[0], &c, 1) == 1;
        close(fds[0]);
        return booReady ? pid : -1;
    };

    // How long one write in a child takes here.
    objDir.Write(QStringLiteral("lang/") + strName, bytOld);
    const auto tStart = std::chrono::steady_clock::now();
    const pid_t pidTimed = StartWriter();
    ASSERT_GT(pidTimed, 0);
    int intStatus = 0;
    waitpid(pidTimed, &intStatus, 0);
    const auto lngMicros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - tStart).count();
    ASSERT_TRUE(WIFEXITED(intStatus) && WEXITSTATUS(intStatus) == 0 && clsTempDir::Read(strTarget) == bytNew);

    constexpr int Kills = 100;
    for (int k = 0; k < Kills; ++k) {
        // A fresh old file and no leftovers of the last kill (a killed writer cannot remove its temporary file).
        for (const QString& s : Entries(objDir.Path(QStringLiteral("lang")))) QFile::remove(objDir.Path(QStringLiteral("lang/") + s));
        objDir.Write(QStringLiteral("lang/") + strName, bytOld);
        const pid_t pid = StartWriter();
        ASSERT_GT(pid, 0);
        // Moments spread over the whole write, a few of them after it.
        std::this_thread::sleep_for(std::chrono::microseconds(lngMicros * k / (Kills - 10)));
        kill(pid, SIGKILL);
        waitpid(pid, &intStatus, 0);
        const QByteArray bytNow = clsTempDir::Read(strTarget);
        ASSERT_TRUE(bytNow == bytOld || bytNow == bytNew)
            << "kill " << k << " after " << lngMicros * k / (Kills - 10) << " us left " << bytNow.size() << " bytes, neither the old "
            << bytOld.size() << " nor the new " << bytNew.size();
    }
    InstallDesktop(nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveKillTest, ::testing::ValuesIn(Writers),
                         [](const auto& pudtInfo) { return std::string(pudtInfo.param.Name); });

class SaveRaceTest : public ::testing::TestWithParam<udtWriter> {};

// Neither may replace the other's file: only the overwrite question gives leave, and it is answered No.
TEST_P(SaveRaceTest, OfTwoWritersToANewFileOneFails)
{
    if (fs::PortableFileSystem()) GTEST_SKIP() << "the portable build checks the name just before its commit, not with it";
    const udtWriter& udtWriter = GetParam();
    clsTempDir objDir;
    const QString strTarget = objDir.Path(QString::fromLatin1(udtWriter.FileName));
    const fnWrite fnSave = udtWriter.Prepare(true);
    clsYesDesktop objDesktop;
    objDesktop.mlngAnswer = vbNo;
    InstallDesktop(&objDesktop);
    for (int r = 0; r < 20; ++r) {
        QFile::remove(strTarget);
        int fdsGo[2];
        ASSERT_EQ(pipe(fdsGo), 0);
        pid_t pids[2];
        for (pid_t& pid : pids) {
            if ((pid = fork()) != 0) continue;
            QString strWhy;
            char c;
            if (read(fdsGo[0], &c, 1) != 1) _exit(3);
            if (fnSave(strTarget, strWhy)) _exit(0);
            _exit(strWhy.endsWith(QStringLiteral("appeared while it was being written; not replaced")) ? 1
                  : objDesktop.mlngQuestions == 1                                                   ? 2 : 3);
        }
        ASSERT_EQ(write(fdsGo[1], "gg", 2), 2);
        close(fdsGo[0]);
        close(fdsGo[1]);
        int lngExits[4] = {};
        for (const pid_t pid : pids) {
            int intStatus = 0;
            waitpid(pid, &intStatus, 0);
            ++lngExits[WIFEXITED(intStatus) ? WEXITSTATUS(intStatus) & 3 : 3];
        }
        EXPECT_EQ(lngExits[0], 1) << "run " << r << ": both or neither wrote";
        EXPECT_EQ(lngExits[3], 0) << "run " << r << ": a loser failed for another reason";
        EXPECT_EQ(Entries(objDir.Path()), QStringList{QString::fromLatin1(udtWriter.FileName)}) << "run " << r;
    }
    InstallDesktop(nullptr);
}

// The store's saver: the one that asks before replacing.
INSTANTIATE_TEST_SUITE_P(EveryAskingWriter, SaveRaceTest, ::testing::ValuesIn(Writers, Writers + 1),
                         [](const auto& pudtInfo) { return std::string(pudtInfo.param.Name); });

}  // namespace
