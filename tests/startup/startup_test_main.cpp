// One application object for the whole run, made as the program makes it,
// with a command line that carries unknown options (they must not end it)
// and a quit time, so that each InitInstance ends by itself.
#include <gtest/gtest.h>

#include "app/ui/configurator_app.h"
#include "tests/startup/startup_test.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char words[][20] = {"zano-configurator", "--quit-after", "1500", "--bogus", "-nosplash"};
    static char* arguments[] = {words[0], words[1], words[2], words[3], words[4], nullptr};
    static_assert(kStartUpQuitAfterMs == 1500, "the quit time above");
    int count = 5;
    CConfiguratorApp app(count, arguments);
    return RUN_ALL_TESTS();
}
