// The private-profile (INI) engine: lookups, in-place rewrites that keep
// every other byte, placement of new keys and sections, Windows-1252 and
// CRLF on disk, and the atomic replacement of the file.

#include "data/private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <string>

#include "tests/data/file_bytes.h"

namespace {

class PrivateProfileFile : public testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    std::string Read(const char* section, const char* key, const std::string& path,
                     uint32_t size = 256) const {
        char out[256];
        GetPrivateProfileText(section, key, "<default>", out, size, path.c_str());
        return out;
    }

    QTemporaryDir dir_;
};

// A file as the Windows program leaves it, with a comment, a line that is no
// key, bytes outside ASCII ("comentário", 0x81) and blank lines.
const std::string kLegacy =
    "; coment\xE1rio\r\n"
    "[Q5100]\r\n"
    "Clientes=Antigo\r\n"
    "\x81 linha estranha\r\n"
    "Marca = Fiat \r\n"
    "\r\n"
    "[CONFIG_Q5100]\r\n"
    "10=5\r\n";

}  // namespace

TEST_F(PrivateProfileFile, MissingFileSectionOrKeyGivesTheDefault) {
    const std::string path = Path("a.ini");
    EXPECT_EQ(Read("Q5100", "Clientes", path), "<default>");
    WriteFileBytes(path, kLegacy);
    EXPECT_EQ(Read("Q7100", "Clientes", path), "<default>");
    EXPECT_EQ(Read("Q5100", "Placa", path), "<default>");
    EXPECT_EQ(Read("CONFIG_Q5100", "Clientes", path), "<default>");
}

TEST_F(PrivateProfileFile, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed) {
    const std::string path = Path("a.ini");
    WriteFileBytes(path, kLegacy);
    EXPECT_EQ(Read("q5100", "CLIENTES", path), "Antigo");
    EXPECT_EQ(Read("Q5100", "marca", path), "Fiat");
    EXPECT_EQ(Read("config_q5100", "10", path), "5");
}

TEST_F(PrivateProfileFile, ReadIsCutToTheBufferWithoutSplittingACharacter) {
    const std::string path = Path("a.ini");
    WriteFileBytes(path, "[S]\r\nk=ABCDEF\r\nc=\xE7\xE7\r\n");
    char out[8];
    EXPECT_EQ(GetPrivateProfileText("S", "k", "", out, 4, path.c_str()), 3u);
    EXPECT_STREQ(out, "ABC");
    EXPECT_EQ(GetPrivateProfileText("S", "c", "", out, 4, path.c_str()), 2u);
    EXPECT_STREQ(out, "ç");
    EXPECT_EQ(GetPrivateProfileText("S", "x", "", out, 4, path.c_str()), 0u);
    EXPECT_STREQ(out, "");
}

TEST_F(PrivateProfileFile, RewritesKeysInPlaceAndKeepsEveryOtherByte) {
    const std::string path = Path("a.ini");
    WriteFileBytes(path, kLegacy);
    ASSERT_TRUE(WritePrivateProfileText("Q5100", "Clientes", "Novo", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("q5100", "MARCA", "Ford", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("Q5100", "Placa", "ABC1234", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("CONFIG_Q5100", "2B", "4", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("NOVA", "k", "v", path.c_str()));
    EXPECT_EQ(ReadFileBytes(path),
              "; coment\xE1rio\r\n"
              "[Q5100]\r\n"
              "Clientes=Novo\r\n"
              "\x81 linha estranha\r\n"
              "MARCA=Ford\r\n"
              "Placa=ABC1234\r\n"
              "\r\n"
              "[CONFIG_Q5100]\r\n"
              "10=5\r\n"
              "2B=4\r\n"
              "[NOVA]\r\n"
              "k=v\r\n");
}

TEST_F(PrivateProfileFile, NewFileIsWindows1252WithCrlf) {
    const std::string path = Path("novo.ini");
    ASSERT_TRUE(WritePrivateProfileText("Q5100", "Clientes", "João Ação €", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("Q5100", "Placa", "łódź", path.c_str()));
    EXPECT_EQ(ReadFileBytes(path),
              "[Q5100]\r\nClientes=Jo\xE3o A\xE7\xE3o \x80\r\nPlaca=?\xF3"
              "d?\r\n");
    EXPECT_EQ(Read("Q5100", "Clientes", path), "João Ação €");
}

TEST_F(PrivateProfileFile, LineBreaksInAValueBecomeSpaces) {
    const std::string path = Path("a.ini");
    ASSERT_TRUE(WritePrivateProfileText("S", "k", "um\r\ndois\ntres", path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), "[S]\r\nk=um  dois tres\r\n");
}

TEST_F(PrivateProfileFile, LfOnlyAndUnterminatedFilesStayReadableAndWritable) {
    const std::string path = Path("a.ini");
    WriteFileBytes(path, "[A]\nx=1\n[B]\ny=2");
    EXPECT_EQ(Read("A", "x", path), "1");
    EXPECT_EQ(Read("B", "y", path), "2");
    ASSERT_TRUE(WritePrivateProfileText("A", "x", "3", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileText("B", "z", "4", path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), "[A]\nx=3\n[B]\ny=2\r\nz=4\r\n");
}

TEST_F(PrivateProfileFile, WriteFailsWhenTheFolderIsMissing) {
    const std::string path = Path("missing/a.ini");
    EXPECT_FALSE(WritePrivateProfileText("S", "k", "v", path.c_str()));
    EXPECT_FALSE(FileExists(path.c_str()));
}

TEST_F(PrivateProfileFile, FailedReplaceInAReadOnlyFolderLeavesTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const std::string path = Path("a.ini");
    WriteFileBytes(path, kLegacy);
    ASSERT_EQ(chmod(dir_.path().toUtf8().constData(), 0555), 0);
    const bool written = WritePrivateProfileText("Q5100", "Clientes", "Novo", path.c_str());
    chmod(dir_.path().toUtf8().constData(), 0755);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileBytes(path), kLegacy);
}

TEST_F(PrivateProfileFile, FileExistsOnlyForFiles) {
    const std::string path = Path("a.ini");
    EXPECT_FALSE(FileExists(path.c_str()));
    WriteFileBytes(path, "");
    EXPECT_TRUE(FileExists(path.c_str()));
    EXPECT_FALSE(FileExists(dir_.path().toUtf8().constData()));
}
