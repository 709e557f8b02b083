// CRX4FILE record reads and the diagnostic dump file.

#include "data/crx4file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "data/diagnostic_dump.h"
#include "tests/data/file_bytes.h"

namespace {

std::string Bytes(int first, int last) {
    std::string bytes;
    for (int i = first; i <= last; ++i) {
        bytes += static_cast<char>('A' + i);
    }
    return bytes;
}

class FileClass : public testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(FileClass, ReadTakesSeventeenOfEveryNineteenBytesAndTheShortTail) {
    const std::string path = Path("r.txt");
    WriteFileBytes(path, Bytes(0, 39));
    CRX4FILE file;
    std::string text = "old";
    EXPECT_EQ(file.RX4ReadFile(&text, path.c_str()), FILE_OK);
    EXPECT_EQ(text, Bytes(0, 16) + Bytes(19, 35) + Bytes(38, 39));
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.RX4CloseFile(), FILE_OK);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.RX4CloseFile(), FILE_OK);

    WriteFileBytes(path, Bytes(0, 37));
    EXPECT_EQ(file.RX4ReadFile(&text, path.c_str()), FILE_OK);
    EXPECT_EQ(text, Bytes(0, 16) + Bytes(19, 35));
}

TEST_F(FileClass, ReadOfAMissingFileFailsWithAnEmptyDestination) {
    CRX4FILE file;
    std::string text = "old";
    EXPECT_EQ(file.RX4ReadFile(&text, Path("nada.txt").c_str()), FILE_FAILED);
    EXPECT_EQ(text, "");
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileClass, OpenReplacesAnExistingFileAndFailsInAMissingFolder) {
    const std::string path = Path("w.txt");
    WriteFileBytes(path, "old content");
    CRX4FILE file;
    ASSERT_EQ(file.RX4OpenFile(path.c_str()), FILE_OK);
    EXPECT_EQ(file.RX4WriteFile("ignored", 7), FILE_OK);
    file.RX4CloseFile();
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(file.RX4OpenFile(Path("no/w.txt").c_str()), FILE_FAILED);
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileClass, DiagnosticDumpReplacesTheFileWithTheUnscrambledDump) {
    SetDumpFolder(dir_.path().toStdString());
    WriteFileBytes(Path("novoQ5100.txt"), "previous dump that is longer");
    CRX4DATA store;
    store.Add("10", "5");
    store.Add("2B", "4");
    CRX4FILE file;
    EXPECT_TRUE(WriteDiagnosticDump(store, 1, file));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadFileBytes(Path("novoQ5100.txt")), "000000=|10|-1|5|\r\n000001=|2B|-1|4|\r\n");

    SetDumpFolder(Path("missing"));
    EXPECT_FALSE(WriteDiagnosticDump(store, 0, file));
    SetDumpFolder("");
}

TEST_F(FileClass, DumpFileIsNamedAfterTheModelInAFolderTheEnvironmentOrProgramChooses) {
    setenv("ZANO_DUMP_DIR", "/srv/dumps", 1);
    EXPECT_EQ(DumpFilePath(0), "/srv/dumps/novoQ7100.txt");
    EXPECT_EQ(DumpFilePath(2), "/srv/dumps/novoQ7100.txt");
    SetDumpFolder(dir_.path().toStdString());
    EXPECT_EQ(DumpFilePath(1), Path("novoQ5100.txt"));
    SetDumpFolder("");
    unsetenv("ZANO_DUMP_DIR");
    EXPECT_FALSE(DumpFolder().empty());
    EXPECT_NE(DumpFolder(), "/srv/dumps");
}
