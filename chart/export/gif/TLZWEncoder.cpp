// LZW encoder. The string table is an open-addressing table with linear probing: every probe sequence
// can reach every slot, so no picture can make an insert or a lookup run for ever, and the codes
// written are exactly those of a table that finds what was inserted since the last clear.
#include "TLZWEncoder.h"

#include <algorithm>
#include <array>

class TLZWEncoder::CodeTable
{
public:
    // Four times the most entries a table holds between clears keeps probe runs short.
    static constexpr std::uint32_t kSlots = 1u << 14;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    void Clear() { std::fill(m_slots.begin(), m_slots.end(), kEmpty); }

    // key = prefix << 8 | pixel (20 bits); the slot holds key << 12 | code.
    int Lookup(std::uint32_t key) const
    {
        for (std::uint32_t slot = Hash(key);; slot = (slot + 1) & (kSlots - 1)) {
            const std::uint32_t entry = m_slots[slot];
            if (entry == kEmpty)
                return -1;
            if ((entry >> 12) == key)
                return int(entry & 0xFFF);
        }
    }
    void Insert(std::uint32_t key, int code)
    {
        std::uint32_t slot = Hash(key);
        while (m_slots[slot] != kEmpty)
            slot = (slot + 1) & (kSlots - 1);
        m_slots[slot] = (key << 12) | std::uint32_t(code & 0xFFF);
    }

private:
    static std::uint32_t Hash(std::uint32_t key) { return (key * 2654435761u) >> (32 - 14); }

    std::array<std::uint32_t, kSlots> m_slots{};
};

TLZWEncoder::TLZWEncoder() = default;
TLZWEncoder::~TLZWEncoder() = default;

void TLZWEncoder::Clear()
{
    TGIFEncoder::Clear();
    m_table->Clear();
    m_freeEntry = m_clearCode + 2;
}

void TLZWEncoder::Output(int value)
{
    TGIFEncoder::Output(value);
    if (m_freeEntry > m_maxCode || m_clearFlag) {
        if (m_clearFlag) {
            m_bitsPerCode = m_initialBitSize;
            m_maxCode = (1 << m_bitsPerCode) - 1;
            m_clearFlag = false;
        } else {
            ++m_bitsPerCode;
            m_maxCode = m_bitsPerCode == 12 ? 4096 : (1 << m_bitsPerCode) - 1;
        }
    }
}

void TLZWEncoder::DoCompress()
{
    m_table = std::make_unique<CodeTable>();
    Clear();
    m_prefix = NextPixel();
    for (int c = NextPixel(); c >= 0; c = NextPixel()) {
        const std::uint32_t key = (std::uint32_t(m_prefix) << 8) | std::uint32_t(c);
        const int code = m_table->Lookup(key);
        if (code >= 0) {
            m_prefix = code;
            continue;
        }
        Output(m_prefix);
        m_prefix = c;
        if (m_freeEntry >= 4095) {
            Clear();
        } else {
            m_table->Insert(key, m_freeEntry);
            ++m_freeEntry;
        }
    }
    Output(m_prefix);
    m_table.reset();
}
