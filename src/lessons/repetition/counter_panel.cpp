#include "counter_panel.h"

void addCounterPanel(LessonDescription& d, const std::string& running, const std::string& nText)
{
    const struct {
        int label;
        std::string caption;
        int box;
        std::string text;
    } rows[] = {{0, "N", 0, nText}, {8, "i", 2, "0"}, {3, running, 3, "0"}, {4, "関数値", 1, "0"}};
    int top = 480;
    for (const auto& row : rows) {
        addCaptionedBox(
            d, {row.label, row.caption, 1440, row.box, row.text, Rect{2400, top, 1335, 375}});
        top += 480;
    }
}
