#include "frmsortshellext.h"

#include "sort_panel.h"

namespace
{

constexpr int length = 20;
constexpr int ninth = length / 9; // Data.Length/9

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        const ShellTexts texts = shellTexts(
            "private void シェルソート改良版()",
            {{" for(h=1; h < Data.Length/9; h = h*3+1);", note({"  増分値を計算します。"}),
              "  h < Data.Length/9"},
             {" for( ; h>0; h /= 3)",
              note({"  hを3で除しながら", "   h>0のあいだ以下を繰り返します。"}), "  h>0"}},
            0, 0);
        CommonLayout layout = sort_panel::nineValueLayout();
        layout.frame1 = Rect{0, 240, 6615, 5175};
        layout.listingTop = 480;
        layout.label2 = Rect{0, 5520, 6615, 1575};
        LessonDescription d =
            lessonWindow("frmSortShellExt", "シェルソート", sort_panel::windowWidth, 7200, layout,
                         texts.listing, texts.notes, texts.conditions);
        sort_panel::addFillButton(d);
        sort_panel::addTwentyValueColumns(d, {"Data( Length=20)", 1560, 1920, 240, 735, 285});
        sort_panel::addScalars(d, {{21, "i", 3240, 840, 20, Rect{3600, 720, 855, 375}},
                                   {22, "j", 3240, 1320, 21, Rect{3600, 1200, 855, 375}},
                                   {23, "Tmp", 3120, 1800, 22, Rect{3600, 1680, 855, 375}},
                                   {24, "h", 3360, 2280, 23, Rect{3600, 2160, 855, 375}}});
        return d;
    }();
    return d;
}

} // namespace

// Slot 20 has no box and keeps its 0.
frmSortShellExt::frmSortShellExt()
    : ShellSortLesson(lessonDescription(), {4, length, length + 1, 3, 10, 20})
{
}

int frmSortShellExt::runHead(int line)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.h = 1; return 3;
    case 3: // the whole for with its empty body: one term a step
        if (v.h >= ninth)
            return 4;
        v.h = nextIncrement(v.h);
        return 3;
    }
    return line;
}

std::optional<bool> frmSortShellExt::testHead(int line) const
{
    return line == 3 ? std::optional<bool>(v.h < ninth) : std::nullopt;
}
