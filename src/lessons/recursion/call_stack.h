#pragma once

#include "lesson/lesson_model.h"
#include "lesson/numeric.h"

#include <array>
#include <string>

// The call stack that the recursive lessons show: the call level (0 for the outermost
// activation) and, for each pending activation, the arguments it saved when it made its
// call. It knows nothing of the routine; the lesson decides what is saved and what a return
// restores. A call with every level taken shows "スタックオーバ" and changes nothing.
template <size_t Slots, int Depth = 101> class CallStack
{
public:
    using Frame = std::array<int, Slots>;

    int level = 0;

    // Saves `arguments` at the current level and goes one level deeper; false (after the
    // message) when no level is left. The level box, when there is one, shows the new level.
    bool call(const Frame& arguments, StepEffects& effects, int levelBox = -1)
    {
        if (level >= Depth) {
            effects.message("スタックオーバ");
            return false;
        }
        saved_[static_cast<size_t>(level)] = arguments;
        ++level;
        showLevel(effects, levelBox);
        return true;
    }

    // Goes back one level and puts the arguments saved there into `arguments`; false at the
    // outermost level, where the routine has ended.
    bool ret(Frame& arguments, StepEffects& effects, int levelBox = -1)
    {
        if (level < 1)
            return false;
        --level;
        arguments = saved_[static_cast<size_t>(level)];
        showLevel(effects, levelBox);
        return true;
    }

    // The arguments the activation at `level` saved when it made its call (level 0: the
    // outermost activation). Valid for levels below the current one.
    const Frame& saved(int atLevel) const { return saved_[static_cast<size_t>(atLevel)]; }

private:
    void showLevel(StepEffects& effects, int levelBox) const
    {
        if (levelBox >= 0)
            effects.writeBox(levelBox, numeric::format(level));
    }

    std::array<Frame, static_cast<size_t>(Depth)> saved_{};
};

// The message of a function lesson whose outermost activation has returned its value.
inline std::string functionFinished(int value)
{
    return "関数実行終わり 関数値=" + numeric::format(value);
}
