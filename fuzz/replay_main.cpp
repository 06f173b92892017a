// Runs a fuzz driver over files instead of generated inputs: every regular file below the folders
// (and every file) named on the command line goes to LLVMFuzzerTestOneInput once, in name order.
// Built with the normal compiler, it makes each driver a regression test over the fixtures, the
// examples and the inputs that once crashed (kept under tests/fixtures), so a fixed crash stays
// fixed. Replaying nothing is a failure: a wrong folder must not pass silently.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsBelow(const std::filesystem::path& root)
{
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    if (std::filesystem::is_regular_file(root, error)) {
        inputs.push_back(root);
        return inputs;
    }
    for (std::filesystem::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error))
            inputs.push_back(it->path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : InputsBelow(argv[i])) {
            std::ifstream in(input, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
