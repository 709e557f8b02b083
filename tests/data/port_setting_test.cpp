// ZANO.INI: the serial port remembered per model and where the file lives.

#include "data/port_setting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "tests/data/file_bytes.h"

namespace {

class PortSettings : public testing::Test {
  protected:
    void SetUp() override { SetSettingsFilePath(path_); }
    void TearDown() override { SetSettingsFilePath(""); }
    int Port(const char* model, int port, const char* mode) {
        port_ = port;
        return PortSetting(model, &port_, mode);
    }

    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("ZANO.INI").toStdString();
    int port_ = 0;
};

}  // namespace

TEST_F(PortSettings, SetThenGetGivesEachModelsPortBack) {
    EXPECT_EQ(Port("Q5100", 9, "GET"), 1);
    EXPECT_EQ(Port("Q7100", 9, "GET"), 2);
    EXPECT_EQ(port_, 9);
    EXPECT_EQ(Port("Q7100", 4, "SET"), 0);
    EXPECT_EQ(Port("Q5100", 9, "GET"), 1) << "Q7100's port is not Q5100's";
    EXPECT_EQ(Port("Q5100", 12, "SET"), 0);
    EXPECT_EQ(Port("Q9999", 5, "SET"), 0);
    EXPECT_EQ(Port("Q5100 plus", 5, "set"), 3);
    EXPECT_EQ(ReadFileBytes(path_), "[CONFIG_Q7100]\r\nCOM=4\r\n[CONFIG_Q5100]\r\nCOM=12\r\n");
    EXPECT_EQ(Port("Q7100", 0, "GET"), 0);
    EXPECT_EQ(port_, 4);
    EXPECT_EQ(Port("Q5100", 0, "GET"), 0);
    EXPECT_EQ(port_, 12);
}

TEST_F(PortSettings, GetOfAnEmptyValueOrAnotherModelGivesThree) {
    WriteFileBytes(path_, "[CONFIG_Q5100]\r\nCOM=\r\n");
    EXPECT_EQ(Port("Q5100", 9, "GET"), 3);
    EXPECT_EQ(Port("Q5100 plus", 9, "GET"), 3);
    EXPECT_EQ(port_, 9);
}

TEST_F(PortSettings, FileLivesInAWritableCurrentDirectory) {
    SetSettingsFilePath("");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const std::string path = SettingsFilePath();
    QDir::setCurrent(previous);
    EXPECT_EQ(path, QDir(dir_.path()).canonicalPath().toStdString() + "/ZANO.INI");
}
