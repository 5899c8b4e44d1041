#include "shell/qt/accessible_controls.h"

#include <QFontMetrics>
#include <QPointer>
#include <algorithm>
#include <climits>
#include <utility>

#include "shell/qt/bus_input.h"
#include "shell/qt/qt_host.h"

namespace avtosalon::qt {
namespace {

int Clamped(int offset, const QString& text) {
  return std::clamp(offset, 0, static_cast<int>(text.size()));
}

QString WholeAttributes(int count, int* start, int* end) {
  *start = 0;
  *end = count;
  return {};
}

// One item of a list: chosen through the game, never by the list itself.
class ListItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ListItemAccessible(ListWidget* list, Site site, int row) : list_(list), site_(site), row_(row) {}

  bool isValid() const override { return list_ && row_ < list_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(list_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? list_->item(row_)->text() : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = list_->visualItemRect(list_->item(row_));
    return QRect(list_->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = list_->item(row_)->isSelected();
    state.focused = state.selected && list_->hasFocus();
    state.invisible = !list_->isVisible();
    state.disabled = !list_->isEnabled();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {toggleAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (isValid() && (action == toggleAction() || action == pressAction()))
      FromBus(list_, site_, BusSelect{row_});
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<ListWidget> list_;
  Site site_;
  int row_;
};

}  // namespace

// --- Read-only text -------------------------------------------------------------------

QString ReadOnlyText::text(int start, int end) const {
  const QString all = Characters();
  start = Clamped(start, all);
  end = end < 0 ? static_cast<int>(all.size()) : Clamped(end, all);
  return start < end ? all.mid(start, end - start) : QString();
}

QString ReadOnlyText::attributes(int, int* start, int* end) const {
  return WholeAttributes(characterCount(), start, end);
}

// --- Windows, frames and picture boxes ----------------------------------------------------

ContainerAccessible::ContainerAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role), role_(role) {}

std::vector<QWidget*> ContainerAccessible::Children() const {
  const auto* window = dynamic_cast<const FormWindow*>(widget()->window());
  std::vector<std::pair<int, QWidget*>> found;
  for (QObject* object : widget()->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow() || dynamic_cast<LineWidget*>(child)) continue;
    int order = INT_MAX;
    if (window) {
      if (const auto at = window->Where().host->ControlOf(child)) order = at->second;
    }
    found.emplace_back(order, child);
  }
  std::ranges::stable_sort(found, {}, &std::pair<int, QWidget*>::first);
  std::vector<QWidget*> widgets;
  for (const auto& [order, child] : found) widgets.push_back(child);
  return widgets;
}

int ContainerAccessible::childCount() const { return static_cast<int>(Children().size()); }

QAccessibleInterface* ContainerAccessible::child(int index) const {
  const auto widgets = Children();
  if (index < 0 || index >= static_cast<int>(widgets.size())) return nullptr;
  return QAccessible::queryAccessibleInterface(widgets[static_cast<std::size_t>(index)]);
}

int ContainerAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child || !child->object()) return -1;
  const auto widgets = Children();
  const auto at = std::ranges::find(widgets, child->object());
  return at == widgets.end() ? -1 : static_cast<int>(at - widgets.begin());
}

QAccessibleInterface* ContainerAccessible::childAt(int x, int y) const {
  QWidget* hit = widget()->childAt(widget()->mapFromGlobal(QPoint(x, y)));
  while (hit && hit->parentWidget() != widget()) hit = hit->parentWidget();
  return hit ? QAccessible::queryAccessibleInterface(hit) : nullptr;
}

QAccessible::Role ContainerAccessible::role() const {
  // A picture box that holds controls is a panel; one that holds none is a picture.
  if (role_ == QAccessible::Graphic && !Children().empty()) return QAccessible::Pane;
  return role_;
}

// --- Labels ------------------------------------------------------------------------------

LabelAccessible::LabelAccessible(LabelWidget* label, Site site)
    : QAccessibleWidget(label, QAccessible::StaticText), site_(site) {}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString LabelAccessible::Characters() const { return static_cast<QLabel*>(widget())->text(); }

QStringList LabelAccessible::actionNames() const {
  // Only a label the game answers takes the focus; that one can be pressed too.
  if (widget()->focusPolicy() == Qt::NoFocus) return QAccessibleWidget::actionNames();
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LabelAccessible::doAction(const QString& action) {
  if (action == pressAction() && widget()->focusPolicy() != Qt::NoFocus) {
    FromBus(widget(), site_, BusClick{});
    return;
  }
  QAccessibleWidget::doAction(action);
}

// --- Buttons and options ---------------------------------------------------------------------

ButtonAccessible::ButtonAccessible(ButtonWidget* button, Site site)
    : QAccessibleWidget(button, QAccessible::PushButton), site_(site) {}

QStringList ButtonAccessible::actionNames() const {
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString& action) {
  if (action == pressAction()) {
    FromBus(widget(), site_, BusClick{});
    return;
  }
  QAccessibleWidget::doAction(action);
}

OptionAccessible::OptionAccessible(OptionWidget* option, Site site)
    : QAccessibleWidget(option, QAccessible::RadioButton), site_(site) {}

QAccessible::State OptionAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.checkable = true;
  state.checked = static_cast<QRadioButton*>(widget())->isChecked();
  return state;
}

