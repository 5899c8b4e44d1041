#pragma once

class QWidget;

namespace avtosalon::qt {

// Moves a top-level window as little as it takes to lie wholly inside the available area of
// its screen, so that a stored position never puts a button out of reach. A window larger
// than the area keeps its top left corner inside it.
void KeepOnScreen(QWidget& window);

}  // namespace avtosalon::qt
