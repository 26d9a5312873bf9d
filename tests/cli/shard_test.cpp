#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "run_tool.h"

namespace rv::testing {
namespace {

const std::string kWeightedExample = std::string(REGROVANTIS_SOURCE_DIR) + "/examples/decay_counts.csv";

// X3 repeats X1, so every equation on X1 has a twin of the very same fit:
// ties everywhere, in the list and at its lowest entry, where the insertion
// rule's slot order decides which twin stays.
std::string TwinsSheet(double lastY = 37.6) {
  std::string text = "Y,X1,X2,X3,X4\n";
  const double x4[] = {2.9, 5.35, 1.2, 8.75, 3.3, 6.1, 4.45, 7.9, 1.85, 5.05, 2.2, 6.65};
  for (int i = 1; i <= 12; ++i) {
    const double x1 = 1.0 + 0.5 * i, x2 = (i * 7) % 5 + 1;
    const double y = i == 12 ? lastY : 3.0 + 2.0 * x1 + x2 * x2 / 4.0 + 0.1 * ((i * 13) % 7 - 3);
    text += std::to_string(y) + "," + std::to_string(x1) + "," + std::to_string(x2) + "," + std::to_string(x1) + "," +
            std::to_string(x4[i - 1]) + "\n";
  }
  return text;
}

ToolRun IntoFile(const std::string& path) {
  ToolRun run;
  run.standardOutput = path;
  return run;
}

class SearchShards : public ToolFolderTest {
 protected:
  void SetUp() override {
    ToolFolderTest::SetUp();
    twins = write("twins.csv", TwinsSheet());
  }

  // Searches shard k of n of the sheet into a part file and returns its path.
  // Odd shards take one thread, even ones two; shard 2 of 3 the reference
  // engine: none of it may change the merged list.
  std::string searchShard(const std::vector<std::string>& search, int k, int n) {
    const std::string path = folder + "/part" + std::to_string(k) + "of" + std::to_string(n) + ".json";
    std::vector<std::string> words = search;
    words.insert(words.end(), {"--shard", std::to_string(k) + "/" + std::to_string(n), "--threads", k % 2 ? "1" : "2"});
    if (k == 2 && n == 3) words.insert(words.end(), {"--engine", "reference"});
    const ToolResult part = RunTool(words, IntoFile(path));
    EXPECT_EQ(part.status, 0) << part.err;
    return path;
  }

