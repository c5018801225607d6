#pragma once

#include "lesson/lesson_model.h"

#include <array>
#include <string>
#include <string_view>

// The string slots of the stack and queue lessons: ten shown in Text1(0) to Text1(9), and
// slot 10, which has no box but is still storage.
using Slots = std::array<std::string, 11>;
inline constexpr int shownSlots = 10;

// slots[pointer++] = value, as `Stack[SPointer++]=V` and `Que[QuePointer++]=V` do it;
// `increment` names the pointer's increment in a refusal ("SPointer + 1").
inline void storeAndAdvance(Slots& slots, int& pointer, const std::string& value,
                            std::string_view slotsName, std::string_view increment)
{
    at(slots, pointer, slotsName) = value;
    pointer = checked::add(pointer, 1, increment);
}

// A lesson on the ten slots whose two routines the option buttons choose: Option1 starts
// at one routine's header line, Option2 at the other's, at load, on "先頭に戻る" and on
// every option click. The slot boxes go back to the window colour on every refresh.
template <class V> class SlotLesson : public Lesson<V>
{
protected:
    SlotLesson(const LessonDescription& description, Slots V::*slots, const std::string& name,
               int option1Line, int option2Line)
        : Lesson<V>(description), option1Line_(option1Line), option2Line_(option2Line)
    {
        slots_ = this->bindArray(0, (this->v.*slots).data(), shownSlots, name);
        this->resetOnRefresh(slots_);
    }

    int startLine() const override
    {
        return this->panel_.option == 1 ? option1Line_ : option2Line_;
    }

    ArrayBoxes slots_;

private:
    int option1Line_;
    int option2Line_;
};
