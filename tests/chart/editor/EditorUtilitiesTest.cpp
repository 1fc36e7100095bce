// The editor forms' shared utilities: embedding, questions, cursor names, lists, fonts, pictures
// and the pictures the library ships.
#include "PlotPenDlg.h"

#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTypeRegistries.h"
#include "PlotBrushDlg.h"
#include "PlotCursorNames.h"
#include "PlotProcs.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TFont.h"
#include "TPicture.h"

#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace PlotPenDlg;

TEST(EmbedForm, PlacesTheFormAtLeftFourAndAtMostFourFromTheTop)
{
    const struct { int formHeight; int top; } cases[] = {{200, 4}, {296, 2}, {299, 0}, {300, 0}, {320, 4}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.formHeight);
        QWidget host;
        host.resize(400, 300);
        auto *dialog = new QDialog(&host);
        dialog->resize(390, c.formHeight);
        EmbedForm(*dialog, host, 7);
        EXPECT_EQ(dialog->pos(), QPoint(4, c.top));
        EXPECT_EQ(dialog->parentWidget(), &host);
        EXPECT_FALSE(dialog->isWindow());
        EXPECT_FALSE(dialog->isHidden());
        EXPECT_EQ(dialog->property("Tag").toInt(), 7);
    }
}

TEST(CreateEditorForm, MakesADialogChildOfTheOwnersWindow)
{
    QWidget window;
    auto *button = new QWidget(&window);
    const auto form = CreateEditorForm<QWidget>(button);
    EXPECT_EQ(form->parentWidget(), &window);
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->windowType(), Qt::Dialog);
    QObject component;
    EXPECT_EQ(CreateEditorForm<QWidget>(&component)->parentWidget(), nullptr);
}

TEST(WindowFrameMargins, AWindowNotYetFramedTakesItsOwnersFrameElseThatOfAnotherShownWindow)
{
    QDialog owner;
    owner.show();
    const QMargins framed = WindowFrameMargins(owner);
    ASSERT_FALSE(framed.isNull()); // the platform frames a shown window
    auto *dialog = new QDialog(&owner);
    auto *frameless = new QDialog(&owner, Qt::Dialog | Qt::FramelessWindowHint);
    auto *child = new QWidget(&owner);
    QDialog alone; // belonging to none, while another window shows
    const struct {
        const char *name;
        QWidget *window;
        QMargins margins;
    } cases[] = {
        {"not yet shown, of a framed owner", dialog, framed},
        {"frameless", frameless, {}},
        {"not a window", child, {}},
        {"not yet shown, of no owner", &alone, framed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowFrameMargins(*c.window), c.margins);
    }
    // Placed at a frame, the client lies inside it.
    SetFrameGeometry(*dialog, QRect(100, 80, 300, 200));
    EXPECT_EQ(dialog->geometry(), QRect(100, 80, 300, 200).marginsRemoved(framed));
}

TEST(PlotYesNo, AsksBesideTheOwnerWithTheArrowCursorAndAnswersTrueForYes)
{
    ScriptedMessageService messages;
    QWidget owner;
    owner.move(100, 50);
    owner.show();
    Qt::CursorShape shapeWhileAsked = Qt::BusyCursor;
    messages.setOnShow([&](const ScriptedMessageService::Shown &) {
        if (const QCursor *cursor = QGuiApplication::overrideCursor())
            shapeWhileAsked = cursor->shape();
    });
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    messages.queueAnswer(IdYes);
    EXPECT_TRUE(PlotYesNo(QStringLiteral("Really?"), &owner));
    messages.queueAnswer(IdNo);
    EXPECT_FALSE(PlotYesNoDelete(QStringLiteral("S1")));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();

    EXPECT_EQ(shapeWhileAsked, Qt::ArrowCursor);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Really?"));
    EXPECT_EQ(messages.shown()[0].place, owner.mapToGlobal(QPoint(20, 30)));
    EXPECT_EQ(messages.shown()[0].flags, MbYesNo | MbIconQuestion);
    EXPECT_EQ(messages.shown()[1].text, QStringLiteral("Delete S1 ?"));
    EXPECT_FALSE(messages.shown()[1].place.has_value());
}

