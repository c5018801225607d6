#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The keys, the mouse wheel and the context menu that change how every window of the
// program is shown, whichever window has the focus: Ctrl+plus, Ctrl+minus, Ctrl+0 and
// Ctrl+wheel zoom all windows from 100 % to 300 %, F9 switches the marks beyond colour, and
// a right click where no control has a menu of its own offers both. It zooms each window as
// it is shown, a window the program adds included, and keeps it on its screen: a window of
// one size stops at the largest size that fits, any other window is made no larger than the
// screen, and a window shown beside a lesson (the trace table) takes the lesson's factor.
// The settings themselves are DisplaySettings'.
class ViewControls : public QObject
{
    Q_OBJECT
public:
    // Watches every window of the application from now on.
    explicit ViewControls(QObject* parent = nullptr);
    ~ViewControls() override;

    void zoomIn();
    void zoomOut();
    void resetZoom();
    void switchMarks();

    // The factor `window` is shown at when the program's zoom is `wanted`: a window of one
    // size at most as large as fits on its screen, and never below 100 %.
    static double fitting(const QWidget* window, double wanted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent* event);
    void showMenu(QWidget* window, const QPoint& at);
    void applyAll();
    void applyTo(QWidget* window);

    int wheel_ = 0; // the wheel's turn not yet taken as a step (touchpads turn in small parts)
};