  std::string twins;
};

TEST_F(SearchShards, MergedPartsGiveTheVeryJsonOfOneSearch) {
  struct Case {
    std::string name;
    std::vector<std::string> search;
  };
  const std::vector<Case> cases = {
      {"example by R squared", {"search", kIdealGasCsv, "--json", "--quiet"}},
      {"example by AICc", {"search", kIdealGasCsv, "--json", "--quiet", "--rank-by", "aicc"}},
      {"twins by R squared", {"search", twins, "--json", "--quiet", "--max-terms", "3"}},
      {"twins by BIC, three sets",
       {"search", twins, "--json", "--quiet", "--max-terms", "3", "--rank-by", "bic", "--sets", "2,4,6"}},
      {"weighted by pred-r2",
       {"search", kWeightedExample, "--json", "--quiet", "--sigma", "X16", "--rank-by", "pred-r2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolResult whole = RunTool(c.search);
    ASSERT_EQ(whole.status, 0) << whole.err;
    ASSERT_NE(whole.out.find("\"equation\": "), std::string::npos);
    EXPECT_EQ(whole.out.find("\"weighting\": ") != std::string::npos, c.name.starts_with("weighted"));
    for (const int n : {1, 2, 3, 7}) {
      SCOPED_TRACE(std::to_string(n) + " shards");
      std::vector<std::string> merge = {"merge"};
      for (int k = n; k >= 1; --k) merge.push_back(searchShard(c.search, k, n));  // any order
      const ToolResult merged = RunTool(merge);
      EXPECT_EQ(merged.status, 0) << merged.err;
      EXPECT_EQ(merged.out, whole.out);
    }
  }
  // The twins' list does hold ties, so their order was put to the test.
  const std::string list = RunTool(cases[2].search).out;
  std::map<std::string, int> rSquared;
  for (size_t at = list.find("\"r_squared\": "); at != std::string::npos; at = list.find("\"r_squared\": ", at + 1))
    ++rSquared[list.substr(at, list.find(',', at) - at)];
  EXPECT_GT(std::count_if(rSquared.begin(), rSquared.end(), [](const auto& value) { return value.second > 1; }), 100);
}

TEST_F(SearchShards, MergeRefusesPartsThatDoNotMakeOneSearch) {
  const std::vector<std::string> search = {"search", twins, "--json", "--quiet", "--max-terms", "2"};
  const std::string one = searchShard(search, 1, 3), two = searchShard(search, 2, 3), three = searchShard(search, 3, 3);
  const std::string otherData = write("other.csv", TwinsSheet(37.5));
  const ToolResult foreign = RunTool({"search", otherData, "--json", "--quiet", "--max-terms", "2", "--shard", "3/3"},
                                     IntoFile(folder + "/foreign.json"));
  ASSERT_EQ(foreign.status, 0) << foreign.err;
  // The same sheet searched unweighted and weighted, by sigmas in X16.
  std::string sigmasText;
  std::istringstream lines(TwinsSheet());
  for (std::string line; std::getline(lines, line);) sigmasText += line + (sigmasText.empty() ? ",X16\n" : ",0.25\n");
  const std::string sigmas = write("sigmas.csv", sigmasText);
  const ToolResult weighted =
      RunTool({"search", sigmas, "--json", "--quiet", "--max-terms", "2", "--sigma", "X16", "--shard", "3/3"},
              IntoFile(folder + "/weighted.json"));
  ASSERT_EQ(weighted.status, 0) << weighted.err;
  const std::string whole = folder + "/whole.json";
  RunTool(search, IntoFile(whole));
  const std::string truncated = write("truncated.json", ReadFile(one).substr(0, 300));
  std::string stoppedText = ReadFile(three);
  const std::string notStopped = "\"stopped\": false";
  stoppedText.replace(stoppedText.find(notStopped), notStopped.size(), "\"stopped\": true");
  const std::string stopped = write("stopped.json", stoppedText);
  // A part edited by hand: sums no search makes.
  const auto edited = [&](const std::string& name, const std::string& from, const std::string& to) {
    std::string text = ReadFile(three);
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    return write(name, text);
  };
  const std::string negative = edited("negative.json", "\"ss_res\": ", "\"ss_res\": -1, \"was\": ");
  const std::string aboveOne = edited("above.json", "\"sst\": ", "\"sst\": 1e-300, \"was\": ");
  const std::string emptyOne = write("empty1.json", ""), emptyTwo = write("empty2.json", "\n");
  const std::string fifo = folder + "/fifo.json";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string zero = folder + "/zero.json";
  std::filesystem::create_symlink("/dev/zero", zero);
  const std::string huge = write("huge.json", "{");
  std::filesystem::resize_file(huge, (std::size_t{16} << 20) + 1);

  struct Refusal {
    std::vector<std::string> words;
    std::string message;
    int status;
  };
  const std::vector<Refusal> refusals = {
      {{"merge", one, three}, "shard 2/3 is missing", 1},
      {{"merge", one, two, two, three}, "shard 2/3 is given twice", 1},
      {{"merge", one, two, folder + "/foreign.json"}, "is a part of another search than '" + one + "': other data", 1},
      {{"merge", one, two, folder + "/weighted.json"},
       "is a part of another search than '" + one + "': other search options",
       1},
      {{"merge", one, two, whole}, "'" + whole + "' is not a part written by search --shard", 1},
      {{"merge", one, two, stopped}, "holds shard 3/3, whose search was stopped", 1},
      {{"merge", one, two, truncated}, "'" + truncated + "' is not a part written by search --shard: line ", 1},
      {{"merge", one, two, folder + "/absent.json"}, "cannot open '" + folder + "/absent.json': No such file", 1},
      {{"merge", one, emptyOne, two, emptyTwo},
       "2 parts are empty: '" + emptyOne + "', '" + emptyTwo + "': the searches of their shards wrote nothing",
       1},
      {{"merge", one, two, emptyOne}, "'" + emptyOne + "' is empty: the search of its shard wrote nothing", 1},
      {{"merge", one, two, fifo}, "'" + fifo + "' is a pipe, not a file", 1},
      {{"merge", one, two, zero}, "'" + zero + "' is a device, not a file", 1},
      {{"merge", one, two, huge}, "'" + huge + "' is larger than 16 MB; no part of a search holds as much", 1},
      {{"merge", one, two, negative}, "\"ss_res\" is below 0", 1},
      {{"merge", one, two, aboveOne}, "\"ss_res\" is not below \"sst\", so its R squared is not above 0", 1},
      {{"merge"}, "merge needs the part of every shard", 2},
      {{"search", twins, "--json", "--shard", "4/3"}, "--shard must be K/N", 2},
      {{"search", twins, "--json", "--shard", "0/3"}, "--shard must be K/N", 2},
      {{"search", twins, "--shard", "1/3"}, "give --json too", 2},
  };
  // A merge that fails leaves no file where --out points, not even an empty one.
  const std::string result = folder + "/result.json";
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> words = refusal.words;
    if (words[0] == "merge" && words.size() > 1) words.insert(words.end(), {"--out", result});
    const ToolResult refused = RunTool(words);
    EXPECT_EQ(refused.status, refusal.status) << refusal.message;
    EXPECT_NE(refused.err.find(refusal.message), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out, "") << refusal.message;
    EXPECT_FALSE(std::filesystem::exists(result)) << refusal.message;
  }
  const ToolResult written = RunTool({"merge", one, two, three, "--out", result});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(ReadFile(result), ReadFile(whole));
}

}  // namespace
}  // namespace rv::testing
