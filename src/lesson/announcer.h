#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Tells a screen reader what an action did, without taking the focus from where the student
// is: a hidden notification of the window whose text is the announcement, reported as
// shown each time (Orca speaks a notification that appears, whatever has the focus).
//
// Each announcement is given time to be spoken, estimated from its length. What comes
// meanwhile in passing (the steps of auto-run) waits, and only the latest of it is said
// once that time is over, so speech never falls behind; what the student asked for is
// said at once.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    enum class When {
        Now,        // the student's own action
        WhenFree,   // a step of auto-run
        AfterDialog // after a message box: once the screen reader has read the window again
    };
    // `compose` gives the text for an event at the moment it is said, so that a waiting
    // announcement tells the latest state.
    using Compose = std::function<QString(const QString& event)>;

    Announcer(QWidget* window, Compose compose);

    void announce(const QString& event, When when);
    // Says `text` as it is, at once: a short word on what the student just chose.
    void sayAsIs(const QString& text);
    // The last announcement made.
    const QString& text() const { return text_; }
    bool isWaiting() const { return wait_.isActive(); }

    // How long a text takes to be spoken, in milliseconds.
    static int speakingTime(const QString& text);
    static constexpr int afterDialog = 700;

signals:
    // Each announcement as it is made (the accessibility event goes out only while a screen
    // reader listens).
    void announced(const QString& text);

private:
    void say(const QString& event);
    void present(QString text);

    Compose compose_;
    QString text_;
    QString pendingEvent_;
    QTimer wait_;
    QElapsedTimer since_; // since the last announcement
    int busyFor_ = 0;     // how long the last announcement takes
};
