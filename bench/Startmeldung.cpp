// Linked into both start-up twins (start/, grundlinie/): tells vaz_bench when
// the first window is on the screen, and the peak memory once the program
// has settled, without a line in their main().
//
// Protocol: two lines on stdout,
//   bereit <monotonic clock at the first frame [ns]> <VmHWM [kB]>
//   ruhe <VmHWM [kB]>
// the second one a settling time after the first; then the event loop quits
// and the process exits 0.
//
// "On the screen" means: the first paint event has arrived and that paint,
// including the flush of the backing store, has returned; the report is
// queued from the paint so that it runs only after the frame is done. The
// clock is the system-wide monotonic one, so vaz_bench can set it against
// its own time of the spawn.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

/// Time the program gets after its first frame for what it puts off until
/// then (the window icon, translations): its peak memory counts.
constexpr std::chrono::milliseconds Ruhezeit{100};

/// Peak resident set size of this process so far (VmHWM) [kB], or -1.
long Spitzenspeicher() {
  std::ifstream status("/proc/self/status");
  for (std::string zeile; std::getline(status, zeile);) {
    if (zeile.starts_with("VmHWM:")) {
      return std::stol(zeile.substr(6));
    }
  }
  return -1;
}

/// Application-wide filter that waits for the first paint of any widget.
class Startmeldung : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Paint && !gemeldet_) {
      gemeldet_ = true;
      QTimer::singleShot(0, this, &Startmeldung::Melden);
    }
    return QObject::eventFilter(objekt, ereignis);
  }

private:
  void Melden() {
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("bereit %lld %ld\n",
                static_cast<long long>(std::chrono::nanoseconds(jetzt).count()), Spitzenspeicher());
    std::fflush(stdout);
    QTimer::singleShot(Ruhezeit, this, [] {
      std::printf("ruhe %ld\n", Spitzenspeicher());
      std::fflush(stdout);
      QCoreApplication::quit();
    });
  }

  bool gemeldet_ = false;
};

void Einhaengen() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new Startmeldung(app));
}

} // namespace

// Runs inside the QApplication constructor of main().
Q_COREAPP_STARTUP_FUNCTION(Einhaengen)
