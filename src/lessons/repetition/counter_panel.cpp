#include "counter_panel.h"

void addCounterPanel(LessonDescription& d, const std::string& running, const std::string& nText)
{
    addCaptionedColumn(
        d, {{0, "N", 0, nText}, {8, "i", 2, "0"}, {3, running, 3, "0"}, {4, "関数値", 1, "0"}},
        1440, Rect{2400, 480, 1335, 375}, 480);
}
