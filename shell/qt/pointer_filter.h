#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace avtosalon::qt {

// Drops the pointer presses that a rule refuses, and the release that belongs to each, before
// any widget sees them. Installed on the application, so it sees every press.
class PointerFilter : public QObject {
 public:
  explicit PointerFilter(std::function<bool(const QWidget* target)> accepts)
      : accepts_(std::move(accepts)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(const QWidget*)> accepts_;
  Qt::MouseButtons dropped_;
};

}  // namespace avtosalon::qt
