#include "print/function_report.h"

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"
#include "stats/function_text.h"

namespace rv {

namespace {

constexpr int kGapBelowTitles = 80;

// How the language marks a comment line: what opens it (at the start of
// the line) and what closes it (at its end).
struct CommentMark {
  std::string open;
  std::string close;
};

CommentMark CommentMarkOf(FunctionLanguage language) {
  switch (language) {
    case FunctionLanguage::Basic: return {"'", ""};
    case FunctionLanguage::C:
    case FunctionLanguage::Cpp: return {"/*", "*/"};
    case FunctionLanguage::Fortran: return {"C", ""};
  }
  return {};
}

bool IsComment(const std::string& line, const CommentMark& mark) {
  return line.starts_with(mark.open) && line.size() >= mark.open.size() + mark.close.size() &&
         line.ends_with(mark.close);
}

// A line of the listing as printed lines that fit the width. A comment
// that does not fit is wrapped inside its marks: every printed line opens
// (and, in C, closes) as a comment, the continuations indented as the
// program indents its own.
std::vector<std::string> PrintedLines(PageCanvas& canvas, const std::string& line, const CommentMark& mark, int width) {
  if (canvas.textWidth(PrintFont::Body, line) <= width || !IsComment(line, mark))
    return WrappedLines(canvas, PrintFont::Body, line, width);
  std::string inner = line.substr(mark.open.size(), line.size() - mark.open.size() - mark.close.size());
  const size_t textStart = inner.find_first_not_of(' ');
  const std::string lead = mark.open + inner.substr(0, textStart == std::string::npos ? inner.size() : textStart);
  const std::string close = mark.close.empty() ? std::string() : "  " + mark.close;
  inner = textStart == std::string::npos ? std::string() : inner.substr(textStart);
  while (!inner.empty() && inner.back() == ' ') inner.pop_back();
  const std::string continuation = lead + "  ";
  const int innerWidth = width - canvas.textWidth(PrintFont::Body, continuation + close);
  std::vector<std::string> lines;
  for (const std::string& piece : WrappedLines(canvas, PrintFont::Body, inner, innerWidth)) {
    std::string printed = lines.empty() ? lead : continuation;
    lines.push_back(printed.append(piece).append(close));
  }
  return lines;
}

}  // namespace

void PrintFunctionReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const FitWorkspace& equation, FunctionLanguage language) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kFunctionReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const int width = job.geometry.bodyRight - kLeftMargin;
  const CommentMark mark = CommentMarkOf(language);
  PageFlow flow(
      job, [&](PrintJob& page) { return PrintTitleBlock(page, document.options, lineHeight).y + kGapBelowTitles; });
  int y = flow.start();
  for (const std::string& listed : FunctionListingLines(equation, language))
    for (const std::string& line : PrintedLines(canvas, listed, mark, width)) {
      y = flow.place(y, lineHeight);
      if (!line.empty()) canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, line);
      y += lineHeight;
    }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
