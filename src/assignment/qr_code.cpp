#include "qr_code.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace
{

// Error correction codewords per block and number of blocks, by version, for L and M.
constexpr std::array<int, 41> eccPerBlock[2] = {
    {0,  7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0,  10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
};
constexpr std::array<int, 41> blockCount[2] = {
    {0, 1, 1, 1,  1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {0,  1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
};

// The modules of a version that hold data and error correction, not function patterns.
int rawModules(int version)
{
    int result = (16 * version + 128) * version + 64;
    if (version >= 2) {
        const int align = version / 7 + 2;
        result -= (25 * align - 10) * align - 55;
        if (version >= 7)
            result -= 36;
    }
    return result;
}

int dataCodewords(int version, int level)
{
    return rawModules(version) / 8 - eccPerBlock[level][version] * blockCount[level][version];
}

std::vector<int> alignmentPositions(int version)
{
    if (version == 1)
        return {};
    const int count = version / 7 + 2;
    const int size = version * 4 + 17;
    const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
    std::vector<int> positions(static_cast<size_t>(count));
    positions[0] = 6;
    for (int i = count - 1, pos = size - 7; i >= 1; --i, pos -= step)
        positions[static_cast<size_t>(i)] = pos;
    return positions;
}

// Multiplication in GF(256) over x^8 + x^4 + x^3 + x^2 + 1.
unsigned char multiply(unsigned char a, unsigned char b)
{
    unsigned product = 0;
    for (int i = 7; i >= 0; --i) {
        product = (product << 1) ^ ((product >> 7) * 0x11D);
        product ^= ((b >> i) & 1u) * a;
    }
    return static_cast<unsigned char>(product);
}

// The Reed-Solomon remainder of `data` for a generator of `degree`.
std::vector<unsigned char> errorCorrection(const std::vector<unsigned char>& data, int degree)
{
    std::vector<unsigned char> generator(static_cast<size_t>(degree), 0);
    generator.back() = 1;
    unsigned char root = 1;
    for (int i = 0; i < degree; ++i) {
        for (size_t j = 0; j < generator.size(); ++j) {
            generator[j] = multiply(generator[j], root);
            if (j + 1 < generator.size())
                generator[j] ^= generator[j + 1];
        }
        root = multiply(root, 0x02);
    }
    std::vector<unsigned char> remainder(static_cast<size_t>(degree), 0);
    for (const unsigned char b : data) {
        const unsigned char factor = b ^ remainder.front();
        remainder.erase(remainder.begin());
        remainder.push_back(0);
        for (size_t j = 0; j < remainder.size(); ++j)
            remainder[j] ^= multiply(generator[j], factor);
    }
    return remainder;
}

bool maskBit(int mask, int x, int y)
{
    switch (mask) {
    case 0: return (x + y) % 2 == 0;
    case 1: return y % 2 == 0;
    case 2: return x % 3 == 0;
    case 3: return (x + y) % 3 == 0;
    case 4: return (x / 3 + y / 2) % 2 == 0;
    case 5: return x * y % 2 + x * y % 3 == 0;
    case 6: return (x * y % 2 + x * y % 3) % 2 == 0;
    default: return ((x + y) % 2 + x * y % 3) % 2 == 0;
    }
}

} // namespace

QrCode::QrCode(int version, Level level)
    : version_(version), level_(level), size_(version * 4 + 17),
      modules_(static_cast<size_t>(size_ * size_), 0), function_(modules_.size(), 0)
{
}

std::optional<QrCode> QrCode::encode(std::string_view bytes)
{
    for (const Level level : {Level::M, Level::L}) {
        const int l = level == Level::L ? 0 : 1;
        for (int version = 1; version <= 40; ++version) {
            const int capacity = dataCodewords(version, l);
            const int countBits = version <= 9 ? 8 : 16;
            if (4 + countBits + 8 * static_cast<int>(bytes.size()) > capacity * 8)
                continue;
            // The data: byte mode, the count, the bytes, the terminator, padding.
            std::vector<bool> bits;
            const auto put = [&bits](unsigned value, int n) {
                for (int i = n - 1; i >= 0; --i)
                    bits.push_back(((value >> i) & 1u) != 0);
            };
            put(0b0100, 4);
            put(static_cast<unsigned>(bytes.size()), countBits);
            for (const char c : bytes)
                put(static_cast<unsigned char>(c), 8);
            put(0, std::min(4, capacity * 8 - static_cast<int>(bits.size())));
            put(0, (8 - static_cast<int>(bits.size()) % 8) % 8);
            std::vector<unsigned char> data;
            for (size_t i = 0; i < bits.size(); i += 8) {
                unsigned char b = 0;
                for (size_t j = 0; j < 8; ++j)
                    b = static_cast<unsigned char>((b << 1) | bits[i + j]);
                data.push_back(b);
            }
            for (unsigned char pad = 0xEC; static_cast<int>(data.size()) < capacity;
                 pad ^= 0xEC ^ 0x11)
                data.push_back(pad);
            // Blocks with their error correction, interleaved.
            const int blocks = blockCount[l][version];
            const int ecc = eccPerBlock[l][version];
            const int raw = rawModules(version) / 8;
            const int shortBlocks = blocks - raw % blocks;
            const int shortLength = raw / blocks;
            std::vector<std::vector<unsigned char>> split;
            for (int b = 0, at = 0; b < blocks; ++b) {
                const int length = shortLength - ecc + (b < shortBlocks ? 0 : 1);
                std::vector<unsigned char> block(data.begin() + at, data.begin() + at + length);
                at += length;
                const std::vector<unsigned char> correction = errorCorrection(block, ecc);
                if (b < shortBlocks)
                    block.push_back(0); // a place that is skipped when interleaving
                block.insert(block.end(), correction.begin(), correction.end());
                split.push_back(std::move(block));
            }
            std::vector<unsigned char> codewords;
            for (size_t i = 0; i < split[0].size(); ++i) {
                for (int b = 0; b < blocks; ++b) {
                    if (i != static_cast<size_t>(shortLength - ecc) || b >= shortBlocks)
                        codewords.push_back(split[static_cast<size_t>(b)][i]);
                }
            }
            QrCode code(version, level);
            code.drawFunctionPatterns();
            code.placeData(codewords);
            int best = 0;
            long lowest = -1;
            for (int mask = 0; mask < 8; ++mask) {
                code.applyMask(mask);
                code.drawFormat(mask);
                const long p = code.penalty();
                if (lowest < 0 || p < lowest) {
                    lowest = p;
                    best = mask;
                }
                code.applyMask(mask); // undone
            }
            code.applyMask(best);
            code.drawFormat(best);
            return code;
        }
    }
    return std::nullopt;
}

void QrCode::setFunction(int x, int y, bool dark)
{
    const size_t at = static_cast<size_t>(y * size_ + x);
    modules_[at] = dark;
    function_[at] = 1;
}

void QrCode::drawFinder(int cx, int cy)
{
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const int x = cx + dx, y = cy + dy;
            const int d = std::max(std::abs(dx), std::abs(dy));
            if (x >= 0 && x < size_ && y >= 0 && y < size_)
                setFunction(x, y, d != 2 && d != 4);
        }
    }
}

void QrCode::drawFunctionPatterns()
{
    for (int i = 0; i < size_; ++i) {
        setFunction(6, i, i % 2 == 0);
        setFunction(i, 6, i % 2 == 0);
    }
    drawFinder(3, 3);
    drawFinder(size_ - 4, 3);
    drawFinder(3, size_ - 4);
    const std::vector<int> align = alignmentPositions(version_);
    const size_t n = align.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            if ((i == 0 && j == 0) || (i == 0 && j == n - 1) || (i == n - 1 && j == 0))
                continue; // the finders' corners
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx)
                    setFunction(align[i] + dx, align[j] + dy,
                                std::max(std::abs(dx), std::abs(dy)) != 1);
            }
        }
    }
    drawFormat(0); // (reserves its modules; drawn again with the mask chosen)
    drawVersion();
}

