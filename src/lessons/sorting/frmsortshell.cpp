#include "frmsortshell.h"

#include "sort_panel.h"

namespace
{

constexpr int length = 9;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        const ShellTexts texts =
            shellTexts("private void シェルソート()",
                       {{" for(h= Data.Length / 2 ; h>0; h /=2)",
                         note({"  最初 h=Dataの配列サイズ/2として，", "  hを2で除しながら",
                               "   h>0のあいだ以下を繰り返します。"}),
                         "  h>0"}},
                       2, 1);
        LessonDescription d = lessonWindow(
            "frmSortShell", "シェルソート", sort_panel::windowWidth, sort_panel::nineValueHeight,
            sort_panel::nineValueLayout(), texts.listing, texts.notes, texts.conditions);
        sort_panel::dropListingLabels(d, {12});
        sort_panel::addFillButton(d);
        sort_panel::addNineValueColumn(d, "Data( Length=9)");
        sort_panel::addScalars(d, {{3, "i", 2640, 840, 9, Rect{3120, 720, 1335, 375}},
                                   {8, "j", 2640, 1320, 10, Rect{3120, 1200, 1335, 375}},
                                   {9, "Tmp", 2280, 1800, 11, Rect{3120, 1680, 1335, 375}},
                                   {4, "h", 2640, 2280, 12, Rect{3120, 2160, 1335, 375}}});
        return d;
    }();
    return d;
}

} // namespace

frmSortShell::frmSortShell() : ShellSortLesson(lessonDescription(), {3, length, length, 2, 10, 9})
{
}

int frmSortShell::runHead(int line)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.h = length / 2; return 3;
    }
    return line;
}
