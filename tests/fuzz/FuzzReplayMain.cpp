// Runs a libFuzzer target without libFuzzer, as an ordinary test: first every
// file of the seed corpus folder given as the first argument, then
// pseudo-random inputs from a fixed seed (ORVANE_FUZZ_RUNS of them, 2000 by
// default), some of them mutated corpus entries. The same inputs every run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::vector<uint8_t>> readCorpus(const char* folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder)) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.')
                names.push_back(std::string(folder) + "/" + entry->d_name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::vector<uint8_t>> corpus;
    for (const std::string& name : names) {
        std::ifstream in(name, std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return corpus;
}

struct Random
{
    uint64_t state = 0x9E3779B97F4A7C15ull;
    uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const auto corpus = argc > 1 ? readCorpus(argv[1]) : std::vector<std::vector<uint8_t>>();
    for (const auto& input : corpus)
        LLVMFuzzerTestOneInput(input.data(), input.size());

    const char* runsText = std::getenv("ORVANE_FUZZ_RUNS");
    const long runs = runsText ? std::strtol(runsText, nullptr, 10) : 2000;
    Random random;
    std::vector<uint8_t> input;
    for (long run = 0; run < runs; ++run) {
        if (!corpus.empty() && run % 4 == 0) {
            input = corpus[random.next() % corpus.size()];
            const int flips = 1 + int(random.next() % 8);
            for (int i = 0; i < flips && !input.empty(); ++i)
                input[random.next() % input.size()] = uint8_t(random.next());
            if (random.next() % 3 == 0)
                input.resize(random.next() % (input.size() + 1));
        } else {
            input.resize(random.next() % 257);
            for (uint8_t& byte : input)
                byte = uint8_t(random.next());
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("replayed %zu corpus inputs and %ld generated ones\n", corpus.size(), runs);
    return 0;
}
