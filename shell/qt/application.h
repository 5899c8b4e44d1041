#pragma once

class QApplication;

namespace avtosalon::qt {

inline constexpr const char* kDesktopId = "io.github.avtosalon.Avtosalon";

// One look whatever the desktop: the Fusion style, the game's icon, and Qt's own dialogs
// in Russian where the translation is installed.
void ConfigureApplication(QApplication& app);

}  // namespace avtosalon::qt
