#include "shell/qt/bus_input.h"

#include <QApplication>
#include <QTimer>

#include "shell/qt/qt_host.h"

namespace avtosalon::qt {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

}  // namespace

void FromBus(QWidget* widget, const Site& site, BusInput input) {
  QTimer::singleShot(0, widget, [widget, site, input = std::move(input)] {
    if (const QWidget* modal = QApplication::activeModalWidget();
        modal && modal != widget->window()) {
      return;
    }
    std::visit(Overloaded{
                   [&](const BusClick&) { site.host->PlayerClicked(site.form, site.control); },
                   [&](const BusSelect& select) {
                     site.host->PlayerSelected(site.form, site.control, select.item);
                   },
                   [&](const BusEdit& edit) {
                     site.host->PlayerEdited(site.form, site.control, edit.text, edit.cursor);
                   },
               },
               input);
  });
}

}  // namespace avtosalon::qt
