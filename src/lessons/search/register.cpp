#include "frmbinarysearch.h"
#include "frmforsearch.h"
#include "frmguardsearch.h"
#include "lesson/lesson_registry.h"

void registerSearchLessons()
{
    lesson_registry::add("frmForSearch",
                         [] { return std::unique_ptr<LessonModel>(new frmForSearch); });
    lesson_registry::add("frmGuardSearch",
                         [] { return std::unique_ptr<LessonModel>(new frmGuardSearch); });
    lesson_registry::add("frmBinarySearch",
                         [] { return std::unique_ptr<LessonModel>(new frmBinarySearch); });
}
