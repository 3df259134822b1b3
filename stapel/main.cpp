// Start of the console program: its identity and Qt's texts in German.
#include "Ausgang.h"
#include "Datei.h"
#include "QtTexte.h"
#include "Stapel.h"

#include <QCoreApplication>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
  // A closed standard descriptor would be taken by the next file opened,
  // Qt's own included: output would go there, or input come from there.
  for (const int deskriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (fcntl(deskriptor, F_GETFD) == -1) {
      constexpr const char* Namen[] = {"Standardeingabe", "Standardausgabe",
                                       "Standardfehlerausgabe"};
      dprintf(STDERR_FILENO,
              "vazorodavazivovovar-stapel: Die %s (Deskriptor %d) ist geschlossen.\n",
              Namen[deskriptor], deskriptor);
      return Abgebrochen;
    }
  }
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vazorodavazivovovar-stapel"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VAZ_VERSION));
  QtTexteLaden(app);
  // The arguments' bytes, not QCoreApplication::arguments(): that decodes
  // them, and a file name that is no UTF-8 would lose its bytes.
  QStringList argumente;
  for (int i = 0; i < argc; ++i) {
    argumente << ArgumentText(argv[i]);
  }
  return StapelAusfuehren(argumente);
}
