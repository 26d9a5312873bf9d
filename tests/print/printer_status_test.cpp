#include "print/printer_status.h"

#include <gtest/gtest.h>

namespace rv::testing {
namespace {

TEST(PrinterStatus, OneBitNamesItsStateAndAnyOtherWordIsIdle) {
  EXPECT_EQ(PrinterStatusText(0), "Idle");
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusPaused)), "Paused");
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusPaperOut)), "Paper Out");
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusOffline)), "Offline");
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusUserIntervention)), "User Intervention");
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusPowerSave)), "Power Save");
  // Several states at once have no single name.
  EXPECT_EQ(PrinterStatusText(StatusBit(kStatusPaperOut) | StatusBit(kStatusOffline)), "Idle");
  // Bits beyond the table.
  EXPECT_EQ(PrinterStatusText(std::uint32_t{1} << 25), "Idle");
  EXPECT_EQ(PrinterStatusText(0x80000000u), "Idle");
}

TEST(PrinterStatus, QueueStateAndReasonsGiveTheStatusWord) {
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {}), 0u);
  EXPECT_EQ(PrinterStatusWord(kQueueProcessing, {}), StatusBit(kStatusPrinting));
  EXPECT_EQ(PrinterStatusWord(kQueueStopped, {"paused"}), StatusBit(kStatusPaused));
  // The severity suffix does not change the meaning.
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"media-empty-error"}), StatusBit(kStatusPaperOut));
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"media-empty-warning"}), StatusBit(kStatusPaperOut));
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"offline-report"}), StatusBit(kStatusOffline));
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"toner-low-report", "marker-supply-low-warning"}),
            StatusBit(kStatusTonerLow));
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"cover-open-error"}), StatusBit(kStatusDoorOpen));
  // An unknown reason counts only when it is an error.
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"com.vendor-thing-error"}), StatusBit(kStatusError));
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"com.vendor-thing-report"}), 0u);
  // A keyword is matched whole, not by its start.
  EXPECT_EQ(PrinterStatusWord(kQueueIdle, {"media-empty-tray"}), 0u);
}

TEST(PrinterStatus, PaperOutAndOfflineTogetherShowIdle) {
  const PrinterDescription printer{kQueueIdle, {"media-empty-error", "offline-report"}, "Laser 9", "usb://x", "Hall"};
  EXPECT_EQ(StatusFieldsFor(printer).status, "Idle");
  const PrinterDescription stopped{kQueueStopped, {"paused"}, "", "", ""};
  EXPECT_EQ(StatusFieldsFor(stopped).status, "Paused");
  // Printing with the paper gone is two states again.
  const PrinterDescription printing{kQueueProcessing, {"media-empty-error"}, "", "", ""};
  EXPECT_EQ(StatusFieldsFor(printing).status, "Idle");
}

TEST(PrinterStatus, SplitsTheReasonListAndDropsNone) {
  EXPECT_EQ(SplitStateReasons("none"), std::vector<std::string>{});
  EXPECT_EQ(SplitStateReasons(""), std::vector<std::string>{});
  EXPECT_EQ(SplitStateReasons("media-empty-error,offline-report"),
            (std::vector<std::string>{"media-empty-error", "offline-report"}));
  EXPECT_EQ(SplitStateReasons("paused,,none,"), std::vector<std::string>{"paused"});
}

TEST(PrinterStatus, FieldsOfAReadablePrinterAndOfOneThatCannotBeRead) {
  const PrinterDescription printer{kQueueIdle, {}, "Generic PDF Printer", "ipp://host/printers/a", "Second floor"};
  EXPECT_EQ(StatusFieldsFor(printer),
            (PrinterStatusFields{"Idle", "Generic PDF Printer", "ipp://host/printers/a", "Second floor"}));
  EXPECT_EQ(StatusFieldsFor(std::nullopt), (PrinterStatusFields{"Unknown", "", "", "Can not access printer."}));
  // An idle queue that refuses jobs is not available.
  const PrinterDescription refusing{kQueueIdle, {}, "Laser", "usb://x", "Hall", false};
  EXPECT_EQ(StatusFieldsFor(refusing).status, "Not Available");
}

}  // namespace
}  // namespace rv::testing
