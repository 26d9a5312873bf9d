#include "run_tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rv::testing {

std::string MakeTemporaryFolder() {
  std::string pattern = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + std::string("/regrovantis-XXXXXX");
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ToolResult RunTool(const std::vector<std::string>& arguments, const ToolRun& run) {
  const std::string folder = MakeTemporaryFolder();
  const std::string outPath = folder + "/out", errPath = folder + "/err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string& standardOutput = run.standardOutput.empty() ? outPath : run.standardOutput;
  posix_spawn_file_actions_addopen(&actions, 1, standardOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (!run.standardInput.empty()) posix_spawn_file_actions_addopen(&actions, 0, run.standardInput.c_str(), O_RDONLY, 0);
  std::vector<std::string> words = {REGROVANTIS_CLI_PATH};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  ToolResult result;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    if (run.interruptOnProgress) {
      // However busy the machine, the key comes only once the tool shows that
      // it is at work, and so has its handler in place.
      struct stat err {};
      while (waitpid(pid, &status, WNOHANG) == 0 && (stat(errPath.c_str(), &err) != 0 || err.st_size == 0))
        usleep(20000);
      kill(pid, SIGINT);
    }
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    result.peakKilobytes = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  rmdir(folder.c_str());
  return result;
}

}  // namespace rv::testing
