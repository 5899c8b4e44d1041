#include "forms/form3/form3.h"
#include "game/catalogue.h"

namespace avtosalon::form3 {
namespace {

template <int kColumn>
void ModelButton(Program& rt) {
  ModelButtonClick(rt, Column{kColumn});
}
template <int kColumn>
void CountryList(Program& rt) {
  CountryListClick(rt, Column{kColumn});
}
template <int kColumn>
void SellButton(Program& rt) {
  SellButtonClick(rt, Column{kColumn});
}

template <int... kColumns>
std::vector<Binding> ColumnBindings(std::integer_sequence<int, kColumns...>) {
  std::vector<Binding> bindings;
  (bindings.push_back(
       {Column{kColumns + 1}.ModelButton(), Event::kClick, ModelButton<kColumns + 1>}),
   ...);
  (bindings.push_back(
       {Column{kColumns + 1}.CountryList(), Event::kClick, CountryList<kColumns + 1>}),
   ...);
  (bindings.push_back({Column{kColumns + 1}.SellButton(), Event::kClick, SellButton<kColumns + 1>}),
   ...);
  return bindings;
}

}  // namespace

FormDescription Description() {
  std::vector<Binding> bindings = ColumnBindings(std::make_integer_sequence<int, kModelCount>{});
  bindings.push_back({"Command13", Event::kClick, Command13Click});
  return {.spec = Layout(),
          .bindings = std::move(bindings),
          .close_as = "Command13",
          .handles = FindHandles<Sales>};
}

}  // namespace avtosalon::form3
