#include "display_settings.h"

#include "catalog/view_menu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>

namespace
{

constexpr const char* zoomKey = "view/zoomPercent";
constexpr const char* marksKey = "view/marksBeyondColour";

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Trevisk"),
                     QStringLiteral("Trevisk"));
}

} // namespace

DisplaySettings::DisplaySettings()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool DisplaySettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange)
        emit looksChanged();
    return false;
}

DisplaySettings& DisplaySettings::instance()
{
    static DisplaySettings settings;
    return settings;
}

void DisplaySettings::remember()
{
    const QSettings kept = store();
    // The file may have been edited by hand: a zoom is a whole percentage within the
    // steps' range, and anything else is the default.
    bool number = false;
    const int percent = kept.value(zoomKey, 100).toInt(&number);
    setZoom(number ? zoom_steps::bounded(percent / 100.0) : 1.0);
    setMarksBeyondColour(kept.value(marksKey, false).toBool());
    remembering_ = true;
}

void DisplaySettings::setZoom(double factor)
{
    factor = zoom_steps::bounded(factor);
    if (factor == zoom_)
        return;
    zoom_ = factor;
    keep();
    emit zoomChanged();
}

void DisplaySettings::setMarksBeyondColour(bool on)
{
    if (on == marks_)
        return;
    const bool shapes = showsShapes();
    marks_ = on;
    keep();
    if (shapes != showsShapes())
        emit looksChanged();
}

void DisplaySettings::setHighContrast(bool on)
{
    if (on == highContrast_)
        return;
    highContrast_ = on;
    emit looksChanged();
}

void DisplaySettings::keep() const
{
    if (!remembering_)
        return;
    QSettings kept = store();
    kept.setValue(zoomKey, static_cast<int>(zoom_ * 100 + 0.5));
    kept.setValue(marksKey, marks_);
}
