#pragma once

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
    // One action of the open lesson `form` (see docs/WEB.md for the actions).
    json::Json act(std::string_view form, std::string_view action, int index, int value,
                   std::string_view text);
    // The trace of the open lesson `form` as a CSV file, its bytes written to `bytes`:
    // answers {"fileName", "size"} for the date `date` (YYYY-MM-DD), or {"error"}. The
    // page downloads the bytes as they are, without a JSON text of 20 MB in between.
    json::Json exportCsv(std::string_view form, std::string_view date, std::string& bytes);
    // Closes `form`; its next open loads it afresh.
    json::Json close(std::string_view form);

private:
    // An open lesson and what its screen reader has been told.
    struct OpenLesson {
        std::unique_ptr<LessonModel> model;
        std::unique_ptr<Narration> narration;
    };

    json::Json view(const LessonModel& model) const;

    std::map<std::string, OpenLesson, std::less<>> open_;
};
