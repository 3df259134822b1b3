#include "Datei.h"

#include "Auftrag.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Links followed before a path counts as a loop, as the kernel does.
constexpr int MaxVerweise = 40;
/// Tries at a free temporary name before giving up.
constexpr int MaxNamen = 100;
/// The random part of a temporary name: `ziel`.XXXXXX.
constexpr int Zufallszeichen = 6;
/// The lone surrogates that stand for the bytes 0x80…0xFF of an argument.
constexpr char16_t Bytesurrogat = 0xDC00;
constexpr unsigned char ErstesNichtAscii = 0x80;
constexpr mode_t NeueDatei = 0666; ///< before the umask, as the shell creates files
constexpr mode_t Rechte = 07777;   ///< the permission bits a new file takes over
constexpr mode_t NurEigentuemer = 0600;
/// The signals whose default ends the program: each removes the temporary file first.
constexpr int Signale[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

/// The reasons files and their folders give, in German whatever the
/// locale; the others come from the C library's German texts where they are
/// installed (libc-l10n and a German locale).
constexpr struct {
  int nummer;
  const char* text;
} Gruende[] = {
    {ENOSPC, "Kein Speicherplatz mehr auf dem Gerät"},
    {EDQUOT, "Speicherkontingent (Quota) überschritten"},
    {EFBIG, "Datei zu groß"},
    {EIO, "Ein-/Ausgabefehler"},
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Vorgang nicht erlaubt"},
    {EROFS, "Dateisystem nur lesbar"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {ENOTDIR, "Kein Verzeichnis"},
    {EISDIR, "Ist ein Verzeichnis"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {EEXIST, "Datei existiert bereits"},
    {ETXTBSY, "Datei wird gerade ausgeführt"},
    {EBUSY, "Gerät oder Ressource belegt"},
    {EMFILE, "Zu viele offene Dateien"},
    {ENFILE, "Zu viele offene Dateien im System"},
    {ENOMEM, "Nicht genügend Hauptspeicher"},
    {ENXIO, "Kein passendes Gerät"},
    {ENODEV, "Kein passendes Gerät"},
    {EPIPE, "Die lesende Seite ist geschlossen (Broken pipe)"},
    {EOPNOTSUPP, "Vorgang nicht unterstützt"},
    {ESTALE, "Veraltete Dateizugriffsnummer (NFS)"},
    {ETIMEDOUT, "Zeitüberschreitung"},
    {EAGAIN, "Vorübergehend nicht verfügbar"},
    {EBADF, "Ungültiger Dateideskriptor"},
    {EINVAL, "Ungültiges Argument"},
};

/// The length of the UTF-8 character at the start of `text`; 0 when there
/// is none.
qsizetype Utf8Zeichen(QByteArrayView text) {
  for (qsizetype laenge = 1; laenge <= 4 && laenge <= text.size(); ++laenge) {
    const QByteArrayView zeichen = text.first(laenge);
    if (QString::fromUtf8(zeichen).toUtf8() == zeichen) {
      return laenge;
    }
  }
  return 0;
}

/// A path for messages: „name“, each byte that is not UTF-8 and each control
/// character as \xFC.
QString Anzeigename(const QByteArray& pfad, const char* strom) {
  if (pfad.isEmpty()) {
    return QString::fromUtf8(strom);
  }
  QString name;
  for (qsizetype i = 0; i < pfad.size();) {
    const qsizetype laenge = Utf8Zeichen(QByteArrayView(pfad).sliced(i));
    const auto byte = static_cast<unsigned char>(pfad[i]);
    if (laenge == 0 || byte < ' ' || byte == '\x7F') {
      name += QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
      ++i;
    } else {
      name += QString::fromUtf8(pfad.sliced(i, laenge));
      i += laenge;
    }
  }
  return QStringLiteral("„%1“").arg(name);
}

/// The folder `pfad` lies in.
std::string Ordner(const std::string& pfad) {
  const std::size_t strich = pfad.rfind('/');
  return strich == std::string::npos ? "." : strich == 0 ? "/" : pfad.substr(0, strich);
}

/// The regular file `pfad` leads to, its links followed, or the new file it
/// names: a new file may be renamed over it. Empty for anything else:
/// devices, FIFOs, terminals, and links to descriptors such as /dev/stdout,
/// /dev/fd/1 or /proc/self/fd/1, which stand for a file someone holds open.
/// The links in /dev lead to /proc.
std::string Umbenennziel(const QByteArray& pfad) {
  std::string ziel = pfad.toStdString();
  if (!ziel.starts_with('/')) {
    char* hier = getcwd(nullptr, 0);
    ziel = std::string(hier != nullptr ? hier : ".") + '/' + ziel;
    std::free(hier);
  }
  struct stat info {};
  for (int glied = 0;; ++glied) {
    if (lstat(ziel.c_str(), &info) != 0) {
      return ziel; // a new file, or creating it will say why not
    }
    if (!S_ISLNK(info.st_mode)) {
      break;
    }
    if (glied == MaxVerweise || ziel.starts_with("/dev/") || ziel.starts_with("/proc/")) {
      return {};
    }
    std::string verweis(static_cast<std::size_t>(info.st_size) + 1, '\0');
    const ssize_t laenge = readlink(ziel.c_str(), verweis.data(), verweis.size());
    if (laenge < 0 || static_cast<std::size_t>(laenge) >= verweis.size()) {
      return {};
    }
    verweis.resize(static_cast<std::size_t>(laenge));
    ziel = verweis.starts_with('/') ? verweis : Ordner(ziel) + '/' + verweis;
  }
  char* echt = realpath(Ordner(ziel).c_str(), nullptr);
  const bool proc = echt != nullptr && (std::string(echt) + '/').starts_with("/proc/");
  std::free(echt);
  return S_ISREG(info.st_mode) && !proc ? ziel : std::string();
}

/// `ziel`.XXXXXX, with six random letters and digits.
std::string Zufallsname(const std::string& ziel) {
  static constexpr char Zeichen[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ziel + '.';
  for (int i = 0; i < Zufallszeichen; ++i) {
    name += Zeichen[arc4random_uniform(sizeof Zeichen - 1)];
  }
  return name;
}

/// The named temporary file a signal removes; null when there is none.
std::atomic<const char*> Aufzuraeumen{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free);

/// Removes the temporary file and ends the program by the same signal, so
/// the shell sees 128 + the signal's number. Async-signal-safe: unlink and
/// raise only; SA_RESETHAND has restored the default action.
extern "C" void SignalAufraeumen(int signal) {
  if (const char* pfad = Aufzuraeumen.load()) {
    unlink(pfad);
  }
  raise(signal);
}

/// Installs SignalAufraeumen for each of Signale that is not ignored: what
/// nohup ignores stays ignored.
void SignaleAbfangen() {
  static bool abgefangen = false;
  if (std::exchange(abgefangen, true)) {
    return;
  }
  struct sigaction aktion {};
  aktion.sa_handler = SignalAufraeumen;
  aktion.sa_flags = SA_RESETHAND;
  sigemptyset(&aktion.sa_mask);
  for (const int signal : Signale) {
    sigaddset(&aktion.sa_mask, signal);
  }
  for (const int signal : Signale) {
    struct sigaction alt {};
    if (sigaction(signal, nullptr, &alt) == 0 && alt.sa_handler != SIG_IGN) {
      sigaction(signal, &aktion, nullptr);
    }
  }
}

/// Holds back the signals of Signale while the temporary file gets or loses
/// its name, so that the name a signal removes is always the file's.
class Signalsperre {
public:
  Signalsperre() {
    sigset_t signale;
    sigemptyset(&signale);
    for (const int signal : Signale) {
      sigaddset(&signale, signal);
    }
    sigprocmask(SIG_BLOCK, &signale, &vorher_);
  }
  ~Signalsperre() { sigprocmask(SIG_SETMASK, &vorher_, nullptr); }
  Signalsperre(const Signalsperre&) = delete;
  Signalsperre& operator=(const Signalsperre&) = delete;

private:
  sigset_t vorher_{};
};

} // namespace

QString ArgumentText(QByteArrayView bytes) {
  QString text;
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype laenge = Utf8Zeichen(bytes.sliced(i));
    if (laenge == 0) {
      text += QChar(static_cast<char16_t>(Bytesurrogat + static_cast<unsigned char>(bytes[i])));
      ++i;
    } else {
      text += QString::fromUtf8(bytes.sliced(i, laenge));
      i += laenge;
    }
  }
  return text;
}

QByteArray ArgumentBytes(const QString& text) {
  QByteArray bytes;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes += text.sliced(i++, 2).toUtf8();
    } else if (c.unicode() >= Bytesurrogat + ErstesNichtAscii &&
               c.unicode() <= Bytesurrogat + UCHAR_MAX) {
      bytes += static_cast<char>(c.unicode() - Bytesurrogat);
    } else {
      bytes += QString(c).toUtf8();
    }
  }
  return bytes;
}

