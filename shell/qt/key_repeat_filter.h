#pragma once

#include <QObject>

#include "shell/key_repeat.h"

namespace avtosalon::qt {

// Drops the repeats of a held Enter or Space before a button, a clickable label or an option
// sees them (KeyRepeat); text boxes still get them, so a held key still types. Installed on the
// application, so it also sees the releases that go to message boxes.
class KeyRepeatFilter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyRepeat keys_;
};

}  // namespace avtosalon::qt
