#include "frmsortsimpleinsert.h"

#include "sort_panel.h"

using checked::add;
using checked::sub;

namespace
{

constexpr int length = 9;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmSortSimpleInsert", "単純挿入ソート", sort_panel::windowWidth,
            sort_panel::nineValueHeight, sort_panel::nineValueLayout(),
            {
                "private void 単純挿入法()",
                "{",
                "     int i,j,Tmp;",
                "     for(i=1;i<Data.Length;i++)",
                "     {",
                "         Tmp=Data[i];",
                "         for(j=i; j>0 && Data[j-1]>Tmp; j--)",
                "             Data[j]=Data[j-1];",
                "         Data[j]=Tmp;",
                "      };",
                "}",
                "",
                "",
                "",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  ローカル変数の宣言です。"}),
                note({"  最初 i=1 として i< Dataの配列サイズのあいだ，", "  以下を繰り返します。"}),
                note({""}),
                note({"  Tmp=Data[i]とします。"}),
                note({"  最初 j=i として j>0 かつ Data[j-1]>Tmpのあいだ，",
                      "  以下を繰り返します。"}),
                note({"  Tmpより大きいデータをData[j]=Data[j-1]としてずらします。"}),
                note({"  Data[j]にTmpを設定します。"}),
                "",
                note({"　関数の終わりです。"}),
                "",
                "",
                "",
            },
            {"", "", "", "  i<Data.Length", "", "", "  j>0 && Data[j-1]>Tmp", "", "", "", "", "",
             "", ""});
        sort_panel::dropListingLabels(d, {11, 12});
        sort_panel::addFillButton(d);
        sort_panel::addNineValueColumn(d, "Data(Length=9)");
        sort_panel::addScalars(d, {{3, "i", 2640, 840, 9, Rect{3120, 720, 1335, 375}},
                                   {8, "j", 2640, 1320, 10, Rect{3120, 1200, 1335, 375}},
                                   {9, "Tmp", 2520, 1800, 11, Rect{3120, 1680, 1335, 375}}});
        return d;
    }();
    return d;
}

} // namespace

frmSortSimpleInsert::frmSortSimpleInsert() : SortLesson(lessonDescription(), length, "Data")
{
    bind(9, v.i, "i");
    bind(10, v.j, "j");
    bind(11, v.tmp, "Tmp");
}

bool frmSortSimpleInsert::shifting() const
{
    return v.j > 0 && at(v.data, v.j - 1, "Data") > v.tmp;
}

int frmSortSimpleInsert::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.i = 1; return 3;
    case 3: return v.i < length ? 5 : 10;
    case 4: return 5;
    case 5:
        v.tmp = at(v.data, v.i, "Data");
        v.j = v.i;
        return 6;
    case 6: return shifting() ? 7 : 8;
    case 7:
        at(v.data, v.j, "Data") = at(v.data, sub(v.j, 1, "j - 1"), "Data");
        v.j = sub(v.j, 1, "j - 1");
        return 6;
    case 8: at(v.data, v.j, "Data") = v.tmp; return 9;
    case 9: v.i = add(v.i, 1, "i + 1"); return 3;
    case 10: effects.message(sortDone); return 0;
    }
    return line;
}

std::optional<bool> frmSortSimpleInsert::test(int line) const
{
    switch (line) {
    case 3: return v.i < length;
    case 6: return shifting();
    }
    return std::nullopt;
}

void frmSortSimpleInsert::paintMarks(int line, Marks& marks) const
{
    if (line != 6)
        return;
    marks.paint(dataBoxes_, v.i, colours::red);
    marks.paint(dataBoxes_, v.j, colours::blue);
}
