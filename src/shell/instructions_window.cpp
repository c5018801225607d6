#include "instructions_window.h"

#include "assignment/assignment_panel.h"
#include "assignment/assignment_texts.h"
#include "lesson/free_place.h"
#include "lesson/lesson_form.h"
#include "lesson/qt_convert.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

InstructionsWindow::InstructionsWindow(LessonForm& lesson, const Assignment& assignment)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      lesson_(lesson)
{
    setObjectName(QStringLiteral("InstructionsWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    const LessonDescription d =
        assignment_panel::instructions(lesson.model().description(), assignment);
    setWindowTitle(qt_convert::text(d.caption));
    setFixedSize(qt_convert::pixels(d.width), qt_convert::pixels(d.height));
    for (const Control& control : d.controls) {
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::Label) {
            auto* label = new QLabel(qt_convert::text(control.caption), this);
            label->setTextFormat(Qt::PlainText); // a teacher's text is never markup
            label->setWordWrap(control.multiline);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
        } else if (control.kind == ControlKind::TextBox) {
            auto* box = new QPlainTextEdit(qt_convert::shown(control.caption), this);
            box->setReadOnly(true);
            box->setAccessibleName(qt_convert::text(assignment_texts::instructionsName));
            widget = box;
        } else if (control.kind == ControlKind::Button) {
            auto* button = new QPushButton(qt_convert::text(control.caption), this);
            button->setToolTip(qt_convert::text(assignment_texts::saveResultHint));
            connect(button, &QPushButton::clicked, this, &InstructionsWindow::saveResult);
            widget = button;
        } else {
            continue;
        }
        widget->setObjectName(qt_convert::text(control.key()));
        widget->setGeometry(qt_convert::rect(control.rect));
        if (control.font)
            widget->setFont(qt_convert::font(*control.font));
    }
    lesson.installEventFilter(this);
    lesson.addBeside(this);
}

bool InstructionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The lesson window closed or was hidden by the program (not minimised): so is this.
    if (watched == &lesson_ && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    return QWidget::eventFilter(watched, event);
}

void InstructionsWindow::open()
{
    free_place::showInFront(this, placed_, [this] {
        const LessonDescription panel =
            assignment_panel::instructions(lesson_.model().description(), Assignment{});
        added_window::Request request =
            added_window::panelRequest(lesson_.model().description(), panel);
        request.avoid = lesson_.besideShown(this);
        free_place::placeBesideLesson(this, &lesson_, request);
    });
}
