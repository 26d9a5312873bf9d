#include "print/pdf_file_name.h"

#include <gtest/gtest.h>

namespace rv::testing {
namespace {

TEST(PdfFileName, TheDataFilesNameWithPdfInTheDataFolder) {
  DocumentState named;
  named.named = true;
  named.path = "/home/ada/fits/gas.law.rvd";
  named.fileTitle = "gas.law.rvd";
  named.dataFolder = "/home/ada/fits";
  EXPECT_EQ(DefaultPdfPath(named, "/opt/regrovantis"), "/home/ada/fits/gas.law.pdf");
  named.dataFolder = "/";
  EXPECT_EQ(DefaultPdfPath(named, "/opt/regrovantis"), "/gas.law.pdf");
  named.fileTitle = "noextension";
  EXPECT_EQ(DefaultPdfPath(named, ""), "/noextension.pdf");
  named.fileTitle = ".hidden";
  EXPECT_EQ(DefaultPdfPath(named, ""), "/.hidden.pdf");
}

TEST(PdfFileName, AnUnnamedSheetIsUntitledAndAMissingFolderIsTheProgramsFolder) {
  DocumentState unnamed;
  unnamed.fileTitle = "stale.rvd";  // without the Named flag the title is not the sheet's
  EXPECT_EQ(DefaultPdfPath(unnamed, "/opt/regrovantis"), "/opt/regrovantis/Untitled.pdf");
  EXPECT_EQ(DefaultPdfPath(unnamed, ""), "Untitled.pdf");
}

}  // namespace
}  // namespace rv::testing
