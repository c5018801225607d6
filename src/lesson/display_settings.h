#pragma once

#include <QObject>

// How the program's windows are shown, for every window at once: the zoom and whether the
// marks carry shapes besides their colours ("色に頼らない表示"), both kept between runs once
// `remember` was called, and whether the system asks for high contrast. Windows listen to its
// signals, also to hear that the application's palette changed (a theme, high contrast); the
// keys and menus that change the settings are the shell's.
class DisplaySettings : public QObject
{
    Q_OBJECT
public:
    static DisplaySettings& instance();

    // Reads the kept settings and keeps every later change (the program does so; tests
    // leave it to see the defaults, or point QSettings at a folder of their own first).
    void remember();

    double zoom() const { return zoom_; }
    void setZoom(double factor);
    bool marksBeyondColour() const { return marks_; }
    void setMarksBeyondColour(bool on);
    bool highContrast() const { return highContrast_; }
    void setHighContrast(bool on);

    // Whether marks are drawn with their shapes: when asked for, and always in high contrast.
    bool showsShapes() const { return marks_ || highContrast_; }

signals:
    void zoomChanged();
    // Whether marks carry shapes changed, or the application's palette did.
    void looksChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DisplaySettings();
    void keep() const;

    double zoom_ = 1.0;
    bool marks_ = false;
    bool highContrast_ = false;
    bool remembering_ = false;
};
