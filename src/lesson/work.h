#pragma once

#include "panel.h"
#include "prediction.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The texts and choices a lesson window starts from in place of its own initial ones (an
// assignment's start): a box's text, a check box's value and the option, where given.
struct StartState {
    std::vector<std::optional<std::string>> text1;
    std::vector<std::optional<std::string>> text2;
    std::array<std::vector<std::optional<int>>, 3> checks; // Check1, Check2, Check3
    int option = 0;                                        // 1 or 2; 0: the lesson's own
};

// One thing the student did that changed a lesson window, as the kept work records it: what
// is needed to do it again exactly, the random draws it made and the answer it judged
// included. Doing every entry again from the same start gives the same lesson.
struct WorkEntry {
    enum class Kind : unsigned char {
        SetText,
        SetCheck,
        Step,
        BackToStart,
        Option,
        Fill,
        StepBack,
        Mode,
        TimerText
    };
    Kind kind = Kind::Step;
    BoxRef box;       // of a text or check box typed into
    int value = 0;    // the check box's value, the option clicked, the prediction mode
    std::string text; // the text typed (タイマ間隔's too), or of an answered step its 予想 cell
    std::vector<double> draws;
    std::optional<prediction::Attempt> attempt; // the answer a step judged before it ran
};
