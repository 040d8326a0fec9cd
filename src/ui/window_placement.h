#pragma once

class QWidget;

namespace spanlyx {

// Centres a window on its screen (the primary screen before it has one).
void centre_on_screen(QWidget& window);

}  // namespace spanlyx
