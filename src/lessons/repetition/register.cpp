#include "frmforsum.h"
#include "frmketasum.h"
#include "frmmultiloop.h"
#include "frmwhilesum.h"
#include "lesson/lesson_registry.h"

void registerRepetitionLessons()
{
    lesson_registry::add("frmForSum", [] { return std::unique_ptr<LessonModel>(new frmForSum); });
    lesson_registry::add("frmWhileSum",
                         [] { return std::unique_ptr<LessonModel>(new frmWhileSum); });
    lesson_registry::add("frmKetaSum", [] { return std::unique_ptr<LessonModel>(new frmKetaSum); });
    lesson_registry::add("frmMultiLoop",
                         [] { return std::unique_ptr<LessonModel>(new frmMultiLoop); });
}