TEST(CursorNames, NamesAndNumbersMapBothWays)
{
    const struct { const char *name; int number; } cases[] = {
        {"Default", 0}, {"None", -1}, {"SizeNESW", -6}, {"No", -18}, {"HandPoint", -21}, {"SizeAll", -22},
        {"PlotHand", 2020}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CursorFromName(99, QString::fromLatin1(c.name)), c.number);
        QString ident;
        ASSERT_TRUE(CursorToIdent(c.number, ident));
        EXPECT_EQ(ident, QStringLiteral("cr") + QString::fromLatin1(c.name));
    }
    EXPECT_EQ(CursorFromName(-3, QStringLiteral("Nothing")), -3);
    QString ident = QStringLiteral("kept");
    EXPECT_FALSE(CursorToIdent(-5, ident));
    EXPECT_EQ(ident, QStringLiteral("kept"));
    EXPECT_EQ(StripCursorPrefix(QStringLiteral("crCross")), QStringLiteral("Cross"));
    EXPECT_EQ(StripCursorPrefix(QStringLiteral("Cross")), QStringLiteral("Cross"));
}

TEST(CursorNames, FillCursorListListsEveryNameOnceAndSelectsTheCursor)
{
    QComboBox combo;
    FillCursorList(combo, PlotProcs::crPlotHand);
    ASSERT_EQ(combo.count(), 22);
    EXPECT_EQ(combo.currentText(), QStringLiteral("PlotHand"));
    QSet<int> numbers;
    for (int i = 0; i < combo.count(); ++i) {
        SCOPED_TRACE(combo.itemText(i).toStdString());
        EXPECT_FALSE(combo.itemText(i).startsWith(QLatin1String("cr")));
        numbers.insert(CursorFromName(12345, combo.itemText(i)));
    }
    EXPECT_EQ(numbers.size(), 22);
    EXPECT_FALSE(numbers.contains(12345));

    FillCursorList(combo, -21);
    EXPECT_EQ(combo.count(), 22);
    EXPECT_EQ(combo.currentText(), QStringLiteral("HandPoint"));
    FillCursorList(combo, -5);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(MoveList, MovesItemsWithTheirDataInTheirOrder)
{
    QListWidget source;
    QListWidget destination;
    destination.addItem(QStringLiteral("kept"));
    source.setSelectionMode(QAbstractItemView::MultiSelection);
    for (int i = 0; i < 5; ++i) {
        auto *item = new QListWidgetItem(QStringLiteral("S%1").arg(i), &source);
        item->setData(Qt::UserRole, i * 10);
    }
    for (int row : {3, 0, 4})
        source.item(row)->setSelected(true);
    MoveListSelected(source, destination);
    auto texts = [](const QListWidget &list) {
        QStringList result;
        for (int i = 0; i < list.count(); ++i)
            result << list.item(i)->text() + QLatin1Char('=') + list.item(i)->data(Qt::UserRole).toString();
        return result;
    };
    EXPECT_EQ(texts(source), (QStringList{"S1=10", "S2=20"}));
    EXPECT_EQ(texts(destination), (QStringList{"kept=", "S0=0", "S3=30", "S4=40"}));
    MoveListAll(source, destination);
    EXPECT_EQ(source.count(), 0);
    EXPECT_EQ(texts(destination).mid(4), (QStringList{"S1=10", "S2=20"}));
}

TEST(ValueFormats, AddDefaultValueFormatsAppendsTheNineFormatsInOrder)
{
    QStringList formats{QStringLiteral("mine")};
    AddDefaultValueFormats(formats);
    EXPECT_EQ(formats, (QStringList{"mine", "#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)", "00e-0",
                                    "#.0 \"x10\" E+0", "#.# x10E-#"}));
}

TEST(EditFont, CopiesNameSizeAndStylesBackOnOkOnly)
{
    ScriptedDialogService dialogs;
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(10);
    font.SetColor(clRed);
    EXPECT_FALSE(PlotBrushDlg::EditFont(nullptr, font));
    EXPECT_EQ(font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(font.Size(), 10);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(dialogs.calls()[0].font.pointSize(), 10);

    QFont chosen(QStringLiteral("Courier New"), 14);
    chosen.setBold(true);
    chosen.setUnderline(true);
    dialogs.queueFont(chosen);
    EXPECT_TRUE(PlotBrushDlg::EditFont(nullptr, font));
    EXPECT_EQ(font.Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.Size(), 14);
    EXPECT_EQ(font.Style(), TFontStyles(fsBold) | fsUnderline);
    EXPECT_EQ(font.Color(), clRed);
}

namespace {

// The CRC of a PNG chunk, so that a doctored header still passes the reader's check.
quint32 pngCrc(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Files a user might hand the brush dialog, written into a temporary folder.
class PictureFiles : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString writeGoodPng() const
    {
        QImage image(5, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = m_dir.filePath(QStringLiteral("good.png"));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(PictureFiles, LoadClearPictureLoadsAChosenFileAndClearsALoadedOne)
{
    ScriptedMessageService messages;
    ScriptedDialogService dialogs;
    TPicture picture;
    PlotBrushDlg::LoadClearPicture(nullptr, picture); // cancelled
    EXPECT_TRUE(picture.IsEmpty());
    dialogs.queuePictureFile(writeGoodPng());
    PlotBrushDlg::LoadClearPicture(nullptr, picture);
    ASSERT_FALSE(picture.IsEmpty());
    EXPECT_EQ(picture.Graphic().size(), QSize(5, 3));
    EXPECT_EQ(picture.Graphic().pixelColor(2, 1), QColor(Qt::red));
    PlotBrushDlg::LoadClearPicture(nullptr, picture); // holds one: cleared without asking
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(dialogs.calls().size(), 2);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(PictureFiles, AnUnreadableFileShowsOneErrorNamingItAndLoadsNothing)
{
    QFile good(writeGoodPng());
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray png = good.readAll();
    // A PNG header declaring 60000 x 60000 pixels, far beyond what the reader will allocate.
    QByteArray huge = png;
    huge.replace(16, 8, QByteArray::fromHex("0000EA600000EA60"));
    const quint32 crc = pngCrc(huge.mid(12, 17));
    for (int i = 0; i < 4; ++i)
        huge[29 + i] = char(crc >> (24 - 8 * i));
    const QString files[] = {m_dir.filePath(QStringLiteral("missing.png")),
                             write(QStringLiteral("truncated.png"), png.left(png.size() / 2)),
                             write(QStringLiteral("text.bmp"), "this is no picture\n"),
                             write(QStringLiteral("huge.png"), huge)};
    for (const QString &path : files) {
        SCOPED_TRACE(path.toStdString());
        ScriptedMessageService messages;
        ScriptedDialogService dialogs;
        dialogs.queuePictureFile(path);
        TPicture picture;
        PlotBrushDlg::LoadClearPicture(nullptr, picture);
        EXPECT_TRUE(picture.IsEmpty());
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].text, QStringLiteral("the picture file %1 cannot be read").arg(path));
        EXPECT_EQ(messages.shown()[0].flags, MbOk | MbIconError);
    }
}

TEST(EditorPictures, PatternsTexturesArrowsAndClassIconsAreShipped)
{
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        QImage pattern;
        ASSERT_TRUE(PlotProcs::LoadBitmapResource(pattern, QStringLiteral("PLOTBRUSH%1").arg(n), QString()));
        EXPECT_EQ(pattern.size(), QSize(8, 8));
    }
    for (const char *name : {"Metal", "Wood", "Stone", "Clouds", "Grass", "Fire", "Snow", "PlotArrowUp", "PlotArrowDown"}) {
        SCOPED_TRACE(name);
        QImage image;
        EXPECT_TRUE(PlotProcs::LoadBitmapResource(image, QString::fromLatin1(name), QString()));
    }
    QImage up;
    QImage down;
    LoadArrowBitmaps(up, down);
    EXPECT_EQ(up.mirrored(false, true), down);
}

TEST(EditorPictures, EverySeriesAndToolClassRegisteredHasAnIcon)
{
    registerChartLibrary();
    std::vector<const ChartClassDescriptor *> classes;
    for (int i = 0; i < PlotSeriesTypes().Count(); ++i) {
        if (const ChartClassDescriptor *seriesClass = PlotSeriesTypes().GetItem(i).SeriesClass)
            classes.push_back(seriesClass);
    }
    for (int i = 0; i < PlotToolTypes().Count(); ++i)
        classes.push_back(PlotToolTypes().GetItem(i));
    ASSERT_GE(classes.size(), 14u);
    for (const ChartClassDescriptor *descriptor : classes) {
        SCOPED_TRACE(descriptor->name.toStdString());
        const std::unique_ptr<QObject> instance = descriptor->factory();
        QImage icon;
        ASSERT_TRUE(PlotProcs::LoadClassBitmap(instance.get(), icon));
        EXPECT_EQ(icon.size(), QSize(16, 16));
    }
}
