// The main of a fuzz target outside libFuzzer: runs the target once over each input file named
// on the command line or found in a named folder, in a stable order, so that CTest can keep the
// seeds and every input that once failed passing. A folder that does not exist yet (a target
// without findings) holds no inputs.

#include "FuzzTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        inputs.push_back(path);
    } else if (std::filesystem::is_directory(path, error)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error)) {
            if (entry.is_regular_file(error))
                inputs.push_back(entry.path());
        }
        std::sort(inputs.begin(), inputs.end());
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : inputsOf(argv[i])) {
            std::ifstream in(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            std::cerr << "input " << input.string() << " (" << bytes.size() << " bytes)\n";
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::cout << count << " inputs ran\n";
    if (count == 0) {
        std::cerr << "no inputs: name files or folders of inputs\n";
        return 1;
    }
    return 0;
}
