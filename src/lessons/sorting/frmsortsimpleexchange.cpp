#include "frmsortsimpleexchange.h"

#include "sort_panel.h"

using checked::add;

namespace
{

constexpr int length = 9;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmSortSimpleExchange", "単純選択ソート", sort_panel::windowWidth,
                         sort_panel::nineValueHeight, sort_panel::nineValueLayout(),
                         {
                             "private void 単純選択法()",
                             "{",
                             "     int i,j,ID,minDATA;",
                             "     for(i=0;i<Data.Length-1;i++)",
                             "     {",
                             "         minDATA=Data[i];ID=i;",
                             "         for(j=i+1; j<Data.Length; j++)",
                             "         { ",
                             "            if(minDATA>Data[j])",
                             "              { minDATA=Data[j];ID=j;}",
                             "         }",
                             "         if(ID!=i)  ",
                             "         { Data[ID]=Data[i];Data[i]=minDATA;}",
                             "    }",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  ローカル変数の宣言です。"}),
                             note({"  最初 i=0 として i< Dataの配列サイズ-1のあいだ，",
                                   "  以下を繰り返します。"}),
                             note({""}),
                             note({"  i番目を最小値とします。"}),
                             note({"  最初 j=i+1 として j<Dataの配列サイズのあいだ，",
                                   "  以下を繰り返します。"}),
                             note({""}),
                             note({"  もし最小値がj番目より大きければ，"}),
                             note({"  j番目を最小値と設定します。"}),
                             "",
                             note({"　もし最小値がi番目でなければ，"}),
                             note({"　最小値が入っているところにi番目のデータを，",
                                   "i番目に最小値をセットします。"}),
                             note({""}),
                             note({"　関数の終わりです。"}),
                         },
                         {"", "", "", "  i < Data.Length-1", "", "", "  j< Data.Length", "",
                          "  minDATA>Data[j]", "", "", " ID!=i", "", "", ""});
        sort_panel::addFillButton(d);
        sort_panel::addNineValueColumn(d, "Data( Length=9)");
        sort_panel::addScalars(d, {{3, "i", 2640, 840, 9, Rect{3120, 720, 1335, 375}},
                                   {8, "j", 2640, 1320, 10, Rect{3120, 1200, 1335, 375}},
                                   {9, "minData", 2040, 1800, 11, Rect{3120, 1680, 1335, 375}},
                                   {4, "ID", 2520, 2280, 12, Rect{3120, 2160, 1335, 375}}});
        return d;
    }();
    return d;
}

} // namespace

frmSortSimpleExchange::frmSortSimpleExchange() : SortLesson(lessonDescription(), length, "Data")
{
    bind(9, v.i, "i");
    bind(10, v.j, "j");
    bind(11, v.minData, "minDATA");
    bind(12, v.id, "ID");
}

int frmSortSimpleExchange::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.i = 0; return 3;
    case 3: return v.i < length - 1 ? 5 : 14;
    case 4: return 5;
    case 5:
        v.minData = at(v.data, v.i, "Data");
        v.id = v.i;
        v.j = add(v.i, 1, "i + 1");
        return 6;
    case 6: return v.j < length ? 8 : 11;
    case 7: return 8;
    case 8: return v.minData > at(v.data, v.j, "Data") ? 9 : 10;
    case 9:
        v.minData = at(v.data, v.j, "Data");
        v.id = v.j;
        return 10;
    case 10: v.j = add(v.j, 1, "j + 1"); return 6;
    case 11: return v.id != v.i ? 12 : 13;
    case 12:
        at(v.data, v.id, "Data") = at(v.data, v.i, "Data");
        at(v.data, v.i, "Data") = v.minData;
        return 13;
    case 13: v.i = add(v.i, 1, "i + 1"); return 3;
    case 14: effects.message(sortDone); return 0;
    }
    return line;
}

std::optional<bool> frmSortSimpleExchange::test(int line) const
{
    switch (line) {
    case 3: return v.i < length - 1;
    case 6: return v.j < length;
    case 8: return v.minData > at(v.data, v.j, "Data");
    case 11: return v.id != v.i;
    }
    return std::nullopt;
}

void frmSortSimpleExchange::paintMarks(int line, Marks& marks) const
{
    if (line < 7)
        return;
    marks.paint(dataBoxes_, v.i, colours::red);
    marks.paint(dataBoxes_, v.j, colours::blue); // j = 9 after the inner loop marks nothing
}
