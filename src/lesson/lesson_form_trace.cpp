// The part of LessonForm that opens the lesson's trace table: a button placed where the
// lesson has no control, and the key F7.
#include "lesson_form.h"

#include "free_place.h"
#include "trace_window.h"

#include <QPushButton>
#include <QShortcut>

void LessonForm::buildTraceButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    traceButton_ = new QPushButton(QStringLiteral("トレース表"), this);
    traceButton_->setObjectName(QStringLiteral("TraceButton"));
    traceButton_->setToolTip(QStringLiteral("トレース表: ステップごとの値の表を開きます (F7)"));
    traceButton_->setAccessibleName(QStringLiteral("トレース表"));
    // With its name where there is room, else as small as the step-back button, as "表".
    const QSize size(traceButton_->fontMetrics().horizontalAdvance(traceButton_->text()) + 16,
                     step->height());
    std::optional<QRect> place = free_place::beside(this, step, size, traceButton_);
    if (!place) {
        const QSize small(std::max(28, step->height() + 6), step->height());
        traceButton_->setText(QStringLiteral("表"));
        place = free_place::beside(this, step, small, traceButton_);
        if (!place)
            place = free_place::corner(this, small);
    }
    traceButton_->setGeometry(*place);
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
