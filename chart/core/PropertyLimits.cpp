// The table of property limits.
#include "PropertyLimits.h"

#include <QMetaObject>
#include <QMetaProperty>

#include <cstring>
#include <iterator>

namespace PropertyLimits {

namespace {

// Widths and sizes: the editor's own limits where it has them, else 10 000 px.
constexpr PropertyLimit kLimits[] = {
    {"TView3DOptions", "Zoom", kMinZoomPercent, kMaxZoomPercent},
    {"TView3DOptions", "FontZoom", kMinZoomPercent, kMaxZoomPercent},
    {"TView3DOptions", "Perspective", 0, kMaxPerspectivePercent},
    {"TView3DOptions", "HorizOffset", -kMaxOffsetPx, kMaxOffsetPx},
    {"TView3DOptions", "VertOffset", -kMaxOffsetPx, kMaxOffsetPx},
    {"TCustomAxisPanel", "Chart3DPercent", 1, 100},
    {"TCustomPlotPanel", "BevelWidth", 1, 100},
    {"TCustomPlotPanel", "BorderWidth", 0, 100},
    {"TPlotCustomShape", "BevelWidth", 1, 100},
    {"TPlotShadow", "HorizSize", -1000, 1000},
    {"TPlotShadow", "VertSize", -1000, 1000},
    {"TCustomChartLegend", "VertSpacing", -10, 100},
    {"TChartAxis", "TickLength", 0, 1000},
    {"TChartAxis", "TickInnerLength", 0, 1000},
    {"TChartAxis", "MinorTickLength", 0, 1000},
    {"TChartAxis", "MinorTickCount", 0, 1000},
    {"TChartAxis", "TitleSize", 0, 1000},
    {"TChartAxis", "LabelsSize", 0, 1000},
    {"TChartAxis", "LabelsSeparation", 0, 100},
};

constexpr PropertyLimit kPlainInteger{"", "", -kMaxPlainInteger, kMaxPlainInteger};

bool inherits(const QMetaObject *meta, const char *className)
{
    for (; meta; meta = meta->superClass())
        if (std::strcmp(meta->className(), className) == 0)
            return true;
    return false;
}

} // namespace

const PropertyLimit *find(const QMetaObject &meta, const QByteArray &property)
{
    for (const PropertyLimit &limit : kLimits)
        if (property == limit.property && inherits(&meta, limit.className))
            return &limit;
    return nullptr;
}

const PropertyLimit *forFile(const QMetaObject &meta, const QMetaProperty &property)
{
    if (const PropertyLimit *limit = find(meta, property.name()))
        return limit;
    if (property.metaType().id() == QMetaType::Int && !property.isEnumType()
        && std::strcmp(property.name(), "Tag") != 0)
        return &kPlainInteger;
    return nullptr;
}

bool allows(const PropertyLimit &limit, double value)
{
    return value >= limit.minimum && value <= limit.maximum;
}

} // namespace PropertyLimits
