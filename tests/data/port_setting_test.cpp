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

    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("ZANO.INI").toStdString();
};

}  // namespace

TEST_F(PortSettings, GetWithoutTheModelsSectionGivesOneOrTwo) {
    int port = 9;
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 1);
    EXPECT_EQ(PortSetting("Q7100", &port, "GET"), 2);
    WriteFileBytes(path_, "[CONFIG_Q7100]\r\nCOM=4\r\n");
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 1);
    EXPECT_EQ(port, 9);
}

TEST_F(PortSettings, GetOfAnEmptyValueOrAnotherModelGivesThree) {
    WriteFileBytes(path_, "[CONFIG_Q5100]\r\nCOM=\r\n");
    int port = 9;
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 3);
    EXPECT_EQ(PortSetting("Q5100 plus", &port, "GET"), 3);
    EXPECT_EQ(port, 9);
}

TEST_F(PortSettings, SetThenGetGivesThePortBack) {
    int port = 4;
    EXPECT_EQ(PortSetting("Q7100", &port, "SET"), 0);
    port = 12;
    EXPECT_EQ(PortSetting("Q5100", &port, "SET"), 0);
    EXPECT_EQ(ReadFileBytes(path_), "[CONFIG_Q7100]\r\nCOM=4\r\n[CONFIG_Q5100]\r\nCOM=12\r\n");
    port = 0;
    EXPECT_EQ(PortSetting("Q7100", &port, "GET"), 0);
    EXPECT_EQ(port, 4);
    EXPECT_EQ(PortSetting("Q5100", &port, "GET"), 0);
    EXPECT_EQ(port, 12);
}

TEST_F(PortSettings, SetForAnotherModelWritesNothing) {
    int port = 4;
    EXPECT_EQ(PortSetting("Q9999", &port, "SET"), 0);
    EXPECT_EQ(ReadFileBytes(path_), "");
}

TEST_F(PortSettings, FileLivesInAWritableCurrentDirectory) {
    SetSettingsFilePath("");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const std::string path = SettingsFilePath();
    QDir::setCurrent(previous);
    EXPECT_EQ(path, QDir(dir_.path()).canonicalPath().toStdString() + "/ZANO.INI");
}
