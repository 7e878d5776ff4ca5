// varnel-cli run as a user runs it, in a folder of its own: its output, messages and exit
// status.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/dialog_fixture.h"

namespace test {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The program under test: this build's varnel-cli, or the one VARNEL_CLI_PROGRAM names (the
// Windows build runs these tests against varnel-cli.exe under Wine, through a script).
inline std::string CliProgram() {
  const char* program = std::getenv("VARNEL_CLI_PROGRAM");
  return program != nullptr && *program != '\0' ? program : VARNEL_CLI;
}

// True when the program under test is the Windows one (VARNEL_CLI_WINDOWS): what POSIX
// alone has (file modes, symbolic links, users, signals) is not asked of it, and the
// system's own reasons for a failure are in its words.
inline bool CliOnWindows() {
  const char* windows = std::getenv("VARNEL_CLI_WINDOWS");
  return windows != nullptr && *windows != '\0';
}

class CliTest : public ::testing::Test {
 protected:
  // Runs varnel-cli with `args` and the test's settings file. `shell` comes before the
  // command in the shell line: limits or traps for the program to inherit.
  CliRun Cli(const std::vector<std::string>& args, const std::string& shell = "") {
    std::string cmd = shell + Quote(Program());
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " --settings " + Quote(dir_.File("Varnel.ini"));
    cmd += " >" + Quote(dir_.File("out")) + " 2>" + Quote(dir_.File("err"));
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(dir_.File("out")),
            ReadAll(dir_.File("err"))};
  }
  // Starts varnel-cli without waiting for it; its output and messages are dropped.
  pid_t Start(const std::vector<std::string>& args) {
    const std::string program = Program();
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), {"--settings", dir_.File("Varnel.ini")});
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }
  std::string Sample(const std::string& name) {
    return std::string(VARNEL_SOURCE_DIR) + "/samples/" + name;
  }
  // From now on the test runs a copy of the program in its folder, where another user can
  // reach it whatever the modes of the build folder's parents (a clone under /root).
  void RunCopyOfProgram() {
    copy_ = dir_.File("varnel-cli");
    std::filesystem::copy_file(CliProgram(), copy_);
  }
  std::string Program() const { return copy_.empty() ? CliProgram() : copy_; }
  std::string Spool() {
    std::filesystem::create_directories(dir_.path() / "spool");
    return "dir:" + dir_.File("spool");
  }
  TempDir dir_;
  std::string copy_;
};

}  // namespace test
