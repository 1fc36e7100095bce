// Run-length GIF encoder.
#include "TRLEEncoder.h"

std::int64_t TRLEEncoder::IntegerSquareRoot(std::int64_t x)
{
    if (x < 2)
        return x;
    std::int64_t r = 1;
    for (std::int64_t v = x; v != 0; v >>= 2)
        r <<= 1;
    for (;;) {
        const std::int64_t v = (x / r + r) / 2;
        if (v == r || v == r + 1)
            return r;
        r = v;
    }
}

std::int64_t TRLEEncoder::ComputeTriangleCount(std::int64_t count, std::int64_t nrepcodes)
{
    std::int64_t cost = 0;
    const std::int64_t perRepeat = nrepcodes * (nrepcodes + 1) / 2;
    if (perRepeat > 0 && count >= perRepeat) {
        cost += (count / perRepeat) * nrepcodes;
        count %= perRepeat;
    }
    if (count > 0) {
        std::int64_t n = IntegerSquareRoot(count);
        while (n * (n + 1) >= 2 * count)
            --n;
        while (n * (n + 1) < 2 * count)
            ++n;
        cost += n;
    }
    return cost;
}

void TRLEEncoder::Clear()
{
    m_outBump = m_outBumpInit;
    m_outClear = m_outClearInit;
    m_outCount = 0;
    m_runTableMax = 0;
    TGIFEncoder::Clear(); // the clear code goes out at the old width
    m_bitsPerCode = m_initialBitSize;
}

void TRLEEncoder::OutputPlain(int value)
{
    m_clearFlag = false;
    Output(value);
    ++m_outCount;
    if (m_outCount >= m_outBump) {
        ++m_bitsPerCode;
        m_outBump += std::int64_t(1) << (m_bitsPerCode - 1);
    }
    if (m_outCount >= m_outClear)
        Clear();
}

void TRLEEncoder::ResetOutClear()
{
    m_outClear = m_outClearInit;
    if (m_outCount >= m_outClear)
        Clear();
}

void TRLEEncoder::FlushFromClear(std::int64_t count)
{
    m_outClear = m_maxOCodes;
    m_runTablePixel = m_runPixel;
    std::int64_t n = 1;
    while (count > 0) {
        if (n == 1) {
            m_runTableMax = 1;
            OutputPlain(m_runPixel);
            --count;
        } else if (count >= n) {
            m_runTableMax = n;
            OutputPlain(int(m_baseCode + n - 2));
            count -= n;
        } else if (count == 1) {
            ++m_runTableMax;
            OutputPlain(m_runPixel);
            count = 0;
        } else {
            ++m_runTableMax;
            OutputPlain(int(m_baseCode + count - 2));
            count = 0;
        }
        n = m_outCount == 0 ? 1 : n + 1;
    }
    ResetOutClear();
}

void TRLEEncoder::FlushClearOrRepeat(std::int64_t count)
{
    const std::int64_t withClear = 1 + ComputeTriangleCount(count, m_maxOCodes);
    if (withClear < count) {
        Clear();
        FlushFromClear(count);
        return;
    }
    for (; count > 0; --count)
        OutputPlain(m_runPixel);
}

void TRLEEncoder::FlushWithTable(std::int64_t count)
{
    std::int64_t repeats = count / m_runTableMax;
    std::int64_t leftover = count % m_runTableMax;
    std::int64_t leftoverCost = leftover ? 1 : 0;
    if (m_outCount + repeats + leftoverCost > m_maxOCodes) {
        repeats = m_maxOCodes - m_outCount;
        leftover = count - repeats * m_runTableMax;
        leftoverCost = 1 + ComputeTriangleCount(leftover, m_maxOCodes);
    }
    if (1 + ComputeTriangleCount(count, m_maxOCodes) < repeats + leftoverCost) {
        Clear();
        FlushFromClear(count);
        return;
    }
    m_outClear = m_maxOCodes;
    for (; repeats > 0; --repeats)
        OutputPlain(int(m_baseCode + m_runTableMax - 2));
    if (leftover) {
        if (m_clearFlag)
            FlushFromClear(leftover);
        else if (leftover == 1)
            OutputPlain(m_runPixel);
        else
            OutputPlain(int(m_baseCode + leftover - 2));
    }
    ResetOutClear();
}

void TRLEEncoder::Flush()
{
    if (m_runCount == 1)
        OutputPlain(m_runPixel);
    else if (m_clearFlag)
        FlushFromClear(m_runCount);
    else if (m_runTableMax < 2 || m_runTablePixel != m_runPixel)
        FlushClearOrRepeat(m_runCount);
    else
        FlushWithTable(m_runCount);
    m_runCount = 0;
}

void TRLEEncoder::DoCompress()
{
    m_outBumpInit = m_clearCode - 1;
    m_outClearInit = m_bitsPerPixel <= 3 ? 9 : m_clearCode - 2;
    m_maxOCodes = 4095 - m_baseCode;
    Clear();
    m_runPixel = -1;
    m_runCount = 0;
    for (int c = NextPixel(); c >= 0; c = NextPixel()) {
        if (m_runCount > 0 && c != m_runPixel)
            Flush();
        if (c == m_runPixel) {
            ++m_runCount;
        } else {
            m_runPixel = c;
            m_runCount = 1;
        }
    }
    if (m_runCount > 0)
        Flush();
}
