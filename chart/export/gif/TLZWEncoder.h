// True LZW encoder of GIF frames.
#pragma once

#include "TGIFEncoder.h"

#include <cstdint>
#include <memory>

class TLZWEncoder : public TGIFEncoder
{
public:
    TLZWEncoder();
    ~TLZWEncoder() override;

protected:
    void Output(int value) override;
    void Clear() override;
    void DoCompress() override;

private:
    class CodeTable;
    std::unique_ptr<CodeTable> m_table;
    int m_prefix = 0;
    int m_freeEntry = 0;
};
