#include <gtest/gtest.h>

#include <cstring>

#include "files/data_file_format.h"
#include "files/read_data_file.h"
#include "files/write_data_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

struct Application {
  Document document;
  DataFileSession session;
  EquationList equations;
  RecentFiles recent;

  Outcome<ViewUpdates> save(const std::string& path) {
    return WriteDataFile(path, document, session, equations, recent);
  }
  Outcome<ViewUpdates> open(const std::string& path) {
    return ReadDataFile(path, document, session, equations, recent);
  }
};

Application SampleApplication() {
  Application app;
  app.document = SampleDocument();
  app.session = SampleSession();
  app.equations.setSingleEntry(app.session.savedEquation);
  return app;
}

void ExpectSameRecord(const EquationRecord& a, const EquationRecord& b) {
  EXPECT_EQ(std::memcmp(&a.rSquared, &b.rSquared, sizeof(double)), 0);
  EXPECT_EQ(a.rSquaredText, b.rSquaredText);
  EXPECT_EQ(a.ordinalText, b.ordinalText);
  EXPECT_EQ(a.ordinal, b.ordinal);
  EXPECT_EQ(a.text, b.text);
}

TEST(DataFileRoundTrip, SaveThenOpenRestoresEveryField) {
  TemporaryFolder folder;
  Application saved = SampleApplication();
  ASSERT_TRUE(saved.save(folder.file("run.rvd")));

  Application opened;
  opened.document.options.shadeSurface = true;
  opened.document.state.modified = true;
  const Outcome<ViewUpdates> outcome = opened.open(folder.file("run.rvd"));
  ASSERT_TRUE(outcome) << outcome.message().text;
  const DocumentState& state = opened.document.state;
  EXPECT_TRUE(state.named);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(WindowTitle(state), "Regrovantis - run.rvd");
  EXPECT_EQ(state.dataFolder, folder.path());
  EXPECT_EQ(opened.recent.path(0), folder.file("run.rvd"));
  EXPECT_TRUE(outcome->updateTitle && outcome->updateRecentFileMenu && outcome->reloadSheet &&
              outcome->reloadEquationList && outcome->reloadGraphVariables);
  EXPECT_FALSE(outcome->notice);

  const DataSheet& a = saved.document.sheet;
  const DataSheet& b = opened.document.sheet;
  EXPECT_TRUE(SameBits(a.cells, b.cells)) << "cells bit for bit";
  EXPECT_EQ(a.names, b.names);
  EXPECT_EQ(a.formats, b.formats);
  EXPECT_EQ(a.columnBoundaries, b.columnBoundaries);
  EXPECT_EQ(std::memcmp(&a.graphMinimum, &b.graphMinimum, sizeof(a.graphMinimum)), 0);
  EXPECT_EQ(std::memcmp(&a.graphMaximum, &b.graphMaximum, sizeof(a.graphMaximum)), 0);
  EXPECT_EQ(std::memcmp(&a.graphConstant, &b.graphConstant, sizeof(a.graphConstant)), 0);
  EXPECT_EQ(a.autoUpdate, b.autoUpdate);

  const DocumentOptions& o = saved.document.options;
  const DocumentOptions& p = opened.document.options;
  EXPECT_EQ(o.maxTerms, p.maxTerms);
  EXPECT_EQ(o.setEnabled, p.setEnabled);
  EXPECT_EQ(o.moveSelectionAfterEnter, p.moveSelectionAfterEnter);
  EXPECT_EQ(o.title1, p.title1);
  EXPECT_EQ(o.title2, p.title2);
  EXPECT_EQ(o.segments, p.segments);
  EXPECT_EQ(o.colorRow, p.colorRow);
  EXPECT_EQ(o.graphColors, p.graphColors);
  EXPECT_TRUE(p.shadeSurface) << "Shade Surface is not stored: it keeps the value it had";
  EXPECT_EQ(saved.document.pointCount, opened.document.pointCount);
  EXPECT_EQ(saved.document.columnCount, opened.document.columnCount);

  ExpectSameRecord(opened.session.savedEquation, saved.session.savedEquation);
  EXPECT_EQ(opened.session.graphVariables, saved.session.graphVariables);
  ASSERT_EQ(opened.equations.size(), 1);
  ExpectSameRecord(opened.equations.slot(0), saved.session.savedEquation);
  EXPECT_EQ(opened.session.selectedIndex, 0);
  EXPECT_EQ(opened.session.graphedIndex, 0);
  EXPECT_FALSE(opened.session.graphDrawn) << "the graph is drawn again by pressing Draw";
  EXPECT_TRUE(outcome->pressDraw);
}

TEST(DataFileRoundTrip, SavingSetsTheDocumentStateAndTheRecentFiles) {
  TemporaryFolder folder;
  Application app = SampleApplication();
  app.document.state.modified = true;
  const Outcome<ViewUpdates> outcome = app.save(folder.file("report.txt"));
  ASSERT_TRUE(outcome);
  const DocumentState& state = app.document.state;
  EXPECT_EQ(state.path, folder.file("report.rvd"));
  EXPECT_EQ(state.fileTitle, "report.rvd");
  EXPECT_EQ(state.dataFolder, folder.path());
  EXPECT_TRUE(state.named);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(app.recent.path(0), folder.file("report.rvd"));
  EXPECT_TRUE(outcome->updateTitle && outcome->updateRecentFileMenu && outcome->focusCurrentCell);
  EXPECT_FALSE(std::filesystem::exists(folder.file("report.txt")));
}

