#include "forms/form1/form1.h"

namespace avtosalon::form1 {

void FormLoad(Runtime& rt) {
  rt.MsgBox("Ваша задача собрать 10 миллионов $ и купить Автосалон.", kInformationStyle,
            "Запомните!");
  rt.MsgBox("Не в коем случае не нажимайте клавишу BackSpace(<-) при стирании чисел!!!",
            kErrorStyle, "Предупреждение.");
}

// Every switch shows the target before it hides the source, so one window is always visible.
void Command1Click(Runtime& rt) {
  rt.Window("Form2").Show();
  rt.Window("Form2")["List1"].SetVisible(true);
  rt.Window("Form2")["Label6"].SetCaption(rt.Window("Form1")["Label1"].Caption());
  rt.Window("Form1").Hide();
}

void Command2Click(Runtime& rt) { rt.End(); }

void Command3Click(Runtime& rt) {
  rt.Window("Form3").Show();
  rt.Window("Form3")["Label13"].SetCaption(rt.Window("Form1")["Label1"].Caption());
  rt.Window("Form1").Hide();
}

}  // namespace avtosalon::form1
