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

#include "tests/data/file_bytes.h"

namespace {

// One line per register in key order: position=group|keyword|index|value|.
constexpr const char* kDump = "000000=|10|-1|5|\r\n000001=|1E|-1|3C|\r\n000002=|2B|-1|4|\r\n";

class DiagnosticDump : public testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [reg, value] : {std::pair{"2B", "4"}, {"10", "5"}, {"1E", "3C"}})
            store_.Add(reg, value);
        SetDumpFolder(folder_);
    }
    void TearDown() override { SetDumpFolder(""); }

    std::string Path(const char* name) const { return folder_ + "/" + name; }
    bool Dump(int modelIndex) { return WriteDiagnosticDump(store_, modelIndex, file_); }
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); }
    static mode_t Mode(const std::string& path) {
        struct stat state {};
        return lstat(path.c_str(), &state) == 0 ? state.st_mode : 0;
    }

    QTemporaryDir dir_;
    std::string folder_ = dir_.path().toStdString();
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
    ASSERT_TRUE(written && !file_.IsOpen());
    EXPECT_EQ(ReadFileBytes(Path("alvo")), "someone else's file");
    for (const char* name : {"novoQ7100.txt", "novoQ5100.txt"})
        EXPECT_EQ(std::make_pair(Mode(Path(name)), ReadFileBytes(Path(name))), std::make_pair(mode_t{S_IFREG | 0600}, std::string(kDump)));
    EXPECT_EQ(Entries(), (QStringList{"alvo", "novoQ5100.txt", "novoQ7100.txt"}))
        << "no temporary file is left, no link target created";
}

TEST_F(DiagnosticDump, ADumpThatCannotBeWrittenLeavesThePreviousOneWhole) {
    WriteFileBytes(Path("novoQ7100.txt"), "previous dump");
    // Files may not grow past 10 bytes: the write fails half-way, as on a full disk.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit small{10, before.rlim_max};
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Dump(0);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileBytes(Path("novoQ7100.txt")), "previous dump");
    EXPECT_EQ(Entries(), QStringList{"novoQ7100.txt"});
}

TEST_F(DiagnosticDump, AFolderOthersCanWriteToOrOwnIsRefusedAndAChosenOneIsNotMade) {
    for (mode_t shared : {0777, 01777, 0770}) {
        chmod(folder_.c_str(), shared);
        EXPECT_FALSE(Dump(0)) << std::oct << shared;
    }
    chmod(folder_.c_str(), 0700);
    EXPECT_TRUE(Entries().isEmpty());
    SetDumpFolder(Path("ausente"));
    EXPECT_FALSE(Dump(0));
    if (geteuid() == 0) {  // only root can hand a folder to another user
        ASSERT_EQ(mkdir(Path("ausente").c_str(), 0700) | chown(Path("ausente").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(Dump(0));
    }
    EXPECT_TRUE(QDir(QString::fromStdString(Path("ausente"))).isEmpty());
}

}  // namespace
