#include "files/running_process.h"

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

#include "base/fnv1a.h"

namespace rv {

namespace {

// The start of the process in clock ticks since the boot: the 22nd field of
// /proc/PID/stat, counted after the command name, which may hold blanks and
// parentheses and ends at the last ')'.
std::string StartTicks(int processId) {
  std::ifstream stat("/proc/" + std::to_string(processId) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return {};
  const std::size_t nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) return {};
  std::istringstream fields(line.substr(nameEnd + 1));
  std::string field;
  // Fields 3 (state) to 22 (starttime) follow the name.
  for (int number = 3; number <= 22; ++number)
    if (!(fields >> field)) return {};
  return field;
}

std::string BootId() {
  std::ifstream file("/proc/sys/kernel/random/boot_id");
  std::string id;
  std::getline(file, id);
  return id;
}

}  // namespace

std::uint64_t ProcessStartStamp(int processId) {
  if (processId <= 0) return 0;
  const std::string ticks = StartTicks(processId);
  if (ticks.empty()) return 0;
  // The ticks repeat after a reboot; the boot's id does not.
  const std::string run = BootId() + "/" + ticks;
  const std::uint64_t stamp = Fnv1a64(run);
  return stamp != 0 ? stamp : 1;
}

bool ProcessIsRunning(int processId, std::uint64_t startStamp) {
  if (processId <= 0 || (::kill(processId, 0) != 0 && errno != EPERM)) return false;
  if (startStamp == 0) return true;
  const std::uint64_t now = ProcessStartStamp(processId);
  // A system that does not say when the process started cannot tell it apart.
  return now == 0 || now == startStamp;
}

}  // namespace rv