void QrCode::drawFormat(int mask)
{
    const int levelBits = level_ == Level::L ? 1 : 0;
    const int data = levelBits << 3 | mask;
    int remainder = data;
    for (int i = 0; i < 10; ++i)
        remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
    const int bits = (data << 10 | remainder) ^ 0x5412;
    const auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };
    for (int i = 0; i <= 5; ++i)
        setFunction(8, i, bit(i));
    setFunction(8, 7, bit(6));
    setFunction(8, 8, bit(7));
    setFunction(7, 8, bit(8));
    for (int i = 9; i < 15; ++i)
        setFunction(14 - i, 8, bit(i));
    for (int i = 0; i < 8; ++i)
        setFunction(size_ - 1 - i, 8, bit(i));
    for (int i = 8; i < 15; ++i)
        setFunction(8, size_ - 15 + i, bit(i));
    setFunction(8, size_ - 8, true); // the dark module
}

void QrCode::drawVersion()
{
    if (version_ < 7)
        return;
    int remainder = version_;
    for (int i = 0; i < 12; ++i)
        remainder = (remainder << 1) ^ ((remainder >> 11) * 0x1F25);
    const long bits = static_cast<long>(version_) << 12 | remainder;
    for (int i = 0; i < 18; ++i) {
        const bool dark = ((bits >> i) & 1) != 0;
        const int a = size_ - 11 + i % 3;
        const int b = i / 3;
        setFunction(a, b, dark);
        setFunction(b, a, dark);
    }
}

