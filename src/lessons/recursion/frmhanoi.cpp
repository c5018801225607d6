#include "frmhanoi.h"

#include "lesson/numeric.h"

using checked::sub;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        CommonLayout layout;
        layout.frame1 = {120, 120, 6615, 4455};
        layout.label2 = {120, 4680, 6615, 1815};
        layout.frame2 = {6840, 720, 3255, 855};
        layout.label3 = {120, 360, 3015, 375};
        layout.frame3 = {6840, 1680, 3255, 2295};
        layout.frame3Caption = "Hanoi";
        layout.command3 = {6840, 5280, 1095, 375};
        layout.command4 = {8040, 5280, 1575, 375};
        layout.label5 = {7440, 5760, 1095, 255};
        layout.txtTime = {8400, 5760, 975, 270};
        layout.listingStep = 240;
        layout.listingHeight = 240;
        LessonDescription d =
            lessonWindow("frmHanoi", "ハノイの搭", 10245, 8385, layout,
                         {
                             "private void Hanoi(int n, int x, int y)",
                             "{",
                             "     if(n==1) MoveTo(n, x, y);",
                             "     else",
                             "     {",
                             "        Hanoi(n-1,x, 6-x-y);",
                             "        MoveTo(n,x,y);",
                             "        Hanoi(n-1,6-x-y, y);",
                             "     }",
                             "}",
                             "private void MoveTo(int n,int x, int y)",
                             "{",
                             "     string S=\"第\"+ n.ToString() + \"盤を\"",
                             "             + x.ToString() + \"軸から\"",
                             "             + y.ToString() + \"軸に移動\";",
                             "     listBox1.Items.Add(S);",
                             "}",
                         },
                         {
                             note({"  Hanoi 関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  n が 1 のとき n 番目の盤をxからYに移動します。"}),
                             note({"  そうでないとき"}),
                             note({""}),
                             note({"  n - 1 枚をxでもyでもない軸に移動します。"}),
                             note({"  n 番目の盤をxからYに移します。"}),
                             note({"  n - 1 枚をxでもyでもない軸からYに移します。"}),
                             note({""}),
                             note({"  関数の本体の最後です。"}),
                             note({"  MoveTo 関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  表示文字列を生成します。"}),
                             note({"  表示文字列を生成します。"}),
                             note({"  表示文字列を生成します。"}),
                             note({"  文字列をリストボックスに追加します。"}),
                             note({"  関数の本体の最後です。"}),
                             "",
                         },
                         {"", "", "n==1", "", "", "", "", "", "", "", "", "", "", "", "", "", ""});
        d.listingFont = lessonFont(11.25);
        addCaptionedBox(d, {0, "n", 120, 0, "3", Rect{1320, 360, 1335, 375}});
        addCaptionedBox(d, {1, "x", 120, 1, "1", Rect{1320, 720, 1335, 375}});
        addCaptionedBox(d, {2, "y", 120, 2, "3", Rect{1320, 1320, 1335, 375}});
        addCaptionedBox(d, {4, "呼び出しレベル", 120, 3, "", Rect{2040, 1800, 615, 375}});
        addFrame(d, "Frame4", -1, "MoveTo", Rect{6840, 4080, 3255, 1095});
        addLabel(d, "Label4", 3, "S", Rect{120, 300, 240, 255}, "Frame4");
        addTextBox(d, "Text1", 4, "", Rect{360, 240, 2775, 615}, "Frame4", lessonFont(9.75))
            .multiline = true;
        // The move list and the board, both outside the frames.
        Control list{"List1", -1, ControlKind::List, "", {}, Rect{6840, 6240, 3255, 2040}, {}};
        addControl(d, list);
        Control picture = list;
        picture.name = "Picture1";
        picture.kind = ControlKind::Picture;
        picture.rect = Rect{120, 6600, 6615, 1695};
        addControl(d, picture);
        return d;
    }();
    return d;
}

