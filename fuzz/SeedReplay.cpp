// Runs a fuzz target's entry point once on each seed file, without libFuzzer, so that the
// ordinary build and the sanitizer build exercise every target on its corpus as a test.
//
//     <target>-replay FILE-OR-FOLDER...
//
// Folders are walked in name order. Exits 0 after every seed ran, 1 when a seed cannot be
// read or none was found (a crash ends the program on its own).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Seeds are small; anything larger is not one of ours.
constexpr std::uintmax_t kMaxSeedBytes = 16U << 20;

std::vector<std::filesystem::path> SeedFiles(const std::vector<std::filesystem::path>& roots) {
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path& root : roots) {
        if (std::filesystem::is_directory(root)) {
            std::vector<std::filesystem::path> found;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
                if (entry.is_regular_file()) found.push_back(entry.path());
            }
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(root);
        }
    }
    return files;
}

bool ReadSeed(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxSeedBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::filesystem::path> roots(argv + 1, argv + argc);
    const std::vector<std::filesystem::path> files = SeedFiles(roots);
    if (files.empty()) {
        std::cerr << "no seed files found\n";
        return 1;
    }
    std::vector<std::uint8_t> bytes;
    for (const std::filesystem::path& file : files) {
        if (!ReadSeed(file, bytes)) {
            std::cerr << file.string() << ": cannot be read as a seed\n";
            return 1;
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << files.size() << " seeds ran\n";
    return 0;
}
