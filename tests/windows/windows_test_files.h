// Files for the tests of the Windows services: a temporary folder whose paths are UTF-8
// and may hold any name, as Varnel's own paths are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace test {

class Utf8TempDir {
 public:
  // A new folder, named `name` and a random number, in the system's temporary folder.
  explicit Utf8TempDir(std::string_view name = "varnel-テスト-");
  ~Utf8TempDir();
  Utf8TempDir(const Utf8TempDir&) = delete;
  Utf8TempDir& operator=(const Utf8TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The UTF-8 path of `name` in the folder.
  std::string File(std::string_view name) const;
  // Writes `bytes` to `name` (its folders made) and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::string path_;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadAll(const std::string& path);
bool Exists(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

}  // namespace test
