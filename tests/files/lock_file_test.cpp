#include "files/lock_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "files/atomic_file.h"
#include "files/disk_identity.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

// The id of a process that has ended.
int EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<int>(child);
}

TEST(LockFile, SaysWhoHasTheFileOpenUntilItsProcessEnds) {
  TemporaryFolder folder;
  const std::string data = folder.file("rt.rvd");
  EXPECT_EQ(LockFilePath(data), folder.file(".~lock.rt.rvd#"));
  EXPECT_EQ(LockFilePath("rt.rvd"), ".~lock.rt.rvd#");
  EXPECT_FALSE(ReadLockFile(data));

  const LockOwner mine{"ann", "lab-3", static_cast<int>(::getpid())};
  ASSERT_TRUE(WriteLockFile(data, mine));
  ASSERT_EQ(ReadLockFile(data), mine);
  EXPECT_TRUE(LockIsLive(mine, "lab-3"));
  EXPECT_TRUE(LockIsLive({"bob", "lab-7", EndedProcess()}, "lab-3")) << "another host's process cannot be checked";
  EXPECT_FALSE(LockIsLive({"bob", "lab-3", EndedProcess()}, "lab-3"));

  RemoveLockFile(data, {"bob", "lab-3", 1});
  EXPECT_TRUE(ReadLockFile(data)) << "only its owner removes a lock";
  RemoveLockFile(data, mine);
  EXPECT_FALSE(std::filesystem::exists(LockFilePath(data)));

  for (const char* garbage : {"", "ann", "ann,lab-3", "ann,lab-3,x", "ann,lab-3,-4", "ann,lab-3,12x"}) {
    WriteBytes(LockFilePath(data), std::vector<std::uint8_t>(garbage, garbage + std::strlen(garbage)));
    EXPECT_FALSE(ReadLockFile(data)) << garbage;
  }
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
