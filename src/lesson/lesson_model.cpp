#include "lesson_model.h"

#include "numeric.h"
#include "random_source.h"
#include "typed_text.h"
#include "window_words.h"

#include <algorithm>
#include <charconv>

namespace
{

constexpr long long timerHighest = 2147483647LL;

int groupIndex(BoxGroup group)
{
    switch (group) {
    case BoxGroup::Check1: return 0;
    case BoxGroup::Check2: return 1;
    case BoxGroup::Check3: return 2;
    case BoxGroup::Text1:
    case BoxGroup::Text2: break;
    }
    return -1;
}

std::vector<Box> boxesOf(const LessonDescription& d, const char* name)
{
    std::vector<Box> boxes(static_cast<size_t>(d.arraySize(name)));
    for (const Control& control : d.controls) {
        if (control.name == name && control.index >= 0) {
            Box& box = boxes[static_cast<size_t>(control.index)];
            box.exists = true;
            box.text = control.caption;
        }
    }
    return boxes;
}

} // namespace

void StepEffects::writeBox(int text1Index, std::string text)
{
    boxWrites_.emplace_back(text1Index, std::move(text));
}

void Marks::paint(const ArrayBoxes& boxes, int element, Colour colour)
{
    if (element < 0 || element >= boxes.count)
        return;
    std::vector<Box>& group = boxes.group == BoxGroup::Text2 ? panel_.text2 : panel_.text1;
    const size_t index = static_cast<size_t>(boxes.firstBox + element);
    if (index < group.size() && group[index].exists)
        group[index].colour = colour;
}

void Marks::paintCell(int cell, Colour colour)
{
    if (cell >= 0 && static_cast<size_t>(cell) < panel_.cells.size())
        panel_.cells[static_cast<size_t>(cell)] = colour;
}

LessonModel::LessonModel(const LessonDescription& description)
    : description_(description), listingLines_(description.listingCount())
{
    panel_.text1 = boxesOf(description, "Text1");
    panel_.text2 = boxesOf(description, "Text2");
    const char* checkNames[] = {"Check1", "Check2", "Check3"};
    for (size_t g = 0; g < 3; ++g)
        panel_.checks[g].assign(static_cast<size_t>(description.arraySize(checkNames[g])), 0);
    panel_.option = description.has("Option1") ? 1 : 0;
    panel_.cells.assign(static_cast<size_t>(description.arraySize("lblP")), Colour::buttonFace());
    if (const Control* table = description.find("lblTable"))
        panel_.lblTable = table->caption;
    if (const Control* label6 = description.find("Label6"))
        panel_.label6 = label6->caption;
    if (const Control* time = description.find("txtTime"))
        panel_.txtTime = time->caption;
}

std::optional<bool> LessonModel::test(int) const
{
    return std::nullopt;
}

void LessonModel::paintMarks(int, Marks&) const {}

// --- bindings ---

void LessonModel::resolveBindings()
{
    checkRuns_.clear();
    boxWriters_.clear();
    allSaved_ = true;
    for (Binding& binding : bindings_) {
        binding.savedInteger =
            binding.integer ? static_cast<const int*>(savedCopyOf(binding.integer)) : nullptr;
        binding.savedText =
            binding.text ? static_cast<const std::string*>(savedCopyOf(binding.text)) : nullptr;
        if ((binding.integer && !binding.savedInteger) || (binding.text && !binding.savedText))
            allSaved_ = false;
        const int check = groupIndex(binding.box.group);
        if (check >= 0) {
            std::vector<int>& values = panel_.checks[static_cast<size_t>(check)];
            const size_t index = static_cast<size_t>(binding.box.index);
            binding.checkValue = index < values.size() ? &values[index] : nullptr;
        } else {
            binding.target = box(binding.box);
        }
        if (!binding.write)
            continue;
        if (binding.checkValue && binding.integer) {
            CheckRun* last = checkRuns_.empty() ? nullptr : &checkRuns_.back();
            const auto index = static_cast<std::uint32_t>(&binding - bindings_.data());
            if (last && last->checks + last->count == binding.checkValue &&
                last->values + last->count == binding.integer &&
                last->firstBinding + last->count == index)
                ++last->count;
            else
                checkRuns_.push_back(CheckRun{binding.checkValue, binding.integer, 1, index});
        } else if (binding.target)
            boxWriters_.push_back(&binding);
    }
}

