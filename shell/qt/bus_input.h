#pragma once

#include <QString>
#include <variant>

#include "shell/qt/control_widgets.h"

class QWidget;

namespace avtosalon::qt {

struct BusClick {};
struct BusSelect {
  int item = 0;
};
struct BusEdit {
  QString text;  // the box's whole new text
  int cursor = 0;
};
using BusInput = std::variant<BusClick, BusSelect, BusEdit>;

// The one way in for what the accessibility bus asks of the game: it becomes the player's own
// click, choice of a list item or typing, and the game refuses it where it refuses those. It
// runs once the bus's request has been answered, so a message box that it opens does not keep
// the screen reader waiting; while a message box is open, only that box takes input.
void FromBus(QWidget* widget, const Site& site, BusInput input);

}  // namespace avtosalon::qt
