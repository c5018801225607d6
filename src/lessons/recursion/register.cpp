#include "frm8queen.h"
#include "frmfact.h"
#include "frmfactloop.h"
#include "frmgcd.h"
#include "frmhanoi.h"
#include "lesson/lesson_registry.h"

namespace
{

template <class L> std::unique_ptr<LessonModel> make()
{
    return std::unique_ptr<LessonModel>(new L);
}

} // namespace

void registerRecursionLessons()
{
    lesson_registry::add("frmFact", make<frmFact>);
    lesson_registry::add("frmFactLoop", make<frmFactLoop>);
    lesson_registry::add("frmGCD", make<frmGCD>);
    lesson_registry::add("frmHanoi", make<frmHanoi>);
    lesson_registry::add("frm8Queen", make<frm8Queen>);
}
