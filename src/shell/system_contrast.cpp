#include "system_contrast.h"

#include "lesson/display_settings.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace
{

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString gnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");

// The portal wraps a value in variants, once or twice depending on its version.
QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

SystemContrast::SystemContrast(QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // D-Bus signals are wired by their signature: there is no function pointer to take.
    bus.connect(service, path, settings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    read(appearance, QStringLiteral("color-scheme"));
    read(appearance, QStringLiteral("contrast"));
    read(gnomeA11y, QStringLiteral("high-contrast"));
}

void SystemContrast::read(const QString& space, const QString& key)
{
    // Asked without waiting: a portal that is slow to start must not hold up the windows.
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, settings, "Read");
    call << space << key;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, space, key](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                if (!reply.isError())
                    take(space, key, reply.value().variant());
                finished->deleteLater();
            });
}

void SystemContrast::settingChanged(const QString& space, const QString& key,
                                    const QDBusVariant& value)
{
    take(space, key, value.variant());
}

void SystemContrast::take(const QString& space, const QString& key, const QVariant& value)
{
    if (const auto high = highContrastFrom(space, key, value))
        (space == appearance ? portalContrast_ : gnomeContrast_) = *high;
    else if (const auto dark = darkFrom(space, key, value))
        dark_ = *dark;
    else
        return;
    apply(portalContrast_ || gnomeContrast_, dark_);
}

std::optional<bool> SystemContrast::highContrastFrom(const QString& space, const QString& key,
                                                     const QVariant& value)
{
    const QVariant v = unwrapped(value);
    bool number = false;
    if (space == appearance && key == QLatin1String("contrast")) {
        const uint level = v.toUInt(&number);
        return number ? std::optional<bool>(level == 1) : std::nullopt;
    }
    if (space == gnomeA11y && key == QLatin1String("high-contrast") &&
        v.userType() == QMetaType::Bool)
        return v.toBool();
    return std::nullopt;
}

std::optional<bool> SystemContrast::darkFrom(const QString& space, const QString& key,
                                             const QVariant& value)
{
    bool number = false;
    const uint scheme = unwrapped(value).toUInt(&number);
    if (space != appearance || key != QLatin1String("color-scheme") || !number)
        return std::nullopt;
    return scheme == 1;
}

QPalette SystemContrast::highContrastPalette(bool dark)
{
    const QColor ground = dark ? Qt::black : Qt::white;
    const QColor ink = dark ? Qt::white : Qt::black;
    QPalette p(ink, ground, ground, ink, ink, ink, ink, ground, ground);
    // Frames and bevels in the ink, so that every box and button has a clear edge.
    p.setColor(QPalette::Midlight, ground);
    p.setColor(QPalette::Highlight, ink);
    p.setColor(QPalette::HighlightedText, ground);
    p.setColor(QPalette::ToolTipBase, ground);
    p.setColor(QPalette::ToolTipText, ink);
    p.setColor(QPalette::PlaceholderText, dark ? QColor(200, 200, 200) : QColor(70, 70, 70));
    // Unavailable controls are told by a grey that still reads (7:1 on the ground).
    const QColor disabled = dark ? QColor(160, 160, 160) : QColor(89, 89, 89);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

void SystemContrast::apply(bool on, bool dark)
{
    static QPalette before;
    static bool applied = false;
    if (on) {
        if (!applied)
            before = QApplication::palette();
        applied = true;
        QApplication::setPalette(highContrastPalette(dark));
    } else if (applied) {
        applied = false;
        QApplication::setPalette(before);
    }
    DisplaySettings::instance().setHighContrast(on);
}
