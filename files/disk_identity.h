#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rv {

// What tells one version of a file on disk from another: a save (ours or
// another program's, which writes a new file and renames it over the old)
// changes the inode, an edit in place the size or the modification time.
struct DiskIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  friend bool operator==(const DiskIdentity&, const DiskIdentity&) = default;
};

// The identity of the file at path (through links); nothing when there is none.
std::optional<DiskIdentity> DiskIdentityOf(const std::string& path);

}  // namespace rv
