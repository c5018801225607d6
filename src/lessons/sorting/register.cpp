#include "frmsortbuble.h"
#include "frmsortquick.h"
#include "frmsortshell.h"
#include "frmsortshellext.h"
#include "frmsortshellextinc.h"
#include "frmsortsimpleexchange.h"
#include "frmsortsimpleinsert.h"
#include "frmswap.h"
#include "lesson/lesson_registry.h"

namespace
{

template <class L> std::unique_ptr<LessonModel> make()
{
    return std::make_unique<L>();
}

} // namespace

void registerSortingLessons()
{
    lesson_registry::add("frmSwap", make<frmSwap>);
    lesson_registry::add("frmSortBuble", make<frmSortBuble>);
    lesson_registry::add("frmSortSimpleInsert", make<frmSortSimpleInsert>);
    lesson_registry::add("frmSortSimpleExchange", make<frmSortSimpleExchange>);
    lesson_registry::add("frmSortShell", make<frmSortShell>);
    lesson_registry::add("frmSortShellExt", make<frmSortShellExt>);
    lesson_registry::add("frmSortShellExtInc", make<frmSortShellExtInc>);
    lesson_registry::add("frmSortQuick", make<frmSortQuick>);
}
