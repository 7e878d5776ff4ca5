#include "support/other_user.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <stdexcept>

namespace test {

std::optional<UnprivilegedUser> TestUser() {
  if (::geteuid() != 0) return UnprivilegedUser{::geteuid(), ::getegid()};
  const passwd* pw = ::getpwnam("nobody");
  if (pw == nullptr || pw->pw_uid == 0) return std::nullopt;
  return UnprivilegedUser{pw->pw_uid, pw->pw_gid};
}

void GiveTo(const UnprivilegedUser& user, const std::filesystem::path& folder) {
  if (::geteuid() != 0) return;
  if (::lchown(folder.c_str(), user.uid, user.gid) != 0) throw std::runtime_error("lchown");
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (::lchown(e.path().c_str(), user.uid, user.gid) != 0) throw std::runtime_error("lchown");
  }
}

ActingAs::ActingAs(const UnprivilegedUser& user) {
  if (::geteuid() != 0) return;
  if (::setegid(user.gid) != 0 || ::seteuid(user.uid) != 0) throw std::runtime_error("seteuid");
  switched_ = true;
}

ActingAs::~ActingAs() {
  if (!switched_) return;
  if (::seteuid(0) != 0 || ::setegid(0) != 0) std::terminate();
}

std::string RunAsPrefix(const UnprivilegedUser& user) {
  if (::geteuid() != 0) return {};
  return "setpriv --reuid=" + std::to_string(user.uid) + " --regid=" + std::to_string(user.gid) +
         " --clear-groups ";
}

}  // namespace test
