#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets, callable from libFuzzer and from the corpus replay test. Each aborts
// when a property of its input does not hold.
namespace fuzz_targets
{

// The numeric reading of a box text, lenient and strict.
void numeric(const uint8_t* data, size_t size);

// lesson-console fed the data as its input lines.
void console(const uint8_t* data, size_t size);

} // namespace fuzz_targets
