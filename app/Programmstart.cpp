#include "Programmstart.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QWidget>

#include <utility>

namespace {

/// Waits on a window for its first paint event; the work queued from there
/// runs when that paint, and with it the first frame, is done.
class ErstesBild : public QObject {
public:
  ErstesBild(QWidget* fenster, std::function<void()> arbeit)
      : QObject(fenster), arbeit_(std::move(arbeit)) {
    fenster->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Paint) {
      objekt->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [this] {
            arbeit_();
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

private:
  std::function<void()> arbeit_;
};

} // namespace

QIcon Fenstersymbol() {
  QIcon symbol;
  for (const int groesse : {16, 32, 48, 64}) {
    const QResource pixel(QStringLiteral(":/fenstersymbol/%1.rgba").arg(groesse));
    symbol.addPixmap(
        QPixmap::fromImage(QImage(pixel.data(), groesse, groesse, QImage::Format_RGBA8888)));
  }
  return symbol;
}

void NachDemErstenBild(QWidget* fenster, std::function<void()> arbeit) {
  new ErstesBild(fenster, std::move(arbeit));
}
