// The part of LessonForm that opens the lesson's trace table: a button placed where the
// lesson has no control, and the key F7.
#include "lesson_form.h"

#include "free_place.h"
#include "qt_convert.h"
#include "trace_texts.h"
#include "trace_window.h"

#include <QPushButton>
#include <QShortcut>

void LessonForm::buildTraceButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    const added_buttons::Places places = free_place::places(this, step, {stepBack_});
    traceButton_ = new QPushButton(qt_convert::text(places.trace->caption), this);
    traceButton_->setObjectName(QStringLiteral("TraceButton"));
    traceButton_->setToolTip(qt_convert::text(trace_texts::buttonHint));
    traceButton_->setAccessibleName(qt_convert::text(trace_texts::buttonName));
    // With its name where there is room, else as small as the step-back button, as "表".
    traceButton_->setGeometry(free_place::rect(places.trace->rect));
    // Last in the tab order, after the lesson's own buttons.
    if (auto* stop = findChild<QPushButton*>(QStringLiteral("Command4")))
        QWidget::setTabOrder(stop, traceButton_);
    connect(traceButton_, &QPushButton::clicked, this, &LessonForm::Trace_Click);
    connect(new QShortcut(Qt::Key_F7, this), &QShortcut::activated, this, &LessonForm::Trace_Click);
}

void LessonForm::Trace_Click()
{
    if (!trace_)
        trace_ = std::make_unique<TraceWindow>(*model_, this);
    trace_->open();
}
