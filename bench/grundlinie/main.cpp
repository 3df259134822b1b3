// The floor for vaz_start: the least a Qt Widgets program can do to show the
// main window. A window of the same size (4680 × 3090 twips = 312 × 206 px)
// and title, with the same four buttons, captions and places, in the
// platform's default font; nothing else. Text is drawn as in the program, so
// fontconfig, FreeType and HarfBuzz start here too: what vaz_start needs
// beyond this is what the program itself costs.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);

  QWidget fenster;
  fenster.setWindowTitle(QStringLiteral("Vazorodavazivovovar V 1.0"));
  fenster.setFixedSize(312, 206);
  QPushButton knopf1(QStringLiteral("Gauss-Krüger --> geographische"), &fenster);
  knopf1.setGeometry(16, 16, 185, 33);
  QPushButton knopf2(QStringLiteral("Geographische --> Gauss-Krüger"), &fenster);
  knopf2.setGeometry(16, 72, 185, 33);
  QPushButton knopf3(QStringLiteral("Schließen"), &fenster);
  knopf3.setGeometry(216, 160, 81, 33);
  QPushButton knopf4(QStringLiteral("Datumswechsel ETRS89/UTM …"), &fenster);
  knopf4.setGeometry(16, 128, 185, 33);
  fenster.show();
  return QApplication::exec();
}
