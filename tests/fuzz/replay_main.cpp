// Runs a fuzz target over the files of its corpus folder (and over a few
// generated inputs), so the GCC test build checks every saved finding.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    size_t runs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++runs;
        }
    }
    // Random inputs with a fixed seed: repeatable, and they reach past the corpus.
    std::mt19937 random(12345);
    for (int i = 0; i < 2000; ++i) {
        std::vector<uint8_t> bytes(random() % 512);
        for (auto& b : bytes) b = static_cast<uint8_t>(random());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++runs;
    }
    std::printf("%zu inputs replayed\n", runs);
    return 0;
}