QString Systemfehler(int fehler) {
  for (const auto& [nummer, text] : Gruende) {
    if (nummer == fehler) {
      return QString::fromUtf8(text);
    }
  }
  static const locale_t deutsch = newlocale(LC_ALL_MASK, "de_DE.UTF-8", locale_t{});
  if (deutsch != locale_t{}) {
    return QString::fromUtf8(strerror_l(fehler, deutsch));
  }
  return QStringLiteral("Systemfehler %1 (%2)")
      .arg(fehler)
      .arg(QString::fromUtf8(std::strerror(fehler)));
}

Eingabe::Eingabe(const QByteArray& pfad)
    : deskriptor_(pfad.isEmpty() ? STDIN_FILENO : open(pfad.constData(), O_RDONLY | O_CLOEXEC)),
      name_(Anzeigename(pfad, "Standardeingabe")) {
  if (deskriptor_ < 0) {
    throw Abbruch(
        QStringLiteral("Eingabe %1 lässt sich nicht öffnen: %2").arg(name_, Systemfehler(errno)));
  }
  struct stat info {};
  if (!pfad.isEmpty() && fstat(deskriptor_, &info) == 0 && S_ISREG(info.st_mode)) {
    groesse_ = info.st_size;
  }
}

Eingabe::~Eingabe() {
  if (deskriptor_ != STDIN_FILENO) {
    close(deskriptor_);
  }
}

