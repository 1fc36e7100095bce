// Small types shared by the GIF codec: colours, versions, severities, option values and size limits.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct TGIFColor
{
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TGIFColor &, const TGIFColor &) = default;
};

using TGIFPalette = std::vector<TGIFColor>;

enum TGIFVersion : int { gvUnknown = 0, gv87a = 1, gv89a = 2 };

enum TGIFSeverity : int { gsInfo, gsWarning, gsError };

enum TProgressStage : int { psStarting, psRunning, psEnding };

enum TGIFCompression : int { gcLZW = 0, gcRLE = 1 };

// Reduction methods and ditherers by the numbers the options and the export form use.
enum TColorReduction : int {
    rmNone = 0,
    rmWindows20 = 1,
    rmWindows256 = 2,
    rmWindowsGray = 3,
    rmMonochrome = 4,
    rmGrayScale = 5,
    rmNetscape = 6,
    rmQuantize = 7,
    rmQuantizeWindows = 8,
    rmPalette = 9
};

enum TDitherMode : int {
    dmNearest = 0,
    dmFloydSteinberg = 1,
    dmStucki = 2,
    dmSierra = 3,
    dmJaJuNI = 4,
    dmSteveArche = 5,
    dmBurkes = 6
};

// Limits against hostile files: a 16-bit descriptor alone could ask for 4 GB per frame.
inline constexpr std::int64_t kGIFMaxFramePixels = std::int64_t(1) << 28;
inline constexpr std::int64_t kGIFMaxImagePixels = std::int64_t(1) << 30;

// Interlaced rows come in four passes: first row and step of each.
inline constexpr int kGIFPassStart[4] = {0, 4, 2, 1};
inline constexpr int kGIFPassStep[4] = {8, 8, 4, 2};

// LZW codes are at most 12 bits wide.
inline constexpr int kGIFMaxCodes = 4096;

// Receives a warning text of GIFText; decoding goes on.
using GIFWarningSink = std::function<void(const char *message)>;