LessonModel::Binding& LessonModel::addBinding(Binding binding)
{
    bindings_.push_back(std::move(binding));
    resolveBindings();
    isPending_.push_back(0);
    return bindings_.back();
}

LessonModel::Binding& LessonModel::bind(BoxRef box, int& variable, std::string name, Width width)
{
    Binding binding;
    binding.box = box;
    binding.name = std::move(name);
    binding.width = width;
    binding.integer = &variable;
    return addBinding(std::move(binding));
}

LessonModel::Binding& LessonModel::bind(int text1Index, int& variable, std::string name,
                                        Width width)
{
    return bind(BoxRef{BoxGroup::Text1, text1Index}, variable, std::move(name), width);
}

LessonModel::Binding& LessonModel::bind(int text1Index, std::string& variable, std::string name)
{
    Binding binding;
    binding.box = BoxRef{BoxGroup::Text1, text1Index};
    binding.name = std::move(name);
    binding.text = &variable;
    return addBinding(std::move(binding));
}

ArrayBoxes LessonModel::bindArray(BoxRef first, int* elements, int count, const std::string& name,
                                  Width width)
{
    for (int k = 0; k < count; ++k) {
        bind(BoxRef{first.group, first.index + k}, elements[k],
             name + "[" + std::to_string(k) + "]", width);
    }
    return ArrayBoxes{first.group, first.index, count};
}

ArrayBoxes LessonModel::bindArray(int firstBox, std::string* elements, int count,
                                  const std::string& name)
{
    for (int k = 0; k < count; ++k)
        bind(firstBox + k, elements[k], name + "[" + std::to_string(k) + "]");
    return ArrayBoxes{BoxGroup::Text1, firstBox, count};
}

Box* LessonModel::box(BoxRef ref)
{
    std::vector<Box>* group = ref.group == BoxGroup::Text1   ? &panel_.text1
                              : ref.group == BoxGroup::Text2 ? &panel_.text2
                                                             : nullptr;
    if (!group || ref.index < 0 || static_cast<size_t>(ref.index) >= group->size())
        return nullptr;
    Box& b = (*group)[static_cast<size_t>(ref.index)];
    return b.exists ? &b : nullptr;
}

// --- reading and writing the panel ---

void LessonModel::readBinding(const Binding& binding, Reading reading)
{
    if (binding.checkValue) {
        if (binding.integer)
            *binding.integer = *binding.checkValue;
        return;
    }
    const Box* b = binding.target;
    if (!b)
        return;
    if (binding.text) {
        if (*binding.text != b->text)
            *binding.text = b->text;
        return;
    }
    if (!b->edited) {
        *binding.integer = static_cast<int>(b->written);
        return;
    }
    const std::string range = checked::rangeText(binding.width);
    double value = 0;
    if (reading == Reading::Strict) {
        const std::optional<double> strict = numeric::readStrict(b->text);
        if (!strict) {
            if (b->text.find_first_not_of(" \t\r\n") == std::string::npos)
                throw Fault{binding.name + " の値が空です。" + range +
                            " の数値を入力してください。"};
            throw Fault{binding.name + " の値「" + typed_text::shortened(b->text) +
                        "」は数値ではありません。" + range + " の数値を入力してください。"};
        }
        value = *strict;
    } else {
        value = numeric::read(b->text);
    }
    const double rounded = numeric::roundHalfEven(value);
    if (!(rounded >= static_cast<double>(checked::lowest(binding.width)) &&
          rounded <= static_cast<double>(checked::highest(binding.width)))) {
        throw Fault{binding.name + " の値 " + numeric::describe(rounded, b->text) + " は " + range +
                    " の範囲外です。"};
    }
    *binding.integer = static_cast<int>(rounded);
}

