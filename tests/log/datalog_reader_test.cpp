// Damaged, foreign and odd datalogs: what is readable opens, every line left
// out is reported with its number and reason, nothing hangs.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "log/datalog_reader.h"

namespace {

const std::string kHead =
    "# Zano datalog 1\n# modelo: Q7100\n# porta: COM3\n# inicio: 2026-12-06T10:00:00+00:00\n"
    "tempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\n"
    "ms,rpm,V,V,passos,,ms,\n";  // lines 1 to 6
const std::string kRows = "0,850,0.52,0.46,80,0,3.5,\n100,860,0.54,0.48,81,0,3.6,\n200,870,0.56,0.50,82,0,3.7,\n";  // 7-9

struct BadInput {
    const char* name;
    std::string text;
    std::vector<int64_t> times;                          // samples read
    std::vector<std::pair<int64_t, std::string>> skipped;  // line, part of the reason
    std::string message;                                 // part of the message
};

std::vector<BadInput> Cases() {
    const std::string binary("\x01\x00\xFF\xFE garbage \x02", 15);
    return {
        {"Intact", kHead + kRows, {0, 100, 200}, {}, ""},
        {"CutMidLine", kHead + kRows + "300,88", {0, 100, 200}, {{10, "cortada"}}, "1 linha"},
        {"Empty", "", {}, {}, "Arquivo vazio."},
        {"ForeignCsv", "Time;RPM;MAP\n0;850;30\n100;860;31\n", {},
         {{1, "cabeçalho desconhecido"}, {2, "campos"}, {3, "campos"}},
         "Nenhuma amostra legível"},
        {"BinaryInTheMiddle", kHead + "0,850,0.52,0.46,80,0,3.5,\n" + binary + "\n" +
                                  "200,870,0.56,0.50,82,0,3.7,\n",
         {0, 200}, {{8, "binários"}}, "1 linha ilegível foi ignorada."},
        {"BadNumbers",
         kHead + "0,850,0.52,0.46,80,0,3.5,\n100,8x0,0.54,0.48,81,0,3.6,\n"
                 "150,860,0,54,0.48,81,0,3.6,\n160,860,0.54,-,81,0,3.6,\n170.5,1,1,1,1,1,1,\n"
                 "200,870,0.56,0.50,82,0,3.7,\n",
         {0, 200},
         {{8, "coluna rpm"}, {9, "campos: 9"}, {10, "coluna lambda_V"}, {11, "tempo inválido"}},
         "4 linhas"},
        {"TimeGoingBack", kHead + kRows + "150,1,1,1,1,1,1,\n300,2,2,2,2,2,2,\n",
         {0, 100, 200, 300}, {{10, "fora de ordem"}}, "1 linha ilegível foi ignorada."},
        {"WindowsLineEnds", "# Zano datalog 1\r\ntempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\r\n"
                            "0,850,0.52,0.46,80,0,3.5,\r\n100,860,0.54,0.48,81,0,3.6,marca 1\r\n",
         {0, 100}, {}, ""},
    };
}

class ReadBadInput : public ::testing::TestWithParam<BadInput> {};

// Each file read in one piece and in pieces of 3 bytes: a line may span them.
TEST_P(ReadBadInput, OpensWhatIsReadableAndReportsTheRest) {
    const BadInput& in = GetParam();
    for (const std::size_t chunk : {std::size_t{1} << 20, std::size_t{3}}) {
        SCOPED_TRACE(chunk);
        std::istringstream stream(in.text);
        DatalogLimits limits;
        limits.chunkBytes = chunk;
        const Datalog log = ReadDatalog(stream, limits);
        EXPECT_EQ(log.times, in.times);
        ASSERT_TRUE(log.skipped.size() == in.skipped.size() && log.skippedCount == int64_t(in.skipped.size())) << log.skippedCount;
        for (std::size_t i = 0; i < in.skipped.size(); ++i)
            EXPECT_TRUE(log.skipped[i].line == in.skipped[i].first && log.skipped[i].reason.find(in.skipped[i].second) != std::string::npos)
                << log.skipped[i].line << " " << log.skipped[i].reason;
        EXPECT_TRUE(in.message.empty() ? log.message.empty() : log.message.find(in.message) != std::string::npos)
            << log.message;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadBadInput, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return std::string(param.param.name); });

// Beyond the cap the rest of the file is not read; the list of skipped lines
// stops growing while the count goes on. A missing file is said.
TEST(ReadDatalog, LimitsHoldOnSamplesAndOnTheListOfSkippedLinesAndAMissingFileIsSaid) {
    std::string text = kHead;
    for (int i = 0; i < 50; ++i) text += std::to_string(i * 100) + ",1,1,1,1,1,1,\n";
    for (int i = 0; i < 30; ++i) text += "bad\n";
    DatalogLimits limits;
    limits.skippedListed = 5;
    std::istringstream all(text);
    const Datalog listed = ReadDatalog(all, limits);
    EXPECT_EQ((std::vector<int64_t>{int64_t(listed.SampleCount()), int64_t(listed.skipped.size()), listed.skippedCount}),
              (std::vector<int64_t>{50, 5, 30}));
    EXPECT_EQ(listed.message, "30 linhas ilegíveis foram ignoradas.");

    limits.maxSamples = 20;
    std::istringstream capped(text);
    const Datalog first = ReadDatalog(capped, limits);
    EXPECT_TRUE(first.SampleCount() == 20u && first.times.back() == 1900 && first.capped);
    EXPECT_EQ(first.skippedCount, 0) << "the lines after the cap are not read";
    EXPECT_EQ(first.message, "Registro grande demais: só as primeiras 20 amostras foram lidas.");
    const Datalog none = ReadDatalog("/nonexistent/none.csv");
    EXPECT_EQ(none.message.rfind("Não foi possível abrir ", 0), 0u) << none.message;
}

}  // namespace
