#include "shell/qt/pointer_filter.h"

#include <QMouseEvent>
#include <QWidget>

namespace avtosalon::qt {

bool PointerFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  if (type == QEvent::MouseButtonRelease) {
    if (!dropped_.testFlag(button)) return false;
    dropped_.setFlag(button, false);
    return true;
  }
  const auto* target = qobject_cast<const QWidget*>(watched);
  if (!target || accepts_(target)) return false;
  dropped_.setFlag(button);
  return true;
}

}  // namespace avtosalon::qt