TEST(DataFileRoundTrip, WithoutASelectionTheSaveAreaIsWrittenUnchanged) {
  TemporaryFolder folder;
  Application app = SampleApplication();
  app.equations.clear();
  app.session.selectedIndex = -1;
  ASSERT_TRUE(app.save(folder.file("a.rvd")));
  EXPECT_EQ(ReadBytes(folder.file("a.rvd"))[15350], 0xFF) << "selected index -1";

  Application opened;
  ASSERT_TRUE(opened.open(folder.file("a.rvd")));
  EXPECT_TRUE(opened.equations.empty());
  EXPECT_EQ(opened.session.selectedIndex, -1);
  EXPECT_EQ(opened.session.savedEquation.ordinal, kSampleOrdinal);

  ASSERT_TRUE(opened.save(folder.file("b.rvd")));
  const auto first = ReadBytes(folder.file("a.rvd")), second = ReadBytes(folder.file("b.rvd"));
  EXPECT_TRUE(std::equal(first.begin() + 15370, first.begin() + 15538, second.begin() + 15370))
      << "the record and its text";
}

TEST(DataFileRoundTrip, TheSelectedEntryRefreshesTheSaveArea) {
  TemporaryFolder folder;
  Application app = SampleApplication();
  app.equations.clear();
  app.equations.insert(0, MakeEquationRecord(0.5, 11, "Y = aX1 + b"));
  app.equations.insert(1, MakeEquationRecord(kSampleRSquared, kSampleOrdinal, kSampleEquation));
  app.session.selectedIndex = 0;  // the best entry, in sorted order
  app.session.graphedIndex = 1;
  ASSERT_TRUE(app.save(folder.file("a.rvd")));
  EXPECT_EQ(app.session.savedEquation.ordinal, kSampleOrdinal);

  Application opened;
  ASSERT_TRUE(opened.open(folder.file("a.rvd")));
  ASSERT_EQ(opened.equations.size(), 1);
  EXPECT_EQ(opened.equations.slot(0).text, kSampleEquation);
  EXPECT_EQ(opened.session.selectedIndex, 0);
  EXPECT_LT(opened.session.graphedIndex, 0) << "the graphed equation was another one";
  EXPECT_TRUE(opened.session.graphVariables.empty()) << "its graph variables are not stored";
}

TEST(DataFileRoundTrip, LongTextsAreCutToTheirFieldsAndTheOrdinalTextIsRebuilt) {
  TemporaryFolder folder;
  Application app = SampleApplication();
  const std::string longText(200, 'x');
  app.equations.setSingleEntry(MakeEquationRecord(0.75, 123456789, longText));
  app.document.options.title1 = std::string(70, 't');
  app.document.sheet.names[3] = "Temperature";
  ASSERT_TRUE(app.save(folder.file("a.rvd")));
  const auto bytes = ReadBytes(folder.file("a.rvd"));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[15390]), 8), std::string("1234567\0", 8));
  EXPECT_EQ(bytes[15410 + 126], 'x');
  EXPECT_EQ(bytes[15410 + 127], 0);
  EXPECT_EQ(bytes[15406], 127);

  // Read back as stored: opening would leave out an equation of no such ordinal.
  const auto opened = DecodeDataFile(bytes);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->session.savedEquation.ordinalText, "123456789");
  EXPECT_EQ(opened->session.savedEquation.ordinal, 123456789);
  EXPECT_EQ(opened->session.savedEquation.text, longText.substr(0, 127));
  EXPECT_EQ(opened->document.options.title1, std::string(61, 't'));
  EXPECT_EQ(opened->document.sheet.names[3], "Temperat");
}

TEST(DataFileRoundTrip, NonAsciiTextsSurviveAsSingleByteCharacters) {
  TemporaryFolder folder;
  Application app = SampleApplication();
  app.document.sheet.names[1] = "Temp °C";
  app.document.sheet.names[2] = "Straße€é";   // eight characters, eleven bytes of UTF-8
  app.document.options.title2 = "Größe – Ω";  // Ω has no single-byte form
  ASSERT_TRUE(app.save(folder.file("a.rvd")));
  const auto bytes = ReadBytes(folder.file("a.rvd"));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[78 + 24]), 9), std::string("Stra\xDF"
                                                                                        "e\x80\xE9\0",
                                                                                        9));

  Application opened;
  ASSERT_TRUE(opened.open(folder.file("a.rvd")));
  EXPECT_EQ(opened.document.sheet.names[1], "Temp °C");
  EXPECT_EQ(opened.document.sheet.names[2], "Straße€é");
  EXPECT_EQ(opened.document.options.title2, "Größe – ?");
}

}  // namespace
}  // namespace rv::testing
