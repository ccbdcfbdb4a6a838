// Runs a fuzz target over the inputs it has been given instead of inventing new ones: every file
// named on the command line, and every regular file in a folder named there, in name order. The test
// build links each target with this, so the seeds, and any input that once crashed a target and was
// added to them, are run on every test run under the sanitizers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool RunOne(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A copy of exactly the input's size, so the address sanitizer sees a read past its end.
    const auto input = std::make_unique<uint8_t[]>(std::max<size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), input.get());
    LLVMFuzzerTestOneInput(input.get(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
            if (error) {
                std::fprintf(stderr, "cannot list %s: %s\n", path.c_str(), error.message().c_str());
                return 1;
            }
        } else {
            inputs.push_back(path);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs\n");
        return 1;
    }
    for (const auto& input : inputs) {
        if (!RunOne(input)) {
            return 1;
        }
    }
    std::printf("%zu inputs\n", inputs.size());
    return 0;
}
