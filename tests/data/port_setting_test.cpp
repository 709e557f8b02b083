// ZANO.INI: the serial port remembered per model and where the file lives.

#include "data/port_setting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/data/file_bytes.h"

TEST(PortSettings, EachModelGetsThePortSetForItOrACodeForNone) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("ZANO.INI").toStdString();
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
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const std::string defaultPath = SettingsFilePath();
    QDir::setCurrent(previous);
    EXPECT_EQ(defaultPath, QDir(dir.path()).canonicalPath().toStdString() + "/ZANO.INI");
}
