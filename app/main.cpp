// Avtosalon: the game in real windows.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "forms/project.h"
#include "shell/qt/application.h"
#include "shell/qt/qt_host.h"
#include "shell/runtime.h"

namespace {

// Answers --help and --version, and refuses unknown options, before any window system is
// reached, so that all three work with no display.
void ReadCommandLine(int& argc, char** argv) {
  const QCoreApplication reader(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("avtosalon"));
  QCoreApplication::setApplicationVersion(QStringLiteral(AVTOSALON_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Avtosalon, a vehicle trading game with a Russian interface: buy vehicles where they\n"
      "are cheap, sell them where they are dear, and reach ten million dollars."));
  // Qt's own options are single-dash words (-platform xcb, -style fusion).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addHelpOption();
  parser.addVersionOption();
  // QApplication reads these itself; they are accepted here so that they reach it.
  for (const char* name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "style", "stylesheet", "display", "session"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  parser.process(reader);
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr,
                 "avtosalon: unexpected argument \"%s\": the game takes none (try --help)\n",
                 qPrintable(parser.positionalArguments().constFirst()));
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  avtosalon::qt::UseUtf8Characters();
  // Without arguments there is nothing to read, and the start stays as quick as it was.
  if (argc > 1) ReadCommandLine(argc, argv);
  const auto app = avtosalon::qt::OpenApplication(argc, argv, "avtosalon");
  avtosalon::qt::ConfigureApplication(*app);
  avtosalon::qt::QtHost host(avtosalon::qt::QtHost::Clock::kReal);
  host.SetQuitOnEnd(true);
  avtosalon::Runtime runtime(avtosalon::GameProject(), host);
  host.Attach(runtime);
  runtime.Start();
  if (!runtime.Ended()) QApplication::exec();
  return runtime.Fatal() ? 1 : 0;
}
