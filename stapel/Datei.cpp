#include "Datei.h"

#include "Auftrag.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace {

/// Links followed before a path counts as a loop, as the kernel does.
constexpr int MaxVerweise = 40;

QString Standardname(const QString& pfad, const char* strom) {
  return pfad.isEmpty() ? QString::fromUtf8(strom) : QStringLiteral("„%1“").arg(pfad);
}

/// Whether a new file may be renamed over `pfad`: it names a regular file or
/// none yet, and is no device, FIFO or terminal, nor a link to a descriptor
/// such as /dev/stdout, /dev/fd/1 or /proc/self/fd/1, which stand for a file
/// someone holds open. The links in /dev lead to /proc.
bool Umbenennbar(const QString& pfad) {
  QFileInfo info(QFileInfo(pfad).absoluteFilePath());
  for (int glied = 0; glied < MaxVerweise && info.isSymLink(); ++glied) {
    if (info.absoluteFilePath().startsWith(QLatin1String("/dev/")) ||
        info.absoluteFilePath().startsWith(QLatin1String("/proc/"))) {
      return false;
    }
    info = QFileInfo(info.symLinkTarget());
  }
  return (!info.exists() || info.isFile()) && !info.isSymLink() &&
         !(info.dir().canonicalPath() + u'/').startsWith(QLatin1String("/proc/"));
}

} // namespace

Eingabe::Eingabe(const QString& pfad)
    : name_(Standardname(pfad, "Standardeingabe")), datei_offen_(!pfad.isEmpty()) {
  const bool offen =
      pfad.isEmpty()
          ? datei_.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
          : (datei_.setFileName(pfad), datei_.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
  if (!offen) {
    throw Abbruch(
        QStringLiteral("Eingabe %1 lässt sich nicht öffnen: %2").arg(name_, datei_.errorString()));
  }
}

qint64 Eingabe::Lesen(char* ziel, qint64 hoechstens) {
  const qint64 neu = datei_.read(ziel, hoechstens);
  if (neu < 0) {
    throw Abbruch(
        QStringLiteral("Eingabe %1 lässt sich nicht lesen: %2").arg(name_, datei_.errorString()));
  }
  return neu;
}

qint64 Eingabe::Groesse() const {
  return datei_offen_ ? datei_.size() : 0;
}

Ausgabe::Ausgabe(const QString& pfad) : name_(Standardname(pfad, "Standardausgabe")) {
  bool offen = false;
  if (pfad.isEmpty()) {
    auto datei = std::make_unique<QFile>();
    offen = datei->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    datei_ = std::move(datei);
  } else if (!Umbenennbar(pfad)) {
    auto datei = std::make_unique<QFile>(pfad);
    // A file held open elsewhere, as by ">> f": added to, never truncated.
    const auto anhaengen = QFileInfo(pfad).isFile() ? QIODevice::Append : QIODevice::NotOpen;
    offen = datei->open(QIODevice::WriteOnly | anhaengen | QIODevice::Unbuffered);
    datei_ = std::move(datei);
  } else {
    auto datei = std::make_unique<QSaveFile>(pfad);
    offen = datei->open(QIODevice::WriteOnly);
    datei_ = std::move(datei);
  }
  if (!offen) {
    throw Abbruch(QStringLiteral("Ausgabe %1 lässt sich nicht anlegen: %2")
                      .arg(name_, datei_->errorString()));
  }
}

Ausgabe::~Ausgabe() = default;

void Ausgabe::Schreiben(std::string_view text) {
  const auto laenge = static_cast<qint64>(text.size());
  if (datei_->write(text.data(), laenge) != laenge) {
    Schreibfehler();
  }
}

void Ausgabe::Abschliessen() {
  auto* sicher = dynamic_cast<QSaveFile*>(datei_.get());
  if (sicher != nullptr ? !sicher->commit() : !datei_->flush()) {
    Schreibfehler();
  }
}

int Ausgabe::Deskriptor() const {
  return datei_->handle();
}

void Ausgabe::Schreibfehler() const {
  throw Abbruch(QStringLiteral("Ausgabe %1 lässt sich nicht schreiben: %2")
                    .arg(name_, datei_->errorString()));
}
