#include "forms/form2/form2.h"

namespace avtosalon::form2 {
namespace {

template <int kCountry>
void Option(Program& rt) {
  OptionClick(rt, kCountry);
}

}  // namespace

FormDescription Description() {
  return {.spec = Layout(),
          .bindings = {{"List1", Event::kClick, List1Click},
                       {"Command1", Event::kClick, Command1Click},
                       {"Command2", Event::kClick, Command2Click},
                       {"Command3", Event::kClick, Command3Click},
                       {"Command4", Event::kClick, Command4Click},
                       {"Command5", Event::kClick, Command5Click},
                       {"Label1", Event::kClick, Label1Click},
                       {"Option1", Event::kClick, Option<1>},
                       {"Option2", Event::kClick, Option<2>},
                       {"Option3", Event::kClick, Option<3>},
                       {"Option4", Event::kClick, Option<4>},
                       {"Option5", Event::kClick, Option<5>},
                       {"Text1", Event::kChange, Text1Change}},
          .close_as = "Command5",
          .handles = FindHandles<Purchase>};
}

}  // namespace avtosalon::form2
