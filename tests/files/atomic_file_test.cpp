#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "temporary_folder.h"

namespace rv::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Content(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
  return bytes;
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// What each entry of the folder is, links not followed.
std::map<std::string, fs::file_type> Kinds(const std::string& folder) {
  std::map<std::string, fs::file_type> kinds;
  for (const auto& entry : fs::directory_iterator(folder))
    kinds[entry.path().filename().string()] = entry.symlink_status().type();
  return kinds;
}

// A write(2) that fails as a full disk does from its n-th call on.
WriteCall FailingFrom(int n) {
  return [n, calls = 0](int descriptor, const void* data, std::size_t size) mutable -> ssize_t {
    if (++calls >= n) {
      errno = ENOSPC;
      return -1;
    }
    return ::write(descriptor, data, size);
  };
}

// Each case prepares a folder with "old.txt" (kOld) in it and names the path
// to write; afterwards the folder must hold exactly `names`, old.txt
// unchanged unless the write was meant to succeed.
struct TargetCase {
  const char* what;
  std::function<std::string(const TemporaryFolder&)> prepare;  // the path to write; empty: skip the case
  bool succeeds;
  const char* reason;  // what the reason says when it fails
  std::vector<std::string> names;
};

const std::vector<std::uint8_t> kOld = Content(5000, 1);
const std::vector<std::uint8_t> kNew = Content(300 * 1024, 9);  // several writes

TEST(AtomicFile, WritesRegularFilesThroughLinksAndRefusesEverythingElse) {
  const std::vector<TargetCase> cases = {
      {"a link to a regular file writes the file and keeps the link",
       [](const TemporaryFolder& f) {
         WriteBytes(f.file("target.txt"), kOld);
         fs::create_symlink("target.txt", f.file("link.txt"));
         return f.file("link.txt");
       },
       true,
       "",
       {"link.txt", "old.txt", "target.txt"}},
      {"a link to a file not made yet makes the file",
       [](const TemporaryFolder& f) {
         fs::create_symlink("new.txt", f.file("link.txt"));
         return f.file("link.txt");
       },
       true,
       "",
       {"link.txt", "new.txt", "old.txt"}},
      {"a character device behind a link is refused",
       [](const TemporaryFolder& f) {
         if (::mknod(f.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return std::string();
         fs::create_symlink("null", f.file("out.csv"));
         return f.file("out.csv");
       },
       false,
       "' leads to a device, not a file",
       {"null", "old.txt", "out.csv"}},
      {"a FIFO is refused",
       [](const TemporaryFolder& f) {
         ::mkfifo(f.file("pipe").c_str(), 0600);
         return f.file("pipe");
       },
       false,
       "' is a pipe, not a file",
       {"old.txt", "pipe"}},
      {"a folder is refused",
       [](const TemporaryFolder& f) {
         fs::create_directory(f.file("sub"));
         return f.file("sub");
       },
       false,
       "' is a folder, not a file",
       {"old.txt", "sub"}},
      {"a loop of links is refused",
       [](const TemporaryFolder& f) {
         fs::create_symlink("b", f.file("a"));
         fs::create_symlink("a", f.file("b"));
         return f.file("a");
       },
       false,
       "Too many levels of symbolic links",
       {"a", "b", "old.txt"}},
  };
  for (const TargetCase& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryFolder folder;
    WriteBytes(folder.file("old.txt"), kOld);
    const std::string path = c.prepare(folder);
    if (path.empty()) {
      std::printf("[ SKIPPED  ] %s: no permission to make it here\n", c.what);
      continue;
    }
    const auto kindsBefore = Kinds(folder.path());
    const Outcome<void> written = WriteFileAtomically(path, kNew);
    const std::string reason = written ? "" : written.message().text;
    EXPECT_EQ(static_cast<bool>(written), c.succeeds) << reason;
    for (const auto& [name, kind] : kindsBefore) EXPECT_EQ(Kinds(folder.path())[name], kind) << name;
    if (!written && c.reason[0] == '\'') EXPECT_EQ(reason, "'" + path + c.reason);
    if (!written) EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    EXPECT_EQ(Names(folder.path()), c.names);
    if (c.succeeds) EXPECT_EQ(ReadBytes(path), kNew);
    if (c.succeeds) EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(folder.file("old.txt")), kOld);
  }
}

// Whichever write the disk fills up at, the old file stays whole, no
// temporary file is left, and the permission bits survive a later success.
TEST(AtomicFile, AFullDiskAtAnyWriteLeavesTheOldFileWhole) {
  TemporaryFolder folder;
  const std::string path = folder.file("kept.rvd");
  WriteBytes(path, kOld);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    const Outcome<void> written = WriteFileAtomically(path, kNew, FailingFrom(n));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.message(), (Message{std::strerror(ENOSPC), MessageKind::Error}));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"kept.rvd"});
  }
  EXPECT_TRUE(WriteFileAtomically(path, kNew, FailingFrom(6)));
  EXPECT_EQ(ReadBytes(path), kNew);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFile, AReadOnlyFolderLeavesTheOldFileWhole) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
  TemporaryFolder folder;
  const std::string path = folder.file("kept.rvd");
  WriteBytes(path, kOld);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteFileAtomically(path, kNew));
  fs::permissions(folder.path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(path), kOld);
  EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"kept.rvd"});
}

}  // namespace
}  // namespace rv::testing
