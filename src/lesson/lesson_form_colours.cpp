// The part of LessonForm that gives its controls their colours: the model's colours on the
// listing lines, the cells and the boxes, with text that reads on them and, while the marks
// are shown beyond colour (or the system asks for high contrast), the shape of each mark; the
// system's colours everywhere else, again whenever the system's palette changes.
#include "lesson_form.h"

#include "display_settings.h"
#include "listing_label.h"
#include "qt_convert.h"
#include "value_box.h"

#include <QEvent>
#include <QPlainTextEdit>

#include <algorithm>

mark_shapes::Shape LessonForm::shapeOf(Colour colour) const
{
    return DisplaySettings::instance().showsShapes() ? mark_shapes::of(colour)
                                                     : mark_shapes::Shape::None;
}

void LessonForm::paintLabel(LineLabel* label, Colour colour) const
{
    label->setColours(qt_convert::colour(colour), qt_convert::textOn(colour));
    label->setMark(shapeOf(colour));
}

void LessonForm::paintBox(BoxWidget& box, Colour colour) const
{
    QWidget* widget = box.line ? static_cast<QWidget*>(box.line) : box.multi;
    if (!widget)
        return;
    qt_convert::setBoxColours(widget, colour);
    if (box.line)
        box.line->setMark(shapeOf(colour));
}

void LessonForm::applyColours()
{
    const auto has = [](const auto& labels, const LineLabel* label) {
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    // The captions are opaque, in their frame's colour: the frame behind a label need not
    // repaint when the label changes.
    for (LineLabel* label : findChildren<LineLabel*>()) {
        if (label == note_)
            label->setBackground(qt_convert::colour(Colour::window()));
        else if (!has(listing_, label) && !has(cells_, label))
            label->setBackground(label->parentWidget()->palette().color(QPalette::Window));
    }
    for (size_t k = 0; k < listing_.size(); ++k) {
        if (listing_[k])
            paintLabel(listing_[k], static_cast<int>(k) == shownHighlight_ ? colours::currentLine
                                                                           : Colour::buttonFace());
    }
    for (size_t k = 0; k < cells_.size(); ++k) {
        if (cells_[k])
            paintLabel(cells_[k], shownCells_[k]);
    }
    for (auto* boxes : {&text1_, &text2_}) {
        for (BoxWidget& box : *boxes)
            paintBox(box, box.shownColour);
    }
}
