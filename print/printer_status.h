#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The printer states of the system's printer list, as the print dialog
// reports them: one bit each, "Paused" bit 0 … "Power Save" bit 24.
enum PrinterStatusBit : int {
  kStatusPaused = 0,
  kStatusError = 1,
  kStatusPendingDeletion = 2,
  kStatusPaperJam = 3,
  kStatusPaperOut = 4,
  kStatusManualFeed = 5,
  kStatusPaperProblem = 6,
  kStatusOffline = 7,
  kStatusIoActive = 8,
  kStatusBusy = 9,
  kStatusPrinting = 10,
  kStatusOutputBinFull = 11,
  kStatusNotAvailable = 12,
  kStatusWaiting = 13,
  kStatusProcessing = 14,
  kStatusInitializing = 15,
  kStatusWarmingUp = 16,
  kStatusTonerLow = 17,
  kStatusNoToner = 18,
  kStatusPagePunt = 19,
  kStatusUserIntervention = 20,
  kStatusOutOfMemory = 21,
  kStatusDoorOpen = 22,
  kStatusUnknownServer = 23,
  kStatusPowerSave = 24,
};

constexpr std::uint32_t StatusBit(PrinterStatusBit bit) { return std::uint32_t{1} << bit; }

// The text of a status word: the name of its one bit; "Idle" for 0 and for
// any word with several bits set, since no single state describes it.
std::string PrinterStatusText(std::uint32_t status);

// What the print system tells about a printer queue (IPP attributes).
struct PrinterDescription {
  int state = 3;                          // printer-state: 3 idle, 4 processing, 5 stopped
  std::vector<std::string> stateReasons;  // printer-state-reasons keywords
  std::string makeAndModel;               // printer-make-and-model
  std::string deviceUri;                  // device-uri
  std::string info;                       // printer-info
  bool accepting = true;                  // printer-is-accepting-jobs
};

inline constexpr int kQueueIdle = 3;
inline constexpr int kQueueProcessing = 4;
inline constexpr int kQueueStopped = 5;

// The status word of a queue: a processing queue is printing, a stopped one
// paused, and each state reason sets the bit of its meaning (its severity
// suffix "-report", "-warning" or "-error" aside). A reason of no known
// meaning sets "Error" when its severity is error, nothing otherwise.
std::uint32_t PrinterStatusWord(int state, const std::vector<std::string>& reasons);

// "media-empty-error,offline-report" → {"media-empty-error", "offline-report"}.
std::vector<std::string> SplitStateReasons(const std::string& text);

// The four status fields of the print dialog.
struct PrinterStatusFields {
  std::string status = "Unknown";
  std::string type;
  std::string where;
  std::string comment = "Can not access printer.";
  friend bool operator==(const PrinterStatusFields&, const PrinterStatusFields&) = default;
};

// The fields of a printer that could be read (status, make and model,
// device, description), or those of one that could not. A queue that does
// not accept jobs is "Not Available", whatever its state: a job sent to it
// would be refused.
PrinterStatusFields StatusFieldsFor(const std::optional<PrinterDescription>& printer);

// The fields of the PDF destination.
PrinterStatusFields PdfDestinationFields();

}  // namespace rv
