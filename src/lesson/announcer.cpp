#include "announcer.h"

#include "narration.h"

#include <QAccessible>

#include <algorithm>

Announcer::Announcer(QWidget* window, Compose compose)
    : QWidget(window), compose_(std::move(compose))
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1); // not one of the lesson's controls: no name, nothing to see
    hide();
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, [this] { say(pendingEvent_); });
}

int Announcer::speakingTime(const QString& text)
{
    return Narration::speakingTime(text.toStdString());
}

void Announcer::announce(const QString& event, When when)
{
    switch (when) {
    case When::Now:
        wait_.stop();
        say(event);
        return;
    case When::WhenFree: {
        const qint64 spoken = since_.isValid() ? since_.elapsed() : busyFor_;
        if (!wait_.isActive() && spoken >= busyFor_) {
            say(event);
            return;
        }
        pendingEvent_ = event;
        if (!wait_.isActive())
            wait_.start(static_cast<int>(std::max<qint64>(0, busyFor_ - spoken)));
        return;
    }
    case When::AfterDialog:
        pendingEvent_ = event;
        wait_.start(afterDialog);
        return;
    }
}

void Announcer::say(const QString& event)
{
    pendingEvent_.clear();
    present(compose_(event));
}

void Announcer::sayAsIs(const QString& text)
{
    wait_.stop();
    pendingEvent_.clear();
    present(text);
}

void Announcer::present(QString text)
{
    text_ = std::move(text);
    if (text_.isEmpty())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    since_.start();
    busyFor_ = speakingTime(text_);
    emit announced(text_);
}
