#include "private_spooler.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>

namespace rv::testing {

namespace {

// A port nobody listens on now.
int FreeLocalPort() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  if (probe < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  ::close(probe);
  return port;
}

bool Answers(int port) {
  const int client = ::socket(AF_INET, SOCK_STREAM, 0);
  if (client < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool connected = ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(client);
  return connected;
}

bool WriteFile(const QString& path, const QByteArray& contents, QFile::Permissions permissions) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size() &&
         file.setPermissions(permissions);
}

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kReadable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

// The device: the job goes to a file beside its title and copies, written
// whole before it takes its name, so a waiting test never reads half a job.
constexpr const char* kBackend =
    "#!/bin/sh\n"
    "if [ $# -eq 0 ]; then echo 'direct regrovantis-file \"Unknown\" \"Regrovantis test file\"'; exit 0; fi\n"
    "out=\"${DEVICE_URI#*:}\"\n"
    "printf '%s\\n%s\\n%s\\n' \"$3\" \"$4\" \"$5\" > \"$out.args\"\n"
    "if [ $# -ge 6 ]; then cat \"$6\"; else cat; fi > \"$out.part\" && mv \"$out.part\" \"$out\"\n";

// A device that fails every job it is given: the queue aborts the job.
constexpr const char* kFailingBackend =
    "#!/bin/sh\n"
    "if [ $# -eq 0 ]; then echo 'direct regrovantis-fail \"Unknown\" \"Regrovantis failing device\"'; exit 0; fi\n"
    "cat > /dev/null; echo 'ERROR: The paper tray is on fire' >&2; exit 1\n";

// A filter that fails every document: the scheduler stops the job.
constexpr const char* kFailingFilter =
    "#!/bin/sh\n"
    "cat > /dev/null; echo 'ERROR: The filter cannot read the document' >&2; exit 1\n";

// A PostScript printer whose documents go through the failing filter.
constexpr const char* kFailingFilterPpd =
    "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n*PCFileName: \"RVFAIL.PPD\"\n*Manufacturer: \"Regrovantis\"\n"
    "*Product: \"(Failing filter)\"\n*ModelName: \"Regrovantis failing filter\"\n"
    "*ShortNickName: \"Failing filter\"\n*NickName: \"Regrovantis failing filter\"\n"
    "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n*DefaultColorSpace: Gray\n"
    "*FileSystem: False\n*Throughput: \"1\"\n*TTRasterizer: Type42\n"
    "*cupsFilter2: \"application/pdf application/vnd.cups-postscript 0 regrovantis-fail-filter\"\n"
    "*OpenUI *PageSize: PickOne\n*DefaultPageSize: Letter\n"
    "*PageSize Letter: \"<</PageSize[612 792]>>setpagedevice\"\n*CloseUI: *PageSize\n"
    "*DefaultImageableArea: Letter\n*ImageableArea Letter: \"0 0 612 792\"\n"
    "*DefaultPaperDimension: Letter\n*PaperDimension Letter: \"612 792\"\n";

constexpr QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

}  // namespace

PrivateSpooler::PrivateSpooler() { scheduler_.setProcessChannelMode(QProcess::MergedChannels); }

PrivateSpooler::~PrivateSpooler() { stop(); }

QString PrivateSpooler::server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

QString PrivateSpooler::outputOf(const char* queue) const {
  return folder_.filePath(QStringLiteral("out/%1.prn").arg(QLatin1String(queue)));
}

QString PrivateSpooler::jobArgumentsOf(const char* queue) const { return outputOf(queue) + QStringLiteral(".args"); }

QString PrivateSpooler::deviceUriOf(const char* queue) const {
  return QStringLiteral("regrovantis-file:") + outputOf(queue);
}

QString PrivateSpooler::logTail() const {
  QFile log(folder_.filePath(QStringLiteral("log/error_log")));
  if (!log.open(QIODevice::ReadOnly)) return QStringLiteral("(no log)");
  const QByteArray text = log.readAll();
  return QString::fromLocal8Bit(text.right(3000));
}

bool PrivateSpooler::writeConfiguration() {
  const QString root = folder_.path();
  for (const char* sub : {"conf/ppd", "spool", "cache", "state", "tmp", "log", "out", "bin/backend", "bin/filter"})
    if (!QDir(root).mkpath(QLatin1String(sub))) return false;
  // The scheduler's helpers other than the device and the failing filter
  // are the installed ones.
  for (const char* sub : {"daemon", "cgi-bin", "monitor", "notifier"})
    QFile::link(QStringLiteral("/usr/lib/cups/%1").arg(QLatin1String(sub)), root + QStringLiteral("/bin/") + sub);
  const QDir installedFilters(QStringLiteral("/usr/lib/cups/filter"));
  for (const QString& filter : installedFilters.entryList(QDir::Files))
    QFile::link(installedFilters.filePath(filter), root + QStringLiteral("/bin/filter/") + filter);
  if (!WriteFile(root + QStringLiteral("/bin/backend/regrovantis-file"), kBackend, kOwnerOnly) ||
      !WriteFile(root + QStringLiteral("/bin/backend/regrovantis-fail"), kFailingBackend, kOwnerOnly) ||
      !WriteFile(root + QStringLiteral("/bin/filter/regrovantis-fail-filter"), kFailingFilter, kExecutable) ||
      !WriteFile(root + QStringLiteral("/conf/ppd/%1.ppd").arg(QLatin1String(kFilterFailsQueue)), kFailingFilterPpd,
                 kReadable))
    return false;

  QByteArray files = QStringLiteral(
                         "ServerRoot %1/conf\nServerBin %1/bin\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                         "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                         "PageLog %1/log/page_log\nPrintcap %1/printcap\n")
                         .arg(root)
                         .toLocal8Bit();
  // A scheduler started by an ordinary user runs everything as that user.
  if (::geteuid() != 0) {
    const QByteArray user = qgetenv("USER").isEmpty() ? QByteArray("nobody") : qgetenv("USER");
    files += "User " + user + "\nGroup " + QByteArray::number(::getegid()) + "\nSystemGroup " +
             QByteArray::number(::getegid()) + "\n";
  }
  const QByteArray daemon = QStringLiteral(
                                "Listen 127.0.0.1:%1\nLogLevel info\nWebInterface No\nBrowsing No\n"
                                "DefaultAuthType None\nDefaultEncryption Never\n"
                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                .arg(port_)
                                .toLocal8Bit();
  const QByteArray printers =
      QStringLiteral(
          "<DefaultPrinter %1>\nInfo Known sheet queue\nLocation Test bench\nDeviceURI %2\nState Idle\n"
          "Accepting Yes\nShared No\n</Printer>\n"
          "<Printer %3>\nInfo Stopped queue\nDeviceURI %4\nState Stopped\nStateMessage Stopped by the test\n"
          "Reason paused\nAccepting Yes\nShared No\n</Printer>\n"
          "<Printer %5>\nInfo Refusing queue\nDeviceURI %6\nState Idle\nAccepting No\nShared No\n</Printer>\n"
          "<Printer %7>\nInfo Failing queue\nDeviceURI regrovantis-fail:/dev/null\nState Idle\nAccepting Yes\n"
          "ErrorPolicy abort-job\nShared No\n</Printer>\n"
          "<Printer %8>\nInfo Filter fails\nDeviceURI %9\nState Idle\nAccepting Yes\nShared No\n</Printer>\n")
          .arg(QLatin1String(kIdleQueue), deviceUriOf(kIdleQueue), QLatin1String(kStoppedQueue),
               deviceUriOf(kStoppedQueue), QLatin1String(kRefusingQueue), deviceUriOf(kRefusingQueue),
               QLatin1String(kFailingQueue), QLatin1String(kFilterFailsQueue), deviceUriOf(kFilterFailsQueue))
          .toLocal8Bit();
  return WriteFile(root + QStringLiteral("/conf/cups-files.conf"), files, kReadable) &&
         WriteFile(root + QStringLiteral("/conf/cupsd.conf"), daemon, kReadable) &&
         WriteFile(root + QStringLiteral("/conf/printers.conf"), printers, QFile::ReadOwner | QFile::WriteOwner);
}

bool PrivateSpooler::start() {
  const QString cupsd = QStandardPaths::findExecutable(
      QStringLiteral("cupsd"),
      {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
  if (cupsd.isEmpty()) {
    why_ = QStringLiteral("cupsd is not installed (scripts/install-deps.sh installs cups-daemon)");
    return false;
  }
  port_ = FreeLocalPort();
  if (!folder_.isValid() || port_ == 0 || !writeConfiguration()) {
    why_ = QStringLiteral("cannot prepare the scheduler's folder %1").arg(folder_.path());
    return false;
  }
  // The folder must be passable for the scheduler's own user.
  QFile::setPermissions(folder_.path(),
                        kOwnerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
  scheduler_.start(cupsd,
                   {QStringLiteral("-f"), QStringLiteral("-c"), folder_.filePath(QStringLiteral("conf/cupsd.conf")),
                    QStringLiteral("-s"), folder_.filePath(QStringLiteral("conf/cups-files.conf"))});
  if (!scheduler_.waitForStarted(10000)) {
    why_ = QStringLiteral("cupsd does not start: %1").arg(scheduler_.errorString());
    return false;
  }
  const QByteArray address = server().toLatin1();
  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    if (scheduler_.state() != QProcess::Running) {
      why_ = QStringLiteral("cupsd ended at once: %1\n%2").arg(QString::fromLocal8Bit(scheduler_.readAll()), logTail());
      return false;
    }
    if (Answers(port_)) {
      qputenv("CUPS_SERVER", address);
      cupsSetServer(address.constData());
      if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, kIdleQueue, nullptr)) {
        cupsFreeDests(1, dest);
        return true;
      }
    }
    QThread::msleep(50);
  }
  why_ = QStringLiteral("cupsd does not answer on %1\n%2").arg(server(), logTail());
  return false;
}

bool PrivateSpooler::waitForOutput(const char* queue, int milliseconds) const {
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    if (QFileInfo::exists(outputOf(queue))) return true;
    QThread::msleep(50);
  }
  return false;
}

void PrivateSpooler::stop() {
  if (scheduler_.state() != QProcess::NotRunning) {
    scheduler_.terminate();
    if (!scheduler_.waitForFinished(10000)) {
      scheduler_.kill();
      scheduler_.waitForFinished(5000);
    }
  }
  cupsSetServer(nullptr);
  qunsetenv("CUPS_SERVER");
}

}  // namespace rv::testing
