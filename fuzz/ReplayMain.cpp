// Without libFuzzer the targets are plain programs that run every file of the folders (or the
// files) named on the command line through the target once, so the seed corpus and the inputs of
// past findings are checked by every test run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> objInputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path objPath(argv[i]);
        if (fs::is_directory(objPath)) {
            for (const auto& objEntry : fs::directory_iterator(objPath))
                if (objEntry.is_regular_file()) objInputs.push_back(objEntry.path());
        } else if (fs::is_regular_file(objPath)) {
            objInputs.push_back(objPath);
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 2;
        }
    }
    std::sort(objInputs.begin(), objInputs.end());
    if (objInputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...  (no inputs found)\n", argv[0]);
        return 2;
    }
    for (const fs::path& objPath : objInputs) {
        std::ifstream objFile(objPath, std::ios::binary);
        const std::vector<char> bytData((std::istreambuf_iterator<char>(objFile)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", objPath.c_str(), bytData.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytData.data()), bytData.size());
    }
    std::printf("%zu inputs replayed, no property broken\n", objInputs.size());
    return 0;
}
