#include "frmque.h"

#include "slot_window.h"

using checked::add;
using checked::sub;

namespace
{

// The full test compares with the shown length, not with the eleven slots of storage.
constexpr int length = shownSlots;
constexpr int dequeLine = 2;
constexpr int enqueLine = 18;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = slotWindow(SlotWindow{
        "frmQue",
        "Que(待ち行列）",
        {
            "private string[] Que=new string[10];",
            "private int QuePointer=0;",
            "private string Deque()",
            "{",
            "     if(QuePointer==0)",
            "     {",
            "         MessageBox.Show(\"キューが空です.\");",
            "         return \"\";",
            "     } ",
            "     else;                 ",
            "    {",
            "        string R=Que[0];",
            "        QuePointer--;",
            "        for(int i=0;i<QuePointer;i++) ",
            "        Que[i]=Que[i+1];",
            "        return R;",
            "     }",
            "}",
            "private void Enque(string V)",
            "{",
            "    if (QuePointer>=Que.Length)",
            "           MessageBox.Show(\"キューが満杯です．\");",
            "    else Que[QuePointer++]=V;",
            "}",
        },
        {
            note({"  キュー領域の宣言です。"}),
            note({"  キューポインタの宣言です。"}),
            note({"  DeQue関数の定義です。"}),
            note({"  DeQue関数本体の先頭です。"}),
            note({"  キューポインタが 0 のとき"}),
            "",
            note({"  エラーメッセージを表示します。"}),
            note({"  関数値を空文字列にして Return します。"}),
            "",
            note({"  キューポインタが 0 でないとき。"}),
            "",
            note({"  Rにキュー先頭を保存します。"}),
            note({"  キューポインタをカウントダウンします。"}),
            note({"  初期値i=0としてi<キューポインタの間，次を繰り返します。"}),
            note({"  　　キューを1個ずらします。"}),
            note({"  Rを関数値として Returnします。"}),
            "",
            note({"  DeQue関数本体の最後です。"}),
            note({"  EnQue関数の定義です。"}),
            note({"  EnQue本体の先頭です。"}),
            note({"  キューポインタが配列サイズ以上のとき"}),
            note({"  エラーメッセージを表示します"}),
            note({"  配列サイズ以上でないときキューの最後に代入して",
                  "ポインタをカウントアップします。"}),
            note({"  EnQue本体の最後です。"}),
        },
        conditionTable(
            24,
            {{4, "  QuePointer == 0"}, {13, "  i< QuePointer"}, {20, "  QuePointer>=Que.Length"}}),
        "Que( Que.Length=10)",
        {{3, "QuePointer", 10, "0"}},
        "EnQue",
        "DeQue",
        {{14, "R", 11}, {16, "i", 12}, {4, "関数値", 13}},
        {{17, "V", 14, "aaaaa"}},
    });
    return d;
}

} // namespace

frmQue::frmQue() : SlotLesson(lessonDescription(), &QueVariables::que, "Que", enqueLine, dequeLine)
{
    bind(10, v.pointer, "QuePointer");
    bind(11, v.r, "R");
    bind(12, v.i, "i");
    bind(13, v.value, "関数値");
    bind(14, v.v, "V");
}

int frmQue::run(int line, StepEffects& effects)
{
    switch (line) {
    case 2: return 4;
    case 4: return v.pointer != 0 ? 9 : 6;
    case 6: effects.message("キューが空です."); return 7;
    case 7: v.value.clear(); return 17;
    case 9: return 11;
    case 11: v.r = at(v.que, 0, "Que"); return 12;
    case 12:
        v.i = 0;
        v.pointer = sub(v.pointer, 1, "QuePointer - 1");
        return 13;
    case 13: return v.i < v.pointer ? 14 : 15;
    case 14: {
        const std::string next = at(v.que, v.i + 1, "Que");
        at(v.que, v.i, "Que") = next;
        v.i = add(v.i, 1, "i + 1");
        return 13;
    }
    case 15: v.value = v.r; return 17;
    case 17: effects.stopAutoRun(); return 4;
    case 18: return 20;
    case 20: return v.pointer < length ? 22 : 21;
    case 21: effects.message("キューが満杯です．"); return 23;
    case 22: storeAndAdvance(v.que, v.pointer, v.v, "Que", "QuePointer + 1"); return 23;
    case 23: effects.stopAutoRun(); return 18;
    }
    return line;
}

std::optional<bool> frmQue::test(int line) const
{
    switch (line) {
    case 4: return v.pointer == 0;
    case 13: return v.i < v.pointer;
    case 20: return v.pointer >= length;
    }
    return std::nullopt;
}

void frmQue::paintMarks(int, Marks& marks) const
{
    // The next free slot; a full queue (pointer 10) designates no box.
    marks.paint(slots_, v.pointer, colours::red);
}
