#pragma once

#include "lesson_model.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The lessons the program has, by form name ("frmTotal"). Windows and lesson-console
// create their models here; a menu button whose lesson is not registered stays disabled.
namespace lesson_registry
{

using Factory = std::unique_ptr<LessonModel> (*)();

void add(std::string form, Factory factory);
bool has(std::string_view form);
std::unique_ptr<LessonModel> create(std::string_view form);
std::vector<std::string> forms();

// Registers every lesson of the program (once; later calls do nothing).
void registerAll();

} // namespace lesson_registry

// Each lesson group registers its lessons in its own function.
void registerMaximumLessons();
void registerSearchLessons();
void registerRepetitionLessons();
void registerArrayLessons();
void registerRecursionLessons();
void registerSortingLessons();
