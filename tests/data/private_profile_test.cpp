// The private-profile (INI) engine: lookups, in-place rewrites that keep
// every other byte, placement of new keys and sections, Windows-1252 and
// CRLF on disk; and ZANO.INI, the serial port remembered per model.

#include "data/private_profile.h"
#include "data/port_setting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "tests/data/file_bytes.h"

namespace {

class PrivateProfileFile : public testing::Test {
  protected:
    std::string Read(const char* section, const char* key, uint32_t size = 256) const {
        char out[256];
        GetPrivateProfileText(section, key, "<default>", out, size, path_.c_str());
        return out;
    }
    bool Write(const char* section, const char* key, const char* value) const {
        return WritePrivateProfileText(section, key, value, path_.c_str());
    }

    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("a.ini").toStdString();
};

// A file as the Windows program leaves it: comments (one a commented-out
// key), a line that is no key, bytes outside ASCII and a blank line.
const std::string kLegacy =
    "; coment\xE1rio\r\n[Q5100]\r\nClientes=Antigo\r\n\x81 linha estranha\r\nMarca = Fiat \r\n"
    "\r\n[CONFIG_Q5100]\r\n10=5\r\n; 12=FF\r\n";

}  // namespace

TEST_F(PrivateProfileFile, LookupsIgnoreCaseTrimValuesAndSkipComments) {
    EXPECT_EQ(Read("Q5100", "Clientes"), "<default>") << "no file";
    WriteFileBytes(path_, kLegacy + "c=\xE7\xE7\r\n");
    EXPECT_EQ(Read("q5100", "CLIENTES"), "Antigo");
    EXPECT_EQ(Read("Q5100", "marca"), "Fiat");
    EXPECT_EQ(Read("config_q5100", "10"), "5");
    EXPECT_EQ(Read("CONFIG_Q5100", "12"), "<default>") << "a commented-out key is no key";
    EXPECT_EQ(Read("Q7100", "Clientes"), "<default>");
    EXPECT_EQ(Read("CONFIG_Q5100", "Clientes"), "<default>");
    // Cut to the buffer, never inside a character ("çç" is four bytes).
    EXPECT_EQ(Read("Q5100", "Clientes", 4), "Ant");
    EXPECT_EQ(Read("CONFIG_Q5100", "c", 4), "ç");
    EXPECT_EQ(Read("CONFIG_Q5100", "c"), "çç");
}

TEST_F(PrivateProfileFile, RewritesKeysInPlaceAndAddsNewOnesAfterTheSectionsLastKey) {
    WriteFileBytes(path_, kLegacy);
    ASSERT_TRUE(Write("Q5100", "Clientes", "Novo"));
    ASSERT_TRUE(Write("q5100", "MARCA", "Ford"));
    ASSERT_TRUE(Write("Q5100", "Placa", "ABC1234"));
    ASSERT_TRUE(Write("CONFIG_Q5100", "2B", "4"));
    ASSERT_TRUE(Write("NOVA", "k", "um\r\ndois\ntres"));
    EXPECT_EQ(ReadFileBytes(path_),
              "; coment\xE1rio\r\n[Q5100]\r\nClientes=Novo\r\n\x81 linha estranha\r\nMARCA=Ford\r\n"
              "Placa=ABC1234\r\n\r\n[CONFIG_Q5100]\r\n10=5\r\n2B=4\r\n; 12=FF\r\n"
              "[NOVA]\r\nk=um  dois tres\r\n");
}

TEST_F(PrivateProfileFile, TextIsWindows1252OnDiskAndUtf8InTheProgram) {
    ASSERT_TRUE(Write("Q5100", "Clientes", "João Ação €"));
    ASSERT_TRUE(Write("Q5100", "Placa", "łódź"));
    EXPECT_EQ(ReadFileBytes(path_), "[Q5100]\r\nClientes=Jo\xE3o A\xE7\xE3o \x80\r\nPlaca=?\xF3" "d?\r\n");
    EXPECT_EQ(Read("Q5100", "Clientes"), "João Ação €");
    EXPECT_EQ(Read("Q5100", "Placa"), "?ód?");
}

TEST_F(PrivateProfileFile, LfOnlyAndUnterminatedFilesKeepTheirLineEnds) {
    WriteFileBytes(path_, "[A]\nx=1\n[B]\ny=2");
    EXPECT_EQ(Read("B", "y"), "2");
    ASSERT_TRUE(Write("A", "x", "3"));
    ASSERT_TRUE(Write("B", "z", "4"));
    EXPECT_EQ(ReadFileBytes(path_), "[A]\nx=3\n[B]\ny=2\r\nz=4\r\n");
}

TEST_F(PrivateProfileFile, WriteFailsWithoutAFolderOrAName) {
    EXPECT_FALSE(FileExists(path_.c_str()));
    EXPECT_FALSE(Write("S", "", "v"));
    EXPECT_FALSE(Write("", "k", "v"));
    EXPECT_FALSE(FileExists(path_.c_str()));
    const std::string below = dir_.filePath("missing/a.ini").toStdString();
    EXPECT_FALSE(WritePrivateProfileText("S", "k", "v", below.c_str()));
    EXPECT_FALSE(FileExists(below.c_str()));
    EXPECT_FALSE(FileExists(dir_.path().toUtf8().constData())) << "a folder is no file";
}

TEST_F(PrivateProfileFile, PortSettingsGiveEachModelThePortSetForItOrACodeForNone) {
    const std::string& path = path_;
    SetSettingsFilePath(path);
    int port = 9;
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 1);
    EXPECT_EQ(PortSetting("Q7100", &port, "GET"), 2);
    for (const auto& [model, set] : {std::pair{"Q7100", 4}, {"Q5100", 12}, {"Q9999", 5}}) {
        port = set;
        EXPECT_EQ(PortSetting(model, &port, "SET"), 0);
    }
    EXPECT_EQ(PortSetting("Q5100 plus", &port, "set"), 3);
    EXPECT_EQ(ReadFileBytes(path), "[CONFIG_Q7100]\r\nCOM=4\r\n[CONFIG_Q5100]\r\nCOM=12\r\n");
    EXPECT_EQ(PortSetting("Q7100", &port, "GET"), 0);
    EXPECT_EQ(port, 4);
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 0);
    EXPECT_EQ(port, 12);
    EXPECT_EQ(PortSetting("Q5100 plus", &port, "GET"), 3);
    WriteFileBytes(path, "[CONFIG_Q5100]\r\nCOM=\r\n");
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 3);
    EXPECT_EQ(port, 12);

    // Without a chosen path: ZANO.INI in a writable current directory.
    SetSettingsFilePath("");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const std::string defaultPath = SettingsFilePath();
    QDir::setCurrent(previous);
    EXPECT_EQ(defaultPath, QDir(dir_.path()).canonicalPath().toStdString() + "/ZANO.INI");
}