void checkStart(int n, int x, int y)
{
    if (n < 1 || n > HanoiBoard::capacity)
        throw Fault{"n の値 " + numeric::format(n) + " は 1～100 の範囲外です。"};
    if (x != 1) {
        throw Fault{"x の値 " + numeric::format(x) +
                    " では始められません。盤は 1 軸に置かれるため、x は 1 にしてください。"};
    }
    if (y < 1 || y > 3)
        throw Fault{"y の値 " + numeric::format(y) + " は 1～3 の範囲外です。"};
    if (y == x)
        throw Fault{"y の値 " + numeric::format(y) + " は x と同じ軸です。2 か 3 にしてください。"};
}

} // namespace

frmHanoi::frmHanoi() : Lesson(lessonDescription())
{
    bind(0, v.n, "n");
    bind(1, v.x, "x");
    bind(2, v.y, "y");
    bind(4, v.s, "S");
    bind(3, v.stack.level, "呼び出しレベル").read = false;
}

void frmHanoi::prepare(StepEffects& effects, const HanoiStack::Frame* outermost)
{
    v.stack.level = 0;
    effects.clearList();
    readPanel(Reading::Lenient);
    if (outermost) {
        int* const arguments[] = {&v.n, &v.x, &v.y}; // Text1(0), Text1(1), Text1(2)
        for (size_t k = 0; k < 3; ++k) {
            if (!panel_.text1[k].edited)
                *arguments[k] = (*outermost)[k];
        }
    }
    checkStart(v.n, v.x, v.y);
    v.board.setUp(v.n);
    effects.draw(v.board.picture());
}

void frmHanoi::afterLoad(StepEffects& effects)
{
    prepare(effects);
}

void frmHanoi::restart(StepEffects& effects)
{
    // Pressed during a run, the boxes show the arguments of whatever activation is current
    // (after five steps a two-disk problem towards peg 2); a teacher starting over expects
    // the problem the run began with.
    const bool pending = v.stack.level > 0;
    const HanoiStack::Frame outermost = pending ? v.stack.saved(0) : HanoiStack::Frame{};
    prepare(effects, pending ? &outermost : nullptr);
    line_ = 0;
}

int frmHanoi::callHanoi(int returnTo, StepEffects& effects)
{
    if (!v.stack.call({v.n, v.x, v.y, v.returnLine}, effects))
        return 9;
    const int third = sub(sub(6, v.x, "6-x"), v.y, "6-x-y"); // neither x nor y
    v.returnLine = returnTo;
    v.n = sub(v.n, 1, "n-1");
    if (returnTo == 6)
        v.y = third; // Hanoi(n-1, x, 6-x-y)
    else
        v.x = third; // Hanoi(n-1, 6-x-y, y)
    return 0;
}

int frmHanoi::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
        if (v.stack.level == 0)
            prepare(effects);
        return 2;
    case 1: return 2;
    case 2:
        if (v.n != 1)
            return 5;
        v.moveReturnLine = 3; // MoveTo(n, x, y)
        v.s.clear();
        return 10;
    case 3: return 9;
    case 4: return 5;
    case 5: return callHanoi(6, effects);
    case 6:
        v.moveReturnLine = 7; // MoveTo(n, x, y)
        v.s.clear();
        return 10;
    case 7: return callHanoi(8, effects);
    case 8: return 9;
    case 9: {
        HanoiStack::Frame caller{};
        const int returnTo = v.returnLine;
        if (!v.stack.ret(caller, effects)) {
            effects.message("関数実行終わり");
            return 0;
        }
        v.n = caller[0];
        v.x = caller[1];
        v.y = caller[2];
        v.returnLine = caller[3];
        return returnTo;
    }
    case 10: v.s.clear(); return 12;
    case 11: return 12;
    case 12:
        v.board.move(v.n, v.x, v.y);
        v.s = "第" + numeric::format(v.n) + "盤を" + numeric::format(v.x) + "軸から" +
              numeric::format(v.y) + "軸に移動";
        return 15;
    case 13:
    case 14: return 15;
    case 15:
        effects.appendList(v.s);
        effects.draw(v.board.picture());
        return 16;
    case 16: return v.moveReturnLine;
    }
    return line;
}

std::optional<bool> frmHanoi::test(int line) const
{
    if (line == 2)
        return v.n == 1;
    return std::nullopt;
}
