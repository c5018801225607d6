#include "frmsortbuble.h"

#include "sort_panel.h"

#include <utility>

using checked::add;
using checked::sub;

namespace
{

// Data.Length - 1: the last index, and the bound of the outer loop.
constexpr int last = 8;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmSortBuble", "バブルソート（単純交換法）", sort_panel::windowWidth,
                         sort_panel::nineValueHeight, sort_panel::nineValueLayout(),
                         {
                             "private void バブルソート()",
                             "{",
                             "  int i,j;",
                             "  for(i=0;i<Data.Length-1;i++)",
                             "  {",
                             "    for(j=Data.Length-1; j>i; j--)",
                             "      if(Data[j-1]>Data[j])",
                             "        swap(ref Data[j-1], ref Data[j]);",
                             "  };",
                             "}",
                             "",
                             "",
                             "",
                             "",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  ローカル変数の宣言です。"}),
                             note({"  最初 i=0 として i< Dataの配列サイズ-1のあいだ，",
                                   "  以下を繰り返します。"}),
                             note({""}),
                             note({"  最初 j=Dataの配列サイズ - 1 として j>iのあいだ，",
                                   "  以下を繰り返します。"}),
                             note({"  Data[j-1]>Data[j]のとき"}),
                             note({"  Data[j]とData[j-1]を交換します。"}),
                             "",
                             note({"　関数の終わりです。"}),
                             "",
                             "",
                             "",
                             "",
                         },
                         {"", "", "", "  i < Data.Length-1", "", "  j>i", "  Data[j-1]>Data[j]", "",
                          "", "", "", "", "", ""});
        sort_panel::dropListingLabels(d, {11, 12});
        sort_panel::addFillButton(d);
        sort_panel::addNineValueColumn(d, "Data(Length=9)");
        sort_panel::addScalars(d, {{3, "i", 2640, 840, 9, Rect{3120, 720, 1335, 375}},
                                   {8, "j", 2640, 1320, 10, Rect{3120, 1200, 1335, 375}}});
        return d;
    }();
    return d;
}

} // namespace

frmSortBuble::frmSortBuble() : SortLesson(lessonDescription(), 9, "Data")
{
    bind(9, v.i, "i");
    bind(10, v.j, "j");
}

bool frmSortBuble::outOfOrder() const
{
    return at(v.data, sub(v.j, 1, "j - 1"), "Data") > at(v.data, v.j, "Data");
}

int frmSortBuble::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.i = 0; return 3;
    case 3:
        if (v.i >= last)
            return 9;
        v.j = last;
        return 5;
    case 4: v.j = last; return 5;
    case 5: return v.j > v.i ? 6 : 8;
    case 6:
        if (outOfOrder())
            return 7;
        v.j = sub(v.j, 1, "j - 1");
        return 5;
    case 7:
        std::swap(at(v.data, sub(v.j, 1, "j - 1"), "Data"), at(v.data, v.j, "Data"));
        v.j = sub(v.j, 1, "j - 1");
        return 5;
    case 8: v.i = add(v.i, 1, "i + 1"); return 3;
    case 9: effects.message(sortDone); return 0;
    }
    return line;
}

std::optional<bool> frmSortBuble::test(int line) const
{
    switch (line) {
    case 3: return v.i < last;
    case 5: return v.j > v.i;
    case 6: return outOfOrder();
    }
    return std::nullopt;
}

void frmSortBuble::paintMarks(int line, Marks& marks) const
{
    if (line < 5)
        return;
    marks.paint(dataBoxes_, v.i, colours::red);
    marks.paint(dataBoxes_, v.j, colours::blue);
    if (v.j > v.i)
        marks.paint(dataBoxes_, v.j - 1, colours::cyan);
}