void QrCode::placeData(const std::vector<unsigned char>& codewords)
{
    size_t i = 0;
    const size_t total = codewords.size() * 8;
    for (int right = size_ - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        for (int vertical = 0; vertical < size_; ++vertical) {
            for (int j = 0; j < 2; ++j) {
                const int x = right - j;
                const bool upward = ((right + 1) & 2) == 0;
                const int y = upward ? size_ - 1 - vertical : vertical;
                const size_t at = static_cast<size_t>(y * size_ + x);
                if (!function_[at] && i < total) {
                    modules_[at] = (codewords[i >> 3] >> (7 - (i & 7))) & 1;
                    ++i;
                }
            }
        }
    }
}

void QrCode::applyMask(int mask)
{
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            const size_t at = static_cast<size_t>(y * size_ + x);
            if (!function_[at] && maskBit(mask, x, y))
                modules_[at] ^= 1;
        }
    }
}

long QrCode::penalty() const
{
    long result = 0;
    // Runs of five or more alike, and the finder-like pattern, in rows and columns.
    for (int pass = 0; pass < 2; ++pass) {
        for (int a = 0; a < size_; ++a) {
            int run = 0;
            bool last = false;
            unsigned window = 0;
            for (int b = 0; b < size_; ++b) {
                const bool d = pass == 0 ? dark(b, a) : dark(a, b);
                if (b > 0 && d == last) {
                    ++run;
                    if (run == 5)
                        result += 3;
                    else if (run > 5)
                        ++result;
                } else {
                    run = 1;
                    last = d;
                }
                window = ((window << 1) | d) & 0x7FF;
                if (b >= 10 && (window == 0x5D0 || window == 0x05D))
                    result += 40;
            }
        }
    }
    int darkCount = 0;
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            darkCount += dark(x, y);
            if (x + 1 < size_ && y + 1 < size_ && dark(x, y) == dark(x + 1, y) &&
                dark(x, y) == dark(x, y + 1) && dark(x, y) == dark(x + 1, y + 1))
                result += 3;
        }
    }
    const int total = size_ * size_;
    result += static_cast<long>(std::abs(darkCount * 20 - total * 10) / total) * 10;
    return result;
}
