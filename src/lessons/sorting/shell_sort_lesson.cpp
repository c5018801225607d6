#include "shell_sort_lesson.h"

using checked::add;
using checked::sub;

int nextIncrement(int h)
{
    return add(checked::mul(h, 3, "h*3"), 1, "h*3+1");
}

ShellTexts shellTexts(std::string heading, const std::vector<ShellTexts::Line>& own, int emptyLines,
                      int emptyRows)
{
    const std::vector<ShellTexts::Line> declarations = {
        {std::move(heading), note({"  関数の宣言です。"}), ""},
        {"{", note({"  関数の本体の先頭です。"}), ""},
        {" int i,j,h, Tmp;", note({"  ローカル変数の宣言です。"}), ""},
    };
    const std::vector<ShellTexts::Line> loops = {
        {"  for(i=h; i<Data.Length;i++)",
         note({"　i=hとしてi<配列サイズのあいだ", "  iを加算しながら", "  以下を繰り返します"}),
         "  i<Data.Length"},
        {"  {", "", ""},
        {"    Tmp=Data[i];", note({"  Tmp=Data[i]とします。"}), ""},
        {"    for(j=i-h; j>=0 && Data[j]>Tmp; j -= h)",
         note({"　j=i-hとしてj>=0かつData[j]>Tmpのあいだ", "  jをhだけ減じながら",
               "  以下を繰り返します"}),
         "  j>=0 && Data[j]>Tmp"},
        {"         Data[j+h]=Data[j];", note({"  Data[j+h]=Data[j]とします。"}), ""},
        {"    Data[j+h]=Tmp;", note({"　Data[j+h]=Tmpとします。"}), ""},
        {" }", note({""}), ""},
        {"}", note({"　関数の終わりです。"}), ""},
    };
    ShellTexts texts;
    for (const auto* part : {&declarations, &own, &loops}) {
        for (const ShellTexts::Line& line : *part) {
            texts.listing.push_back(line.text);
            texts.notes.push_back(line.note);
            texts.conditions.push_back(line.condition);
        }
    }
    texts.listing.insert(texts.listing.end(), static_cast<size_t>(emptyLines), "");
    texts.notes.insert(texts.notes.end(), static_cast<size_t>(emptyRows), "");
    texts.conditions.insert(texts.conditions.end(), static_cast<size_t>(emptyRows), "");
    return texts;
}

ShellSortLesson::ShellSortLesson(const LessonDescription& d, const Shape& shape)
    : SortLesson(d, shape.length, "Data"), shape_(shape)
{
    bind(shape.firstScalar, v.i, "i");
    bind(shape.firstScalar + 1, v.j, "j");
    bind(shape.firstScalar + 2, v.tmp, "Tmp");
    bind(shape.firstScalar + 3, v.h, "h");
}

bool ShellSortLesson::shared(int line) const
{
    return line >= shape_.firstLine && line <= shape_.firstLine + End;
}

int& ShellSortLesson::element(int index)
{
    checked::checkIndex(index, shape_.storage, "Data");
    return v.data[static_cast<size_t>(index)];
}

int ShellSortLesson::element(int index) const
{
    checked::checkIndex(index, shape_.storage, "Data");
    return v.data[static_cast<size_t>(index)];
}

bool ShellSortLesson::shifting() const
{
    return v.j >= 0 && element(v.j) > v.tmp;
}

int ShellSortLesson::run(int line, StepEffects& effects)
{
    if (!shared(line))
        return runHead(line);
    const auto next = [this](Row row) { return shape_.firstLine + row; };
    switch (static_cast<Row>(line - shape_.firstLine)) {
    case IncrementTest:
        if (v.h <= 0)
            return next(End);
        v.i = v.h;
        return next(IndexTest);
    case IndexTest:
        if (v.i < shape_.length)
            return next(TakeAside);
        v.h /= shape_.divisor; // a division by 2 or 3 stays in range
        return next(IncrementTest);
    case Brace: return next(TakeAside);
    case TakeAside:
        v.tmp = element(v.i);
        v.j = sub(v.i, v.h, "i - h");
        return next(ShiftTest);
    case ShiftTest: return shifting() ? next(Shift) : next(Place);
    case Shift:
        element(add(v.j, v.h, "j + h")) = element(v.j);
        v.j = sub(v.j, v.h, "j - h");
        return next(ShiftTest);
    case Place: element(add(v.j, v.h, "j + h")) = v.tmp; return next(Next);
    case Next: v.i = add(v.i, 1, "i + 1"); return next(IndexTest);
    case End: effects.message(sortDone); return 0;
    }
    return line;
}

std::optional<bool> ShellSortLesson::test(int line) const
{
    if (!shared(line))
        return testHead(line);
    switch (static_cast<Row>(line - shape_.firstLine)) {
    case IncrementTest: return v.h > 0;
    case IndexTest: return v.i < shape_.length;
    case ShiftTest: return shifting();
    case Brace:
    case TakeAside:
    case Shift:
    case Place:
    case Next:
    case End: break;
    }
    return std::nullopt;
}

void ShellSortLesson::paintMarks(int line, Marks& marks) const
{
    if (line < shape_.firstLine + ShiftTest || line > shape_.lastMarkedLine)
        return;
    marks.paint(dataBoxes_, v.i, colours::red);
    if (v.j >= 0)
        marks.paint(dataBoxes_, v.j, colours::blue);
}
