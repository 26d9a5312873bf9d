#pragma once

#include <cstdint>
#include <cstdio>

namespace rv::cli {

// The search's progress on standard error: a bar redrawn in place on a
// terminal, an occasional plain line otherwise.
class ProgressBar {
 public:
  explicit ProgressBar(std::FILE* out);
  void update(std::int64_t done, std::int64_t total, double seconds);
  void finish(std::int64_t done, std::int64_t total, double seconds, bool stopped);

 private:
  std::FILE* out_;
  bool terminal_;
  // Off a terminal, a line when the search gets going and then every ten seconds.
  double lastPlainLine_ = -10.0;
};

}  // namespace rv::cli
