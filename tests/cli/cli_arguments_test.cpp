// The tool's command line: every option lands where the commands read it,
// and each mistake is refused with the word at fault named (exit code 2).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <sstream>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "i18n/language.h"

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

TEST(CliArgumentsTest, OptionsLandInTheirSettings) {
    std::string error;
    const auto read = ParseCliArguments(Words("read --model q5100plus --port COM12 -o x.cfg --force --trace t.txt"), &error);
    ASSERT_TRUE(read.has_value()) << error;
    EXPECT_EQ(std::make_tuple(read->modelIndex, read->portNumber, read->output, read->force, read->traceFile),
              std::make_tuple(2, 12, "x.cfg", true, "t.txt"));
    const auto monitor = ParseCliArguments(Words("monitor --simulator q5100 --seconds 3 --csv"), &error);
    ASSERT_TRUE(monitor.has_value()) << error;
    EXPECT_EQ(std::make_tuple(monitor->simulatorModel, monitor->modelIndex, monitor->seconds, monitor->csv),
              std::make_tuple(1, -1, 3, true));
    const auto diff = ParseCliArguments(Words("diff a.cfg ecu:COM3 --model q7100"), &error);
    ASSERT_TRUE(diff.has_value()) << error;
    EXPECT_EQ(diff->operands, (std::vector<std::string>{"a.cfg", "ecu:COM3"}));
    EXPECT_EQ(diff->modelIndex, 0);
    const auto help = ParseCliArguments(Words("write --help"), &error);
    ASSERT_TRUE(help.has_value() && help->help);
    EXPECT_NE(CliUsage("write").find("zano-cli write FILE"), std::string::npos);
}

TEST(CliArgumentsTest, MistakesAreRefusedNamingTheWordAtFault) {
    const std::pair<const char*, const char*> bad[] = {
        {"", "no command"},
        {"frob", "frob"},
        {"read --model q9000 --port COM1", "--model"},
        {"read --model q7100 --port 5", "--port"},
        {"read --model q7100 --port COM0", "--port"},
        {"read --port COM1", "--model"},
        {"monitor --simulator q7100 --seconds 0", "--seconds"},
        {"read --simulator q7100 --bogus", "--bogus"},
        {"read --simulator q7100 --force", "--force"},
        {"write --simulator q7100", "write takes 1"},
        {"diff a", "diff takes 2"},
        {"read --simulator q7100 --port COM5", "exclude each other"},
    };
    for (const auto& [words, named] : bad) {
        std::string error;
        EXPECT_FALSE(ParseCliArguments(Words(words), &error).has_value()) << words;
        EXPECT_NE(error.find(named), std::string::npos) << words << ": " << error;
    }
}

// The write's question is answered in the run's language: the Spanish "sí"
// (with or without its accent) goes on as the Portuguese "sim" always did,
// and a no stays a no in every language.
TEST(CliArgumentsTest, TheWriteQuestionTakesTheYesOfTheRunsLanguage) {
    int argc = 1;
    char name[] = "tests_cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (const char* yes : {"y", "Y", "yes", "s", "S", "sim", "SIM"}) EXPECT_TRUE(IsYesAnswer(yes)) << yes;
    for (const char* no : {"", "n", "N", "no", "nao", "não", "ja", "sims"}) EXPECT_FALSE(IsYesAnswer(no)) << no;

    ASSERT_TRUE(InstallLanguage(UiLanguage::Spanish));
    for (const char* yes : {"sí", "SÍ", "si", "Si", "s", "y", "sim"}) EXPECT_TRUE(IsYesAnswer(yes)) << yes;
    for (const char* no : {"", "n", "no", "nao", "sin", "ja"}) EXPECT_FALSE(IsYesAnswer(no)) << no;
    InstallLanguage(UiLanguage::Portuguese);
    EXPECT_FALSE(IsYesAnswer("si")) << "no catalogue: only the Portuguese and English answers";
}

}  // namespace
