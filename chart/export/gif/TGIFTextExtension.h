// The two text extensions: plain text drawn in a grid of character cells, and comments.
#pragma once

#include "TGIFExtension.h"

#include <string>
#include <vector>

class TGIFTextExtension : public TGIFExtension
{
public:
    using TGIFExtension::TGIFExtension;

    std::uint8_t ExtensionType() const override { return bsPlainTextExtension; }
    std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const override;

    std::vector<std::string> &Text() { return m_text; }
    const std::vector<std::string> &Text() const { return m_text; }
    int Left = 0;
    int Top = 0;
    int GridWidth = 0;
    int GridHeight = 0;
    int CellWidth = 0;
    int CellHeight = 0;
    int ForegroundColorIndex = 0;
    int BackgroundColorIndex = 0;

protected:
    void LoadData(GIFInput &stream) override;
    void SaveData(GIFOutput &stream) const override;

private:
    std::vector<std::string> m_text;
};

class TGIFCommentExtension : public TGIFExtension
{
public:
    using TGIFExtension::TGIFExtension;

    std::uint8_t ExtensionType() const override { return bsCommentExtension; }
    std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const override;

    std::vector<std::string> &Text() { return m_text; }
    const std::vector<std::string> &Text() const { return m_text; }

protected:
    void LoadData(GIFInput &stream) override;
    void SaveData(GIFOutput &stream) const override;

private:
    std::vector<std::string> m_text;
};
