#include "tests/support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

TempDir::TempDir()
{
    std::random_device seed;
    std::mt19937 pick(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
        const std::filesystem::path candidate = base / ("sondrel-test-" + std::to_string(pick()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error))
            path = candidate.generic_string();
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    if (!path.empty())
        std::filesystem::remove_all(path, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
