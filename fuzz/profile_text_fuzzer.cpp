// The settings file's profile text on arbitrary bytes: it must never crash,
// and a value set in it must read back as set (without its outer blanks),
// also after the text is written out and parsed again.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  rv::ProfileText profile(text);
  (void)profile.value("Regrovantis", "FILE1");
  profile.setValue("Regrovantis", "FILE1", "/data/a b.rvd");
  const rv::ProfileText reparsed(profile.text());
  if (profile.value("Regrovantis", "FILE1") != "/data/a b.rvd" ||
      reparsed.value("Regrovantis", "FILE1") != "/data/a b.rvd") {
    std::fprintf(stderr, "FILE1 does not read back\n");
    std::abort();
  }
  return 0;
}
