// The diagnostic dump holds a customer's settings: it is written where only
// the user can reach it, readable by the user alone, and a link someone
// planted at its name is never followed.

#include "data/diagnostic_dump.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <string>

#include "tests/data/file_bytes.h"

namespace {

constexpr const char* kDump = "000000=|10|-1|5|\r\n000001=|2B|-1|4|\r\n";

class DiagnosticDump : public testing::Test {
  protected:
    void SetUp() override {
        store_.Add("10", "5");
        store_.Add("2B", "4");
        SetDumpFolder(dir_.path().toStdString());
    }
    void TearDown() override { SetDumpFolder(""); }

    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    bool Dump(int modelIndex) { return WriteDiagnosticDump(store_, modelIndex, file_); }
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static mode_t Mode(const std::string& path) {
        struct stat state {};
        return lstat(path.c_str(), &state) == 0 ? state.st_mode : 0;
    }

    QTemporaryDir dir_;
    CRX4DATA store_;
    CRX4FILE file_;
};

TEST_F(DiagnosticDump, ReplacesPlantedLinksWithAFileOnlyTheUserReadsWhateverTheUmask) {
    WriteFileBytes(Path("alvo"), "someone else's file");
    ASSERT_EQ(symlink(Path("alvo").c_str(), Path("novoQ7100.txt").c_str()), 0);
    // A dangling link would have the dump create its target.
    ASSERT_EQ(symlink(Path("criado").c_str(), Path("novoQ5100.txt").c_str()), 0);
    const mode_t umaskBefore = umask(0);
    const bool written = Dump(1) && Dump(2);
    umask(umaskBefore);
    ASSERT_TRUE(written);
    EXPECT_FALSE(file_.IsOpen());
    EXPECT_EQ(ReadFileBytes(Path("alvo")), "someone else's file");
    for (const char* name : {"novoQ7100.txt", "novoQ5100.txt"}) {
        EXPECT_EQ(Mode(Path(name)), S_IFREG | 0600) << name;
        EXPECT_EQ(ReadFileBytes(Path(name)), kDump) << name;
    }
    EXPECT_EQ(Entries(), (QStringList{"alvo", "novoQ5100.txt", "novoQ7100.txt"}))
        << "no temporary file is left, no link target created";
}

TEST_F(DiagnosticDump, ADumpThatCannotBeWrittenLeavesThePreviousOneWhole) {
    WriteFileBytes(Path("novoQ7100.txt"), "previous dump");
    // Files may not grow past 10 bytes: the write fails half-way, as on a full disk.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Dump(0);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileBytes(Path("novoQ7100.txt")), "previous dump");
    EXPECT_EQ(Entries(), QStringList{"novoQ7100.txt"});
}

TEST_F(DiagnosticDump, AFolderOthersCanWriteToOrOwnIsRefused) {
    const std::string folder = dir_.path().toStdString();
    for (mode_t shared : {0777, 01777, 0770}) {
        chmod(folder.c_str(), shared);
        EXPECT_FALSE(Dump(0)) << std::oct << shared;
    }
    chmod(folder.c_str(), 0755);
    EXPECT_TRUE(Entries().isEmpty());
    SetDumpFolder(Path("ausente"));
    EXPECT_FALSE(Dump(0)) << "a chosen folder is not created";
    if (geteuid() == 0) {  // only root can hand a folder to another user
        ASSERT_TRUE(QDir().mkdir(QString::fromStdString(Path("alheia"))));
        ASSERT_EQ(chown(Path("alheia").c_str(), 65534, 65534), 0);
        chmod(Path("alheia").c_str(), 0700);
        SetDumpFolder(Path("alheia"));
        EXPECT_FALSE(Dump(0));
    }
}

// Each test runs in its own process under CTest: the environment it changes dies with it.
TEST_F(DiagnosticDump, TheDefaultFolderIsTheUsersCacheMadePrivate) {
    SetDumpFolder("");
    const std::string home = Path("casa");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CACHE_HOME", "relativo", 1);
    unsetenv("ZANO_DUMP_DIR");
    EXPECT_EQ(DumpFolder(), home + "/.cache/zano") << "a relative XDG_CACHE_HOME is ignored";
    ASSERT_TRUE(Dump(0));
    EXPECT_EQ(Mode(home + "/.cache"), S_IFDIR | 0700);
    EXPECT_EQ(Mode(home + "/.cache/zano"), S_IFDIR | 0700);
    EXPECT_EQ(ReadFileBytes(home + "/.cache/zano/novoQ7100.txt"), kDump);
    setenv("XDG_CACHE_HOME", Path("xdg").c_str(), 1);
    EXPECT_EQ(DumpFolder(), Path("xdg") + "/zano");
    setenv("ZANO_DUMP_DIR", Path("escolhida").c_str(), 1);
    EXPECT_EQ(DumpFilePath(0), Path("escolhida") + "/novoQ7100.txt");
    SetDumpFolder(Path("programa"));
    EXPECT_EQ(DumpFilePath(1), Path("programa") + "/novoQ5100.txt");
}

}  // namespace