void LessonModel::readPanel(Reading reading)
{
    for (const Binding& binding : bindings_) {
        if (binding.read)
            readBinding(binding, reading);
    }
}

void LessonModel::readEditedBoxes(Reading reading)
{
    if (pending_.empty()) {
        for (const int index : alwaysRead_)
            readBinding(bindings_[static_cast<size_t>(index)], reading);
        return;
    }
    // Both lists in binding order, so that the first bad box is the one reported.
    std::vector<int> indices = alwaysRead_;
    indices.insert(indices.end(), pending_.begin(), pending_.end());
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (const int index : indices)
        readBinding(bindings_[static_cast<size_t>(index)], reading);
}

void LessonModel::markEdited(BoxRef ref)
{
    for (size_t k = 0; k < bindings_.size(); ++k) {
        const Binding& binding = bindings_[k];
        if (binding.box.group == ref.group && binding.box.index == ref.index && binding.read &&
            k < isPending_.size() && !isPending_[k]) {
            isPending_[k] = 1;
            pending_.push_back(static_cast<int>(k));
        }
    }
}

void LessonModel::writeBinding(const Binding& binding)
{
    if (binding.checkValue) {
        if (binding.integer)
            *binding.checkValue = *binding.integer;
        return;
    }
    Box* b = binding.target;
    if (!b)
        return;
    if (binding.text) {
        if (b->edited || b->text != *binding.text)
            b->text = *binding.text;
        b->edited = false;
        return;
    }
    if (!b->edited && b->written == *binding.integer)
        return; // the box already shows this value
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), *binding.integer);
    const std::string_view text(digits, static_cast<size_t>(result.ptr - digits));
    if (b->text != text)
        b->text.assign(text);
    b->edited = false;
    b->written = *binding.integer;
}

void LessonModel::drawRandomTexts()
{
    if (!randomBoxes_)
        return;
    for (int k = 0; k < randomBoxes_->count; ++k) {
        const BoxRef ref{randomBoxes_->group, randomBoxes_->firstBox + k};
        if (Box* b = box(ref)) {
            b->text = numeric::format(random_source::nextValue1To99());
            b->edited = true;
            markEdited(ref);
        }
    }
}

// --- the transaction and the refresh ---

Outcome LessonModel::transact(bool inStep, const std::function<void(StepEffects&)>& body)
{
    saveVariables();
    const int savedLine = line_;
    StepEffects effects;
    std::string suffix;
    Trace::Truth shown = Trace::Truth::None;
    try {
        body(effects);
        try {
            if (const std::optional<bool> truth = test(line_)) {
                suffix = *truth ? " : True" : " : False";
                shown = *truth ? Trace::Truth::True : Trace::Truth::False;
            }
        } catch (const Fault&) {
            if (inStep)
                throw;
            suffix.clear(); // a refresh outside a step shows the condition alone
            shown = Trace::Truth::None;
        }
    } catch (const Fault& fault) {
        restoreVariables();
        line_ = savedLine;
        stopTimer();
        return Outcome{{fault.message}, true};
    }
    truth_ = shown;
    apply(effects);
    paint(suffix); // every bound box now shows its variable again
    for (const int index : pending_)
        isPending_[static_cast<size_t>(index)] = 0;
    pending_.clear();
    return Outcome{std::move(effects.messages_), false};
}

void LessonModel::apply(StepEffects& effects)
{
    for (auto& [index, text] : effects.boxWrites_) {
        if (Box* b = box(BoxRef{BoxGroup::Text1, index})) {
            b->text = std::move(text);
            b->edited = true;
            markEdited(BoxRef{BoxGroup::Text1, index});
        }
    }
    if (effects.clearList_)
        panel_.list.clear();
    for (std::string& item : effects.listAppends_)
        panel_.list.push_back(std::move(item));
    if (effects.label6_)
        panel_.label6 = std::move(*effects.label6_);
    if (effects.picture_) {
        const unsigned revision = panel_.picture.revision + 1;
        panel_.picture = std::move(*effects.picture_);
        panel_.picture.revision = revision;
    }
    if (effects.stopAutoRun_)
        stopTimer();
}

