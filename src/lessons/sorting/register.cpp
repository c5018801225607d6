#include "lesson/lesson_registry.h"

void registerSortingLessons() {}
