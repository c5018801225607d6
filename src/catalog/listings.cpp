#include "listings.h"

#include <initializer_list>
#include <string_view>

namespace
{

std::string lines(std::initializer_list<std::string_view> parts)
{
    std::string text;
    bool first = true;
    for (std::string_view part : parts) {
        if (!first)
            text += "\r\n";
        text += part;
        first = false;
    }
    return text;
}

// The twenty lines that find the 64 labels by name, shared by listings (b) and (c).
std::string labelSearchBlock()
{
    return lines({
        "   int i, j, X, ID;bool Flag;string Name;",
        "   X=-8;",
        "  for(i=0;i<8;i++)",
        "  {   X +=8;",
        "       for(j=0;j<8;j++)",
        "       {   ID=X+j+1;",
        "           Name=\"label\" + ID.ToString();",
        "           Flag=true;",
        "           foreach(Control myControl in this.Controls)",
        "           {",
        "               if(myControl.Name==Name)",
        "               {",
        "                   Flag=false;",
        "                   LabelDT[i,j]=(Label) myControl;",
        "                   break;",
        "               }",
        "               if(Flag) MessageBox.Show(\"初期化に失敗しました\");",
        "            }",
        "        }",
        "   }",
    });
}

std::string labelArrayByAssignment()
{
    std::string text = "\r\n";
    text +=
        lines({"private Label[,] LabelDT= new Label[8,8];", "private void ラベル配列化()", "{"});
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            text += "\r\n   LabelDT[" + std::to_string(r) + "," + std::to_string(c) + "] = label" +
                    std::to_string(8 * r + c + 1) + ";";
        }
        text += "\r\n"; // an empty line after each group
    }
    text += "\r\n}";
    return text;
}

std::string labelArrayBySearch()
{
    return "\r\n" +
           lines(
               {"private Label[,] LabelDT= new Label[8,8];", "private void ラベル配列化()", "{"}) +
           "\r\n" + labelSearchBlock() + "\r\n}";
}

std::string initialisation()
{
    std::string text = "\r\n";
    text += lines({
        "private int 解番号=0;",
        "private bool[] 行配置済み=new bool[8];      //　各行に王妃が配置済みかどうかを示す",
        "private bool[] 対角配置済みA=new bool[15];   //　対角/に王妃が配置済みかどうかを示す",
        "private bool[] 対角配置済みB=new bool[15];   //　対角\\に王妃が配置済みかどうかを示す",
        "private int[] 列位置= new int[8];           //  各列の王妃の位置",
        "private Label[,] LabelDT= new Label[8,8];",
        "private void 初期化()",
        "{",
    });
    text += "\r\n" + labelSearchBlock() + "\r\n";
    text += lines({
        "   for(i=0;i<8;i++) 列位置[i]=0;",
        "   for(i=0;i<8;i++) 行配置済み[i]=false;",
        "   for(i=0;i<15;i++) 対角配置済みA[i]= 対角配置済みB[i]=false;",
        "}",
    });
    return text;
}

std::string display()
{
    return "\r\n" +
           lines({
               " private void 表示()",
               " {",
               "　　for(int j=0;j<8;j++)",
               "    {",
               "         for(i=0;i<8;i++) LabelDT[j,i].Text=\"\";",
               "         LabelDT[j,列位置[j]].Text=\"●\";",
               "    }",
               "    解番号++;",
               "    MessageBox.Show(解番号.ToString() + \"番目の解表示\");",
               " }",
           }) +
           "\r\n";
}

std::string digitsWithoutLoop()
{
    return lines({
        "private int 桁数設定(int N)",
        "{",
        "     if (N == 0) return 1;",
        "     return ((int)Math.Log10((double)N) +1);",
        "}",
    });
}

} // namespace

CodeListing codeListing(char id)
{
    switch (id) {
    case 'a': return {"ラベルの配列化（最も直感的な方法）", 12, labelArrayByAssignment()};
    case 'b': return {"ラベルの配列化（ラベル名を探索して配列化）", 12, labelArrayBySearch()};
    case 'c': return {"初期化処理", 12, initialisation()};
    case 'd': return {"表示処理", 12, display()};
    case 'e': return {"繰返しを使わないで桁数を設定する方法", 14, digitsWithoutLoop()};
    default: return {};
    }
}

std::string_view codeListingIds()
{
    return "abcde";
}

Font listingFont(const CodeListing& listing)
{
    Font font = lessonFont(listing.fontSize);
    font.bold = false;
    return font;
}
