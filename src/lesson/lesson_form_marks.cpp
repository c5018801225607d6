// The part of LessonForm that shows its marks beyond colour: over each marked box, cell and
// the current line, the shape of the mark's colour, while the setting (or the system's high
// contrast) asks for them.
#include "lesson_form.h"

#include "display_settings.h"
#include "listing_label.h"
#include "value_box.h"

mark_shapes::Shape LessonForm::shapeOf(Colour colour) const
{
    return DisplaySettings::instance().showsShapes() ? mark_shapes::of(colour)
                                                     : mark_shapes::Shape::None;
}

void LessonForm::showShapes()
{
    for (const auto* boxes : {&text1_, &text2_}) {
        for (const BoxWidget& box : *boxes) {
            if (box.line)
                box.line->setMark(shapeOf(box.shownColour));
        }
    }
    for (size_t k = 0; k < cells_.size(); ++k) {
        if (cells_[k])
            cells_[k]->setMark(shapeOf(shownCells_[k]));
    }
    if (shownHighlight_ >= 0 && static_cast<size_t>(shownHighlight_) < listing_.size() &&
        listing_[static_cast<size_t>(shownHighlight_)])
        listing_[static_cast<size_t>(shownHighlight_)]->setMark(shapeOf(colours::yellow));
}
