#include "shell/controls.h"

#include "shell/property_rules.h"

namespace avtosalon {

int Resolver::Find(std::string_view name, ControlKind kind) const {
  const auto index = form_.Find(name);
  if (!index || form_.At(*index).Kind() != kind) CallFailed();
  return *index;
}

PropertyWriter& NoGameWriter() {
  class Refusing final : public PropertyWriter {
    void SetCaption(Form&, int, std::string_view) override { CallFailed(); }
    void SetText(Form&, int, std::string_view) override { CallFailed(); }
    void SetVisible(Form&, int, bool) override { CallFailed(); }
    void SetEnabled(Form&, int, bool) override { CallFailed(); }
    void SetPicture(Form&, int, PictureRef) override { CallFailed(); }
    void ShowForm(Form&) override { CallFailed(); }
    void HideForm(Form&) override { CallFailed(); }
  };
  static Refusing writer;
  return writer;
}

}  // namespace avtosalon
