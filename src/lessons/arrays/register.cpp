#include "frmque.h"
#include "frmque2.h"
#include "frmque2countp.h"
#include "frmreversearray.h"
#include "frmstack.h"
#include "frmtablearray.h"
#include "lesson/lesson_registry.h"

namespace
{

template <class L> std::unique_ptr<LessonModel> make()
{
    return std::unique_ptr<LessonModel>(new L);
}

} // namespace

void registerArrayLessons()
{
    lesson_registry::add("frmReverseArray", make<frmReverseArray>);
    lesson_registry::add("frmTableArray", make<frmTableArray>);
    lesson_registry::add("frmStack", make<frmStack>);
    lesson_registry::add("frmQue", make<frmQue>);
    lesson_registry::add("frmQue2CountP", make<frmQue2CountP>);
    lesson_registry::add("frmQue2", make<frmQue2>);
}