QStringList OptionAccessible::actionNames() const {
  return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
}

void OptionAccessible::doAction(const QString& action) {
  if (action == pressAction() || action == toggleAction()) {
    FromBus(widget(), site_, BusClick{});
    return;
  }
  QAccessibleWidget::doAction(action);
}

// --- Text boxes ------------------------------------------------------------------------------

TextBoxAccessible::TextBoxAccessible(TextBoxWidget* box, Site site)
    : QAccessibleWidget(box, QAccessible::EditableText), site_(site) {}

QLineEdit* TextBoxAccessible::Box() const { return static_cast<QLineEdit*>(widget()); }

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TextBoxAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return Box()->text();
  return QAccessibleWidget::text(t);
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text) {
  if (t == QAccessible::Value) {
    replaceText(0, characterCount(), text);
    return;
  }
  QAccessibleWidget::setText(t, text);
}

QAccessible::State TextBoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.selectableText = true;
  return state;
}

void TextBoxAccessible::selection(int index, int* start, int* end) const {
  *start = *end = 0;
  if (index != 0 || !Box()->hasSelectedText()) return;
  *start = Box()->selectionStart();
  *end = *start + static_cast<int>(Box()->selectedText().size());
}

int TextBoxAccessible::selectionCount() const { return Box()->hasSelectedText() ? 1 : 0; }

void TextBoxAccessible::addSelection(int start, int end) { setSelection(0, start, end); }

void TextBoxAccessible::removeSelection(int) { Box()->deselect(); }

void TextBoxAccessible::setSelection(int, int start, int end) {
  const QString all = Box()->text();
  Box()->setSelection(Clamped(start, all), Clamped(end, all) - Clamped(start, all));
}

int TextBoxAccessible::cursorPosition() const { return Box()->cursorPosition(); }

void TextBoxAccessible::setCursorPosition(int position) { Box()->setCursorPosition(position); }

QString TextBoxAccessible::text(int start, int end) const {
  const QString all = Box()->text();
  start = Clamped(start, all);
  end = end < 0 ? static_cast<int>(all.size()) : Clamped(end, all);
  return start < end ? all.mid(start, end - start) : QString();
}

int TextBoxAccessible::characterCount() const { return static_cast<int>(Box()->text().size()); }

QRect TextBoxAccessible::characterRect(int offset) const {
  const QString all = Box()->text();
  if (offset < 0 || offset >= all.size()) return {};
  const QFontMetrics metrics(Box()->font());
  const QRect inside = Box()->contentsRect();
  const QRect local(inside.left() + metrics.horizontalAdvance(all.left(offset)), inside.top(),
                    metrics.horizontalAdvance(all.at(offset)), inside.height());
  return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const {
  return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
}

QString TextBoxAccessible::attributes(int, int* start, int* end) const {
  return WholeAttributes(characterCount(), start, end);
}

void TextBoxAccessible::deleteText(int start, int end) { replaceText(start, end, {}); }

void TextBoxAccessible::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void TextBoxAccessible::replaceText(int start, int end, const QString& text) {
  QString all = Box()->text();
  start = Clamped(start, all);
  end = std::max(start, Clamped(end, all));
  all.replace(start, end - start, text);
  FromBus(widget(), site_, BusEdit{all, start + static_cast<int>(text.size())});
}

// --- Lists -----------------------------------------------------------------------------------

ListAccessible::ListAccessible(ListWidget* list, Site site)
    : QAccessibleWidget(list, QAccessible::List), site_(site) {}

ListAccessible::~ListAccessible() {
  for (const QAccessible::Id id : items_) {
    if (id) QAccessible::deleteAccessibleInterface(id);
  }
}

QListWidget* ListAccessible::List() const { return static_cast<QListWidget*>(widget()); }

int ListAccessible::childCount() const { return List()->count(); }

QAccessibleInterface* ListAccessible::child(int index) const {
  if (index < 0 || index >= List()->count()) return nullptr;
  if (items_.size() < static_cast<std::size_t>(List()->count()))
    items_.resize(static_cast<std::size_t>(List()->count()), 0);
  QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
  if (!id) {
    id = QAccessible::registerAccessibleInterface(
        new ListItemAccessible(static_cast<ListWidget*>(List()), site_, index));
  }
  return QAccessible::accessibleInterface(id);
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] && QAccessible::accessibleInterface(items_[i]) == child)
      return static_cast<int>(i);
  }
  return -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
  const QModelIndex at = List()->indexAt(List()->viewport()->mapFromGlobal(QPoint(x, y)));
  return at.isValid() ? child(at.row()) : nullptr;
}

QAccessibleInterface* ListAccessible::focusChild() const {
  if (!List()->hasFocus()) return nullptr;
  const QModelIndexList selected = List()->selectionModel()->selectedRows();
  return selected.isEmpty() ? nullptr : child(selected.front().row());
}

}  // namespace avtosalon::qt
