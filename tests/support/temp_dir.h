// A folder of its own for a test, a benchmark run or a program, removed with everything in
// it when the object goes. Its paths are UTF-8 and may hold any name, on Windows as well.
//
// Defined here in full, so that a test program may use it without linking
// varnel_test_support (as braille_files.cpp, it stands alone).
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace test {

// A UTF-8 path as a file system path, and back (on Windows paths are UTF-16).
inline std::filesystem::path FsPath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8Path(const std::filesystem::path& path) {
  const std::u8string u = path.u8string();
  return std::string(u.begin(), u.end());
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in a folder, sorted.
inline std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(FsPath(folder), ec)) {
    names.push_back(Utf8Path(e.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

class TempDir {
 public:
  // A new folder in the system's temporary folder, named `prefix` and a random number.
  explicit TempDir(std::string_view prefix = "varnel-test-") {
    std::random_device rd;
    do {
      path_ = std::filesystem::temp_directory_path() /
              (std::string(prefix) + std::to_string(rd()) + std::to_string(rd()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `name` ("/" between folders) in the folder, with the system's separators.
  std::string File(const std::string& name) const {
    return Utf8Path((path_ / FsPath(name)).make_preferred());
  }

  // Writes `bytes` to `name` and returns its path; throws when the file cannot be written.
  std::string Write(const std::string& name, const std::string& bytes) const {
    return Write(name, bytes.data(), bytes.size());
  }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    return Write(name, reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

 private:
  std::string Write(const std::string& name, const char* data, std::size_t size) const {
    const std::string p = File(name);
    std::filesystem::create_directories(FsPath(p).parent_path());
    std::ofstream out(FsPath(p), std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + p);
    return p;
  }

  std::filesystem::path path_;
};

}  // namespace test
