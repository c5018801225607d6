#include "hanoi_board.h"

#include "lesson/checked.h"
#include "lesson/numeric.h"

#include <string>

namespace
{

void checkPeg(int peg, const char* name)
{
    if (peg < 1 || peg > 3)
        throw Fault{std::string(name) + " の値 " + numeric::format(peg) +
                    " は 1～3 の範囲外です。"};
}

} // namespace

Colour diskColour(int disk)
{
    constexpr Colour byRemainder[] = {colours::blue, colours::green, colours::yellow, colours::red};
    return byRemainder[((disk % 4) + 4) % 4];
}

void HanoiBoard::setUp(int disks)
{
    disks_ = disks;
    counts_ = {disks, 0, 0};
    for (int position = 0; position < disks; ++position)
        pegs_[0][static_cast<size_t>(position)] = disks - position;
}

int HanoiBoard::count(int peg) const
{
    return counts_[static_cast<size_t>(peg - 1)];
}

void HanoiBoard::move(int disk, int from, int to)
{
    checkPeg(from, "x");
    checkPeg(to, "y");
    if (from == to)
        throw Fault{"x と y が同じ軸 " + numeric::format(from) + " です。"};
    if (count(from) == 0)
        throw Fault{numeric::format(from) + "軸には盤がありません。"};
    if (disk < 1 || disk > disks_) {
        throw Fault{"n の値 " + numeric::format(disk) + " は盤の番号 1～" +
                    numeric::format(disks_) + " の範囲外です。"};
    }
    int& fromCount = counts_[static_cast<size_t>(from - 1)];
    int& toCount = counts_[static_cast<size_t>(to - 1)];
    // The disks on the board never outnumber the positions of a peg.
    --fromCount;
    pegs_[static_cast<size_t>(to - 1)][static_cast<size_t>(toCount)] = disk;
    ++toCount;
}

Picture HanoiBoard::picture() const
{
    using Kind = DrawOp::Kind;
    const float n = static_cast<float>(disks_);
    Picture picture;
    picture.ops.reserve(5 + 2 * static_cast<size_t>(disks_));
    picture.ops.push_back({Kind::Scale, 0, n + 2, 4, -0.1f, colours::black});
    for (int p = 1; p <= 3; ++p) {
        const float x = static_cast<float>(p);
        picture.ops.push_back({Kind::Fill, x - 0.01f, 0, x + 0.01f, n + 1, colours::black});
    }
    picture.ops.push_back({Kind::Fill, 0, 0, 4, -1, colours::black});
    for (int p = 1; p <= 3; ++p) {
        const size_t peg = static_cast<size_t>(p - 1);
        const float x = static_cast<float>(p);
        for (int j = 1; j <= counts_[peg]; ++j) {
            const int disk = pegs_[peg][static_cast<size_t>(j - 1)];
            const float w = static_cast<float>(0.49 * disk / disks_);
            const float bottom = static_cast<float>(j - 1);
            const float top = static_cast<float>(j);
            picture.ops.push_back({Kind::Fill, x - w, bottom, x + w, top, diskColour(disk)});
            picture.ops.push_back({Kind::Outline, x - w, bottom, x + w, top, colours::black});
            picture.pegs[peg].push_back(disk);
        }
    }
    return picture;
}
