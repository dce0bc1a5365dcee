// Runs a fuzz target over files without libFuzzer: every file of each folder named (or each
// file named) is given to LLVMFuzzerTestOneInput once. A failed check aborts, so the run fails.

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& where) {
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(where)) {
        for (const auto& entry : std::filesystem::directory_iterator(where))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    } else {
        inputs.push_back(where);
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : inputsOf(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
            std::printf("%s (%zu bytes)\n", input.c_str(), bytes.size());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    veridi::fuzz::endGuiApplication();
    std::printf("%d inputs replayed\n", replayed);
    // An empty corpus would make a test that checks nothing.
    return replayed > 0 ? 0 : 1;
}
