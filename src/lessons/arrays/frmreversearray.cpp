#include "frmreversearray.h"

#include "array_layout.h"

namespace
{

// a.Length: the ten shown elements, not the eleven slots of storage.
constexpr int length = 10;

const WindowShape shape{12630, 7500, 6615, 14, 360, 3735, 0};

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        const CommonLayout layout = arrange(shape);
        LessonDescription d =
            lessonWindow("frmReverseArray", "配列の逆転", shape.width, shape.height, layout,
                         {
                             "private void 配列要素の逆転(ref int[] a)",
                             "{",
                             "     int n=a.Length;",
                             "     for (int i = 0; i < n / 2; i++)",
                             "     　　swap( ref a[i], ref a[n-i-1]); ",
                             "}",
                             "",
                             "private void swap( ref int X , ref int Y)",
                             "{",
                             "    int D = X;",
                             "    X = Y;",
                             "    Y = D;",
                             "}",
                             "",
                         },
                         {
                             note({"  「配列要素の逆転」処理の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  n に a の配列サイズを設定します。"}),
                             note({"  iの初期値を0として i < n/2 の間，", "以下を繰り返します。"}),
                             note({"  i番目とn-i-1番目を交換します。"}),
                             note({"  関数の本体の最後です。"}),
                             "",
                             note({"  「値交換」処理の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数DにXを代入します。"}),
                             note({"  XにYを代入します。"}),
                             note({"  YにDを代入します。"}),
                             note({"  関数の本体の最後です。"}),
                             "",
                         },
                         conditionTable(14, {{3, "　i < n/2"}}));
        addTenBoxColumn(d,
                        TenBoxColumn{"a( a.Length=10)",
                                     {"13", "22", "24", "34", "38", "44", "57", "63", "68", "84"},
                                     660,
                                     390,
                                     1335,
                                     360});
        addBoxRows(d, "Frame3", RowPlace{660, 2160, 2520, 1095, 480},
                   {{3, "n", 10, "24"}, {8, "i", 11}});
        addBoxFrame(d, "Frame4", "swap", besideFrame3(layout, shape.width, 0),
                    RowPlace{360, 240, 600, 1095, 480},
                    {{14, "D", 12}, {15, "X", 13}, {16, "Y", 14}});
        return d;
    }();
    return d;
}

} // namespace

frmReverseArray::frmReverseArray() : Lesson(lessonDescription())
{
    aBoxes_ = bindArray(BoxRef{}, v.a.data(), length, "a");
    bind(10, v.n, "n");
    bind(11, v.i, "i");
    bind(12, v.d, "D");
    bind(13, v.x, "X");
    bind(14, v.y, "Y");
    resetOnRefresh(aBoxes_);
}

int frmReverseArray::run(int line, StepEffects&)
{
    switch (line) {
    case 0: return 2;
    case 2:
        v.n = length;
        v.i = 0;
        return 3;
    case 3: return inFirstHalf() ? 4 : 5;
    case 4: // the call: X and Y stand for a[i] and a[n-i-1]
        v.x = at(v.a, v.i, "a");
        v.y = at(v.a, mirror(), "a");
        return 7;
    case 5: return 0;
    case 7: return 9;
    case 9: v.d = v.x; return 10;
    case 10:
        v.x = v.y;
        at(v.a, v.i, "a") = v.x;
        return 11;
    case 11:
        v.y = v.d;
        at(v.a, mirror(), "a") = v.y;
        return 12;
    case 12: v.i = checked::add(v.i, 1, "i + 1"); return 3;
    }
    return line;
}

std::optional<bool> frmReverseArray::test(int line) const
{
    if (line == 3)
        return inFirstHalf();
    return std::nullopt;
}

void frmReverseArray::paintMarks(int line, Marks& marks) const
{
    // The call and the body of swap mark the two elements being exchanged, blue last.
    if (line == 4 || (line >= 7 && line <= 13)) {
        marks.paint(aBoxes_, v.i, colours::red);
        marks.paint(aBoxes_, mirror(), colours::blue);
    }
}
