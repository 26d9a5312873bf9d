#include "print/ui/print_server.h"

#include <cups/cups.h>

#include <cstdlib>
#include <memory>

namespace rv {

namespace {

// A request that waited out the timeout gives up instead of waiting again.
int GiveUp(http_t*, void*) { return 0; }

struct ConnectionCloser {
  void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, ConnectionCloser>;

struct IppDeleter {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// A connection of its own to the print server the environment names, with
// the timeouts: libcups's shared connection would wait a minute and more.
Connection Connect() {
  // Each thread of libcups keeps the server it asked first; the
  // environment may name another one by now.
  cupsSetServer(nullptr);
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kPrintServerTimeoutMilliseconds, nullptr);
  if (http) httpSetTimeout(http, kPrintServerTimeoutMilliseconds / 1000.0, GiveUp, nullptr);
  return Connection(http);
}

std::string ServerFailure() {
  const char* text = cupsLastErrorString();
  return text && *text ? std::string(text) : std::string("The print server does not answer.");
}

const char* NoAnswer() { return "The print server does not answer."; }

std::string Text(ipp_attribute_t* attribute) {
  const char* text = ippGetString(attribute, 0, nullptr);
  return text ? std::string(text) : std::string();
}

void Keep(PrintServerSurvey& survey, PrintQueue& queue) {
  if (!queue.name.empty()) survey.queues.push_back(std::move(queue));
  queue = PrintQueue{};
}

void ReadQueueAttribute(ipp_attribute_t* attribute, PrintQueue& queue) {
  const std::string_view name = ippGetName(attribute);
  PrinterDescription& description = queue.description;
  if (name == "printer-name") queue.name = Text(attribute);
  else if (name == "printer-state") description.state = ippGetInteger(attribute, 0);
  else if (name == "printer-is-accepting-jobs") description.accepting = ippGetBoolean(attribute, 0) != 0;
  else if (name == "printer-make-and-model") description.makeAndModel = Text(attribute);
  else if (name == "device-uri") description.deviceUri = Text(attribute);
  else if (name == "printer-info") description.info = Text(attribute);
  else if (name == "media-default") queue.mediaDefault = Text(attribute);
  else if (name == "sides-supported")
    for (int i = 0; i < ippGetCount(attribute); ++i) {
      if (const char* sides = ippGetString(attribute, i, nullptr)) queue.sidesSupported.emplace_back(sides);
    }
  else if (name == "print-quality-supported")
    for (int i = 0; i < ippGetCount(attribute); ++i) queue.qualitiesSupported.push_back(ippGetInteger(attribute, i));
  else if (name == "printer-state-reasons")
    for (int i = 0; i < ippGetCount(attribute); ++i) {
      const char* reason = ippGetString(attribute, i, nullptr);
      if (reason && std::string_view(reason) != "none") description.stateReasons.emplace_back(reason);
    }
}

std::string DefaultQueue(http_t* http) {
  for (const char* variable : {"LPDEST", "PRINTER"})
    if (const char* named = std::getenv(variable); named && *named && std::string_view(named) != "lp") return named;
  Ipp response(cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
  if (!response) return {};
  ipp_attribute_t* name = ippFindAttribute(response.get(), "printer-name", IPP_TAG_NAME);
  return name ? Text(name) : std::string();
}

// Why the job is in its state, as the server says it: its printer's message
// about it, else its state reasons other than "none".
std::string JobStateMessage(ipp_t* job) {
  for (const char* name : {"job-printer-state-message", "job-state-message"})
    if (ipp_attribute_t* message = ippFindAttribute(job, name, IPP_TAG_TEXT); message && !Text(message).empty())
      return Text(message);
  std::string reasons;
  if (ipp_attribute_t* attribute = ippFindAttribute(job, "job-state-reasons", IPP_TAG_KEYWORD))
    for (int i = 0; i < ippGetCount(attribute); ++i) {
      const char* reason = ippGetString(attribute, i, nullptr);
      if (reason && std::string_view(reason) != "none") reasons += (reasons.empty() ? "" : ", ") + std::string(reason);
    }
  return reasons;
}

std::string PrinterUri(const std::string& queue) {
  char uri[1024];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   queue.c_str());
  return uri;
}

}  // namespace

PrintServerSurvey SurveyPrintServer() {
  PrintServerSurvey survey;
  const Connection http = Connect();
  if (!http) {
    survey.failure = NoAnswer();
    return survey;
  }
  static const char* const kAttributes[] = {
      "printer-name", "printer-state", "printer-state-reasons", "printer-is-accepting-jobs", "printer-make-and-model",
      "device-uri",   "printer-info",  "media-default",         "sides-supported",           "print-quality-supported"};
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kAttributes)), nullptr, kAttributes);
  const Ipp response(cupsDoRequest(http.get(), request, "/"));
  // A server without queues answers "not found".
  if (!response || (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE && cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)) {
    survey.failure = ServerFailure();
    return survey;
  }
  PrintQueue queue;
  for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute;
       attribute = ippNextAttribute(response.get())) {
    if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER || !ippGetName(attribute)) {
      Keep(survey, queue);
      continue;
    }
    ReadQueueAttribute(attribute, queue);
  }
  Keep(survey, queue);
  survey.defaultQueue = DefaultQueue(http.get());
  return survey;
}

