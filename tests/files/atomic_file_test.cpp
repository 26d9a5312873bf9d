#include "files/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <random>

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

// A name as long as a folder takes (255 bytes; 85 CJK characters) saves: the
// temporary name is cut to fit, the same for every save of the file.
TEST(AtomicFile, NamesUpToTheLimitSave) {
  TemporaryFolder folder;
  const std::string cjk = "\xE6\x95\xB0";  // 3 bytes
  std::vector<std::string> names;
  for (std::size_t length : {1u, 200u, 243u, 244u, 250u, 255u}) names.push_back(std::string(length, 'n'));
  for (std::size_t characters : {80u, 81u, 82u, 85u}) {
    std::string name;
    for (std::size_t i = 0; i < characters; ++i) name += cjk;
    names.push_back(name);
  }
  for (const std::string& name : names) {
    SCOPED_TRACE(name.size());
    const std::string path = folder.file(name);
    const std::string prefix = TemporaryPrefix(path);
    EXPECT_LE(prefix.size() + 6 + 4, 255u);
    EXPECT_EQ(TemporaryPrefix(path), prefix);
    ASSERT_TRUE(WriteFileAtomically(path, kOld));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{name});
    fs::remove(path);
  }
}

// Saves killed at random moments, 200 times, leave the file whole every
// time, the old content or the new; the next save that succeeds removes
// every temporary file they left, but not one a save still writes.
TEST(AtomicFile, SavesKilledAtAnyMomentLeaveTheFileWholeAndTheNextSaveClearsUp) {
  TemporaryFolder folder;
  const std::string path = folder.file("kept.rvd");
  const std::vector<std::uint8_t> first = Content(512 << 10, 3), second = Content(512 << 10, 5);
  ASSERT_TRUE(WriteFileAtomically(path, first));
  std::mt19937 random(33);
  int killedMidway = 0;
  int changed = 0;
  std::vector<std::uint8_t> previous = first;
  for (int attempt = 0; attempt < 200; ++attempt) {
    // Each save the child ends changes the content.
    const std::vector<std::uint8_t>& next = previous == first ? second : first;
    const pid_t child = ::fork();
    if (child == 0) {
      for (int n = 0;; ++n) static_cast<void>(WriteFileAtomically(path, n % 2 == 0 ? next : previous));
    }
    ::usleep(static_cast<useconds_t>(random() % 50000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::vector<std::uint8_t> now = ReadBytes(path);
    ASSERT_TRUE(now == first || now == second) << "attempt " << attempt << ": " << now.size() << " bytes";
    changed += now != previous ? 1 : 0;
    previous = now;
    killedMidway += Names(folder.path()).size() > 1 ? 1 : 0;
  }
  EXPECT_GT(killedMidway, 0) << "no save was killed while it wrote";
  EXPECT_GT(changed, 0) << "no save ended before the kill";
  std::printf("[ MEASURED ] of 200 runs of saves killed at random, %d left a temporary file, %d a new content\n",
              killedMidway, changed);

  const std::string writing = folder.path() + "/" + TemporaryPrefix(path) + "000001.tmp";
  const int held = ::open(writing.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  WriteBytes(folder.file(".kept.rvd.12x.tmp"), {1});
  fs::create_symlink(folder.file("kept.rvd"), folder.path() + "/" + TemporaryPrefix(path) + "000002.tmp");
  ASSERT_TRUE(WriteFileAtomically(path, first));
  EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{".kept.rvd.000001.tmp", ".kept.rvd.000002.tmp",
                                                            ".kept.rvd.12x.tmp", "kept.rvd"}));
  ::close(held);
}

}  // namespace
}  // namespace rv::testing
