#include "frmque2.h"

#include "count_p.h"
#include "slot_window.h"

namespace
{

constexpr int dequeLine = 4;
constexpr int enqueLine = 14;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = slotWindow(SlotWindow{
        "frmQue2",
        "サイクリックなQue(待ち行列）",
        {
            "private const int MAXQUE = 10;",
            "private string[] QUE=new string[MAXQUE];",
            "private int StartPointer;",
            "private int EndPointer;",
            "private string Deque()",
            "{",
            "     string SR=\"\";",
            "     if(StartPointer!=EndPointer){ ",
            "         SR=QUE[StartPointer];",
            "         StartPointer=CountP(StartPointer);",
            "    }",
            "    else MessageBox.Show(\"キューが空です.\");",
            "    return SR;",
            "}",
            "private void Enque(string V)",
            "{",
            "    int P = CountP(EndPointer);",
            "    if(P!=StartPointer){",
            "        QUE[EndPointer]=V;",
            "        EndPointer=P;",
            "    }",
            "    else MessageBox.Show(\"キューが満杯です．\");",
            "}",
            "",
        },
        {
            note({"  キュー領域サイズの宣言です。"}),
            note({"  キュー領域の宣言です。"}),
            note({"  開始ポインタの宣言です。"}),
            note({"  終了ポインタの宣言です。"}),
            note({"  DeQue関数の定義です。"}),
            note({"  DeQue関数本体の先頭です。"}),
            note({"  SRに空文字列を設定します"}),
            note({"  開始ポインタと終了ポインタが異なるとき"}),
            note({"     開始位置のデータを関数値とします。"}),
            note({"     開始ポインタをカウントアップします。"}),
            "",
            note({"  同じとき，エラーメッセージを表示します。"}),
            note({"  SRを関数値として Return します。"}),
            note({"  DeQue関数本体の最後です。"}),
            note({"  EnQue関数の宣言です。"}),
            note({"  EnQue本体の先頭です。"}),
            note({"  終了ポインタをカウントアップした値をPとします"}),
            note({"  P と開始ポインタが等しくないとき"}),
            note({"　最終位置にデータを格納します。"}),
            note({"  終了ポインタをPとします。"}),
            "",
            note({"  同じとき，エラーメッセージを表示します。"}),
            note({"  EnQue関数本体の最後です。"}),
            "",
        },
        conditionTable(24, {{7, "  StartPointer!=EndPointer"}, {17, "  P!=StartPointer"}}),
        "Que( Que.Length=10)",
        {{3, "StartPointer", 10, "0"}, {14, "EndPointer", 11}},
        "EnQue",
        "DeQue",
        {{16, "SR", 13}, {4, "関数値", 12}},
        {{17, "V", 14, "aaaa"}, {15, "P", 15}},
    });
    return d;
}

} // namespace

frmQue2::frmQue2()
    : SlotLesson(lessonDescription(), &CyclicQueVariables::que, "QUE", enqueLine, dequeLine)
{
    bind(10, v.start, "StartPointer");
    bind(11, v.end, "EndPointer");
    bind(12, v.value, "関数値");
    bind(13, v.sr, "SR");
    bind(14, v.v, "V");
    bind(15, v.p, "P");
}

int frmQue2::run(int line, StepEffects& effects)
{
    switch (line) {
    case 4: return 6;
    case 6: v.sr.clear(); return 7;
    case 7: return v.start != v.end ? 8 : 11;
    case 8: v.sr = at(v.que, v.start, "QUE"); return 9;
    case 9: v.start = countP(v.start, "StartPointer + 1"); return 12;
    case 11: effects.message("キューが空です."); return 12;
    case 12: v.value = v.sr; return 13;
    case 13: effects.stopAutoRun(); return 4;
    case 14: return 16;
    case 16: v.p = countP(v.end, "EndPointer + 1"); return 17;
    case 17: return v.p != v.start ? 18 : 21;
    case 18: at(v.que, v.end, "QUE") = v.v; return 19;
    case 19: v.end = v.p; return 22;
    case 21: effects.message("キューが満杯です．"); return 22;
    case 22: effects.stopAutoRun(); return 14;
    }
    return line;
}

std::optional<bool> frmQue2::test(int line) const
{
    switch (line) {
    case 7: return v.start != v.end;
    case 17: return v.p != v.start;
    }
    return std::nullopt;
}

void frmQue2::paintMarks(int, Marks& marks) const
{
    // The end first, so that an empty queue (both pointers equal) shows its one box blue.
    marks.paint(slots_, v.end, colours::red);
    marks.paint(slots_, v.start, colours::blue);
}
