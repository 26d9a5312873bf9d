#include "base/thread_count.h"

#include <thread>

namespace rv {

int EveryCoreThreadCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return static_cast<int>(cores > 0 ? cores : 1);
}

}  // namespace rv
