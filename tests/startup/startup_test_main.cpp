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
    static char program[] = "zano-configurator";
    static char quitAfter[] = "--quit-after";
    static char quitMs[] = "1500";
    static char bogus[] = "--bogus";
    static char oldSplashFlag[] = "-nosplash";
    static char* arguments[] = {program, quitAfter, quitMs, bogus, oldSplashFlag, nullptr};
    static_assert(kStartUpQuitAfterMs == 1500, "the quit time above");
    int count = 5;
    CConfiguratorApp app(count, arguments);
    return RUN_ALL_TESTS();
}
