#pragma once

#include <optional>
#include <string_view>
#include <vector>

// A QR code (ISO/IEC 18004) of a text in byte mode, for the link of an assignment shown on a
// projector: the smallest version that holds it at error correction level M (else L), the
// mask with the lowest penalty. Dark and light modules, row by row; the quiet zone around it
// is the viewer's.
class QrCode
{
public:
    // The code of `bytes`, or nothing when no version holds them.
    static std::optional<QrCode> encode(std::string_view bytes);

    int size() const { return size_; }
    int version() const { return version_; }
    bool dark(int x, int y) const { return modules_[static_cast<size_t>(y * size_ + x)] != 0; }

private:
    enum class Level { L, M };
    QrCode(int version, Level level);

    void drawFunctionPatterns();
    void drawFinder(int x, int y);
    void drawFormat(int mask);
    void drawVersion();
    void setFunction(int x, int y, bool dark);
    void placeData(const std::vector<unsigned char>& codewords);
    void applyMask(int mask);
    long penalty() const;

    int version_;
    Level level_;
    int size_;
    std::vector<unsigned char> modules_;
    std::vector<unsigned char> function_;
};
