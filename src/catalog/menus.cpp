#include "menus.h"

#include "lesson/added_buttons.h"

#include <algorithm>

namespace
{

// Buttons in twips: a column with a margin, rows of equal height.
constexpr int margin = 120;
constexpr int rowHeight = 495;
constexpr int rowStep = 585;
constexpr int gap = 120;

const std::vector<MenuTable> menus = {
    {"frmMain",
     "Trevisk",
     2865,
     4350,
     {
         {"Command1", "最大値を求める", "frmBasicAlgo", 0},
         {"Command4", "繰返し", "frmSumInteger", 1},
         {"Command5", "配列を使って", "frmArray", 2},
         {"Command2", "配列の合計値", "frmTotal", 3},
         {"Command3", "探索", "frmSearch", 4},
         {"Command6", "再帰的アルゴリズム", "frmRecursive", 5},
         {"Command7", "ソート", "frmSort", 6},
     }},
    {"frmBasicAlgo",
     "最大値",
     3615,
     0,
     {
         {"Command1", "３値の最大値", "frm3ValueMax", 0},
         {"Command2", "配列の最大値(While文)", "frmWhileMax", 1},
         {"Command3", "配列の最大値(For文)", "frmForMax", 2},
     }},
    {"frmSumInteger",
     "繰返し",
     3615,
     0,
     {
         {"Command1", "while文による整数の和", "frmWhileSum", 0},
         {"Command2", "for文による整数の和", "frmForSum", 1},
         {"Command3", "桁数のカウント", "frmKetaSum", 2},
         {"Command4", "繰返しを使わない方法", "listing:e", 3},
         {"Command5", "多重ループ", "frmMultiLoop", 4},
     }},
    {"frmArray",
     "配列を使って",
     4335,
     0,
     {
         {"Command1", "配列の逆転", "frmReverseArray", 0},
         {"Command2", "配列を表として", "frmTableArray", 1},
         {"Command4", "配列をスタックとして", "frmStack", 2},
         {"Command3", "配列を待ち行列として", "frmQue", 3},
         {"Command5", "サイクリックな待ち行列として", "frmQue2Main", 4},
     }},
    {"frmQue2Main",
     "サイクリックなQueの実現方法",
     4335,
     0,
     {
         {"Command1", "カウンタの処理", "frmQue2CountP", 0},
         {"Command2", "サイクリックなQue", "frmQue2", 1},
     }},
    {"frmSearch",
     "探索",
     3615,
     0,
     {
         {"Command1", "単純探索", "frmForSearch", 0},
         {"Command2", "番兵付き探索", "frmGuardSearch", 1},
         {"Command3", "2分探索", "frmBinarySearch", 2},
     }},
    {"frmRecursive",
     "再帰的アルゴリズム",
     4815,
     0,
     {
         {"Command1", "階乗の計算", "frmFact", 0},
         {"Command2", "繰返しによる階乗", "frmFactLoop", 0},
         {"Command3", "最大公約数（ユークリッドの互除法）", "frmGCD", 1},
         {"Command4", "ハノイの搭", "frmHanoi", 2},
         {"Command5", "8王妃問題", "frm8QueenMain", 3},
     }},
    {"frm8QueenMain",
     "8王妃問題",
     4815,
     0,
     {
         {"Command1", "ラベル配列化(その1)", "listing:a", 0},
         {"Command2", "ラベル配列化(その2)", "listing:b", 0},
         {"Command3", "初期化処理", "listing:c", 1},
         {"Command4", "表示処理", "listing:d", 1},
         {"Command5", "8王妃問題", "frm8Queen", 2},
     }},
    {"frmSort",
     "ソート",
     4335,
     0,
     {
         {"Command1", "値の交換", "frmSwap", 0},
         {"Command3", "単純交換法（バブルソート）", "frmSortBuble", 1},
         {"Command2", "単純挿入法", "frmSortSimpleInsert", 2},
         {"Command4", "単純選択法", "frmSortSimpleExchange", 3},
         {"Command5", "シェルソート", "frmSortShell", 4},
         {"Command7", "改良シェルソート", "frmSortShellExt", 5},
         {"Command6", "改良シェルソートの増分値", "frmSortShellExtInc", 6},
         {"Command8", "クイックソート", "frmSortQuick", 7},
     }},
};

} // namespace

const MenuTable* findMenu(std::string_view form)
{
    for (const MenuTable& menu : menus) {
        if (form == menu.form)
            return &menu;
    }
    return nullptr;
}

const std::vector<MenuTable>& allMenus()
{
    return menus;
}

MenuLayout layOut(const MenuTable& menu)
{
    int rows = 0;
    for (const MenuButton& button : menu.buttons)
        rows = std::max(rows, button.row + 1);
    MenuLayout layout;
    layout.width = menu.width;
    layout.height =
        menu.height > 0 ? menu.height : 2 * margin + rows * rowStep - (rowStep - rowHeight);
    const int width = menu.width - 2 * margin;
    for (const MenuButton& button : menu.buttons) {
        int count = 0;
        int position = 0;
        for (const MenuButton& other : menu.buttons) {
            if (other.row == button.row) {
                if (&other == &button)
                    position = count;
                ++count;
            }
        }
        const int cellWidth = (width - gap * (count - 1)) / count;
        layout.buttons.push_back(Rect{margin + position * (cellWidth + gap),
                                      margin + button.row * rowStep, cellWidth, rowHeight});
    }
    return layout;
}

IntroLayout introLayout(const IntroScreen& screen)
{
    IntroLayout l;
    const int width = added_buttons::pixels(screen.width);
    const int height = added_buttons::pixels(screen.height);
    l.iconCount = (width - 8) / (l.iconSize + l.iconGap);
    l.iconLeft = (width - l.iconCount * (l.iconSize + l.iconGap) + l.iconGap) / 2;
    l.iconTops = {6, height - 6 - l.iconSize};
    l.title = Rect{(width - 362) / 2, 70, 362, 48};
    l.sketch = Rect{width / 2 - 190, 150, 380, 190};
    for (size_t k = 0; k < screen.sketch.size(); ++k)
        l.sketchLines.push_back(Rect{10, 10 + 24 * static_cast<int>(k), 380 - 20, 20});
    const int buttonWidth = 120;
    const int buttonHeight = 36;
    const int buttonTop = height - l.iconSize - 20 - buttonHeight;
    l.start = Rect{width / 2 - buttonWidth - 20, buttonTop, buttonWidth, buttonHeight};
    l.end = Rect{width / 2 + 20, buttonTop, buttonWidth, buttonHeight};
    return l;
}
