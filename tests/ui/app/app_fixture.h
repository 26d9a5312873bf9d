#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest/QTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/equation_controller.h"
#include "app/graph_controller.h"
#include "app/main_window.h"
#include "app/window_frame.h"
#include "files/read_data_file.h"
#include "files/ui/path_chooser.h"
#include "widgets/command_ids.h"

namespace rv::testing {

// Answers the file dialogs with prepared paths and records their titles.
class ScriptedPathChooser : public PathChooser {
 public:
  struct Script {
    std::deque<std::optional<std::string>> answers;  // nothing: the dialog is cancelled
    QStringList titles;
    int exportSize = 640;  // the Size box of Export Graph
  };
  explicit ScriptedPathChooser(std::shared_ptr<Script> script) : script_(std::move(script)) {}

  std::optional<std::string> openPath(QWidget*, const std::string&) override { return next(QStringLiteral("Open")); }
  std::optional<std::string> savePath(QWidget*, const QString& title, const std::string&) override {
    return next(title);
  }
  std::optional<std::string> exportDataPath(QWidget*, const std::string&) override {
    return next(QStringLiteral("Export Data"));
  }
  std::optional<GraphExportChoice> exportGraphPath(QWidget*, const std::string&, const PictureSizes&) override {
    const std::optional<std::string> path = next(QStringLiteral("Export Graph"));
    if (!path) return std::nullopt;
    return GraphExportChoice{*path, script_->exportSize};
  }

 private:
  std::optional<std::string> next(const QString& title) {
    script_->titles << title;
    if (script_->answers.empty()) {
      ADD_FAILURE() << "unexpected file dialog " << title.toStdString();
      return std::nullopt;
    }
    auto answer = script_->answers.front();
    script_->answers.pop_front();
    return answer;
  }

  std::shared_ptr<Script> script_;
};

inline const char* const kExampleFile = REGROVANTIS_SOURCE_DIR "/examples/ideal_gas.rvd";

// A main window whose settings file lives in a temporary folder, with the
// program's help file and scripted file dialogs. Start-up's second stage is
// run by the test.
class AppTest : public ::testing::Test {
 protected:
  void TearDown() override { window.reset(); }

  std::string settingsPath() const { return folder.filePath(QStringLiteral("Regrovantis.ini")).toStdString(); }
  std::string pathIn(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }

  StartUpOptions startUpOptions(std::optional<std::string> commandLineFile = std::nullopt,
                                QString helpFile = QStringLiteral(REGROVANTIS_SOURCE_DIR
                                                                  "/res/Regrovantis.hlp")) const {
    StartUpOptions options;
    options.settingsPath = settingsPath();
    options.helpFilePath = std::move(helpFile);
    options.firstDataFolder = folder.path().toStdString();
    options.commandLineFile = std::move(commandLineFile);
    options.pathChooser = std::make_unique<ScriptedPathChooser>(paths);
    options.secondStageDelayMs = -1;
    return options;
  }

  MainWindow& makeWindow(std::optional<std::string> commandLineFile = std::nullopt,
                         QString helpFile = QStringLiteral(REGROVANTIS_SOURCE_DIR "/res/Regrovantis.hlp")) {
    window = std::make_unique<MainWindow>(startUpOptions(std::move(commandLineFile), std::move(helpFile)));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
  }

  MainWindow& startedWindow() {
    makeWindow();
    window->finishStartUp();
    return *window;
  }

  // A window besides the test's own, as another copy of the program opens
  // one, with both stages of start-up run.
  static std::unique_ptr<MainWindow> StartedWindow(StartUpOptions options) {
    auto made = std::make_unique<MainWindow>(std::move(options));
    made->show();
    made->finishStartUp();
    return made;
  }

  // The bundled example copied into the test's folder: opening a data file
  // locks it, and tests that run side by side must not share a lock.
  static bool CopyExample(const std::string& path) {
    return QFile::copy(QString::fromLatin1(kExampleFile), QString::fromStdString(path));
  }

  // Text on the clipboard pasted by the Edit menu's Paste Data.
  void paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    window->runCommand(command::kPasteData);
  }

  // The file dragged from a file manager and dropped on the window, which
  // takes it.
  void dropFile(const std::string& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
  }

  // The document of a data file, as reading it back gives it.
  static Document DocumentOnDisk(const std::string& path) {
    Document document;
    DataFileSession session;
    EquationList equations;
    RecentFiles recent;
    EXPECT_TRUE(ReadDataFile(path, document, session, equations, recent)) << path;
    return document;
  }

  QTemporaryDir folder;
  std::shared_ptr<ScriptedPathChooser::Script> paths = std::make_shared<ScriptedPathChooser::Script>();
  std::unique_ptr<MainWindow> window;
};

}  // namespace rv::testing
