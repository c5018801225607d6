#include "frm3valuemax.h"
#include "frmformax.h"
#include "frmtotal.h"
#include "frmwhilemax.h"
#include "lesson/lesson_registry.h"

void registerMaximumLessons()
{
    lesson_registry::add("frmTotal", [] { return std::unique_ptr<LessonModel>(new frmTotal); });
    lesson_registry::add("frmForMax", [] { return std::unique_ptr<LessonModel>(new frmForMax); });
    lesson_registry::add("frmWhileMax",
                         [] { return std::unique_ptr<LessonModel>(new frmWhileMax); });
    lesson_registry::add("frm3ValueMax",
                         [] { return std::unique_ptr<LessonModel>(new frm3ValueMax); });
}
