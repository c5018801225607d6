#pragma once

#include <QObject>
#include <QPalette>

#include <optional>

class QDBusVariant;
class QVariant;

// Follows the system's high-contrast setting: reads it from the desktop portal (the
// freedesktop "contrast" key of newer portals, GNOME's own "high-contrast" key through the
// GNOME and GTK portals of Debian 12) and hears it change. While it is on, the program shows
// the marks with their shapes and uses a high-contrast palette, light or dark as the system
// prefers; the marks keep their colours. Where no portal answers (a bare X session, KDE
// without the key) nothing changes: the platform does not report it there, and Qt 6.4 has no
// colour scheme of its own to ask.
class SystemContrast : public QObject
{
    Q_OBJECT
public:
    explicit SystemContrast(QObject* parent = nullptr);

    // What a portal setting says of high contrast, when it speaks of it: (namespace, key) is
    // ("org.freedesktop.appearance", "contrast") with 1 for high, or
    // ("org.gnome.desktop.a11y.interface", "high-contrast") with a truth value.
    static std::optional<bool> highContrastFrom(const QString& space, const QString& key,
                                                const QVariant& value);
    // Whether a portal setting asks for dark windows: "color-scheme" 1.
    static std::optional<bool> darkFrom(const QString& space, const QString& key,
                                        const QVariant& value);

    // Shows the program in high contrast, or as it was.
    static void apply(bool on, bool dark);
    static QPalette highContrastPalette(bool dark);

private slots:
    void settingChanged(const QString& space, const QString& key, const QDBusVariant& value);

private:
    void read(const QString& space, const QString& key);
    void take(const QString& space, const QString& key, const QVariant& value);

    bool portalContrast_ = false;
    bool gnomeContrast_ = false;
    bool dark_ = false;
};
