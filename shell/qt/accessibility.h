#pragma once

class QWidget;

namespace avtosalon::qt {

// Lets screen readers see the game's windows and controls as accessible_controls.h describes,
// and play it. Safe to call more than once.
void InstallAccessibility();

// Called once a widget is built: Qt may have made a stock interface for it while its base class
// was being constructed, before ours could be told apart; that one is dropped.
void ForgetEarlyAccessible(QWidget* widget);

}  // namespace avtosalon::qt
