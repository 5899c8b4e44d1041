#include "shell/qt/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace avtosalon::qt {

void KeepOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame, where a window manager has drawn one; pos() and move() are the frame's too.
  const QRect frame = window.frameGeometry();
  const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
  const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top()) window.move(x, y);
}

}  // namespace avtosalon::qt
