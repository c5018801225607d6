#include "frmtotal.h"
#include "lesson/lesson_registry.h"

void registerMaximumLessons()
{
    lesson_registry::add("frmTotal", [] { return std::unique_ptr<LessonModel>(new frmTotal); });
}
