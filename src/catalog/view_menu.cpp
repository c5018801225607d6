#include "view_menu.h"

#include <array>
#include <cmath>

namespace zoom_steps
{
namespace
{

constexpr std::array<double, 8> steps{1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
constexpr double near = 0.005; // a factor this close to a step is on it

} // namespace

double larger(double factor)
{
    for (const double step : steps) {
        if (step > factor + near)
            return step;
    }
    return largest;
}

double smaller(double factor)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (*step < factor - near)
            return *step;
    }
    return smallest;
}

double bounded(double factor)
{
    if (!std::isfinite(factor))
        return smallest;
    return std::fmin(std::fmax(factor, smallest), largest);
}

std::string caption(double factor)
{
    return "表示の大きさ " + std::to_string(std::lround(bounded(factor) * 100)) + "%";
}

} // namespace zoom_steps
