// The registered export formats, in registration order, and what they offer the rest of the
// library: the picture class for a file extension and the format list of a save dialog.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TCustomPlotPanel;
class TGraphic;
class TPlotExportFormat;

struct PlotExportFormatClass
{
    // The class name ("TBMPExportFormat"): registering a name twice adds nothing.
    QString name;
    std::function<std::unique_ptr<TPlotExportFormat>()> create;
};

void RegisterPlotExportFormat(PlotExportFormatClass formatClass);
template <class T>
void RegisterPlotExportFormat(const QString &name)
{
    RegisterPlotExportFormat({name, [] { return std::unique_ptr<TPlotExportFormat>(std::make_unique<T>()); }});
}
void UnRegisterPlotExportFormat(const QString &name);
const std::vector<PlotExportFormatClass> &PlotExportFormats();

// Given an extension with its dot, in any case: a new empty picture of the first format with that
// extension (the metafile format has two), or none (also for a format without picture class).
std::unique_ptr<TGraphic> GraphicClassFromExtension(const QString &extension);

// One instance of every registered format for a panel, with its filter position, and the
// filters joined by "|" for the picture save dialog.
struct ExportFormatList
{
    std::vector<std::unique_ptr<TPlotExportFormat>> formats;
    QString filter;
};
ExportFormatList createExportFormats(TCustomPlotPanel *panel);

// The instance of the list that writes files of this extension (without dot, any case), set up
// for it (the metafile format takes "wmf" as plain metafile); none when no format does.
TPlotExportFormat *formatForExtension(const ExportFormatList &list, const QString &extension);
