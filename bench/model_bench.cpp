// Speed of the lesson models: steps per second for every lesson (each step reads the panel,
// runs the step machine and refreshes), and one complete eight-queens run.
#include "lesson/lesson_registry.h"
#include "lesson/trace_export.h"
#include "lesson/trace_table.h"

#include <benchmark/benchmark.h>

namespace
{

void steps(benchmark::State& state, const std::string& form)
{
    std::unique_ptr<LessonModel> model = lesson_registry::create(form);
    model->load();
    for (auto _ : state) {
        const Outcome outcome = model->step();
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

// Steps with the prediction mode on (おまかせ), each answered right: the answer read and
// judged, the step, and the next question worked out on a copy of the step after it. Beside
// steps/<form>, what asking costs: at most one more step.
void predictedSteps(benchmark::State& state, const std::string& form)
{
    std::unique_ptr<LessonModel> model = lesson_registry::create(form);
    model->load();
    model->setClock([] { return 0LL; });
    model->setPredictionMode(prediction::Mode::Auto);
    for (auto _ : state) {
        if (const std::optional<prediction::Question>& q = model->question())
            model->setDraft(q->expected);
        const Outcome outcome = model->advance();
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

// Plain steps with the prediction mode on (おまかせ), no answer given: each step works out the
// next question on a copy of the step after it. Beside steps/<form>: what working out a
// question costs.
void askedSteps(benchmark::State& state, const std::string& form)
{
    std::unique_ptr<LessonModel> model = lesson_registry::create(form);
    model->load();
    model->setPredictionMode(prediction::Mode::Auto);
    for (auto _ : state) {
        const Outcome outcome = model->step();
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

// The whole run from the empty board: 65115 steps, each reading the panel and refreshing,
// with the trace recording a row a step or (`traced` false) switched off.
void eightQueensRun(benchmark::State& state, bool traced)
{
    for (auto _ : state) {
        std::unique_ptr<LessonModel> model = lesson_registry::create("frm8Queen");
        if (!traced)
            model->setTraceLimit(0);
        model->load();
        size_t messages = 0;
        for (int k = 0; k < 65115; ++k)
            messages += model->step().messages.size();
        if (messages != 93) // 92 solutions and the end
            state.SkipWithError("the run did not find 92 solutions");
    }
}

// The memory the step-back history takes after a hundred thousand steps.
void historyMemory(benchmark::State& state, const std::string& form)
{
    for (auto _ : state) {
        std::unique_ptr<LessonModel> model = lesson_registry::create(form);
        model->load();
        for (int k = 0; k < 100000; ++k)
            model->step();
        state.counters["states"] = static_cast<double>(model->history().states());
        state.counters["history_KiB"] = static_cast<double>(model->history().bytes()) / 1024.0;
    }
}

// The trace of a lesson after `steps` steps: its memory.
void traceMemory(benchmark::State& state, const std::string& form, int steps)
{
    for (auto _ : state) {
        std::unique_ptr<LessonModel> model = lesson_registry::create(form);
        model->load();
        for (int k = 0; k < steps; ++k)
            model->step();
        state.counters["rows"] = static_cast<double>(model->trace().size());
        state.counters["trace_KiB"] = static_cast<double>(model->trace().bytes()) / 1024.0;
        state.counters["bytes_per_row"] = static_cast<double>(model->trace().bytes()) /
                                          static_cast<double>(model->trace().size());
    }
}

// The CSV file of the complete eight-queens run.
void eightQueensCsv(benchmark::State& state)
{
    std::unique_ptr<LessonModel> model = lesson_registry::create("frm8Queen");
    model->load();
    for (int k = 0; k < 65115; ++k)
        model->step();
    size_t bytes = 0;
    for (auto _ : state) {
        const TraceTable table(*model);
        const std::string csv = trace_export::csv(table);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.counters["csv_KiB"] = static_cast<double>(bytes) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    lesson_registry::registerAll();
    for (const std::string& form : lesson_registry::forms())
        benchmark::RegisterBenchmark(("steps/" + form).c_str(), steps, form);
    for (const std::string& form : lesson_registry::forms())
        benchmark::RegisterBenchmark(("asked_steps/" + form).c_str(), askedSteps, form);
    for (const std::string& form : lesson_registry::forms())
        benchmark::RegisterBenchmark(("predicted_steps/" + form).c_str(), predictedSteps, form);
    if (lesson_registry::has("frm8Queen")) {
        benchmark::RegisterBenchmark("eight_queens_full_run", eightQueensRun, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("eight_queens_full_run/without_trace", eightQueensRun, false)
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* form : {"frmTotal", "frm8Queen", "frmHanoi", "frmSortQuick"}) {
        if (lesson_registry::has(form)) {
            benchmark::RegisterBenchmark((std::string("history_100000_steps/") + form).c_str(),
                                         historyMemory, std::string(form))
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    if (lesson_registry::has("frm8Queen")) {
        benchmark::RegisterBenchmark("trace/memory_eight_queens_run", traceMemory,
                                     std::string("frm8Queen"), 65115)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
        benchmark::RegisterBenchmark("trace/csv_eight_queens_run", eightQueensCsv)
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* form : {"frmTotal", "frm8Queen", "frmStack", "frmMultiLoop"}) {
        if (lesson_registry::has(form)) {
            benchmark::RegisterBenchmark((std::string("trace/memory_100000_steps/") + form).c_str(),
                                         traceMemory, std::string(form), 100000)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
