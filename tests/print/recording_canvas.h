#pragma once

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "print/page_canvas.h"
#include "print/paper.h"

namespace rv::testing {

// A canvas that keeps everything drawn on it, page by page, so that tests
// can read every position and text of a printout.
class RecordingCanvas : public PageCanvas {
 public:
  struct Text {
    int x, y;
    TextAlign align;
    PrintFont font;
    std::string text;
    int clipLeft = INT_MIN;  // what shows of the text lies between these
    int clipRight = INT_MAX;
    int width = 0;
    // Where the text starts and ends across the page, and what of it shows.
    int left() const { return align == TextAlign::Left ? x : align == TextAlign::Centre ? x - width / 2 : x - width; }
    int right() const { return left() + width; }
    int shownLeft() const { return std::max(left(), clipLeft); }
    int shownRight() const { return std::min(right(), clipRight); }
  };
  struct Line {
    int x1, y1, x2, y2;
    PagePen pen;
  };
  struct Graph {
    int x, y, side;
    VectorGraph graph;
  };
  struct Page {
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Graph> graphs;
    bool ended = false;
  };

  // Whether beginJob succeeds; a refused job stands for a printer that
  // cannot be opened.
  bool acceptJob = true;
  // The paper the device prints on.
  Paper paper = kLetterPaper;

  std::vector<Page> pages;
  PrintJobSetup setup;
  int jobsBegun = 0;
  int jobsEnded = 0;
  // Drawing or page calls made outside an open page or job; a report must make none.
  int strayCalls = 0;

  bool beginJob(const PrintJobSetup& jobSetup) override {
    setup = jobSetup;
    if (!acceptJob) return false;
    ++jobsBegun;
    open_ = true;
    return true;
  }
  PageSize pageSize() const override { return LayoutPage(paper, setup.landscape); }
  void startPage() override {
    if (!open_ || pageOpen()) ++strayCalls;
    pages.emplace_back();
  }
  void endPage() override {
    if (!pageOpen()) ++strayCalls;
    if (!pages.empty()) pages.back().ended = true;
  }
  void endJob() override {
    if (!open_ || pageOpen()) ++strayCalls;
    open_ = false;
    ++jobsEnded;
  }
  void drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) override {
    drawClippedText(x, y, align, font, text, INT_MIN, INT_MAX);
  }
  void drawClippedText(int x, int y, TextAlign align, PrintFont font, const std::string& text, int clipLeft,
                       int clipRight) override {
    if (page()) page()->texts.push_back({x, y, align, font, text, clipLeft, clipRight, textWidth(font, text)});
  }
  // Every character three fifths of the font's height wide, about as wide
  // as a character of a fixed-pitch face.
  int textWidth(PrintFont font, const std::string& text) override {
    const long characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return static_cast<int>(characters * FontOf(setup.fonts, font).height * 3 / 5);
  }
  void drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) override {
    if (page()) page()->lines.push_back({x1, y1, x2, y2, pen});
  }
  void drawGraph(int x, int y, int side, const VectorGraph& graph) override {
    if (page()) page()->graphs.push_back({x, y, side, graph});
  }

  // The texts of a page in the order drawn, and the first text equal to text
  // (nullptr when the page has none).
  std::vector<std::string> textsOf(size_t page) const {
    std::vector<std::string> texts;
    for (const Text& text : pages.at(page).texts) texts.push_back(text.text);
    return texts;
  }
  const Text* find(size_t page, const std::string& text) const {
    for (const Text& t : pages.at(page).texts)
      if (t.text == text) return &t;
    return nullptr;
  }

 private:
  bool pageOpen() const { return !pages.empty() && !pages.back().ended; }
  Page* page() {
    if (!open_ || !pageOpen()) {
      ++strayCalls;
      return nullptr;
    }
    return &pages.back();
  }
  bool open_ = false;
};

}  // namespace rv::testing
