#include "files/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "files/read_data_file.h"
#include "files/write_data_file.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

std::string ReadText(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(SettingsFile, LivesInTheUsersConfigurationFolder) {
  EXPECT_EQ(SettingsFilePath("/home/ann/cfg", "/home/ann"), "/home/ann/cfg/Regrovantis.ini");
  EXPECT_EQ(SettingsFilePath(nullptr, "/home/ann"), "/home/ann/.config/Regrovantis.ini");
  EXPECT_EQ(SettingsFilePath("relative", "/home/ann"), "/home/ann/.config/Regrovantis.ini");
  EXPECT_EQ(SettingsFilePath(nullptr, nullptr), "");
}

TEST(SettingsFile, AMissingFileOrKeyGivesTheDefaults) {
  TemporaryFolder folder;
  EXPECT_EQ(ReadSettingsFile(folder.file("none.ini")).settings, Settings{});
  WriteText(folder.file("other.ini"), "[Other]\nTOOLTIPS=0\nFILE1=/data/a.rvd\n");
  EXPECT_EQ(ReadSettingsFile(folder.file("other.ini")).settings, Settings{});
  EXPECT_EQ(ReadSettingsFile("").settings, Settings{});
}

TEST(SettingsFile, ReadsValuesLikeAProfileFile) {
  TemporaryFolder folder;
  WriteText(folder.file("a.ini"),
            "; comment\r\n[other]\r\nFILE1=/wrong.rvd\r\n[regrovantis]\r\ntooltips=0\r\nFILE1=  \r\n"
            " FILE2 = /data/b.rvd \r\nFILE3=\"/data/c d.rvd\"\r\nDataFolder=/data\r\n");
  const Settings settings = ReadSettingsFile(folder.file("a.ini")).settings;
  EXPECT_EQ(settings.tooltips, 0);
  EXPECT_EQ(settings.recentFiles, (std::array<std::string, 4>{"", "/data/b.rvd", "/data/c d.rvd", ""}));
  EXPECT_EQ(settings.dataFolder, "/data");
}

// RANKBY names a criterion or means R squared; TOOLTIPS is the leading
// number of its first seven characters; AUTORECOVERY and UNDOMEMORY are whole
// numbers in their ranges or the default.
TEST(SettingsFile, EachKeyReadsItsValueOrTheDefault) {
  TemporaryFolder folder;
  const auto valueOf = [](const Settings& s, std::string_view key) {
    if (key == "RANKBY") return static_cast<int>(s.rankBy);
    if (key == "TOOLTIPS") return s.tooltips;
    return key == "UNDOMEMORY" ? s.undoMegabytes : s.autoRecoveryMinutes;
  };
  const int adjusted = static_cast<int>(RankingCriterion::AdjustedRSquared),
            bic = static_cast<int>(RankingCriterion::Bic), rSquared = static_cast<int>(RankingCriterion::RSquared);
  const struct {
    const char* key;
    std::vector<std::pair<const char*, int>> textsAndValues;
  } cases[] = {
      {"RANKBY", {{"adj-r2", adjusted}, {"bic", bic}, {"AICc", rSquared}, {"", rSquared}}},
      {"TOOLTIPS", {{"1", 1}, {"0", 0}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"-3", -3}, {"123456789", 1234567}}},
      {"AUTORECOVERY", {{"0", 0}, {"1", 1}, {"15", 15}, {"1440", 1440}, {"1441", 5}}},
      {"AUTORECOVERY", {{"-1", 5}, {"", 5}, {"3m", 5}, {"99999999999", 5}}},
      {"UNDOMEMORY", {{"32", 32}, {"16384", 16384}, {"31", 256}, {"16385", 256}, {"1e3", 256}}},
  };
  for (const auto& [key, textsAndValues] : cases) {
    for (const auto& [text, expected] : textsAndValues) {
      WriteText(folder.file("t.ini"), std::string("[Regrovantis]\n") + key + "=" + text + "\n");
      EXPECT_EQ(valueOf(ReadSettingsFile(folder.file("t.ini")).settings, key), expected) << key << "=" << text;
    }
  }
}

