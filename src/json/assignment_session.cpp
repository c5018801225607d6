#include "assignment_session.h"

#include "assignment_json.h"
#include "lesson/random_source.h"

std::variant<AssignmentSession, std::string> AssignmentSession::start(const Assignment& assignment,
                                                                      long long now, Sink sink)
{
    kept_work::Header header{assignment, assignment_json::digest(assignment), now, {}};
    std::variant<assignment::Opened, std::string> opened;
    {
        random_source::Recording draws;
        opened = assignment::open(assignment);
        header.loadDraws = draws.take();
    }
    if (std::string* error = std::get_if<std::string>(&opened))
        return std::move(*error);
    AssignmentSession session;
    session.assignment_ = assignment;
    session.digest_ = header.digest;
    session.started_ = now;
    session.model_ = std::move(std::get<assignment::Opened>(opened).model);
    session.outcome_ = std::move(std::get<assignment::Opened>(opened).outcome);
    if (sink) {
        sink(kept_work::headerLine(header));
        session.model_->setWorkListener(
            [sink](const WorkEntry& entry) { sink(kept_work::entryLine(entry)); });
    }
    return session;
}

std::variant<AssignmentSession, std::string> AssignmentSession::resume(const kept_work::Kept& kept,
                                                                       Sink sink)
{
    std::variant<assignment::Opened, std::string> opened;
    {
        const random_source::Replay draws(kept.header.loadDraws);
        opened = assignment::open(kept.header.assignment, true);
    }
    if (std::string* error = std::get_if<std::string>(&opened))
        return std::move(*error);
    AssignmentSession session;
    session.assignment_ = kept.header.assignment;
    session.digest_ = kept.header.digest;
    session.started_ = kept.header.started;
    session.model_ = std::move(std::get<assignment::Opened>(opened).model);
    session.outcome_ = std::move(std::get<assignment::Opened>(opened).outcome);
    LessonModel& model = *session.model_;
    for (const WorkEntry& entry : kept.entries)
        model.redo(entry);
    model.finishRedo();
    if (sink)
        model.setWorkListener(
            [sink](const WorkEntry& entry) { sink(kept_work::entryLine(entry)); });
    return session;
}

Result AssignmentSession::result(const LessonModel& model, std::string name, long long now) const
{
    return result::of(model, assignment_, digest_, std::move(name), started_, now);
}