void LessonModel::paint(const std::string& suffix)
{
    panel_.highlight = line_;
    const std::string& note = noteOf(line_);
    if (panel_.note != note)
        panel_.note = note;
    for (const ArrayBoxes& boxes : resettable_) {
        for (int k = 0; k < boxes.count; ++k) {
            if (Box* b = box(BoxRef{boxes.group, boxes.firstBox + k}))
                b->colour = Colour::window();
        }
    }
    for (Colour& cell : panel_.cells)
        cell = Colour::buttonFace();
    Marks marks(panel_);
    paintMarks(line_, marks);
    const std::string& condition = conditionOf(line_);
    if (panel_.condition.size() != condition.size() + suffix.size() ||
        panel_.condition.compare(0, condition.size(), condition) != 0 ||
        panel_.condition.compare(condition.size(), std::string::npos, suffix) != 0) {
        panel_.condition.assign(condition).append(suffix);
    }
    for (const CheckRun& run : checkRuns_) {
        if (std::equal(run.values, run.values + run.count, run.checks))
            continue;
        for (size_t k = 0; k < run.count; ++k) {
            if (run.checks[k] != run.values[k]) {
                run.checks[k] = run.values[k];
                touched_.push_back(run.firstBinding + static_cast<std::uint32_t>(k));
            }
        }
    }
    for (const Binding* binding : boxWriters_) {
        const Box* b = binding->target;
        if (!b->edited &&
            (binding->integer ? b->written == *binding->integer : b->text == *binding->text))
            continue; // most boxes already show their value
        touched_.push_back(static_cast<std::uint32_t>(binding - bindings_.data()));
        writeBinding(*binding);
    }
}

const std::string& LessonModel::conditionOf(int line) const
{
    static const std::string none;
    const std::vector<std::string>& conditions = description_.conditions;
    return line >= 0 && static_cast<size_t>(line) < conditions.size()
               ? conditions[static_cast<size_t>(line)]
               : none;
}

// --- the student's actions ---

Outcome LessonModel::load()
{
    return loadFrom(nullptr);
}

Outcome LessonModel::loadFrom(const StartState* start)
{
    alwaysRead_.clear();
    for (size_t k = 0; k < bindings_.size(); ++k) {
        if (bindings_[k].read && !bindings_[k].write)
            alwaysRead_.push_back(static_cast<int>(k));
    }
    resolveBindings(); // the read and write flags are final now
    Outcome outcome = transact(false, [this, start](StepEffects& effects) {
        beforeLoad();
        if (start)
            applyStart(*start);
        readPanel(Reading::Lenient);
        line_ = startLine();
        afterLoad(effects);
    });
    std::vector<Trace::Column> columns;
    for (const Binding& binding : bindings_) {
        const bool check = groupIndex(binding.box.group) >= 0;
        // A value that the refresh writes into a box is compared only when the refresh
        // touched its box; any other at every row.
        const bool written =
            binding.write && (binding.target || (binding.checkValue && binding.integer));
        columns.push_back(Trace::Column{binding.name,
                                        binding.text ? Trace::Kind::Text
                                        : check      ? Trace::Kind::Check
                                                     : Trace::Kind::Integer,
                                        binding.integer, binding.text, !written});
    }
    trace_.reset(std::move(columns));
    startSection(0);
    traceRow(Trace::Event::Load, -1, outcome);
    history_.reset(currentState());
    ask(false);
    return outcome;
}

Outcome LessonModel::step()
{
    return predictedStep(nullptr);
}

