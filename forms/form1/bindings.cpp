#include "forms/form1/form1.h"

namespace avtosalon::form1 {

FormDescription Description() {
  return {.spec = Layout(),
          .bindings = {{"", Event::kLoad, FormLoad},
                       {"Command1", Event::kClick, Command1Click},
                       {"Command2", Event::kClick, Command2Click},
                       {"Command3", Event::kClick, Command3Click},
                       {"Command4", Event::kClick, Command4Click},
                       {"Command5", Event::kClick, Command5Click},
                       {"Command6", Event::kClick, Command6Click},
                       {"Command7", Event::kClick, Command7Click},
                       {"Text1", Event::kChange, Text1Change},
                       {"Timer1", Event::kTimer, Timer1Timer}},
          .close_as = "",
          .handles = FindHandles<Main>};
}

}  // namespace avtosalon::form1
