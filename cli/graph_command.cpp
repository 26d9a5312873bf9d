#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/equation_choice.h"
#include "cli/input_file.h"
#include "cli/output_target.h"
#include "cli/search_options.h"
#include "cli/search_runner.h"
#include "cli/searchable_data.h"
#include "cli/text_options.h"
#include "graph/data_points_text.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/graph_picture.h"
#include "graph/graph_selection.h"
#include "graph/prepare_graph.h"
#include "graph/ui/graph_export.h"
#include "graph/ui/label_glyphs.h"
#include "graph/ui/picture_file.h"
#include "graph/view_state.h"
#include "graph/y_range.h"
#include "regress/recreate_equation.h"
#include "sheet/point_count.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"

namespace rv::cli {

namespace {

// The best equation of a search of the file with its options (or those
// given), as the Equations tab selects it when a search ends.
FitWorkspace BestEquation(const Arguments& arguments, const Document& document, const std::string& path) {
  FitWorkspace workspace = RankedEquation(arguments, document, path, 1);
  std::fprintf(stderr, "%s stores no equation: graphing the best one found, ordinal %lld, %s\n",
               EscapeControls(InputName(path)).c_str(), static_cast<long long>(workspace.lastFittedOrdinal),
               workspace.text.c_str());
  return workspace;
}

// The equation to graph: the one --ordinal names, else the one a .rvd file
// stores, else the best one a search of the file finds.
FitWorkspace ChosenEquation(const Arguments& arguments, const InputFile& input) {
  if (arguments.has("ordinal") || input.storedEquation() != nullptr) return LoadChosenEquation(arguments, "graph");
  return BestEquation(arguments, input.document, arguments.positional[0]);
}

// "X1" or "X1,X2": the variable numbers in the order given.
std::vector<int> ParseVariables(const std::string& text) {
  std::vector<int> variables;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string word = text.substr(start, comma - start);
    const int variable = GraphEntryVariable({"\t" + word, true});
    if (variable == 0) throw CliError("--vars takes variables such as X1 or X1,X2, not '" + text + "'");
    variables.push_back(variable);
    start = comma + 1;
  }
  return variables;
}

// Before any search: the equations of the file's data use only the
// variables it searches, so another variable can never be graphed.
void RequireSearchedVariables(const std::vector<int>& variables, const DataSheet& sheet) {
  const int columns = CountPointsAndColumns(sheet.cells).columnCount;
  for (const int variable : variables) {
    if (variable < columns) continue;
    if (columns <= 1) throw CliError(FormatText("The data has no variable to graph, so not X%d.", variable), 1);
    if (columns == 2)
      throw CliError(FormatText("The equations of this data use X1 only:\nX%d cannot be graphed.", variable), 1);
    throw CliError(
        FormatText("The equations of this data use X1 to X%d:\nX%d cannot be graphed.", columns - 1, variable), 1);
  }
}

// The picture's format, from the name --out gives it, before any work is done.
// "-" sends a PNG to standard output, for a pipe.
constexpr const char* kStandardOutput = "-";

PictureFormat OutputFormat(const std::string& path) {
  if (path == kStandardOutput) return PictureFormat::Png;
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) throw CliError("--out takes a picture named .png, .svg or .pdf, not " + InputName(path));
  return *format;
}

// The graphed variables: the first given is the X axis, the second the Z
// axis. Each must be one the equation uses, as the Graph tab offers only those.
GraphSelection SelectVariables(const std::vector<int>& variables, const std::string& equationText) {
  if (variables.size() == 2 && variables[0] == variables[1])
    throw CliError("--vars names X" + std::to_string(variables[0]) + " twice");
  const std::vector<GraphVariableEntry> entries = GraphVariableEntries(equationText);
  for (const int variable : variables) {
    bool used = false;
    for (const GraphVariableEntry& entry : entries) used = used || GraphEntryVariable(entry) == variable;
    if (used) continue;
    std::string offered;
    for (const GraphVariableEntry& entry : entries) offered += (offered.empty() ? "" : ", ") + entry.text.substr(1);
    throw CliError(FormatText("The equation does not use X%d.\nIt can be graphed over %s.", variable, offered.c_str()),
                   1);
  }
  return {static_cast<int>(variables.size()), variables.front(), variables.back()};
}

