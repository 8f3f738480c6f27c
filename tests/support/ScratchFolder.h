// A scratch folder per test, removed with everything in it afterwards, and
// whole-file reads and writes for what the tests put there.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace velmora::testing {

// TMPDIR when set, otherwise the memory file system when there is one,
// since every save ends in an fsync.
inline std::filesystem::path ScratchRoot() {
    std::error_code ec;
#ifdef _WIN32
    return std::filesystem::temp_directory_path(ec);
#endif
    if (std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory("/dev/shm", ec) &&
        ::access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path(ec);
}

class ScratchFolder {
public:
    ScratchFolder() {
#ifdef _WIN32
        std::random_device seed;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::string candidate =
                (ScratchRoot() / ("velmora-" + std::to_string(seed()))).string();
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;
        }
#else
        std::string pattern = (ScratchRoot() / "velmora-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
#endif
    }
    ~ScratchFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        // A test may have left the folder read-only.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empty when the folder could not be made.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::string operator/(const std::string& name) const { return File(name); }

    // Names of the entries, sorted.
    std::vector<std::string> Entries() const { return EntriesOf(path_); }
    static std::vector<std::string> EntriesOf(const std::string& folder) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

// A fresh scratch folder as the working folder while the test runs, as for
// a user starting the program there.
class InFreshFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        dir = scratch_.Path();
        old = std::filesystem::current_path();
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::current_path(old, ec);
    }

    std::filesystem::path dir;
    std::filesystem::path old;

private:
    ScratchFolder scratch_;
};

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<uint8_t> SlurpBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void Spit(const std::filesystem::path& p, const std::string& s) {
    std::ofstream out(p, std::ios::binary);
    out << s;
}

inline void Spit(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace velmora::testing
