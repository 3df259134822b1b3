// Linked into both start-up twins (start/, grundlinie/): tells vaz_bench when
// the first window is on the screen, without a line in their main().
//
// Protocol: one line on stdout,
//   bereit <ms since just before main> <VmHWM in kB>
// then the event loop quits and the process exits 0.
//
// "On the screen" means: the first paint event has arrived and that paint,
// including the flush of the backing store, has returned; the report is
// queued from the paint so that it runs only after the frame is done. The
// time printed here starts just before main and so misses exec, dynamic
// loading and the libraries' static initialisation. vaz_bench therefore
// reports its own spawn-to-line time as start-up; this one is for reference.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

/// Taken during this program's static initialisation, right before main.
const auto beginn = std::chrono::steady_clock::now();

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
    const std::chrono::duration<double, std::milli> dauer =
        std::chrono::steady_clock::now() - beginn;
    std::printf("bereit %.3f %ld\n", dauer.count(), Spitzenspeicher());
    std::fflush(stdout);
    QCoreApplication::quit();
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
