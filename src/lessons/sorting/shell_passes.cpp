#include "shell_passes.h"

#include "sort_lesson.h"

using checked::add;
using checked::sub;

bool ShellPasses::has(int line) const
{
    return line >= shape_.firstLine && line <= shape_.firstLine + End;
}

int& ShellPasses::element(ShellVariables& v, int index) const
{
    checked::checkIndex(index, shape_.storage, "Data");
    return v.data[static_cast<size_t>(index)];
}

int ShellPasses::element(const ShellVariables& v, int index) const
{
    checked::checkIndex(index, shape_.storage, "Data");
    return v.data[static_cast<size_t>(index)];
}

bool ShellPasses::shifting(const ShellVariables& v) const
{
    return v.j >= 0 && element(v, v.j) > v.tmp;
}

int ShellPasses::run(int line, ShellVariables& v, StepEffects& effects) const
{
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
        v.tmp = element(v, v.i);
        v.j = sub(v.i, v.h, "i - h");
        return next(ShiftTest);
    case ShiftTest: return shifting(v) ? next(Shift) : next(Place);
    case Shift:
        element(v, add(v.j, v.h, "j + h")) = element(v, v.j);
        v.j = sub(v.j, v.h, "j - h");
        return next(ShiftTest);
    case Place: element(v, add(v.j, v.h, "j + h")) = v.tmp; return next(Next);
    case Next: v.i = add(v.i, 1, "i + 1"); return next(IndexTest);
    case End: effects.message(sortDone); return 0;
    }
    return line;
}

std::optional<bool> ShellPasses::test(int line, const ShellVariables& v) const
{
    switch (static_cast<Row>(line - shape_.firstLine)) {
    case IncrementTest: return v.h > 0;
    case IndexTest: return v.i < shape_.length;
    case ShiftTest: return shifting(v);
    case Brace:
    case TakeAside:
    case Shift:
    case Place:
    case Next:
    case End: break;
    }
    return std::nullopt;
}

void ShellPasses::paintMarks(int line, const ShellVariables& v, const ArrayBoxes& data,
                             Marks& marks) const
{
    if (line < shape_.firstLine + ShiftTest || line > shape_.lastMarkedLine)
        return;
    marks.paint(data, v.i, colours::red);
    if (v.j >= 0)
        marks.paint(data, v.j, colours::blue);
}

int nextIncrement(int h)
{
    return add(checked::mul(h, 3, "h*3"), 1, "h*3+1");
}
