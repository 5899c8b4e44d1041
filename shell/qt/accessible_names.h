#pragma once

#include <string>

#include "shell/form.h"

namespace avtosalon::qt {

// What a screen reader calls a control. A control's accessible name may hold "{}", which
// stands for what the control shows: a label's caption ("YAMAHA: {}" reads "YAMAHA: 5"), an
// image's picture named after the control that holds that picture in its design. With nothing
// shown, the name ends before the "{}" ("Цена: {} $" reads "Цена").
std::string AccessibleName(const Form& form, int control);

}  // namespace avtosalon::qt
