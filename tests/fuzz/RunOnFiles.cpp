// A fuzz target as a plain program: runs it on every file named, and on every file of every
// folder named, so that CTest replays the inputs a fuzzer once failed on.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void run(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("%s\n", file.string().c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path named(argv[k]);
        if (std::filesystem::is_directory(named)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(named))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files) run(file);
            inputs += files.size();
        } else if (std::filesystem::is_regular_file(named)) {
            run(named);
            ++inputs;
        }
    }
    std::printf("%zu inputs\n", inputs);
    return 0;
}
