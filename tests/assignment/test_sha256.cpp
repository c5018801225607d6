// SHA-256 against the standard's examples and the NIST test vectors, whose lengths fall on
// either side of the padding's block boundary.
#include "assignment/sha256.h"

#include <gtest/gtest.h>

TEST(Sha256, GivesTheStandardsDigests)
{
    const std::pair<std::string, std::string> vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopq"
         "rlmnopqrsmnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        // 55, 56 and 64 bytes: the length fits in the last block, just does not, a whole block.
        {std::string(55, 'x'), "d5e285683cd4efc02d021a5c62014694958901005d6f71e89e0989fac77e4072"},
        {std::string(56, 'x'), "04c26261370ee7541549d16dee320c723e3fd14671e66a099afe0a377c16888e"},
        {std::string(64, 'x'), "7ce100971f64e7001e8fe5a51973ecdfe1ced42befe7ee8d5fd6219506b5393c"},
    };
    for (size_t k = 0; k < std::size(vectors); ++k)
        EXPECT_EQ(Sha256::hex(vectors[k].first), vectors[k].second) << k;
}

TEST(Sha256, AddingInPiecesGivesTheSameDigest)
{
    const std::string text = std::string(200, 'q') + "課題の内容";
    for (const size_t split : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 128u, 205u}) {
        Sha256 sha;
        sha.add(std::string_view(text).substr(0, split));
        sha.add(std::string_view(text).substr(split));
        const auto digest = sha.finish();
        std::string hex;
        for (const auto byte : digest) {
            static constexpr char digits[] = "0123456789abcdef";
            hex += digits[byte >> 4];
            hex += digits[byte & 15];
        }
        EXPECT_EQ(hex, Sha256::hex(text)) << split;
    }
}