TEST(SettingsFile, WritesItsOwnKeysAndNothingElse) {
  TemporaryFolder folder;
  const std::string path = folder.file("config/sub/Regrovantis.ini");
  Settings settings;
  settings.tooltips = 0;
  settings.recentFiles = RecentFiles::FromSettings({"/data/a.rvd", "", "/data/b.rvd", ""}).settingsValues();
  settings.dataFolder = "/data";
  settings.rankBy = RankingCriterion::Aicc;
  ASSERT_TRUE(WriteSettingsFile(path, settings));
  EXPECT_EQ(ReadText(path),
            "[Regrovantis]\r\nTOOLTIPS=0\r\nFILE1=/data/a.rvd\r\nFILE2=/data/b.rvd\r\nFILE3=  \r\nFILE4=  \r\n"
            "DATAFOLDER=/data\r\nRANKBY=aicc\r\nAUTORECOVERY=5\r\nUNDOMEMORY=256\r\n");
  Settings expected = settings;
  expected.recentFiles = {"/data/a.rvd", "/data/b.rvd", "", ""};
  EXPECT_EQ(ReadSettingsFile(path).settings, expected);

  // Unknown sections, keys and garbage were read past at start-up; they are
  // not carried from run to run.
  const std::string written = ReadText(path);
  WriteText(path, "[Window]\nLeft=5\n[Regrovantis]\nFILE2=/old.rvd\nEXTRA=dropped\n" + std::string(60000, 'z') +
                      "\n[Last]\nX=1\n");
  ASSERT_TRUE(WriteSettingsFile(path, settings));
  EXPECT_EQ(ReadText(path), written);

  // The paper of the printouts and the last PDF folder, once chosen.
  settings.paper = "A4";
  settings.pdfFolder = "/home/ada/prints";
  ASSERT_TRUE(WriteSettingsFile(path, settings));
  EXPECT_EQ(ReadText(path), written + "PAPER=A4\r\nPDFFOLDER=/home/ada/prints\r\n");
  EXPECT_EQ(ReadSettingsFile(path).settings.paper, "A4");
  EXPECT_EQ(ReadSettingsFile(path).settings.pdfFolder, "/home/ada/prints");
}

TEST(SettingsFile, OnlyARegularFileOfSensibleSizeIsRead) {
  TemporaryFolder folder;
  const std::string fifo = folder.file("fifo.ini");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const SettingsRead pipe = ReadSettingsFile(fifo);
  EXPECT_EQ(pipe.settings, Settings{});
  EXPECT_EQ(pipe.refusal, "Settings file not read: it is a pipe");

  const SettingsRead device = ReadSettingsFile("/dev/zero");
  EXPECT_EQ(device.settings, Settings{});
  EXPECT_EQ(device.refusal, "Settings file not read: it is a device");

  WriteText(folder.file("big.ini"), "[Regrovantis]\nTOOLTIPS=0\n" + std::string(kMaxSettingsFileBytes, ';'));
  const SettingsRead big = ReadSettingsFile(folder.file("big.ini"));
  EXPECT_EQ(big.settings, Settings{});
  EXPECT_EQ(big.refusal, "Settings file not read: it is larger than 64 KB");

  EXPECT_EQ(ReadSettingsFile(folder.file("missing.ini")).refusal, "");
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsReportedOnlyByTheResult) {
  TemporaryFolder folder;
  WriteText(folder.file("blocker"), "a file, not a folder");
  EXPECT_FALSE(WriteSettingsFile(folder.file("blocker/Regrovantis.ini"), Settings{}));
  EXPECT_FALSE(WriteSettingsFile("", Settings{}));
}

TEST(SettingsFile, TheDataFolderFallsBackToTheProgramsFolder) {
  TemporaryFolder folder;
  WriteText(folder.file("plain"), "x");
  EXPECT_EQ(DataFolderAtStartUp(folder.path(), "/opt/regrovantis"), folder.path());
  EXPECT_EQ(DataFolderAtStartUp("", "/opt/regrovantis"), "/opt/regrovantis");
  EXPECT_EQ(DataFolderAtStartUp(folder.file("gone"), "/opt/regrovantis"), "/opt/regrovantis");
  EXPECT_EQ(DataFolderAtStartUp(folder.file("plain"), "/opt/regrovantis"), "/opt/regrovantis");
}

// A run from start-up to exit: two files saved, one of the listed files
// deleted meanwhile and then opened from the menu.
TEST(SettingsFile, ARunEndsWithTheFilesThatStillExist) {
  TemporaryFolder folder;
  const std::string ini = folder.file("Regrovantis.ini");
  const std::string deleted = folder.file("deleted.rvd");
  WriteText(ini, "[Regrovantis]\r\nFILE1=" + deleted + "\r\nDATAFOLDER=" + folder.path() + "\r\n");

  const Settings atStart = ReadSettingsFile(ini).settings;
  RecentFiles recent = RecentFiles::FromSettings(atStart.recentFiles);
  Document document;
  document.state.dataFolder = DataFolderAtStartUp(atStart.dataFolder, "/opt/regrovantis");
  DataFileSession session;
  EquationList equations;
  ASSERT_TRUE(WriteDataFile(folder.file("one"), document, session, equations, recent));
  ASSERT_TRUE(WriteDataFile(folder.file("two"), document, session, equations, recent));
  EXPECT_FALSE(ReadDataFile(*recent.pathOfCommand(403), document, session, equations, recent));
  EXPECT_FALSE(recent.menuItems().at(2).enabled);

  Settings atExit;
  atExit.tooltips = atStart.tooltips;
  atExit.recentFiles = recent.settingsValues();
  atExit.dataFolder = document.state.dataFolder;
  ASSERT_TRUE(WriteSettingsFile(ini, atExit));
  const std::string text = ReadText(ini);
  EXPECT_NE(text.find("FILE1=" + folder.file("two.rvd") + "\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("FILE2=" + folder.file("one.rvd") + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("FILE3=  \r\nFILE4=  \r\n"), std::string::npos);
  EXPECT_NE(text.find("TOOLTIPS=1\r\n"), std::string::npos);
  EXPECT_EQ(text.find("deleted"), std::string::npos);
}

}  // namespace
}  // namespace rv::testing
