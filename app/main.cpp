// Avtosalon: the game in real windows.
#include <QApplication>

#include "forms/project.h"
#include "shell/qt/application.h"
#include "shell/qt/qt_host.h"
#include "shell/runtime.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  avtosalon::qt::ConfigureApplication(app);
  avtosalon::qt::QtHost host(avtosalon::qt::QtHost::Clock::kReal);
  host.SetQuitOnEnd(true);
  avtosalon::Runtime runtime(avtosalon::GameProject(), host);
  host.Attach(runtime);
  runtime.Start();
  if (!runtime.Ended()) QApplication::exec();
  return runtime.Fatal() ? 1 : 0;
}
