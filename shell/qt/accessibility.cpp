#include "shell/qt/accessibility.h"

#include "shell/qt/accessible_controls.h"

namespace avtosalon::qt {
namespace {

// A line only decorates: it stays off the bus.
class HiddenAccessible : public QAccessibleWidget {
 public:
  explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* Interface(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<FormWindow*>(object))
    return new ContainerAccessible(window, QAccessible::Window);
  if (auto* frame = dynamic_cast<FrameWidget*>(object))
    return new ContainerAccessible(frame, QAccessible::Grouping);
  if (auto* picture = dynamic_cast<PictureWidget*>(object))
    return new ContainerAccessible(picture, QAccessible::Graphic);
  if (auto* label = dynamic_cast<LabelWidget*>(object))
    return new LabelAccessible(label, label->Where());
  if (auto* button = dynamic_cast<ButtonWidget*>(object))
    return new ButtonAccessible(button, button->Where());
  if (auto* option = dynamic_cast<OptionWidget*>(object))
    return new OptionAccessible(option, option->Where());
  if (auto* box = dynamic_cast<TextBoxWidget*>(object))
    return new TextBoxAccessible(box, box->Where());
  if (auto* list = dynamic_cast<ListWidget*>(object))
    return new ListAccessible(list, list->Where());
  if (auto* line = dynamic_cast<LineWidget*>(object)) return new HiddenAccessible(line);
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(&Interface); }

void ForgetEarlyAccessible(QWidget* widget) {
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace avtosalon::qt
