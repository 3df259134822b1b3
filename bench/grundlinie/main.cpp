// Baseline for vaz_start: a bare Qt window program, a plain QWidget of the
// main window's size (4680 × 3090 twips = 312 × 206 px) instead of frmHaupt.
// What vaz_start needs beyond this is what the program itself costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));

  auto* fenster = new QWidget;
  fenster->setAttribute(Qt::WA_DeleteOnClose);
  fenster->setWindowTitle(QStringLiteral("Vazorodavazivovovar V 1.0"));
  fenster->setFixedSize(312, 206);
  fenster->show();
  return QApplication::exec();
}