qint64 Eingabe::Lesen(char* ziel, qint64 hoechstens) {
  for (;;) {
    const ssize_t neu = read(deskriptor_, ziel, static_cast<std::size_t>(hoechstens));
    if (neu >= 0) {
      return neu;
    }
    if (errno != EINTR) {
      throw Abbruch(
          QStringLiteral("Eingabe %1 lässt sich nicht lesen: %2").arg(name_, Systemfehler(errno)));
    }
  }
}

Ausgabe::Ausgabe(const QByteArray& pfad, const Eingabe& eingabe)
    : name_(Anzeigename(pfad, "Standardausgabe")),
      ziel_(pfad.isEmpty() ? std::string() : Umbenennziel(pfad)) {
  if (!ziel_.empty()) {
    TemporaerAnlegen();
    return;
  }
  if (pfad.isEmpty()) {
    deskriptor_ = STDOUT_FILENO;
  } else {
    // A file held open elsewhere, as by ">> f": added to, never truncated.
    struct stat info {};
    const int anhaengen =
        stat(pfad.constData(), &info) == 0 && S_ISREG(info.st_mode) ? O_APPEND : 0;
    deskriptor_ = open(pfad.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | anhaengen, NeueDatei);
    if (deskriptor_ < 0) {
      Fehler("anlegen", errno);
    }
  }
  // Written into as it is read, the input would grow without end.
  struct stat aus {
  }, ein{};
  if (fstat(deskriptor_, &aus) == 0 && fstat(eingabe.Deskriptor(), &ein) == 0 &&
      S_ISREG(aus.st_mode) && aus.st_dev == ein.st_dev && aus.st_ino == ein.st_ino) {
    if (deskriptor_ != STDOUT_FILENO) {
      close(deskriptor_);
    }
    throw Abbruch(QStringLiteral("Eingabe %1 und Ausgabe %2 sind dieselbe Datei: die Ausgabe würde "
                                 "wieder gelesen. Bitte in eine andere Datei schreiben.")
                      .arg(eingabe.Name(), name_));
  }
}

