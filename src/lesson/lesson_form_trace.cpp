// The part of LessonForm that opens the lesson's trace table: a button placed where the
// lesson has no control, and the key F7.
#include "lesson_form.h"

#include "free_place.h"
#include "qt_convert.h"
#include "trace_texts.h"
#include "trace_window.h"

#include <QPushButton>

void LessonForm::buildTraceButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    const added_buttons::Places places = free_place::places(this, step, {stepBack_});
    // With its name where there is room, else as small as the step-back button, as "表"; its
    // key (F7) is the window's, with the others (lesson_form_access.cpp).
    traceButton_ =
        addButton(*places.trace, "TraceButton", trace_texts::buttonName, &LessonForm::Trace_Click);
}

void LessonForm::Trace_Click()
{
    if (!trace_)
        trace_ = std::make_unique<TraceWindow>(*model_, this);
    trace_->open();
}
