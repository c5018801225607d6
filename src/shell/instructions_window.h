#pragma once

#include <QWidget>

struct Assignment;
class LessonForm;

// The instructions of an assignment beside the lesson window opened from it (課題 - <title>):
// its title, the teacher's text shown as text, what it allows, and "結果を保存…". Built from
// assignment_panel's description; it goes with the lesson window, which owns it.
class InstructionsWindow : public QWidget
{
    Q_OBJECT
public:
    InstructionsWindow(LessonForm& lesson, const Assignment& assignment);

    // Shows it beside the lesson window, clear of the others there, the first time.
    void open();

signals:
    void saveResult();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LessonForm& lesson_;
    bool placed_ = false;
};
