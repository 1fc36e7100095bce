// Run-length GIF encoder: runs of equal pixels are sent as the codes that any LZW decoder's table holds
// at that point, so the output is a valid LZW stream, written without a string table.
#pragma once

#include "TGIFEncoder.h"

#include <cstdint>

class TRLEEncoder : public TGIFEncoder
{
public:
    // Exposed for the tests: the codes needed to send count pixels as triangles of up to nrepcodes codes.
    static std::int64_t ComputeTriangleCount(std::int64_t count, std::int64_t nrepcodes);
    static std::int64_t IntegerSquareRoot(std::int64_t x);

protected:
    void Clear() override;
    void DoCompress() override;

private:
    void OutputPlain(int value);
    void Flush();
    void FlushFromClear(std::int64_t count);
    void FlushClearOrRepeat(std::int64_t count);
    void FlushWithTable(std::int64_t count);
    void ResetOutClear();

    int m_runPixel = -1;
    std::int64_t m_runCount = 0;
    int m_runTablePixel = -1;
    std::int64_t m_runTableMax = 0;
    std::int64_t m_outBump = 0;
    std::int64_t m_outClear = 0;
    std::int64_t m_outBumpInit = 0;
    std::int64_t m_outClearInit = 0;
    std::int64_t m_maxOCodes = 0;
    std::int64_t m_outCount = 0;
};