Outcome<int> SubmitQueueJob(const QueueJob& job) {
  const Connection http = Connect();
  if (!http) return Message{NoAnswer()};
  cups_option_t* options = nullptr;
  int count = cupsAddIntegerOption("copies", job.copies, 0, &options);
  if (!job.media.empty()) count = cupsAddOption("media", job.media.c_str(), count, &options);
  if (!job.sides.empty()) count = cupsAddOption("sides", job.sides.c_str(), count, &options);
  if (job.quality != 0) count = cupsAddIntegerOption("print-quality", job.quality, count, &options);
  const int id = cupsCreateJob(http.get(), job.queue.c_str(), job.name.c_str(), count, options);
  cupsFreeOptions(count, options);
  if (id <= 0) return Message{ServerFailure()};
  const bool sent = cupsStartDocument(http.get(), job.queue.c_str(), id, job.name.c_str(), CUPS_FORMAT_PDF, 1) ==
                        HTTP_STATUS_CONTINUE &&
                    cupsWriteRequestData(http.get(), job.pdf.constData(), static_cast<size_t>(job.pdf.size())) ==
                        HTTP_STATUS_CONTINUE;
  // The document is finished even when its data did not all go, so that
  // the server does not keep waiting for the rest.
  const bool finished = cupsFinishDocument(http.get(), job.queue.c_str()) <= IPP_STATUS_OK_EVENTS_COMPLETE;
  if (!sent || !finished) {
    const Message failure{ServerFailure()};
    cupsCancelJob2(http.get(), job.queue.c_str(), id, 0);
    return failure;
  }
  return id;
}

QueueJobState ReadQueueJobState(const std::string& queue, int jobId) {
  const Connection http = Connect();
  if (!http) return {};
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, PrinterUri(queue).c_str());
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
  const Ipp response(cupsDoRequest(http.get(), request, "/"));
  if (!response) return {};
  // A number the server gives another queue's job is not this job.
  ipp_attribute_t* printer = ippFindAttribute(response.get(), "job-printer-uri", IPP_TAG_URI);
  ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
  if (!state || (printer && !Text(printer).ends_with("/printers/" + queue))) return {true, true, false, {}};
  const int value = ippGetInteger(state, 0);
  // Stopped (a filter failed, the printer stopped it), aborted or cancelled:
  // the job will not print unless someone acts, and the server says why.
  if (value == IPP_JSTATE_STOPPED || value == IPP_JSTATE_ABORTED || value == IPP_JSTATE_CANCELED) {
    std::string why = JobStateMessage(response.get());
    if (why.empty())
      why = value == IPP_JSTATE_STOPPED   ? "The print server stopped the job."
            : value == IPP_JSTATE_ABORTED ? "The job was aborted."
                                          : "The job was cancelled.";
    return {true, true, true, why};
  }
  return {true, value == IPP_JSTATE_COMPLETED, false, {}};
}

}  // namespace rv
