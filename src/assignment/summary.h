#pragma once

#include "result.h"

#include <string>
#include <variant>
#include <vector>

// The teacher's view of a class's results (集計): one row per student, with the score always
// counted again from the answers, and one per question with the share of students right at
// their first answer. Files for another assignment, whose assignment was changed after its
// digest, whose score or judgements disagree with their answers, or that cannot be read are
// listed apart with the reason. The assignment counted is the one most files answer.
namespace summary
{

// A result file as read: its name and the result, or why it could not be read; and the
// digest of its assignment as the file holds it, worked out again.
struct File {
    std::string name;
    std::variant<Result, std::string> read;
    std::string digestOfAssignment;
};

struct Student {
    std::string file;
    std::string name;
    int asked = 0;
    int correct = 0;
    size_t attempts = 0;
    long long taken = 0; // milliseconds from the start to handing in
};

// A question as every student meets it at the same step of a run from the same start.
struct Question {
    int step = 0;
    std::string kind; // "line", "condition", "value"
    std::string text;
    int students = 0; // who answered it
    int right = 0;    // of them, right at their first answer
};

struct Rejected {
    std::string file;
    std::string why;
};

struct Summary {
    std::string title;
    std::string lesson;
    std::string digest;
    std::vector<Student> students;
    std::vector<Question> questions;
    std::vector<Rejected> rejected;
};

Summary make(const std::vector<File>& files);

// The summary's three tables as texts, as both front ends and the CSV file show them: the
// students, the questions and the files set apart, each with its caption and headers.
struct Table {
    std::string caption;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};
std::vector<Table> tables(const Summary& summary);

// The summary as a CSV file, written as the trace's is (UTF-8 with a byte order mark, CR LF,
// RFC 4180 quoting, formulas kept as text): the students, the questions, the files set apart.
std::string csv(const Summary& summary);

} // namespace summary
