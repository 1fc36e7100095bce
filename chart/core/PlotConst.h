// The chart library's message texts: English at start, overwritten by a language unit.
#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>

namespace PlotConst {

// Numbers of the texts that the library itself reads (1-based, in table order).
enum Message : int {
    msgTest = 1,
    msgLegendFirstValue = 2,
    msgLegendColorWidth = 3,
    msgSeriesSetDataSource = 4,
    msgSeriesInvDataSource = 5,
    msgFillSample = 6,
    msgAxisLogDateTime = 7,
    msgAxisLogNotPositive = 8,
    msgAxisLabelSep = 9,
    msgAxisIncrementNeg = 10,
    msgAxisMinMax = 11,
    msgAxisMaxMin = 12,
    msgAxisLogBase = 13,
    msgMaxPointsPerPage = 14,
    msg3DPercent = 15,
    msgCircularSeries = 16,
    msgWarningHiColor = 17,
    msgDefaultPercentOf = 18,
    msgDefaultPercentOf2 = 19,
    msgDefPercentFormat = 20,
    msgDefValueFormat = 21,
    msgDefLogValueFormat = 22,
    msgAxisTitle = 23,
    msgAxisLabels = 24,
    msgRefreshInterval = 25,
    msgSeriesParentNoSelf = 26,
    // Gallery names of the series types and the gallery pages.
    msgGalleryLine = 27,
    msgGalleryPoint = 28,
    msgGalleryArea = 29,
    msgGalleryBar = 30,
    msgGalleryHorizBar = 31,
    msgGalleryPie = 33,
    msgGalleryFastLine = 35,
    msgGalleryHorizLine = 36,
    msgPieSampleFirst = 37, // the pie's sample labels, "Cars" .. "Chairs", eight in a row
    msgGalleryStandard = 47,
    msgGalleryExtended = 48,
    msgGalleryFunctions = 49,
    msgGalleryHorizArea = 238,
    msgGalleryArrow = 56,
    msgGalleryGantt = 59,
    msgGalleryShape = 99,
    msgGalleryBubble = 100,
    // Gallery names of the functions.
    msgFunctionAdd = 92,
    msgFunctionSubtract = 93,
    msgFunctionMultiply = 94,
    msgFunctionDivide = 95,
    msgFunctionHigh = 96,
    msgFunctionLow = 97,
    msgFunctionAverage = 98,
    msgFunctionCustom = 233,
    msgFunctionMedian = 248,
    msgFunctionMode = 249,
    msgPieOther = 123, // the text of the pie's grouped slice
    msgCourierNew = 45,
    msgTopAxis = 73,
    msgBottomAxis = 74,
    msgLeftAxis = 75,
    msgRightAxis = 76,
    msgDefaultFontSize = 89,
    msgDefaultFontName = 105,
    msgPointerSize = 106,
    msgFunctionPeriod = 115,
    msgPeriodRange = 141, // "Period range": the caption of a function's period range dialog
    msgDepthAxis = 122,
    msgSmallDots = 143,
    msgSeries = 153,
    msgPageOfPages = 155, // "Page %d of %d"
    msgNavigateFirst = 157, // the navigator's hints, First .. Cancel in button order
    msgSeriesDelete = 211,
    msgDepthTopAxis = 251,
    msgSubFoot = 270,
    msgTitle = 138,
    msgFooter = 139,
    msgSubTitle = 269,
    msgPrintJobFailed = 271,
    // The captions of the 3D page's view samples.
    msgView2D = 252,
    msgViewOrthoRight = 262,
    msgViewOrthoLeft = 263,
    msgView3DFront = 264,
    msgView3DRight = 265,
    msgView3DLeft = 266,
    // Texts of the editor forms.
    msgEditing = 46, // "Editing %s"
    msgChangeSeriesTitle = 70,
    msgNewSeriesTitle = 71,
    msgDeleteName = 77, // "Delete %s ?"
    msgDateTimeFormat = 78, // "DateTime For&mat:"
    msgValuesFormat = 80, // "Values For&mat:"
    msgMaximum = 81,
    msgMinimum = 82,
    msgDesiredIncrement = 83, // "Desired %s Increment"
    msgIncorrectValue = 84, // "Incorrect value. Reason: %s"
    msgEnterDateTime = 85, // "Enter [Number of Days] [hh:nn:ss]"
    msgApplyChanges = 86,
    msgSelectedSeries = 87,
    msgEditorWidth = 90, // the editor's default size in pixels, "414" x "347"
    msgEditorHeight = 91,
    msgClear = 118,
    msgBrowse = 119,
    msgAll = 166,
    msgAddNewGroup = 245,
    msgChangeGroupName = 246,
    msgGroupName = 247,
    msgPictureUnreadable = 272, // "the picture file %s cannot be read"
    // Export formats and data export.
    msgIndex = 167,
    msgText = 168,
    msgExportBitmap = 169,
    msgBitmapFilter = 170,
    msgExportMetafile = 171,
    msgMetafileFilter = 172,
    msgExportPanelNotSet = 173,
    msgExportJPEG = 215,
    msgJPEGFilter = 216,
    msgExportGIF = 217,
    msgGIFFilter = 218,
    msgExportPNG = 219,
    msgPNGFilter = 220,
    msgExportPCX = 221,
    msgPCXFilter = 222,
    msgColors = 177,
    msgExportVML = 223,
    msgVMLFilter = 224,
    msgExportPDF = 234,
    msgPDFFilter = 235,
    msgExportEPS = 236,
    msgEPSFilter = 237,
    msgExportSVG = 267,
    msgSVGFilter = 268,
    msgAnimationSteps = 273, // a series animation needs at least one step
    // The export dialog.
    msgBytes = 156, // "%d bytes"
    msgNoTempFolder = 208,
    msgMailError = 210, // "Can not email Plot. Mapi Error: %d"
    msgDataFilterFirst = 254, // the eight data file filters, space delimited text .. Excel
    msgCannotWrite = 274, // "Cannot write %s: %s", the file and the system's reason
    msgChartFiles = 279, // "Plot files ", the name of the native file filter
    msgHelpNotOpened = 280, // "The help file %s could not be opened"
    msgValueOutOfRange = 281, // "Value of %s out of range (%d to %d)": the property and its limits
    msgAxisRangeNotFinite = 282, // a minimum and maximum whose difference is no finite number
    msgFieldRange = 283, // "Range: %s to %s", the hint of a number field
    msgFieldClamped = 284, // "%s is outside %s to %s: %s is kept", said by a field that clamped
    // A chart file's refusals: what is wrong, with the property and the object it belongs to.
    msgUnknownProperty = 285, // "Unknown property %s of %s": the property as the file names it, the object
    msgUnknownColourName = 286, // "unknown colour name %s"
    msgNoSuchComponent = 287, // "no component %s in the file": a link by name
    msgNoSuchAxis = 288, // "no axis %d in the file": a link by index
    msgLinkToItself = 289,
    msgUnknownPictureFormat = 290, // "unknown picture format %s": the extension the file gives
    msgUnreadablePicture = 291, // "no readable %s picture"
    msgPictureTooLarge = 292, // "picture too large: %d x %d pixels (at most %d)"
    msgPropertyValueRefused = 293, // "%s of %s: %s": property, object and one of the texts above
    // Texts of the editors' input checks and choices.
    msgNotANumber = 275,
    msgNotANumberOfPoints = 276,
    msgPictures = 277, // the name of the picture files filter
    msgGradientSpace = 278, // the gradient preset "Space" (the language list has the delimiter)
    msgDefault = 79, // "Default": the cursor item that sets none
};

inline constexpr int kMessageCount = 293;
inline constexpr const char *kPlotExtension = "plot";

// Assigns every text its English value (again); the first read runs it by itself.
void SetLibraryMessages();
// Text number 1..kMessageCount; an empty text for any other number.
QString message(int number);
// A language unit replaces a text; numbers outside the table are ignored.
void setMessage(int number, const QString &text);

QString PlotFileFilter();
QString InvalidChartFileText();
QString WrongFileFormatText();
QString EmptyFileText();
// A number of a chart file that drawing cannot take; the property as the file names it.
QString ValueOutOfRangeText(const QString &property, double minimum, double maximum);
// A value a chart file gives a property of an object (StreamObjectText) that it cannot take.
QString PropertyValueRefusedText(const QString &property, const QString &object, const QString &reason);
QString ChartFileFilterText();
// "Cannot write <path>: <reason>" in the current language, the path in the system's notation.
QString CannotWriteText(const QString &path, const QString &reason);

// Replaces "%d" and "%s" placeholders in order by the arguments; "%%" is a percent sign.
QString plotFormat(const QString &format, std::initializer_list<QVariant> args);

} // namespace PlotConst