/// A file without a name in the target's folder where the file system has
/// them, else one named `ziel_`.XXXXXX, which a signal removes.
void Ausgabe::TemporaerAnlegen() {
  const std::string ordner = Ordner(ziel_);
  struct stat alt {};
  const bool vorhanden = stat(ziel_.c_str(), &alt) == 0;
  if (vorhanden && faccessat(AT_FDCWD, ziel_.c_str(), W_OK, AT_EACCESS) != 0) {
    Fehler("anlegen", errno);
  }
  deskriptor_ = open(ordner.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, NurEigentuemer);
  for (int versuch = 0; deskriptor_ < 0 && versuch < MaxNamen; ++versuch) {
    SignaleAbfangen();
    const Signalsperre sperre;
    std::string name = Zufallsname(ziel_);
    deskriptor_ = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NurEigentuemer);
    if (deskriptor_ >= 0) {
      temporaer_ = std::move(name);
      Aufzuraeumen.store(temporaer_.c_str());
    } else if (errno != EEXIST) {
      break;
    }
  }
  if (deskriptor_ < 0) {
    const int fehler = errno;
    if (fehler != EACCES && fehler != EPERM) {
      Fehler("anlegen", fehler);
    }
    // The file itself may be writable where its folder is not.
    throw Abbruch(
        QStringLiteral("Ausgabe %1 lässt sich nicht anlegen: im Verzeichnis %2 lässt sich keine "
                       "Datei anlegen (%3). Das Programm schreibt dort zuerst eine temporäre "
                       "Datei und benennt sie erst am Ende um, damit ein abgebrochener Lauf keine "
                       "halbe Datei hinterlässt.%4")
            .arg(name_, Anzeigename(QByteArray::fromStdString(ordner), ""), Systemfehler(fehler),
                 vorhanden ? QStringLiteral(" Ohne diesen Schutz schreibt die Umleitung „> %1“ "
                                            "der Shell direkt in die Datei.")
                                 .arg(name_.sliced(1, name_.size() - 2))
                           : QString()));
  }
  const mode_t maske = umask(0);
  umask(maske);
  fchmod(deskriptor_, vorhanden ? alt.st_mode & Rechte : NeueDatei & ~maske);
}

Ausgabe::~Ausgabe() {
  if (deskriptor_ > STDERR_FILENO) {
    close(deskriptor_);
  }
  if (!temporaer_.empty()) {
    const Signalsperre sperre;
    Aufzuraeumen.store(nullptr);
    unlink(temporaer_.c_str());
  }
}

void Ausgabe::Schreiben(std::string_view text) {
  while (!text.empty()) {
    const ssize_t geschrieben = write(deskriptor_, text.data(), text.size());
    if (geschrieben > 0) {
      text.remove_prefix(static_cast<std::size_t>(geschrieben));
    } else if (geschrieben == 0 || errno != EINTR) {
      Fehler("schreiben", geschrieben == 0 ? EIO : errno);
    }
  }
}

/// Gives the file without a name the name `ziel_`.XXXXXX.
void Ausgabe::Benennen() {
  SignaleAbfangen();
  const std::string quelle = "/proc/self/fd/" + std::to_string(deskriptor_);
  for (int versuch = 0; temporaer_.empty() && versuch < MaxNamen; ++versuch) {
    const Signalsperre sperre;
    std::string name = Zufallsname(ziel_);
    if (linkat(deskriptor_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
        (errno != EEXIST &&
         linkat(AT_FDCWD, quelle.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)) {
      temporaer_ = std::move(name);
      Aufzuraeumen.store(temporaer_.c_str());
    } else if (errno != EEXIST) {
      Fehler("schreiben", errno);
    }
  }
}

void Ausgabe::Abschliessen() {
  if (ziel_.empty()) {
    return; // written directly, as it went
  }
  if (fsync(deskriptor_) != 0) {
    Fehler("schreiben", errno);
  }
  if (temporaer_.empty()) {
    Benennen();
  }
  if (close(std::exchange(deskriptor_, -1)) != 0) {
    Fehler("schreiben", errno);
  }
  const Signalsperre sperre;
  if (rename(temporaer_.c_str(), ziel_.c_str()) != 0) {
    Fehler("schreiben", errno);
  }
  Aufzuraeumen.store(nullptr);
  temporaer_.clear();
}

void Ausgabe::Fehler(const char* was, int fehler) const {
  throw Abbruch(QStringLiteral("Ausgabe %1 lässt sich nicht %2: %3")
                    .arg(name_, QString::fromUtf8(was), Systemfehler(fehler)));
}
