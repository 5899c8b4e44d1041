#include "shell/qt/application.h"

#include <langinfo.h>

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace avtosalon::qt {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Qt reports a missing window system with warnings and then a fatal message; the handler
// holds the warnings back until it knows whether the start failed.
std::vector<HeldMessage>& HeldMessages() {
  static std::vector<HeldMessage> messages;
  return messages;
}

const char* failing_program = "";

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    HeldMessages().push_back({type, context.category, text});
    return;
  }
  // The first warning names the cause ("could not connect to display :7"); the fatal
  // message only says that no platform plugin started.
  QString reason = text.section(QLatin1Char('\n'), 0, 0);
  for (const HeldMessage& message : HeldMessages()) {
    if (message.type == QtWarningMsg || message.type == QtCriticalMsg) {
      reason = message.text.section(QLatin1Char('\n'), 0, 0);
      break;
    }
  }
  reason = reason.trimmed();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    reason += QStringLiteral(" (neither DISPLAY nor WAYLAND_DISPLAY is set)");
  }
  std::fprintf(stderr, "%s: cannot open a display: %s\n", failing_program,
               reason.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

void UseUtf8Characters() {
  std::setlocale(LC_ALL, "");
  const std::string_view codeset = nl_langinfo(CODESET);
  if (codeset == "UTF-8" || codeset == "utf8") return;
  // LC_ALL outranks LC_CTYPE, so it is replaced only when it is the one in force.
  const char* all = std::getenv("LC_ALL");
  setenv(all != nullptr && *all != '\0' ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
  // Qt sets the locale from the environment again; where the environment names a locale that
  // is not installed, that fails and leaves this one in place.
  std::setlocale(LC_CTYPE, "C.UTF-8");
}

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv, const char* program) {
  failing_program = program;
  const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& message : HeldMessages()) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  HeldMessages().clear();
  return app;
}

void ConfigureApplication(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("avtosalon"));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  // Rasters, not the SVG: no vector engine needs loading before the first window shows.
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

}  // namespace avtosalon::qt
