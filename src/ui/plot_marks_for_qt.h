#pragma once
// PlotMarks has a member named like Qt's "slots" keyword macro. Qt code includes it through
// here, ahead of any header that includes it in turn (graphics/printed_page.h).

#pragma push_macro("slots")
#undef slots
#include "graphics/plot_marks.h"
#pragma pop_macro("slots")
