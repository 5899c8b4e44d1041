#pragma once

#include <memory>

class QApplication;

namespace avtosalon::qt {

inline constexpr const char* kDesktopId = "io.github.avtosalon.avtosalon";

// Xlib writes the old-style window title (WM_NAME) in the C library's character set while Qt
// hands it UTF-8, so under a locale that is not UTF-8 (or none at all) the Russian titles
// would arrive garbled. Switches the character set, and only it, to C.UTF-8 in that case.
// Call before the application object exists: Qt reads the locale from the environment.
void UseUtf8Characters();

// The application object, or, when no window system can be reached (no display, a dead one,
// an unknown platform), one line on stderr naming PROGRAM and exit status 1, where Qt
// would abort. Qt's other start-up messages are passed on as usual.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv, const char* program);

// One look whatever the desktop: the Fusion style, the game's icon, and Qt's own dialogs
// in Russian where the translation is installed.
void ConfigureApplication(QApplication& app);

}  // namespace avtosalon::qt
