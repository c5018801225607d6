#include "lesson/lesson_registry.h"

void registerRecursionLessons() {}
