#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"

namespace avtosalon::form1 {

void FormLoad(Program& rt) {
  rt.MsgBox("Ваша задача собрать 10 миллионов $ и купить Автосалон.", kInformationStyle,
            "Запомните!");
  rt.MsgBox("Не в коем случае не нажимайте клавишу BackSpace(<-) при стирании чисел!!!",
            kErrorStyle, "Предупреждение.");
}

// Every switch shows the target before it hides the source, so one window is always visible.
void Command1Click(Program& rt) {
  const auto& purchase = rt.Window<form2::Purchase>();
  purchase.window.Show();
  purchase.models.SetVisible(true);
  purchase.cash.SetCaption(rt.Window<Main>().cash.Caption());
  rt.Window<Main>().window.Hide();
}

void Command2Click(Program& rt) { rt.End(); }

void Command3Click(Program& rt) {
  const auto& sales = rt.Window<form3::Sales>();
  sales.window.Show();
  sales.cash.SetCaption(rt.Window<Main>().cash.Caption());
  rt.Window<Main>().window.Hide();
}

}  // namespace avtosalon::form1
