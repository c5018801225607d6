#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// SHA-256 of a text, for the digest that ties a result to the assignment it answers and for
// the checksum of each line of the kept work. Bytes in, 32 bytes or 64 hexadecimal digits out.
class Sha256
{
public:
    Sha256();
    void add(std::string_view bytes);
    std::array<std::uint8_t, 32> finish();

    // The digest of `bytes` in lower-case hexadecimal.
    static std::string hex(std::string_view bytes);

private:
    void block(const std::uint8_t* data);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    std::uint64_t length_ = 0; // bytes added
};
