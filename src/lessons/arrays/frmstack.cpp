#include "frmstack.h"

#include "slot_window.h"

using checked::sub;

namespace
{

// The full test compares with the shown length, not with the eleven slots of storage.
constexpr int length = shownSlots;
constexpr int popLine = 2;
constexpr int pushLine = 15;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = slotWindow(SlotWindow{
        "frmStack",
        "Ｓｔａｃｋ",
        {
            "private string[] Stack=new string[10];",
            "private int SPointer=0;",
            "private string Pop()",
            "{",
            "     if(SPointer==0)",
            "     {",
            "         MessageBox.Show(\"スタックが空です.\");",
            "         return \"\";",
            "     } ",
            "     else;                 ",
            "    {",
            "        SPointer--;",
            "        return Stack[SPointer];",
            "     }",
            "}",
            "private void Push(string V)",
            "{",
            "    if (SPointer>=Stack.Length)",
            "           MessageBox.Show(\"スタックが満杯です．\");",
            "    else Stack[SPointer++]=V;",
            "}",
            "",
            "",
            "",
        },
        {
            note({"  スタック領域の宣言です。"}),
            note({"  スタックポインタの宣言です。"}),
            note({"  Pop関数の定義です。"}),
            note({"  Pop関数本体の先頭です。"}),
            note({"  スタックポインタが 0 のとき"}),
            "",
            note({"  エラーメッセージを表示します。"}),
            note({"  関数値を空文字列にして Return します。"}),
            "",
            note({"  スタックポインタが 0 でないとき。"}),
            "",
            note({"  スタックポインタをカウントダウンします。"}),
            note({"  スタックトップを関数値として Returnします。"}),
            "",
            note({"  Pop関数本体の最後です。"}),
            note({"  Stack処理の定義です。"}),
            note({"  Stack本体の先頭です。"}),
            note({"  スタックポインタが配列サイズ以上のとき"}),
            note({"  エラーメッセージを表示します"}),
            note({"  配列サイズ以上でないときスタック先頭に代入して",
                  "ポインタをカウントアップします。"}),
            "",
            "",
            "",
            "",
        },
        conditionTable(24, {{4, "  SPointer == 0"}, {17, "  SPointer>=Stack.Length"}}),
        "Stack( Length=10)",
        {{3, "SPointer", 10, "0"}},
        "Push",
        "Pop",
        {{4, "関数値", 11}},
        {{17, "V", 12, "aaaaa"}},
    });
    return d;
}

} // namespace

frmStack::frmStack()
    : SlotLesson(lessonDescription(), &StackVariables::stack, "Stack", pushLine, popLine)
{
    bind(10, v.pointer, "SPointer");
    bind(11, v.value, "関数値");
    bind(12, v.v, "V");
}

int frmStack::run(int line, StepEffects& effects)
{
    switch (line) {
    case 2: return 4;
    case 4: return v.pointer != 0 ? 9 : 6;
    case 6: effects.message("スタックが空です."); return 7;
    case 7: v.value.clear(); return 14;
    case 9: return 11;
    case 11: v.pointer = sub(v.pointer, 1, "SPointer - 1"); return 12;
    case 12: v.value = at(v.stack, v.pointer, "Stack"); return 14;
    case 14: effects.stopAutoRun(); return 4;
    case 15: return 17;
    case 17: return v.pointer < length ? 19 : 18;
    case 18: effects.message("スタックが満杯です．"); return 20;
    case 19: storeAndAdvance(v.stack, v.pointer, v.v, "Stack", "SPointer + 1"); return 20;
    case 20: effects.stopAutoRun(); return 15;
    }
    return line;
}

std::optional<bool> frmStack::test(int line) const
{
    switch (line) {
    case 4: return v.pointer == 0;
    case 17: return v.pointer >= length;
    }
    return std::nullopt;
}

void frmStack::paintMarks(int, Marks& marks) const
{
    // The next free slot; a full stack (pointer 10) designates no box.
    marks.paint(slots_, v.pointer, colours::red);
}