Outcome LessonModel::predictedStep(const Trace::Predicted* predicted,
                                   const prediction::Attempt* attempt)
{
    judged_.reset();
    const int ran = line_;
    Outcome outcome;
    {
        random_source::Recording draws;
        outcome = transact(true, [this](StepEffects& effects) {
            readEditedBoxes(stepReading_);
            line_ = run(line_, effects);
        });
        if (!outcome.refused) {
            traceRow(Trace::Event::Step, ran, outcome, {}, predicted);
            // The history keeps the prediction with the step, for the trace row of a replay.
            LessonAction action{LessonAction::Kind::Step, {}, 0, {}, draws.take()};
            if (predicted) {
                action.value = 1 + static_cast<int>(predicted->judgement);
                action.text = predicted->text;
            }
            if (attempt) { // (the question was worked out on this very step: it ran)
                attempts_.add(*attempt);
                judged_ = *attempt;
            }
            if (keeping())
                keep(WorkEntry{WorkEntry::Kind::Step,
                               {},
                               0,
                               action.text,
                               action.draws,
                               attempt ? std::optional(*attempt) : std::nullopt});
            remember(std::move(action), true);
            ++stepInSection_;
        }
    }
    ask(outcome.refused); // a refused step changed nothing, the answer being made included
    return outcome;
}

Outcome LessonModel::tick()
{
    if (!panel_.timer.enabled || panel_.timer.interval <= 0)
        return {};
    return step();
}

Outcome LessonModel::backToStart()
{
    judged_.reset();
    Outcome outcome;
    {
        random_source::Recording draws;
        outcome = transact(false, [this](StepEffects& effects) { restart(effects); });
        if (!outcome.refused) {
            startSection(replayedSection_);
            traceRow(Trace::Event::BackToStart, -1, outcome);
            std::vector<double> drawn = draws.take();
            if (keeping())
                keep(WorkEntry{WorkEntry::Kind::BackToStart, {}, 0, {}, drawn, std::nullopt});
            remember(
                LessonAction{
                    LessonAction::Kind::BackToStart, {}, 0, {}, std::move(drawn), section_},
                true);
        }
    }
    ask(outcome.refused);
    return outcome;
}

Outcome LessonModel::clickOption(int k)
{
    if (panel_.option == 0 || (k != 1 && k != 2))
        return {};
    judged_.reset();
    panel_.option = k;
    Outcome outcome = transact(false, [this](StepEffects&) { line_ = startLine(); });
    if (!outcome.refused) {
        startSection(replayedSection_);
        traceRow(k == 1 ? Trace::Event::Option1 : Trace::Event::Option2, -1, outcome);
    }
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::Option, {}, k, {}, {}, std::nullopt});
    remember(LessonAction{LessonAction::Kind::Option, {}, k, {}, {}, section_}, true);
    ask(false);
    return outcome;
}

Outcome LessonModel::fillArray()
{
    if (!randomBoxes_)
        return {};
    judged_.reset();
    random_source::Recording draws;
    drawRandomTexts();
    // The row shows the new values: the boxes hold them, and the next step reads them.
    std::vector<Trace::Shown> shown;
    for (size_t k = 0; k < bindings_.size(); ++k) {
        const Binding& binding = bindings_[k];
        const BoxRef ref = binding.box;
        if (binding.target && binding.integer && ref.group == randomBoxes_->group &&
            ref.index >= randomBoxes_->firstBox &&
            ref.index < randomBoxes_->firstBox + randomBoxes_->count) {
            const double value = numeric::read(binding.target->text);
            shown.push_back(Trace::Shown{k, static_cast<Trace::Value>(value)});
        }
    }
    startSection(replayedSection_);
    traceRow(Trace::Event::Fill, -1, Outcome{}, shown);
    std::vector<double> drawn = draws.take();
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::Fill, {}, 0, {}, drawn, std::nullopt});
    remember(LessonAction{LessonAction::Kind::Fill, {}, 0, {}, std::move(drawn), section_}, true);
    ask(false); // (a look ahead at the next step draws apart from the fill's draws)
    return {};
}

Outcome LessonModel::startAutoRun()
{
    if (!autoRunAllowed_)
        return Outcome{{std::string(window_words::autoRunForbidden)}, true};
    const double rounded = numeric::roundHalfEven(numeric::read(panel_.txtTime));
    if (!(rounded >= 0.0 && rounded <= static_cast<double>(timerHighest))) {
        return Outcome{{"タイマ間隔 " + numeric::describe(rounded, panel_.txtTime) +
                        " は 0～2147483647 の範囲外です。"},
                       true};
    }
    panel_.timer.interval = static_cast<int>(rounded);
    panel_.timer.enabled = true;
    ask(true); // auto-run asks nothing
    return {};
}

