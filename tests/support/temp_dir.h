// A folder of its own for a test, a benchmark run or a program, removed with everything in
// it when the object goes.
//
// Defined here in full, so that a test program may use it without linking
// varnel_test_support (as braille_files.cpp, it stands alone).
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace test {

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
  std::string File(const std::string& name) const { return (path_ / name).string(); }

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
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + p);
    return p;
  }

  std::filesystem::path path_;
};

}  // namespace test
