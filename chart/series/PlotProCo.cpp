// The English gallery texts, in table order.
#include "PlotProCo.h"

#include <QStringList>

namespace PlotProCo {

namespace {

struct Texts
{
    QStringList texts;
    bool initialised = false;
};

Texts &store()
{
    static Texts instance;
    return instance;
}

void ensureInitialised()
{
    if (!store().initialised)
        SetGalleryTexts();
}

// A carriage return breaks a gallery name over two lines.
QStringList englishTexts()
{
    return {
        QStringLiteral("Polar"), // 1
        QStringLiteral("Candle"), // 2
        QStringLiteral("Volume"), // 3
        QStringLiteral("Surface"), // 4
        QStringLiteral("Contour"), // 5
        QStringLiteral("Bezier"), // 6
        QStringLiteral("Point 3D"), // 7
        QStringLiteral("Radar"), // 8
        QStringLiteral("Donut"), // 9
        QStringLiteral("Cursor"), // 10
        QStringLiteral("Bar 3D"), // 11
        QStringLiteral("Big Candle"), // 12
        QStringLiteral("Line Point"), // 13
        QStringLiteral("Histogram"), // 14
        QStringLiteral("Water Fall"), // 15
        QStringLiteral("Wind Rose"), // 16
        QStringLiteral("Clock"), // 17
        QStringLiteral("Color Grid"), // 18
        QStringLiteral("BoxPlot"), // 19
        QStringLiteral("Horizontal\rBoxPlot"), // 20
        QStringLiteral("Bar Join"), // 21
        QStringLiteral("Smith"), // 22
        QStringLiteral("Pyramid"), // 23
        QStringLiteral("Map"), // 24
        QStringLiteral("VolumePipe"), // 25
        QStringLiteral("Polynomial degree must be between 1 and 20"), // 26
        QStringLiteral("Answer Vector index must be between 1 and %d"), // 27
        QStringLiteral("Cannot process fitting"), // 28
        QStringLiteral("Period must be >= 0"), // 29
        QStringLiteral("ExpAverage Weight must be between 0 and 1"), // 30
        QStringLiteral("Error Bar"), // 31
        QStringLiteral("Error"), // 32
        QStringLiteral("High-Low"), // 33
        QStringLiteral("Momentum"), // 34
        QStringLiteral("Momentum\rDivision"), // 35
        QStringLiteral("Exponential\rAverage"), // 36
        QStringLiteral("Moving\rAverage"), // 37
        QStringLiteral("Exp.Moving\rAverage"), // 38
        QStringLiteral("R.S.I."), // 39
        QStringLiteral("Curve Fitting"), // 40
        QStringLiteral("Trend"), // 41
        QStringLiteral("Exponential\rTrend"), // 42
        QStringLiteral("Logarithmic\rTrend"), // 43
        QStringLiteral("Cumulative"), // 44
        QStringLiteral("Standard\rDeviation"), // 45
        QStringLiteral("Bollinger\rbands"), // 46
        QStringLiteral("Root Mean\rSquare"), // 47
        QStringLiteral("MACD"), // 48
        QStringLiteral("Stochastic"), // 49
        QStringLiteral("ADX"), // 50
        QStringLiteral("Count"), // 51
        QStringLiteral("Open Plot..."), // 52
        QStringLiteral("Save Plot..."), // 53
        QStringLiteral("Plot Pro files"), // 54
        QStringLiteral("Other"), // 55
        QStringLiteral("Stats"), // 56
        QStringLiteral("Cannot find Series editor Form: %s"), // 57
        QStringLiteral("Date"), // 58
        QStringLiteral("Open"), // 59
        QStringLiteral("High"), // 60
        QStringLiteral("Low"), // 61
        QStringLiteral("Close"), // 62
        QStringLiteral("Offset"), // 63
        QStringLiteral("StdError"), // 64
        QStringLiteral("Grid 3D"), // 65
        QStringLiteral("Number of Bezier points should be > 1"), // 66
        QStringLiteral("Normal"), // 67
        QStringLiteral("Edit"), // 68
        QStringLiteral("Print"), // 69
        QStringLiteral("Copy"), // 70
        QStringLiteral("Save"), // 71
        QStringLiteral("3D"), // 72
        QStringLiteral("Rotation: %d° Elevation: %d°"), // 73
        QStringLiteral("Rotate"), // 74
        QStringLiteral("Horiz.Offset: %d Vert.Offset: %d"), // 75
        QStringLiteral("Move"), // 76
        QStringLiteral("Zoom: %d %%"), // 77
        QStringLiteral("Zoom"), // 78
        QStringLiteral("3D: %d %%"), // 79
        QStringLiteral("Depth"), // 80
        QStringLiteral("Chart"), // 81
        QStringLiteral("Panel"), // 82
        QStringLiteral("Drag %s to Rotate"), // 83
        QStringLiteral("Drag %s to Move"), // 84
        QStringLiteral("Drag %s to Zoom"), // 85
        QStringLiteral("Drag %s to resize 3D"), // 86
        QStringLiteral("Drag Left button to Zoom, Right button to Scroll"), // 87
        QStringLiteral("Drag a Pie Slice to Explode it"), // 88
        QStringLiteral("Slice: %d Exploded: %d %%"), // 89
        QStringLiteral("Number of points must be >= 4"), // 90
        QStringLiteral("All colinear data points"), // 91
        QStringLiteral("Similar XYZ points. Cannot calculate triangles."), // 92
        QStringLiteral("Triangle Surf."), // 93
        QStringLiteral("All Series"), // 94
        QStringLiteral("Edit"), // 95
        QStringLiteral("Financial"), // 96
        QStringLiteral("Cursor"), // 97
        QStringLiteral("Drag Marks"), // 98
        QStringLiteral("Axis Arrows"), // 99
        QStringLiteral("Draw Line"), // 100
        QStringLiteral("Nearest Point"), // 101
        QStringLiteral("Color Band"), // 102
        QStringLiteral("Color Line"), // 103
        QStringLiteral("Rotate"), // 104
        QStringLiteral("Image"), // 105
        QStringLiteral("Mark Tips"), // 106
        QStringLiteral("Annotation"), // 107
        QStringLiteral("Can not delete ancestor"), // 108
        QStringLiteral("Load..."), // 109
        QStringLiteral("Chart"), // 110
        QStringLiteral("Chart Series"), // 111
        QStringLiteral("&3D"), // 112
        QStringLiteral("Switch 2D / 3D"), // 113
        QStringLiteral("&Active"), // 114
        QStringLiteral("Show / Hide Series"), // 115
        QStringLiteral("Edit Chart"), // 116
        QStringLiteral("&Edit..."), // 117
        QStringLiteral("Copy to Clipboard"), // 118
        QStringLiteral("&Copy"), // 119
        QStringLiteral("Print preview Chart"), // 120
        QStringLiteral("&Print..."), // 121
        QStringLiteral("Show / Hide Axes"), // 122
        QStringLiteral("&Axes"), // 123
        QStringLiteral("Show / Hide Grids"), // 124
        QStringLiteral("&Grids"), // 125
        QStringLiteral("Show / Hide Legend"), // 126
        QStringLiteral("&Legend"), // 127
        QStringLiteral("Edit Series"), // 128
        QStringLiteral("Show / Hide Series Marks"), // 129
        QStringLiteral("&Marks"), // 130
        QStringLiteral("Save Chart"), // 131
        QStringLiteral("&Save..."), // 132
        QStringLiteral("Bar"), // 133
        QStringLiteral("No Open"), // 134
        QStringLiteral("No Close"), // 135
        QStringLiteral("No High"), // 136
        QStringLiteral("No Low"), // 137
        QStringLiteral("Color Range"), // 138
        QStringLiteral("Wireframe"), // 139
        QStringLiteral("Dot Frame"), // 140
        QStringLiteral("Positions"), // 141
        QStringLiteral("No Grid"), // 142
        QStringLiteral("No Point"), // 143
        QStringLiteral("No Line"), // 144
        QStringLiteral("Labels"), // 145
        QStringLiteral("No Circle"), // 146
        QStringLiteral("Lines"), // 147
        QStringLiteral("Border"), // 148
        QStringLiteral("Resistance"), // 149
        QStringLiteral("Reactance"), // 150
        QStringLiteral("Column"), // 151
        QStringLiteral("Separator"), // 152
        QStringLiteral("Segment "), // 153
        QStringLiteral("Funnel"), // 154
        QStringLiteral("0.00 %"), // 155
        QStringLiteral("Exceeds quota"), // 156
        QStringLiteral(" within quota"), // 157
        QStringLiteral(" or more below quota"), // 158
        QStringLiteral("Calendar"), // 159
        QStringLiteral("DeltaPoint"), // 160
        QStringLiteral("ImagePoint"), // 161
        QStringLiteral("ImageBar"), // 162
        QStringLiteral("SeriesText: Field index should be greater than zero."), // 163
        QStringLiteral("Origin"), // 164
        QStringLiteral("Transparency"), // 165
        QStringLiteral("Box"), // 166
        QStringLiteral("ExtrOut"), // 167
        QStringLiteral("MildOut"), // 168
        QStringLiteral("Page Number"), // 169
        QStringLiteral("Text File"), // 170
        QStringLiteral("Drag Point"), // 171
        QStringLiteral("OpportunityValues"), // 172
        QStringLiteral("QuoteValues"), // 173
        QStringLiteral("Smoothing"), // 174
        QStringLiteral("Cross Points"), // 175
        QStringLiteral("3D Grid Transpose"), // 176
        QStringLiteral("Compression"), // 177
        QStringLiteral("Extra Legend"), // 178
        QStringLiteral("Close Location\rValue"), // 179
        QStringLiteral("On Balance\rVolume"), // 180
        QStringLiteral("Commodity\rChannel Index"), // 181
        QStringLiteral("Volume\rOscillator"), // 182
        QStringLiteral("Series Animation"), // 183
        QStringLiteral("Point & Figure"), // 184
        QStringLiteral("Up"), // 185
        QStringLiteral("Down"), // 186
        QStringLiteral("Gantt Drag"), // 187
        QStringLiteral("XML file"), // 188
        QStringLiteral("Grid Band"), // 189
        QStringLiteral("Performance"), // 190
        QStringLiteral("Gauge"), // 191
        QStringLiteral("Gauges"), // 192
        QStringLiteral("EndZ"), // 193
        QStringLiteral("Vector 3D"), // 194
        QStringLiteral("3D"), // 195
        QStringLiteral("Tower"), // 196
        QStringLiteral("Single Color"), // 197
        QStringLiteral("Cover"), // 198
        QStringLiteral("Cone"), // 199
        QStringLiteral("Pie Slices"), // 200
        QStringLiteral("Stop"), // 201
        QStringLiteral("Execute !"), // 202
        QStringLiteral("Themes"), // 203
        QStringLiteral("2D Lighting"), // 204
        QStringLiteral("Current"), // 205
        QStringLiteral("Correlation"), // 206
        QStringLiteral("Variance"), // 207
        QStringLiteral("Bubble 3D"), // 208
        QStringLiteral("Horizontal\rHistogram"), // 209
        QStringLiteral("Perimeter"), // 210
        QStringLiteral("Surface Nearest"), // 211
        QStringLiteral("Axis Scroll"), // 212
        QStringLiteral("Rectangle"), // 213
        QStringLiteral("Polar Bar"), // 214
        QStringLiteral("Wap Bitmap"), // 215
        QStringLiteral("Wap Bitmaps (*.wbmp)|*.wbmp"), // 216
        QStringLiteral("Clip Series"), // 217
        QStringLiteral("Series Band"), // 218
        QStringLiteral("Facts"), // 219
        QStringLiteral("Downsampling"), // 220
        QStringLiteral("Selector"), // 221
        QStringLiteral("Legend Scrollbar"), // 222
        QStringLiteral("Data Table"), // 223
    };
}

} // namespace

void SetGalleryTexts()
{
    store().texts = englishTexts();
    store().initialised = true;
}

QString text(int number)
{
    ensureInitialised();
    if (number < 1 || number > store().texts.size())
        return {};
    return store().texts.at(number - 1);
}

void setText(int number, const QString &value)
{
    ensureInitialised();
    if (number < 1 || number > store().texts.size())
        return;
    store().texts[number - 1] = value;
}

} // namespace PlotProCo
