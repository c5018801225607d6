#include "view_controls.h"

#include "catalog/view_menu.h"
#include "lesson/display_settings.h"
#include "lesson/qt_convert.h"
#include "lesson/window_zoom.h"
#include "zoom_style.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace
{

// Popup menus and tooltips are not windows the program shows: they take their fonts from
// the application's, for their kind, which follow the zoom.
constexpr const char* popupKinds[] = {"QMenu", "QTipLabel"};

// The windows the program shows (menus, lessons, their dialogs), not popups and tooltips.
bool zoomable(const QWidget* widget)
{
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
}

// The title bar and borders around a window's client area. Until the window system has
// framed a window, the frame of the last window it framed stands in.
QSize decorations(const QWidget* window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QSize(0, 0);
    static QSize known(0, 0);
    const QSize frame = window->frameGeometry().size() - window->size();
    if (frame.width() > 0 || frame.height() > 0)
        known = frame;
    return known;
}

bool fixedSize(const QWidget* window)
{
    return window->minimumSize() == window->maximumSize();
}

// Moves `window` onto its screen's free area where it sticks out, and makes a window the
// student can resize no larger than that area.
void keepOnScreen(QWidget* window, bool move)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (!fixedSize(window)) {
        const QSize most = area.size() - decorations(window);
        if (window->width() > most.width() || window->height() > most.height())
            window->resize(window->size().boundedTo(most));
    }
    if (!move)
        return;
    const QRect frame = window->frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft())
        window->move(at);
}

QString withKey(const char* text, const char* key)
{
    return QString::fromUtf8(text) + QLatin1Char('\t') + QString::fromUtf8(key);
}

} // namespace

ViewControls::ViewControls(QObject* parent) : QObject(parent)
{
    ZoomStyle::install();
    qApp->installEventFilter(this);
    window_zoom::setRule(
        [](const QWidget* window) { return fitting(window, DisplaySettings::instance().zoom()); });
    connect(&DisplaySettings::instance(), &DisplaySettings::zoomChanged, this,
            &ViewControls::applyAll);
    if (DisplaySettings::instance().zoom() != 1)
        applyAll();
}

ViewControls::~ViewControls()
{
    qApp->removeEventFilter(this);
}

void ViewControls::zoomIn()
{
    DisplaySettings& settings = DisplaySettings::instance();
    settings.setZoom(zoom_steps::larger(settings.zoom()));
}

void ViewControls::zoomOut()
{
    DisplaySettings& settings = DisplaySettings::instance();
    settings.setZoom(zoom_steps::smaller(settings.zoom()));
}

void ViewControls::resetZoom()
{
    DisplaySettings::instance().setZoom(zoom_steps::smallest);
}

void ViewControls::switchMarks()
{
    DisplaySettings& settings = DisplaySettings::instance();
    settings.setMarksBeyondColour(!settings.marksBeyondColour());
}

double ViewControls::fitting(const QWidget* window, double wanted)
{
    if (const QWidget* lesson = window_zoom::leader(window))
        return window_zoom::factor(lesson);
    const QScreen* screen = window->screen();
    if (!fixedSize(window) || !screen)
        return wanted; // made no larger than its screen instead
    const QSize base = window_zoom::baseSize(window);
    const QSize room = screen->availableGeometry().size() - decorations(window);
    if (base.isEmpty())
        return wanted;
    const double fits = std::min(static_cast<double>(room.width()) / base.width(),
                                 static_cast<double>(room.height()) / base.height());
    return std::max(zoom_steps::smallest, std::min(wanted, fits));
}

void ViewControls::applyTo(QWidget* window)
{
    const double was = window_zoom::factor(window);
    const double factor = fitting(window, DisplaySettings::instance().zoom());
    if (factor == was)
        return; // a window never zoomed stays exactly as it was built
    window_zoom::apply(window, factor);
    keepOnScreen(window, window->isVisible());
}

void ViewControls::applyAll()
{
    const double zoom = DisplaySettings::instance().zoom();
    static const QFont plain = QApplication::font();
    QFont popupFont = plain;
    popupFont.setPointSizeF(plain.pointSizeF() * zoom);
    for (const char* kind : popupKinds)
        QApplication::setFont(zoom == 1 ? plain : popupFont, kind);
    // The windows that follow a lesson's factor after the lessons.
    for (const bool following : {false, true}) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (zoomable(window) && window->isVisible() &&
                (window_zoom::leader(window) != nullptr) == following)
                applyTo(window);
        }
    }
}

bool ViewControls::keyPressed(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F9 && modifiers == Qt::NoModifier) {
        switchMarks();
        return true;
    }
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomIn(); return true;
    case Qt::Key_Minus: zoomOut(); return true;
    case Qt::Key_0: resetZoom(); return true;
    default: return false;
    }
}

bool ViewControls::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (auto* window = qobject_cast<QWidget*>(watched); window && zoomable(window))
            applyTo(window);
        break;
    case QEvent::KeyPress: return keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            break;
        wheel_ += wheel->angleDelta().y();
        for (; wheel_ >= QWheelEvent::DefaultDeltasPerStep;
             wheel_ -= QWheelEvent::DefaultDeltasPerStep)
            zoomIn();
        for (; wheel_ <= -QWheelEvent::DefaultDeltasPerStep;
             wheel_ += QWheelEvent::DefaultDeltasPerStep)
            zoomOut();
        return true;
    }
    case QEvent::ContextMenu:
        // Only what no control took: a text box keeps its own menu.
        if (auto* window = qobject_cast<QWidget*>(watched); window && zoomable(window)) {
            showMenu(window, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default: break;
    }
    return false;
}

void ViewControls::showMenu(QWidget* window, const QPoint& at)
{
    const ViewMenu texts = viewMenu();
    const DisplaySettings& settings = DisplaySettings::instance();
    QMenu menu(window);
    menu.setObjectName(QStringLiteral("ViewMenu"));
    // The window's own commands (an assignment's, with their keys) lead, as in the page.
    if (const QList<QAction*> own = window->actions(); !own.isEmpty()) {
        menu.addActions(own);
        menu.addSeparator();
    }
    menu.addAction(qt_convert::text(zoom_steps::caption(window_zoom::factor(window))))
        ->setEnabled(false);
    menu.addSeparator();
    QAction* in =
        menu.addAction(withKey(texts.zoomIn, texts.zoomInKey), this, &ViewControls::zoomIn);
    in->setEnabled(settings.zoom() < zoom_steps::largest);
    QAction* out =
        menu.addAction(withKey(texts.zoomOut, texts.zoomOutKey), this, &ViewControls::zoomOut);
    out->setEnabled(settings.zoom() > zoom_steps::smallest);
    menu.addAction(withKey(texts.zoomReset, texts.zoomResetKey), this, &ViewControls::resetZoom);
    menu.addSeparator();
    QAction* marks =
        menu.addAction(withKey(texts.marks, texts.marksKey), this, &ViewControls::switchMarks);
    marks->setCheckable(true);
    marks->setChecked(settings.marksBeyondColour());
    marks->setToolTip(QString::fromUtf8(texts.marksHint));
    menu.setToolTipsVisible(true);
    menu.exec(at);
}
