// The private-profile (INI) engine: lookups, in-place rewrites that keep
// every other byte, placement of new keys and sections, Windows-1252 and
// CRLF on disk; and ZANO.INI, the serial port remembered per model.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/port_setting.h"
#include "data/private_profile.h"
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
// key), a line that is no key, bytes outside ASCII and a blank line; edited
// by hand, so one line ends in LF only and the last has no line end.
const std::string kLegacy =
    "; coment\xE1rio\r\n[Q5100]\r\nClientes=Antigo\r\n\x81 linha estranha\r\nMarca = Fiat \n"
    "\r\n[CONFIG_Q5100]\r\n10=5\r\n; 12=FF";

}  // namespace

TEST_F(PrivateProfileFile, LookupsIgnoreCaseTrimValuesAndSkipComments) {
    EXPECT_EQ(Read("Q5100", "Clientes"), "<default>") << "no file";
    WriteFileBytes(path_, kLegacy + "\nc=\xE7\xE7");
    EXPECT_EQ(Read("q5100", "CLIENTES") + "|" + Read("Q5100", "marca") + "|" + Read("config_q5100", "10"),
              "Antigo|Fiat|5");
    // A commented-out key is no key; keys belong to their section.
    for (const auto& [section, key] : {std::pair{"CONFIG_Q5100", "12"}, {"Q7100", "Clientes"}, {"CONFIG_Q5100", "Clientes"}})
        EXPECT_EQ(Read(section, key), "<default>") << section << " " << key;
    // Cut to the buffer, never inside a character ("çç" is four bytes).
    EXPECT_EQ(Read("Q5100", "Clientes", 4) + "|" + Read("CONFIG_Q5100", "c", 4) + "|" + Read("CONFIG_Q5100", "c"),
              "Ant|ç|çç");
}

// On disk Windows-1252 ("?" for what it lacks), in the program UTF-8.
TEST_F(PrivateProfileFile, RewritesKeysInPlaceKeepingLineEndsAndAddsNewOnesAfterTheSectionsLastKey) {
    WriteFileBytes(path_, kLegacy);
    ASSERT_TRUE(Write("Q5100", "Clientes", "João Ação €"));
    ASSERT_TRUE(Write("q5100", "MARCA", "Ford"));
    ASSERT_TRUE(Write("Q5100", "Placa", "łódź"));
    ASSERT_TRUE(Write("CONFIG_Q5100", "2B", "4"));
    ASSERT_TRUE(Write("NOVA", "k", "um\r\ndois\ntres"));
    EXPECT_EQ(ReadFileBytes(path_),
              "; coment\xE1rio\r\n[Q5100]\r\nClientes=Jo\xE3o A\xE7\xE3o \x80\r\n\x81 linha estranha\r\n"
              "MARCA=Ford\nPlaca=?\xF3" "d?\r\n\r\n[CONFIG_Q5100]\r\n10=5\r\n2B=4\r\n; 12=FF\r\n"
              "[NOVA]\r\nk=um  dois tres\r\n");
    EXPECT_EQ(Read("Q5100", "Clientes") + Read("Q5100", "Placa"), "João Ação €?ód?");
}

TEST_F(PrivateProfileFile, PortSettingsGiveEachModelThePortSetForItOrACodeForNone) {
    SetSettingsFilePath(path_);  // as ZANO.INI
    int port = 9;
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 1);
    EXPECT_EQ(PortSetting("Q7100", &port, "GET"), 2);
    for (const auto& [model, set] : {std::pair{"Q7100", 4}, {"Q5100", 12}, {"Q9999", 5}}) {
        port = set;
        EXPECT_EQ(PortSetting(model, &port, "SET"), 0);
    }
    EXPECT_EQ(PortSetting("Q5100 plus", &port, "set"), 3);
    EXPECT_EQ(ReadFileBytes(path_), "[CONFIG_Q7100]\r\nCOM=4\r\n[CONFIG_Q5100]\r\nCOM=12\r\n");
    for (const auto& [model, set] : {std::pair{"Q7100", 4}, {"Q5100", 12}})
        EXPECT_TRUE(PortSetting(model, &port, "GET") == 0 && port == set) << model;
    EXPECT_EQ(PortSetting("Q5100 plus", &port, "GET"), 3);
    WriteFileBytes(path_, "[CONFIG_Q5100]\r\nCOM=\r\n");
    EXPECT_TRUE(PortSetting("Q5100", &port, "GET") == 3 && port == 12);
}
