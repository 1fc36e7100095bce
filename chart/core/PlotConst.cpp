// The chart library's message texts and their English values.
#include "PlotConst.h"

#include <QDir>
#include <QStringList>

namespace PlotConst {

namespace {

struct Texts
{
    QStringList messages;
    QString invalidChart;
    QString wrongFormat;
    QString emptyFile;
    bool initialised = false;
};

Texts &texts()
{
    static Texts instance;
    return instance;
}

void ensureInitialised()
{
    if (!texts().initialised)
        SetLibraryMessages();
}

QStringList englishMessages()
{
    return {
        QStringLiteral("Test..."),
        QStringLiteral("First Legend Value must be > 0"),
        QStringLiteral("Legend Color Width must be > 0%"),
        QStringLiteral("No ParentChart to validate DataSource"),
        QStringLiteral("No valid DataSource: %s"),
        QStringLiteral("FillSampleValues NumValues must be > 0"),
        QStringLiteral("DateTime Axis cannot be Logarithmic"),
        QStringLiteral("Logarithmic Axis Min and Max values should be >= 0"),
        QStringLiteral("Labels Separation % must be greater than 0"),
        QStringLiteral("Axis increment must be >= 0"),
        QStringLiteral("Axis Minimum Value must be <= Maximum"),
        QStringLiteral("Axis Maximum Value must be >= Minimum"),
        QStringLiteral("Axis Logarithmic Base should be <> 1 and > 0"),
        QStringLiteral("MaxPointsPerPage must be >= 0"),
        QStringLiteral("3D effect percent must be between %d and %d"),
        QStringLiteral("Circular Series dependences are not allowed"),
        QStringLiteral("16k Color or greater required to get better look"),
        QStringLiteral("%s of %s"),
        QStringLiteral("%s\rof %s"),
        QStringLiteral("##0.## %"),
        QStringLiteral("#,##0.###"),
        QStringLiteral("#.0 \"x10\" E+0"),
        QStringLiteral("Axis Title"),
        QStringLiteral("Axis Labels"),
        QStringLiteral("Refresh Interval must be between 0 and 60"),
        QStringLiteral("Series.ParentChart is not myself!"),
        QStringLiteral("Line"),
        QStringLiteral("Point"),
        QStringLiteral("Area"),
        QStringLiteral("Bar"),
        QStringLiteral("Horizontal\rBar"),
        QStringLiteral("Stack"),
        QStringLiteral("Pie"),
        QStringLiteral("Circled"),
        QStringLiteral("Fast Line"),
        QStringLiteral("Horizontal\rLine"),
        QStringLiteral("Cars"),
        QStringLiteral("Phones"),
        QStringLiteral("Tables"),
        QStringLiteral("Monitors"),
        QStringLiteral("Lamps"),
        QStringLiteral("Keyboards"),
        QStringLiteral("Bikes"),
        QStringLiteral("Chairs"),
        QStringLiteral("Courier New"),
        QStringLiteral("Editing %s"),
        QStringLiteral("Standard"),
        QStringLiteral("Extended"),
        QStringLiteral("Functions"),
        QStringLiteral("E&dit Chart..."),
        QStringLiteral("&Print Preview..."),
        QStringLiteral("E&xport Chart..."),
        QStringLiteral("Custom Axes..."),
        QStringLiteral("%s: Invalid Editor Class: %s"),
        QStringLiteral("%s: has no Editor Dialog"),
        QStringLiteral("Arrow"),
        QStringLiteral("&Finish"),
        QStringLiteral("&Next >"),
        QStringLiteral("Gantt"),
        QStringLiteral("Design"),
        QStringLiteral("Prototyping"),
        QStringLiteral("Development"),
        QStringLiteral("Sales"),
        QStringLiteral("Marketing"),
        QStringLiteral("Testing"),
        QStringLiteral("Manufac."),
        QStringLiteral("Debugging"),
        QStringLiteral("New Version"),
        QStringLiteral("Banking"),
        QStringLiteral("Change Series Title"),
        QStringLiteral("New Series Title:"),
        QStringLiteral("DateTime"),
        QStringLiteral("Top Axis"),
        QStringLiteral("Bottom Axis"),
        QStringLiteral("Left Axis"),
        QStringLiteral("Right Axis"),
        QStringLiteral("Delete %s ?"),
        QStringLiteral("DateTime For&mat:"),
        QStringLiteral("Default"),
        QStringLiteral("Values For&mat:"),
        QStringLiteral("Maximum"),
        QStringLiteral("Minimum"),
        QStringLiteral("Desired %s Increment"),
        QStringLiteral("Incorrect value. Reason: %s"),
        QStringLiteral("Enter [Number of Days] [hh:nn:ss]"),
        QStringLiteral("Apply Changes ?"),
        QStringLiteral("(Selected Series)"),
        QStringLiteral("&Refresh Data"),
        QStringLiteral("8"),
        QStringLiteral("414"),
        QStringLiteral("347"),
        QStringLiteral("Add"),
        QStringLiteral("Subtract"),
        QStringLiteral("Multiply"),
        QStringLiteral("Divide"),
        QStringLiteral("High"),
        QStringLiteral("Low"),
        QStringLiteral("Average"),
        QStringLiteral("Shape"),
        QStringLiteral("Bubble"),
        QStringLiteral("Copy"),
        QStringLiteral("(none)"),
        QStringLiteral("{ Private declarations }"),
        QStringLiteral("{ Public declarations }"),
        QStringLiteral("Arial"),
        QStringLiteral("Pointer size must be greater than zero"),
        QStringLiteral("Additional"),
        QStringLiteral("Data Controls"),
        QStringLiteral("QReport"),
        QStringLiteral("Dataset"),
        QStringLiteral("&Dataset:"),
        QStringLiteral("Single Record"),
        QStringLiteral("&DataSource:"),
        QStringLiteral("Summary"),
        QStringLiteral("Function Period should be >= 0"),
        QStringLiteral("Business"),
        QStringLiteral("Plot Wizard"),
        QStringLiteral("Clea&r"),
        QStringLiteral("B&rowse..."),
        QStringLiteral("Are you sure that you want to close the Plot Wizard ?"),
        QStringLiteral("Field %s does not exist"),
        QStringLiteral("Depth Right"),
        QStringLiteral("Other"),
        QStringLiteral("abc"),
        QStringLiteral("123"),
        QStringLiteral("X"),
        QStringLiteral("Y"),
        QStringLiteral("Pie"),
        QStringLiteral("Bar"),
        QStringLiteral("Angle"),
        QStringLiteral("Start"),
        QStringLiteral("End"),
        QStringLiteral("NextTask"),
        QStringLiteral("Radius"),
        QStringLiteral("EndX"),
        QStringLiteral("EndY"),
        QStringLiteral("Legend"),
        QStringLiteral("Title"),
        QStringLiteral("Footer"),
        QStringLiteral("Period"),
        QStringLiteral("Period range"),
        QStringLiteral("Calculate %s every:"),
        QStringLiteral("Small Dots"),
        QStringLiteral("Chart Axes"),
        QStringLiteral("Chart Axes properties and events"),
        QStringLiteral("Chart Walls"),
        QStringLiteral("Chart Walls properties and events"),
        QStringLiteral("Chart Titles"),
        QStringLiteral("Chart Titles properties and events"),
        QStringLiteral("Chart 3D"),
        QStringLiteral("Chart 3D properties and events"),
        QStringLiteral("Custom "),
        QStringLiteral("Series"),
        QStringLiteral("Series..."),
        QStringLiteral("Page %d of %d"),
        QStringLiteral("%d bytes"),
        QStringLiteral("First"),
        QStringLiteral("Prior"),
        QStringLiteral("Next"),
        QStringLiteral("Last"),
        QStringLiteral("Insert"),
        QStringLiteral("Delete"),
        QStringLiteral("Edit"),
        QStringLiteral("Post"),
        QStringLiteral("Cancel"),
        QStringLiteral("(all)"),
        QStringLiteral("Index"),
        QStringLiteral("Text"),
        QStringLiteral("as &Bitmap"),
        QStringLiteral("Bitmaps (*.bmp)|*.bmp"),
        QStringLiteral("as &Metafile"),
        QStringLiteral("Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf"),
        QStringLiteral("Panel property is not set in Export format"),
        QStringLiteral("Normal"),
        QStringLiteral("No Border"),
        QStringLiteral("Dotted"),
        QStringLiteral("Colors"),
        QStringLiteral("Filled"),
        QStringLiteral("Marks"),
        QStringLiteral("Stairs"),
        QStringLiteral("Points"),
        QStringLiteral("Height"),
        QStringLiteral("Hollow"),
        QStringLiteral("Point 2D"),
        QStringLiteral("Triangle"),
        QStringLiteral("Star"),
        QStringLiteral("Circle"),
        QStringLiteral("Down Tri."),
        QStringLiteral("Cross"),
        QStringLiteral("Diamond"),
        QStringLiteral("No Lines"),
        QStringLiteral("Stack 100%"),
        QStringLiteral("Pyramid"),
        QStringLiteral("Ellipse"),
        QStringLiteral("Inv. Pyramid"),
        QStringLiteral("Sides"),
        QStringLiteral("Side All"),
        QStringLiteral("Patterns"),
        QStringLiteral("Exploded"),
        QStringLiteral("Shadow"),
        QStringLiteral("Semi Pie"),
        QStringLiteral("Rectangle"),
        QStringLiteral("Vert.Line"),
        QStringLiteral("Horiz.Line"),
        QStringLiteral("Line"),
        QStringLiteral("Cube"),
        QStringLiteral("Diag.Cross"),
        QStringLiteral("Can not find Temp folder"),
        QStringLiteral("Can not create Temp file"),
        QStringLiteral("Can not email Plot. Mapi Error: %d"),
        QStringLiteral("Series Delete: ValueIndex %d out of bounds (0 to %d)."),
        QStringLiteral("No Series selected"),
        QStringLiteral("Error code: %d downloading Chart from URL: %s"),
        QStringLiteral("Error code: %d downloading Series data from URL: %s"),
        QStringLiteral("as &JPEG"),
        QStringLiteral("JPEG files (*.jpg)|*.jpg"),
        QStringLiteral("as &GIF"),
        QStringLiteral("GIF files (*.gif)|*.gif"),
        QStringLiteral("as &PNG"),
        QStringLiteral("PNG files (*.png)|*.png"),
        QStringLiteral("as PC&X"),
        QStringLiteral("PCX files (*.pcx)|*.pcx"),
        QStringLiteral("as &VML (HTM)"),
        QStringLiteral("VML files (*.htm)|*.htm"),
        QStringLiteral("&Language..."),
        QStringLiteral("Gradient"),
        QStringLiteral("Do you want to save %s?"),
        QStringLiteral("Property"),
        QStringLiteral("Value"),
        QStringLiteral("Yes"),
        QStringLiteral("No"),
        QStringLiteral("(image)"),
        QStringLiteral("y = f(x)"),
        QStringLiteral("as &PDF"),
        QStringLiteral("PDF files (*.pdf)|*.pdf"),
        QStringLiteral("as PostScript"),
        QStringLiteral("PostScript files (*.eps)|*.eps"),
        QStringLiteral("Horizontal\rArea"),
        QStringLiteral("Self Stacked"),
        QStringLiteral("Dark Border"),
        QStringLiteral("Select database folder"),
        QStringLiteral("&Alias:"),
        QStringLiteral("&Connection:"),
        QStringLiteral("&Apply"),
        QStringLiteral("Add new group"),
        QStringLiteral("Change group name"),
        QStringLiteral("Group name:"),
        QStringLiteral("Median"),
        QStringLiteral("Mode"),
        QStringLiteral("&Options..."),
        QStringLiteral("Depth Top"),
        QStringLiteral("2D"),
        QStringLiteral("Outline"),
        QStringLiteral("Space delimited text files (*.txt)|*.txt"),
        QStringLiteral("Tab delimited text files (*.txt)|*.txt"),
        QStringLiteral("Comma delimited text files (*.csv)|*.csv"),
        QStringLiteral("Colon delimited text files (*.txt)|*.txt"),
        QStringLiteral("Custom delimited text files (*.txt)|*.txt"),
        QStringLiteral("XML files (*.xml)|*.xml"),
        QStringLiteral("HTML files (*.htm)|*.htm"),
        QStringLiteral("Microsoft Excel files (*.xls)|*.xls"),
        QStringLiteral("Ortho Right"),
        QStringLiteral("Ortho Left"),
        QStringLiteral("3D Front"),
        QStringLiteral("3D Right"),
        QStringLiteral("3D Left"),
        QStringLiteral("as &SVG"),
        QStringLiteral("SVG files (*.svg)|*.svg"),
        QStringLiteral("SubTitle"),
        QStringLiteral("SubFoot"),
        QStringLiteral("The print job on %s could not be started or finished"),
        QStringLiteral("the picture file %s cannot be read"),
        QStringLiteral("Series animation steps must be 1 or more"),
        QStringLiteral("Cannot write %s: %s"),
        QStringLiteral("Not a number: %s"),
        QStringLiteral("Not a number of points: %s"),
        QStringLiteral("Pictures"),
        QStringLiteral("Space"),
        QStringLiteral("Plot files "),
        QStringLiteral("The help file %s could not be opened"),
        QStringLiteral("Value of %s out of range (%d to %d)"),
        QStringLiteral("Axis Maximum - Minimum must be a finite number"),
        QStringLiteral("Range: %s to %s"),
        QStringLiteral("%s is outside %s to %s: %s is kept"),
        QStringLiteral("Unknown property %s of %s"),
        QStringLiteral("unknown colour name %s"),
        QStringLiteral("no component %s in the file"),
        QStringLiteral("no axis %d in the file"),
        QStringLiteral("a link to its own object"),
        QStringLiteral("unknown picture format %s"),
        QStringLiteral("no readable %s picture"),
        QStringLiteral("picture too large: %d x %d pixels (at most %d)"),
        QStringLiteral("%s of %s: %s"),
    };
}

} // namespace

void SetLibraryMessages()
{
    Texts &t = texts();
    t.messages = englishMessages();
    const QString ext = QString::fromLatin1(kPlotExtension);
    t.invalidChart = QStringLiteral("Invalid Chart in *.") + ext + QStringLiteral(" file");
    t.wrongFormat = QStringLiteral("Wrong *.") + ext + QStringLiteral(" file format");
    t.emptyFile = QStringLiteral("Empty *.") + ext + QStringLiteral(" file");
    t.initialised = true;
}

QString message(int number)
{
    ensureInitialised();
    if (number < 1 || number > texts().messages.size())
        return {};
    return texts().messages.at(number - 1);
}

void setMessage(int number, const QString &text)
{
    ensureInitialised();
    if (number < 1 || number > texts().messages.size())
        return;
    texts().messages[number - 1] = text;
}

QString PlotFileFilter()
{
    const QString ext = QString::fromLatin1(kPlotExtension);
    return QStringLiteral("(*.") + ext + QStringLiteral(")|*.") + ext;
}

QString InvalidChartFileText()
{
    ensureInitialised();
    return texts().invalidChart;
}

QString WrongFileFormatText()
{
    ensureInitialised();
    return texts().wrongFormat;
}

QString EmptyFileText()
{
    ensureInitialised();
    return texts().emptyFile;
}

QString ValueOutOfRangeText(const QString &property, double minimum, double maximum)
{
    return plotFormat(message(msgValueOutOfRange), {property, qint64(minimum), qint64(maximum)});
}

QString PropertyValueRefusedText(const QString &property, const QString &object, const QString &reason)
{
    return plotFormat(message(msgPropertyValueRefused), {property, object, reason});
}

QString ChartFileFilterText()
{
    return message(msgChartFiles) + PlotFileFilter();
}

QString CannotWriteText(const QString &path, const QString &reason)
{
    return plotFormat(message(msgCannotWrite), {QDir::toNativeSeparators(path), reason});
}

QString plotFormat(const QString &format, std::initializer_list<QVariant> args)
{
    QString result;
    result.reserve(format.size() + 16);
    auto next = args.begin();
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= format.size()) {
            result.append(c);
            continue;
        }
        const QChar kind = format.at(i + 1);
        if (kind == u'%') {
            result.append(u'%');
            ++i;
        } else if ((kind == u'd' || kind == u's') && next != args.end()) {
            result.append(kind == u'd' ? QString::number(next->toLongLong()) : next->toString());
            ++next;
            ++i;
        } else {
            result.append(c);
        }
    }
    return result;
}

} // namespace PlotConst
