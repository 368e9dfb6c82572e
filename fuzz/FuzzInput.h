#pragma once
// Reads the fuzzer's bytes as a stream of small decisions. Past the end every read gives zero, so
// any input, the empty one too, builds a valid value.
#include <QString>
#include <cstddef>
#include <cstdint>

namespace tralyx::fuzz {

class clsFuzzInput {
public:
    clsFuzzInput(const uint8_t* pbytData, size_t plngSize) : mpbytData(pbytData), mlngSize(plngSize) {}

    bool Empty() const { return mlngPos >= mlngSize; }
    size_t Left() const { return Empty() ? 0 : mlngSize - mlngPos; }
    uint8_t Byte() { return Empty() ? 0 : mpbytData[mlngPos++]; }
    bool Bool() { return (Byte() & 1) != 0; }
    // A number from 0 to plngMax, both included.
    uint32_t Upto(uint32_t plngMax)
    {
        if (plngMax == 0) return 0;
        uint32_t lngValue = Byte();
        if (plngMax > 255) lngValue = lngValue << 8 | Byte();
        return lngValue % (plngMax + 1);
    }
    // A text of up to plngMaxPieces pieces, most of them chosen from the pieces that matter to the
    // file formats (delimiters, tags, line breaks, blanks, markers, characters beyond ASCII), some
    // of them any UTF-16 unit at all (unpaired surrogates and unwritable characters included).
    QString Text(uint32_t plngMaxPieces);

private:
    const uint8_t* mpbytData;
    size_t mlngSize;
    size_t mlngPos = 0;
};

}  // namespace tralyx::fuzz
