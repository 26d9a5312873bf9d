#include "print/printer_status.h"

#include <array>
#include <string_view>

namespace rv {

namespace {

constexpr std::array<const char*, 25> kStatusTexts = {
    "Paused",        "Error",     "Pending Deletion",  "Paper Jam",     "Paper Out",  "Manual Feed",
    "Paper Problem", "Offline",   "IO Active",         "Busy",          "Printing",   "Output Bin Full",
    "Not Available", "Waiting",   "Processing",        "Initializing",  "Warming Up", "Toner Low",
    "No Toner",      "Page Punt", "User Intervention", "Out of Memory", "Door Open",  "Unknown Server",
    "Power Save",
};

struct ReasonMeaning {
  std::string_view keyword;
  PrinterStatusBit bit;
};

// IPP state-reason keywords (and those the print system adds) by the
// printer state they stand for.
constexpr ReasonMeaning kReasonMeanings[] = {
    {"paused", kStatusPaused},
    {"moving-to-paused", kStatusPaused},
    {"media-jam", kStatusPaperJam},
    {"media-empty", kStatusPaperOut},
    {"media-needed", kStatusManualFeed},
    {"media-low", kStatusPaperProblem},
    {"input-tray-missing", kStatusPaperProblem},
    {"output-tray-missing", kStatusPaperProblem},
    {"offline", kStatusOffline},
    {"timed-out", kStatusOffline},
    {"output-area-full", kStatusOutputBinFull},
    {"shutdown", kStatusNotAvailable},
    {"deactivated", kStatusNotAvailable},
    {"connecting-to-device", kStatusWaiting},
    {"cups-waiting-for-job-completed", kStatusWaiting},
    {"fuser-under-temp", kStatusWarmingUp},
    {"warming-up", kStatusWarmingUp},
    {"toner-low", kStatusTonerLow},
    {"marker-supply-low", kStatusTonerLow},
    {"developer-low", kStatusTonerLow},
    {"toner-empty", kStatusNoToner},
    {"marker-supply-empty", kStatusNoToner},
    {"developer-empty", kStatusNoToner},
    {"spool-area-full", kStatusOutOfMemory},
    {"interpreter-resource-unavailable", kStatusOutOfMemory},
    {"door-open", kStatusDoorOpen},
    {"cover-open", kStatusDoorOpen},
    {"interlock-open", kStatusDoorOpen},
    {"sleep", kStatusPowerSave},
    {"standby", kStatusPowerSave},
    {"hibernate", kStatusPowerSave},
};

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string PrinterStatusText(std::uint32_t status) {
  for (size_t bit = 0; bit < kStatusTexts.size(); ++bit)
    if (status == std::uint32_t{1} << bit) return kStatusTexts[bit];
  return "Idle";
}

std::uint32_t PrinterStatusWord(int state, const std::vector<std::string>& reasons) {
  std::uint32_t status = 0;
  if (state == kQueueProcessing) status |= StatusBit(kStatusPrinting);
  if (state == kQueueStopped) status |= StatusBit(kStatusPaused);
  for (const std::string& reason : reasons) {
    std::string_view keyword = reason;
    bool error = false;
    for (const std::string_view suffix : {"-report", "-warning", "-error"})
      if (EndsWith(keyword, suffix)) {
        error = suffix == "-error";
        keyword.remove_suffix(suffix.size());
        break;
      }
    bool known = false;
    for (const ReasonMeaning& meaning : kReasonMeanings)
      if (keyword == meaning.keyword) {
        status |= StatusBit(meaning.bit);
        known = true;
      }
    if (!known && error) status |= StatusBit(kStatusError);
  }
  return status;
}

std::vector<std::string> SplitStateReasons(const std::string& text) {
  std::vector<std::string> reasons;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string::npos ? text.size() : comma;
    if (end > start && text.compare(start, end - start, "none") != 0)
      reasons.push_back(text.substr(start, end - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return reasons;
}

PrinterStatusFields StatusFieldsFor(const std::optional<PrinterDescription>& printer) {
  if (!printer) return {};
  const std::string status = printer->accepting
                                 ? PrinterStatusText(PrinterStatusWord(printer->state, printer->stateReasons))
                                 : PrinterStatusText(StatusBit(kStatusNotAvailable));
  return {status, printer->makeAndModel, printer->deviceUri, printer->info};
}

PrinterStatusFields PdfDestinationFields() { return {"Idle", "PDF document", "A file chosen when printing", ""}; }

}  // namespace rv
