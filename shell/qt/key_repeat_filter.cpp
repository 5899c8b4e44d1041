#include "shell/qt/key_repeat_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace avtosalon::qt {

bool KeyRepeatFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  // Key events reach the window's platform object first, then the widget with the focus.
  if (!watched->isWidgetType()) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && key->key() != Qt::Key_Space) {
    return false;
  }
  if (event->type() == QEvent::KeyRelease) {
    keys_.Released(key->key(), key->timestamp(), key->isAutoRepeat());
    return false;
  }
  if (qobject_cast<const QLineEdit*>(watched)) return false;
  return !keys_.Fresh(key->key(), key->timestamp(), key->isAutoRepeat());
}

}  // namespace avtosalon::qt
