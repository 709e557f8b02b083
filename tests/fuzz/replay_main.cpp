// Runs a fuzz target over the files of its corpus folder and over 2000 random
// inputs of a fixed seed (repeatable, and they reach past the corpus), so the
// GCC test build checks every saved finding.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::vector<std::vector<uint8_t>> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
        }
    }
    std::mt19937 random(12345);
    for (int i = 0; i < 2000; ++i) {
        inputs.emplace_back(random() % 512);
        for (auto& b : inputs.back()) b = static_cast<uint8_t>(random());
    }
    for (const auto& bytes : inputs) LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    std::printf("%zu inputs replayed\n", inputs.size());
}