ViewState ViewFromArguments(const Arguments& arguments, int graphedVariables) {
  ViewState view;
  ResetView(view, graphedVariables);
  if (!arguments.has("angles")) return view;
  const std::string& text = arguments.value("angles");
  const size_t comma = text.find(',');
  if (comma == std::string::npos) throw CliError("--angles takes two angles H,V such as 30,30, not '" + text + "'");
  const long long horizontal = ParseInteger(text.substr(0, comma), "the horizontal angle", -180, 180);
  const long long vertical = ParseInteger(text.substr(comma + 1), "the vertical angle", -180, 180);
  SetAnglePositions(view, static_cast<int>(horizontal) + 180, static_cast<int>(vertical) + 180);
  return view;
}

// --yrange MIN,MAX: the value axis from MIN to MAX; without it the range
// is automatic, as on the Graph tab with its boxes empty.
YRange YRangeFromArguments(const Arguments& arguments) {
  if (!arguments.has("yrange")) return {};
  const std::string& text = arguments.value("yrange");
  const size_t comma = text.find(',');
  if (comma == std::string::npos || comma == 0 || comma + 1 == text.size())
    throw CliError("--yrange takes the minimum and maximum MIN,MAX such as -5,20, not '" + text + "'");
  const Outcome<YRange> range = ParseYRange(text.substr(0, comma), text.substr(comma + 1));
  if (!range) {
    std::string message = range.message().text;
    std::replace(message.begin(), message.end(), '\n', ' ');
    throw CliError("--yrange: " + message);
  }
  return *range;
}

// Qt's own notes (about the desktop session, say) are no concern of a
// command-line picture; only its failures reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

void WritePicture(PictureFormat format, const GraphModel& model, const Document& document,
                  const FitWorkspace& workspace, const ViewState& view, int size, const std::string& path) {
  // Glyphs and texts are set by QtGui, which needs an application object;
  // the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  int argc = 1;
  char name[] = "regrovantis-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  const GlyphSet glyphs = LabelGlyphs();
  const std::vector<std::uint8_t> bytes =
      GraphPictureBytes(format, {model, GraphOptionsOf(document.options), glyphs, view, workspace.text, size});
  if (path == kStandardOutput) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
      throw CliError("cannot write the picture to standard output", 1);
    return;
  }
  if (const Outcome<void> written = WritePictureFile(path, bytes); !written)
    throw CliError("cannot write the picture " + InputName(path) + ": " + written.message().text, 1);
}

}  // namespace

int RunGraphCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words,
                                             AndTextValueOptions({"ordinal", "max-terms", "sets", "sigma", "vars",
                                                                  "angles", "size", "out", "yrange", "level"}),
                                             AndTextFlagOptions({"data", "no-bands"}));
  if (!arguments.has("vars")) throw CliError("graph needs --vars X1 or --vars X1,X2");
  if (arguments.has("out") == arguments.flag("data"))
    throw CliError("graph needs either --out PICTURE.png|.svg|.pdf or --data");
  if (arguments.positional.size() != 1) throw CliError("graph needs exactly one FILE");
  CheckOptionValues(arguments);
  CheckEquationChoice(arguments);
  const std::vector<int> variables = ParseVariables(arguments.value("vars"));
  if (variables.size() > static_cast<size_t>(kMaxGraphedVariables))
    throw CliError("--vars takes one variable for a curve or two for a surface", 1);
  const ViewState view = ViewFromArguments(arguments, static_cast<int>(variables.size()));
  const int size =
      arguments.has("size")
          ? static_cast<int>(ParseInteger(arguments.value("size"), "--size", kMinExportSize, kMaxExportSize))
          : kPictureSize;
  const PictureFormat format = arguments.has("out") ? OutputFormat(arguments.value("out")) : PictureFormat::Png;
  if (arguments.has("out") && arguments.value("out") != kStandardOutput) RequireWritableTarget(arguments.value("out"));
  const YRange yRange = YRangeFromArguments(arguments);

  const InputFile input = LoadInputFile(arguments.positional[0], arguments);
  RequireSearchedVariables(variables, input.document.sheet);
  const FitWorkspace workspace = ChosenEquation(arguments, input);
  Document document = input.document;
  document.options.bands.level = BandLevelOption(arguments, document.options.bands.level);
  if (arguments.flag("no-bands")) document.options.bands.shown = false;
  const GraphSelection selection = SelectVariables(variables, workspace.text);

  const Outcome<GraphModel> built = DrawnGraphModel(document.sheet, workspace, selection, document.options, yRange);
  if (!built) throw CliError(built.message().text, 1);

  if (arguments.flag("data")) {
    const std::string text = GraphDataPointsText(built->surface, document.sheet, built->bands);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  WritePicture(format, *built, document, workspace, view, size, arguments.value("out"));
  return 0;
}

}  // namespace rv::cli
