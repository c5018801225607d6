#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The fuzz targets, callable from libFuzzer and from the corpus replay test. Each aborts
// when a property of its input does not hold.
namespace fuzz_targets
{

// The numeric reading of a box text, lenient and strict.
void numeric(const uint8_t* data, size_t size);

// lesson-console fed the data as its input lines.
void console(const uint8_t* data, size_t size);

// The readers of files and links from elsewhere: an assignment (file and link), a result,
// kept work. Each either refuses with a message or reads a document that it writes again as
// it reads it; what it reads opens without fault.
void assignment(const uint8_t* data, size_t size);
void result(const uint8_t* data, size_t size);
void keptWork(const uint8_t* data, size_t size);

// Whether `text` is well-formed UTF-8: the targets' own reference, not the program's decoder.
bool wellFormedUtf8(std::string_view text);

} // namespace fuzz_targets