void LessonModel::stopAutoRun()
{
    const bool running = panel_.timer.enabled && panel_.timer.interval > 0;
    stopTimer();
    if (running)
        ask(true); // a question for the step from where it stopped
}

void LessonModel::stopTimer()
{
    panel_.timer.interval = 100;
    panel_.timer.enabled = false;
}

const std::string& LessonModel::noteOf(int line) const
{
    static const std::string none;
    const std::vector<std::string>& notes = description_.notes;
    if (line < 0 || static_cast<size_t>(line) >= notes.size())
        return none;
    return notes[static_cast<size_t>(line)];
}

std::string LessonModel::boxName(BoxRef ref) const
{
    for (const Binding& binding : bindings_) {
        if (binding.box.group == ref.group && binding.box.index == ref.index)
            return binding.name;
    }
    return {};
}

bool LessonModel::setText(BoxGroup group, int index, std::string text)
{
    Box* b = box(BoxRef{group, index});
    if (!b)
        return false;
    b->text = text;
    b->edited = true;
    markEdited(BoxRef{group, index});
    traceTyped(BoxRef{group, index}, text);
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::SetText, BoxRef{group, index}, 0, text, {}, std::nullopt});
    remember(
        LessonAction{LessonAction::Kind::SetText, BoxRef{group, index}, 0, std::move(text), {}},
        false);
    ask(true); // the step reads what was typed
    return true;
}

bool LessonModel::setCheck(BoxGroup group, int index, int value)
{
    const int g = groupIndex(group);
    if (g < 0 || (value != 0 && value != 1))
        return false;
    std::vector<int>& values = panel_.checks[static_cast<size_t>(g)];
    if (index < 0 || static_cast<size_t>(index) >= values.size())
        return false;
    values[static_cast<size_t>(index)] = value;
    markEdited(BoxRef{group, index});
    traceTyped(BoxRef{group, index}, value ? "1" : "0");
    if (keeping())
        keep(WorkEntry{
            WorkEntry::Kind::SetCheck, BoxRef{group, index}, value, {}, {}, std::nullopt});
    remember(LessonAction{LessonAction::Kind::SetCheck, BoxRef{group, index}, value, {}, {}},
             false);
    ask(true);
    return true;
}

// --- the trace ---

void LessonModel::traceRow(Trace::Event event, int ran, const Outcome& outcome,
                           std::span<const Trace::Shown> shown, const Trace::Predicted* predicted)
{
    if (event == Trace::Event::Fill) {
        // What was typed into a box the fill wrote is gone; the rest waits for the step.
        trace_.forgetTyped([&](size_t column) {
            return std::any_of(shown.begin(), shown.end(),
                               [column](const Trace::Shown& s) { return s.column == column; });
        });
    } else if (event != Trace::Event::Step) {
        // The refresh wrote the boxes again: only a box it leaves alone keeps what was typed.
        trace_.forgetTyped([this](size_t column) {
            const Box* b = bindings_[column].target;
            return !b || !b->edited;
        });
    }
    // "配列値設定" does not refresh: the condition stays as the row before showed it.
    const Trace::Truth truth = event == Trace::Event::Fill ? trace_.truth() : truth_;
    trace_.record(event, ran, line_, truth, outcome.messages, touched_, shown, predicted);
    touched_.clear();
}

void LessonModel::startSection(int replayed)
{
    section_ = replaying_ ? replayed : ++sectionsMade_;
    stepInSection_ = 0;
}

void LessonModel::traceTyped(BoxRef ref, const std::string& text)
{
    for (size_t k = 0; k < bindings_.size(); ++k) {
        const Binding& binding = bindings_[k];
        if (binding.read && binding.box.group == ref.group && binding.box.index == ref.index) {
            trace_.typed(k, text);
            // A check box keeps no mark of the edit: the next row compares it in any case.
            if (touched_.empty() || touched_.back() != k)
                touched_.push_back(static_cast<std::uint32_t>(k));
        }
    }
}
