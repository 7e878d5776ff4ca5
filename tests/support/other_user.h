// Runs a test as a user who is not root, so that file permissions apply: root opens
// every file whatever its mode.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace test {

struct UnprivilegedUser {
  uid_t uid;
  gid_t gid;
};

// The user the tests act as: the current one when it is not root, else "nobody".
// Nothing when the tests run as root and no such user exists.
std::optional<UnprivilegedUser> TestUser();

// Gives `folder` and everything in it to the test user.
void GiveTo(const UnprivilegedUser& user, const std::filesystem::path& folder);

// While it lives, this process acts as the test user (its effective ids only, so that the
// destructor can return to root).
class ActingAs {
 public:
  explicit ActingAs(const UnprivilegedUser& user);
  ~ActingAs();
  ActingAs(const ActingAs&) = delete;
  ActingAs& operator=(const ActingAs&) = delete;

 private:
  bool switched_ = false;
};

// The words that start a command as the test user (empty when that is the current one).
std::string RunAsPrefix(const UnprivilegedUser& user);

}  // namespace test
