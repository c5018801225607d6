#include "frmtablearray.h"

#include "array_layout.h"

namespace
{

const WindowShape shape{13665, 9015, 7095, 19, 360, 3975, 0};

constexpr std::array<int, 12> commonYear = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> leapYear = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The leap-year test of うるう年判定, with the remainders of signed division.
bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        const CommonLayout layout = arrange(shape);
        LessonDescription d =
            lessonWindow("frmTableArray", "配列を表として", shape.width, shape.height, layout,
                         {
                             "private int[,] 月日数= new int[,]",
                             "{ {31,28,31,30,31,30,31,31,30,31,30,31},",
                             "  {31,29,31,30,31,30,31,31,30,31,30,31},",
                             "};",
                             "private int 経過日数(int Y, int M, int D)",
                             "{",
                             "    int i;",
                             "    int 日数=D; ",
                             "    int X= うるう年判定(Y)",
                             "    for (i=1; i<M; i++)",
                             "       日数 += 月日数[X,i-1];",
                             "    return 日数;",
                             "}",
                             "private int うるう年判定(int Y) ",
                             "{",
                             "   int U=0;",
                             "   if (Y % 4 ==0 && Y % 100 !=0 || Y % 400 ==0) U=1;",
                             "   return U;",
                             "}",
                         },
                         {
                             note({"  月間日数の表の宣言です。"}),
                             note({"  月間日数の表の宣言です。"}),
                             note({"  月間日数の表の宣言です。。"}),
                             note({"  月間日数の表の宣言です。"}),
                             note({"  「経過日数」関数宣言です。"}),
                             note({"  関数本体の先頭です。"}),
                             note({"  整数型変数 i を宣言します。"}),
                             note({"  日数にD（日)を代入します。"}),
                             note({"  うるう年の判定を行い結果をXに代入します。"}),
                             note({"  iの初期値を1としてi<M（月）の間，次を繰返します。"}),
                             note({"  日数に月日数[X, i-1]を加算します。"}),
                             note({"  日数を関数値とします。"}),
                             note({"  関数の本体の最後です。"}),
                             note({"  「うるう年判定」関数宣言です。"}),
                             note({"  関数本体の先頭です。"}),
                             note({"  U=0とします。"}),
                             note({"  うるう年であればU=1とします。"}),
                             note({"  Uを関数値とします。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         conditionTable(19, {{9, "  i < M "}, {16, "  うるう年の判定 "}}));
        addLabel(d, "Label4", 0, "月日数[2,12]", Rect{240, 300, 1440, 255});
        addLabel(d, "lblTable", -1, "", Rect{240, 660, 1320, 3720});
        addBoxRows(d, "Frame3", RowPlace{360, 1920, 2760, 1095, 480},
                   {{3, "Y", 0, "2006"},
                    {8, "M", 1, "4"},
                    {1, "D", 2, "10"},
                    {2, "i", 3, "0"},
                    {5, "X", 4, "0"},
                    {6, "日数", 5, "0"},
                    {7, "関数値", 9}});
        addBoxFrame(d, "Frame4", "うるう年判定", besideFrame3(layout, shape.width, 0),
                    RowPlace{360, 120, 960, 1095, 480},
                    {{14, "Y", 6}, {4, "U", 7}, {15, "関数値", 8}});
        return d;
    }();
    return d;
}

} // namespace

frmTableArray::frmTableArray() : Lesson(lessonDescription())
{
    bind(0, v.y, "Y");
    bind(1, v.m, "M");
    bind(2, v.d, "D");
    bind(3, v.i, "i");
    bind(4, v.x, "X");
    bind(5, v.days, "日数");
    bind(6, v.leapY, "Y (うるう年判定)");
    bind(7, v.u, "U");
    bind(8, v.leapValue, "関数値 (うるう年判定)");
    bind(9, v.value, "関数値 (経過日数)");
    setStartLine(4);
}

void frmTableArray::beforeLoad()
{
    panel_.lblTable.clear();
    for (size_t month = 0; month < commonYear.size(); ++month) {
        table_[0][month] = commonYear[month];
        table_[1][month] = leapYear[month];
        panel_.lblTable +=
            std::to_string(commonYear[month]) + ", " + std::to_string(leapYear[month]) + ",\r\n";
    }
}

int frmTableArray::monthDays(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(table_.size()) || column < 0 ||
        column >= static_cast<int>(table_[0].size())) {
        throw Fault{"月日数[" + std::to_string(row) + "," + std::to_string(column) +
                    "] は配列の範囲 (0～2, 0～12) の外です。"};
    }
    return table_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int frmTableArray::run(int line, StepEffects&)
{
    switch (line) {
    case 4: return 6;
    case 6: return 7;
    case 7: v.days = v.d; return 8;
    case 8: v.leapY = v.y; return 13; // the call passes Y
    case 9: return v.i < v.m ? 10 : 11;
    case 10:
        v.days = checked::add(v.days, monthDays(v.x, v.i - 1), "日数 + 月日数[X,i-1]");
        v.i = checked::add(v.i, 1, "i + 1");
        return 9;
    case 11: v.value = v.days; return 12;
    case 12: return 4;
    case 13: return 15;
    case 15: v.u = 0; return 16;
    case 16:
        if (isLeapYear(v.leapY))
            v.u = 1;
        return 17;
    case 17: v.leapValue = v.u; return 18;
    case 18: // the return to line 8, and the start of the loop
        v.x = v.leapValue;
        v.i = 1;
        return 9;
    }
    return line;
}

std::optional<bool> frmTableArray::test(int line) const
{
    switch (line) {
    case 9: return v.i < v.m;
    case 16: return isLeapYear(v.leapY); // the routine tests its own parameter
    }
    return std::nullopt;
}
