#include "files/lock_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "files/atomic_file.h"
#include "files/disk_identity.h"
#include "files/running_process.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

namespace fs = std::filesystem;

// The id of a process that has ended.
int EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<int>(child);
}

const int kSelf = static_cast<int>(::getpid());
const LockOwner kAnn{"ann", "lab-3", kSelf, 1, ProcessStartStamp(kSelf)};
const std::vector<std::uint8_t> kNotes(35, 'n');

std::vector<std::uint8_t> Bytes(const char* text) { return {text, text + std::strlen(text)}; }

// Whatever else stands where the lock goes is foreign: the lock is not
// taken, and the thing is neither written nor removed, nor what it leads to.
TEST(LockFile, AnythingButALockWhereTheLockGoesIsLeftAsItIs) {
  const struct {
    const char* what;
    std::function<void(const TemporaryFolder&, const std::string& lock)> prepare;
    const char* foreign;
  } cases[] = {
      {"a link to another file of the user",
       [](const TemporaryFolder& f, const std::string& lock) { fs::create_symlink(f.file("notes.txt"), lock); },
       "a symbolic link"},
      {"a link to a folder",
       [](const TemporaryFolder& f, const std::string& lock) { fs::create_symlink(f.path(), lock); },
       "a symbolic link"},
      {"a link to nothing",
       [](const TemporaryFolder& f, const std::string& lock) { fs::create_symlink(f.file("none"), lock); },
       "a symbolic link"},
      {"a FIFO", [](const TemporaryFolder&, const std::string& lock) { ::mkfifo(lock.c_str(), 0600); }, "a pipe"},
      {"a folder", [](const TemporaryFolder&, const std::string& lock) { fs::create_directory(lock); }, "a folder"},
      {"a large file",
       [](const TemporaryFolder&, const std::string& lock) { WriteBytes(lock, std::vector<std::uint8_t>(5000, 'a')); },
       "larger than 1 KB"},
      {"a file of no owner's line",
       [](const TemporaryFolder&, const std::string& lock) { WriteBytes(lock, Bytes("ann,lab-3,12x\n")); },
       "not a lock's line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryFolder folder;
    WriteBytes(folder.file("notes.txt"), kNotes);
    const std::string data = folder.file("data.rvd");
    const std::string lock = LockFilePath(data);
    c.prepare(folder, lock);
    const auto kind = fs::symlink_status(lock).type();

    const LockReading reading = ReadLockFile(data);
    EXPECT_EQ(reading.state, LockReading::State::Foreign);
    EXPECT_EQ(reading.foreign, c.foreign);
    const LockAttempt attempt = TakeLockFile(data, kAnn);
    EXPECT_EQ(attempt.result, LockAttempt::Result::Foreign);
    EXPECT_EQ(attempt.reason, c.foreign);
    RemoveLockFile(data, kAnn);
    EXPECT_FALSE(HandOverLockFile(data, kAnn, LockOwner{"ann", "lab-3", kSelf, 2, kAnn.processStart}));
    EXPECT_EQ(fs::symlink_status(lock).type(), kind);
    EXPECT_EQ(ReadBytes(folder.file("notes.txt")), kNotes);
    EXPECT_FALSE(fs::exists(folder.file("none")));
  }
}

// A lock is taken by one owner at a time. It is replaced only when its
// process has ended, or its id now names a later process; it passes from
// window to window, and goes only with its owner.
TEST(LockFile, OneOwnerAtATimeUntilItsProcessEnds) {
  TemporaryFolder folder;
  const std::string data = folder.file("rt.rvd");
  EXPECT_EQ(LockFilePath(data), folder.file(".~lock.rt.rvd#"));
  EXPECT_EQ(LockFilePath("rt.rvd"), ".~lock.rt.rvd#");
  EXPECT_EQ(ReadLockFile(data).state, LockReading::State::None);

  ASSERT_EQ(TakeLockFile(data, kAnn).result, LockAttempt::Result::Taken);
  EXPECT_EQ(ReadLockFile(data).owner, kAnn);
  const LockOwner annsOtherWindow{"ann", "lab-3", kSelf, 2, kAnn.processStart};
  const LockAttempt second = TakeLockFile(data, annsOtherWindow);
  EXPECT_EQ(second.result, LockAttempt::Result::Held);
  EXPECT_EQ(second.holder, kAnn);

  RemoveLockFile(data, annsOtherWindow);
  EXPECT_EQ(ReadLockFile(data).owner, kAnn) << "only its owner removes a lock";
  ASSERT_TRUE(HandOverLockFile(data, kAnn, annsOtherWindow));
  EXPECT_EQ(ReadLockFile(data).owner, annsOtherWindow);
  EXPECT_FALSE(HandOverLockFile(data, kAnn, annsOtherWindow)) << "no longer ann's first window's";
  RemoveLockFile(data, annsOtherWindow);
  EXPECT_FALSE(fs::exists(LockFilePath(data)));

  const struct {
    const char* what;
    LockOwner holder;
    bool live;
  } holders[] = {
      {"a process of another host cannot be checked", {"bob", "lab-7", EndedProcess(), 1, 5}, true},
      {"an ended process", {"bob", "lab-3", EndedProcess(), 1, 5}, false},
      {"an older version's lock of an ended process", {"bob", "lab-3", EndedProcess(), 0, 0}, false},
      {"a running process", {"bob", "lab-3", kSelf, 4, kAnn.processStart}, true},
      {"a later process given the id", {"bob", "lab-3", kSelf, 4, kAnn.processStart + 1}, false},
  };
  for (const auto& h : holders) {
    SCOPED_TRACE(h.what);
    EXPECT_EQ(LockIsLive(h.holder, "lab-3"), h.live);
    fs::remove(LockFilePath(data));
    ASSERT_EQ(TakeLockFile(data, h.holder).result, LockAttempt::Result::Taken);
    const LockAttempt attempt = TakeLockFile(data, kAnn);
    EXPECT_EQ(attempt.result, h.live ? LockAttempt::Result::Held : LockAttempt::Result::Taken);
    EXPECT_EQ(ReadLockFile(data).owner, h.live ? h.holder : kAnn);
  }

  WriteBytes(LockFilePath(data), Bytes("carl,lab-3,1\n"));
  EXPECT_EQ(ReadLockFile(data).owner, (LockOwner{"carl", "lab-3", 1, 0, 0})) << "an older version's line";
}

TEST(LockFile, AProcessIsKnownByItsIdAndItsStart) {
  const std::uint64_t self = ProcessStartStamp(kSelf);
  EXPECT_NE(self, 0u);
  EXPECT_EQ(ProcessStartStamp(kSelf), self);
  // Start times count in clock ticks: the parent may have started in this
  // process's tick, the first process long before it.
  EXPECT_NE(ProcessStartStamp(1), self);
  EXPECT_TRUE(ProcessIsRunning(kSelf, self));
  EXPECT_TRUE(ProcessIsRunning(kSelf));
  EXPECT_FALSE(ProcessIsRunning(kSelf, self + 1));
  EXPECT_FALSE(ProcessIsRunning(EndedProcess()));
  EXPECT_EQ(ProcessStartStamp(EndedProcess()), 0u);
}

TEST(DiskIdentity, ChangesWithEverySaveAndNotOtherwise) {
  TemporaryFolder folder;
  const std::string path = folder.file("rt.rvd");
  EXPECT_FALSE(DiskIdentityOf(path));
  const std::vector<std::uint8_t> content(100, 1);
  ASSERT_TRUE(WriteFileAtomically(path, content));
  const auto first = DiskIdentityOf(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(DiskIdentityOf(path), first);
  ASSERT_TRUE(WriteFileAtomically(path, content)) << "the same bytes, saved again";
  EXPECT_NE(DiskIdentityOf(path), first);
}

}  // namespace
}  // namespace rv::testing
