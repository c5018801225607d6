#pragma once

#include "lesson/lesson_model.h"

#include <string>

// The end message of every sort routine.
inline constexpr const char* sortDone = "ソート完了";

// A lesson whose routine sorts an array of random values: the array's boxes come first in
// the panel and are read first, go back to the window colour at every refresh, and take
// the program's next random values at load and from "配列値設定". V holds the array as
// `data`, with `shown` of its slots in boxes.
template <class V> class SortLesson : public Lesson<V>
{
protected:
    SortLesson(const LessonDescription& d, int shown, const std::string& name) : Lesson<V>(d)
    {
        dataBoxes_ = this->bindArray(BoxRef{}, this->v.data.data(), shown, name);
        this->resetOnRefresh(dataBoxes_);
        this->fillWithRandomValues(dataBoxes_);
    }

    void beforeLoad() override { this->drawRandomTexts(); }

    ArrayBoxes dataBoxes_;
};
