#include "lesson_registry.h"

#include <map>

namespace lesson_registry
{
namespace
{

std::map<std::string, Factory, std::less<>>& factories()
{
    static std::map<std::string, Factory, std::less<>> map;
    return map;
}

} // namespace

void add(std::string form, Factory factory)
{
    factories()[std::move(form)] = factory;
}

bool has(std::string_view form)
{
    return factories().find(form) != factories().end();
}

std::unique_ptr<LessonModel> create(std::string_view form)
{
    const auto found = factories().find(form);
    return found == factories().end() ? nullptr : found->second();
}

std::vector<std::string> forms()
{
    std::vector<std::string> names;
    for (const auto& entry : factories())
        names.push_back(entry.first);
    return names;
}

void registerAll()
{
    static const bool done = [] {
        registerMaximumLessons();
        registerSearchLessons();
        registerRepetitionLessons();
        registerArrayLessons();
        registerRecursionLessons();
        registerSortingLessons();
        return true;
    }();
    (void)done;
}

} // namespace lesson_registry
