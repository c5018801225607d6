#pragma once

#include "assignment/summary.h"
#include "lesson/drawing.h"
#include "json/assignment_session.h"
#include "json/json_text.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

class LessonModel;
class Narration;

// The lessons a browser page has open, one model per form, and every action of a lesson
// window as a call that answers with JSON: the action's outcome and the view to paint.
// The page builds its windows from these answers and computes nothing of a lesson itself.
class LessonDesk
{
public:
    LessonDesk();
    ~LessonDesk();

    // The menus, lessons, code listings and opening screen.
    static json::Json catalog();
    // Loads the lesson of `form` unless it is open; answers its description and view.
    json::Json open(std::string_view form);
    // One action of the open lesson `form` (see docs/WEB.md for the actions): the answer
    // as the page is given it, a JSON text written at once, and as a Json.
    std::string answer(std::string_view form, std::string_view action, int index, int value,
                       std::string_view text);
    json::Json act(std::string_view form, std::string_view action, int index, int value,
                   std::string_view text);
    // The trace of the open lesson `form` as a CSV file, its bytes written to `bytes`:
    // answers {"fileName", "size"} for the date `date` (YYYY-MM-DD), or {"error"}. The
    // page downloads the bytes as they are, without a JSON text of 20 MB in between.
    json::Json exportCsv(std::string_view form, std::string_view date, std::string& bytes);
    // Closes `form`; its next open loads it afresh.
    json::Json close(std::string_view form);
    // Assignments, results and kept work (lesson_desk_work.cpp, docs/WEB.md): `now` is the
    // page's clock (milliseconds since the epoch).
    json::Json work(std::string_view action, std::string_view form, std::string_view text,
                    long long now);

private:
    // The drawing of a picture as last written, and what it was written from.
    struct Drawn {
        unsigned revision = 0;
        std::vector<DrawOp> ops;
        std::string text;
    };

    // An open lesson and what its screen reader has been told.
    struct OpenLesson {
        std::unique_ptr<LessonModel> model;
        std::unique_ptr<Narration> narration;
        std::optional<AssignmentSession> session;       // opened from an assignment
        std::shared_ptr<std::vector<std::string>> kept; // its kept work's new lines
        mutable Drawn drawn;
    };

    void writeView(json::Writer& out, const OpenLesson& lesson) const;
    json::Json view(const OpenLesson& lesson) const;
    json::Json opened(std::string_view form, bool loaded, const Outcome& outcome) const;
    json::Json openSession(std::variant<AssignmentSession, std::string> made,
                           std::shared_ptr<std::vector<std::string>> kept, const std::string& note,
                           bool resumed);

    std::map<std::string, OpenLesson, std::less<>> open_;
    std::vector<summary::File> summaryFiles_; // the teacher's summary's files
};
