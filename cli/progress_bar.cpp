#include "cli/progress_bar.h"

#include <unistd.h>

#include <string>

namespace rv::cli {

namespace {

std::string Duration(double seconds) {
  if (seconds < 0 || seconds > 1e7) return "--:--";
  const long total = static_cast<long>(seconds + 0.5);
  char text[32];
  if (total >= 3600) std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  else std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
  return text;
}

std::string Rate(double perSecond) {
  char text[32];
  if (perSecond >= 1e6) std::snprintf(text, sizeof text, "%.2f M/s", perSecond / 1e6);
  else if (perSecond >= 1e3) std::snprintf(text, sizeof text, "%.1f k/s", perSecond / 1e3);
  else std::snprintf(text, sizeof text, "%.0f /s", perSecond);
  return text;
}

std::string Line(std::int64_t done, std::int64_t total, double seconds) {
  const double fraction = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
  const double left = rate > 0 ? static_cast<double>(total - done) / rate : -1.0;
  constexpr int kWidth = 30;
  const int filled = static_cast<int>(fraction * kWidth);
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kWidth - filled), '-');
  char text[200];
  std::snprintf(text, sizeof text, "[%s] %5.1f%%  %lld / %lld candidates  %s  %s left", bar.c_str(), fraction * 100.0,
                static_cast<long long>(done), static_cast<long long>(total), Rate(rate).c_str(),
                Duration(left).c_str());
  return text;
}

}  // namespace

ProgressBar::ProgressBar(std::FILE* out) : out_(out), terminal_(isatty(fileno(out)) != 0) {}

void ProgressBar::update(std::int64_t done, std::int64_t total, double seconds) {
  if (terminal_) {
    std::fprintf(out_, "\r%s\033[K", Line(done, total, seconds).c_str());
    std::fflush(out_);
  } else if (seconds - lastPlainLine_ >= 10.0) {
    lastPlainLine_ = seconds;
    std::fprintf(out_, "%s\n", Line(done, total, seconds).c_str());
  }
}

void ProgressBar::finish(std::int64_t done, std::int64_t total, double seconds, bool stopped) {
  if (terminal_) std::fprintf(out_, "\r\033[K");
  std::fprintf(out_, "%s %lld of %lld candidates in %s (%s)\n", stopped ? "Stopped after" : "Searched",
               static_cast<long long>(done), static_cast<long long>(total), Duration(seconds).c_str(),
               Rate(seconds > 0 ? static_cast<double>(done) / seconds : 0.0).c_str());
}

}  // namespace rv::cli
