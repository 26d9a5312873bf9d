#include "files/file_kind.h"

#include <sys/stat.h>

namespace rv {

const char* SpecialFileKind(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "a special file";
}

}  // namespace rv
