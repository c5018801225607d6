#pragma once

#include "lesson/lesson_model.h"
#include "lesson/lesson_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Drives one lesson model as the student would and records every message box, so that a
// test reads like the lesson's worked runs.
class LessonDriver
{
public:
    explicit LessonDriver(const std::string& form)
    {
        lesson_registry::registerAll();
        model_ = lesson_registry::create(form);
        if (!model_)
            throw std::runtime_error("no lesson " + form);
        record(model_->load());
    }

    LessonModel& model() { return *model_; }
    const Panel& panel() const { return model_->panel(); }
    int line() const { return model_->line(); }

    // Presses "進む" `times` times; returns the lines it rested on after each press.
    std::vector<int> step(int times = 1)
    {
        std::vector<int> lines;
        for (int k = 0; k < times; ++k) {
            record(model_->step());
            lines.push_back(model_->line());
        }
        return lines;
    }
    // Presses "進む" until `line` is current, at least once and at most `limit` times;
    // returns the lines it rested on (one pass of a routine: stepTo(0)).
    std::vector<int> stepTo(int line, int limit = 1000)
    {
        std::vector<int> lines;
        do {
            record(model_->step());
            lines.push_back(model_->line());
        } while (model_->line() != line && static_cast<int>(lines.size()) < limit);
        return lines;
    }
    // Presses "進む" until a message box shows; the number of presses (0 when none shows
    // within `limit`).
    int stepUntilMessage(int limit)
    {
        for (int k = 1; k <= limit; ++k) {
            const size_t before = messages_.size();
            record(model_->step());
            if (messages_.size() > before)
                return k;
        }
        return 0;
    }
    void back() { record(model_->backToStart()); }
    void option(int k) { record(model_->clickOption(k)); }
    void fill() { record(model_->fillArray()); }
    void autoRun(const std::string& interval)
    {
        model_->setTimerText(interval);
        record(model_->startAutoRun());
    }
    void tick(int times = 1)
    {
        for (int k = 0; k < times; ++k)
            record(model_->tick());
    }

    void set(int box, const std::string& text)
    {
        ASSERT_TRUE(model_->setText(BoxGroup::Text1, box, text));
    }
    void set2(int box, const std::string& text)
    {
        ASSERT_TRUE(model_->setText(BoxGroup::Text2, box, text));
    }
    void check(BoxGroup group, int index, int value)
    {
        ASSERT_TRUE(model_->setCheck(group, index, value));
    }
    // Types the values into consecutive boxes from `first`.
    void setAll(int first, const std::vector<int>& values)
    {
        for (size_t k = 0; k < values.size(); ++k)
            set(first + static_cast<int>(k), std::to_string(values[k]));
    }

    const std::string& text(int box) const
    {
        return panel().text1.at(static_cast<size_t>(box)).text;
    }
    Colour colour(int box) const { return panel().text1.at(static_cast<size_t>(box)).colour; }
    std::vector<std::string> texts(int first, int count) const
    {
        std::vector<std::string> result;
        for (int k = first; k < first + count; ++k)
            result.push_back(text(k));
        return result;
    }
    // The boxes with another colour than the window's, as (box, colour) pairs.
    std::vector<std::pair<int, Colour>> marked() const
    {
        std::vector<std::pair<int, Colour>> result;
        for (size_t k = 0; k < panel().text1.size(); ++k) {
            if (panel().text1[k].exists && panel().text1[k].colour != Colour::window())
                result.emplace_back(static_cast<int>(k), panel().text1[k].colour);
        }
        return result;
    }
    const std::string& condition() const { return panel().condition; }

    // Messages shown so far (the last one, and all of them).
    const std::vector<std::string>& messages() const { return messages_; }
    std::string lastMessage() const { return messages_.empty() ? std::string() : messages_.back(); }
    bool lastRefused() const { return lastRefused_; }

private:
    void record(const Outcome& outcome)
    {
        lastRefused_ = outcome.refused;
        messages_.insert(messages_.end(), outcome.messages.begin(), outcome.messages.end());
    }

    std::unique_ptr<LessonModel> model_;
    std::vector<std::string> messages_;
    bool lastRefused_ = false;
};

// Digits of a list of numbers, as box texts.
inline std::vector<std::string> textsOf(const std::vector<int>& values)
{
    std::vector<std::string> result;
    for (const int value : values)
        result.push_back(std::to_string(value));
    return result;
}
