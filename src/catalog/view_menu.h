#pragma once

#include <string>

// How the windows can be shown, for both front ends: the items of a window's context menu
// with their keys, and the steps of the desktop's zoom (the page has the browser's). The
// settings themselves are kept by each front end.
struct ViewMenu {
    const char* zoomIn = "拡大";
    const char* zoomInKey = "Ctrl++";
    const char* zoomOut = "縮小";
    const char* zoomOutKey = "Ctrl+-";
    const char* zoomReset = "標準の大きさ";
    const char* zoomResetKey = "Ctrl+0";
    const char* marks = "色に頼らない表示";
    const char* marksKey = "F9";
    const char* marksHint = "赤・青などの印に形も付けて、色がなくても見分けられるようにします";
};
inline ViewMenu viewMenu()
{
    return {};
}

// The zoom of the desktop's windows: from 100 % to 300 %, by the steps a browser takes.
namespace zoom_steps
{

inline constexpr double smallest = 1.0;
inline constexpr double largest = 3.0;

// The step after `factor`, or before it; the ends stay where they are.
double larger(double factor);
double smaller(double factor);
// A factor read from elsewhere (the settings file), within 100 % to 300 %; 100 % for
// anything that is not a number.
double bounded(double factor);
// "表示の大きさ 150%".
std::string caption(double factor);

} // namespace zoom_steps
