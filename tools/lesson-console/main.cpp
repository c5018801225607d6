#include "console.h"

#include <iostream>

int main()
{
    std::ios::sync_with_stdio(false);
    LessonConsole console(std::cout);
    console.run(std::cin);
    return 0;
}
