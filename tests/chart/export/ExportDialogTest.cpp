// The export dialog driven through its widgets.
#include "ExportCommands.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "NativeChartFile.h"
#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotTranslate.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TBMPOptions.h"
#include "TPlotExportForm.h"
#include "TPlotExportFormat.h"

#include <QCheckBox>
#include <QClipboard>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QGuiApplication>
#include <QThread>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

// Waits for a file another process writes; false after 20 s.
bool waitForFile(const QString &path)
{
    for (int i = 0; i < 400 && !QFile::exists(path); ++i)
        QThread::msleep(50);
    return QFile::exists(path);
}

// The library's texts in German for a scope, English again afterwards.
struct GermanLibrary
{
    GermanLibrary() { PlotGerman::SelectGermanLanguage(); }
    ~GermanLibrary()
    {
        PlotTranslate::PlotCurrentLanguage = nullptr;
        PlotConst::SetLibraryMessages();
    }
    GermanLibrary(const GermanLibrary &) = delete;
    GermanLibrary &operator=(const GermanLibrary &) = delete;
};

class ExportDialogTest : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        form.SetExportPanel(chart.get());
        form.show();
    }
    bool selectFormat(const QString &extension) { return selectExportFormat(form, extension); }
    // The buttons follow the page: leaving it and coming back sets them again.
    void revisitPicturePage()
    {
        form.PageControl1->setCurrentWidget(form.TabData);
        form.PageControl1->setCurrentWidget(form.TabPicture);
    }
    QString identify(const QByteArray &bytes)
    {
        return QString::fromLatin1(runTool(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%wx%h"),
                                                                        QStringLiteral("-")},
                                           bytes)
                                       .out);
    }

    std::unique_ptr<TChart> chart;
    TPlotExportForm form;
};

TEST_F(ExportDialogTest, KeepsTheAspectRatio)
{
    form.UDHeight->setValue(150);
    EXPECT_EQ(form.UDWidth->value(), 200);
}

TEST_F(ExportDialogTest, DataFilterIndexesAndExcelDisablingCopyButNotSave)
{
    form.PageControl1->setCurrentWidget(form.TabData);
    form.findChild<QRadioButton *>(QStringLiteral("RBText"))->click();
    form.CBDelim->setCurrentIndex(form.CBDelim->findText(QStringLiteral("Comma")));
    EXPECT_EQ(form.DataFilterIndex(), 3);
    form.findChild<QRadioButton *>(QStringLiteral("RBXML"))->click();
    EXPECT_EQ(form.DataFilterIndex(), 6);
    form.findChild<QRadioButton *>(QStringLiteral("RBExcel"))->click();
    EXPECT_FALSE(form.BCopy->isEnabled());
    EXPECT_TRUE(form.BSave->isEnabled());
}

TEST_F(ExportDialogTest, SavingWithAnotherExtensionWritesThatFormat)
{
    QTemporaryDir dir;
    ScriptedDialogService dialogs;
    form.LBFormat->setCurrentRow(0);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("x.emf")));
    form.BSave->click();
    const QByteArray bytes = readFile(dir.filePath(QStringLiteral("x.emf")));
    ASSERT_GE(bytes.size(), 44);
    EXPECT_EQ(bytes.mid(40, 4), QByteArray(" EMF"));
}

TEST_F(ExportDialogTest, EveryRegisteredFormatIsListedWithItsFilterIndex)
{
    ScriptedDialogService dialogs;
    const struct { const char *extension; int filterIndex; } expected[] = {
        {"bmp", 1}, {"emf", 2}, {"htm", 4}, {"eps", 5}, {"svg", 6},
        {"pdf", 7}, {"pcx", 8}, {"png", 9}, {"gif", 10}, {"jpg", 11},
    };
    ASSERT_EQ(form.LBFormat->count(), int(std::size(expected)));
    for (int row = 0; row < form.LBFormat->count(); ++row) {
        SCOPED_TRACE(expected[row].extension);
        form.LBFormat->setCurrentRow(row);
        form.BSave->click(); // cancelled: nothing queued
        ASSERT_EQ(dialogs.calls().size(), row + 1);
        const ScriptedDialogService::Call &call = dialogs.calls().last();
        EXPECT_EQ(call.defaultSuffix, QLatin1String(expected[row].extension));
        ASSERT_EQ(call.filters.size(), 11);
        EXPECT_EQ(call.filterIndex, expected[row].filterIndex);
        EXPECT_TRUE(call.filters[call.filterIndex - 1].endsWith(QStringLiteral("(*.%1)").arg(call.defaultSuffix)))
            << call.filters[call.filterIndex - 1].toStdString();
    }
}

TEST_F(ExportDialogTest, ZeroHeightPanelOpensAndZeroSizesMeanThePanels)
{
    TChart flat;
    flat.resize(400, 0);
    TPlotExportForm flatForm;
    flatForm.SetExportPanel(&flat);
    flatForm.show();
    EXPECT_EQ(flatForm.UDHeight->value(), 0);
    flatForm.UDWidth->setValue(300);
    EXPECT_EQ(flatForm.UDHeight->value(), 0);

    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    form.CBAspect->setChecked(false);
    form.UDWidth->setValue(0);
    form.UDHeight->setValue(120);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("narrow.bmp")));
    form.BSave->click();
    form.UDWidth->setValue(250);
    form.UDHeight->setValue(0);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("flat.bmp")));
    form.BSave->click();
    EXPECT_EQ(identify(readFile(dir.filePath(QStringLiteral("narrow.bmp")))), QStringLiteral("400x120"));
    EXPECT_EQ(identify(readFile(dir.filePath(QStringLiteral("flat.bmp")))), QStringLiteral("250x300"));
}

TEST_F(ExportDialogTest, SendHandsAPrivateCopyToTheMailProgram)
{
    const QTemporaryDir tools;
    const QTemporaryDir temp;
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    {
        const ScopedEnvironment path("PATH", tools.path());
        revisitPicturePage();
        EXPECT_FALSE(form.BSend->isEnabled());
    }
    // The stub notes its arguments and whether the attachment is there when it runs.
    const QString stub = QDir(tools.path()).filePath(QStringLiteral("xdg-email"));
    QFile script(stub);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "printf '%s\\n' \"$@\" > \"$0.args\"\n"
                 "[ -f \"$4\" ] && echo present >> \"$0.args\"\n"
                 ": > \"$0.done\"\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // A link planted where a shared temp folder would put the file.
    const QString target = QDir(temp.path()).filePath(QStringLiteral("target"));
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    const QString planted = QDir(temp.path()).filePath(QStringLiteral("Plot.bmp"));
    ASSERT_TRUE(QFile::link(target, planted));

    const ScopedEnvironment path("PATH", tools.path() + QStringLiteral(":/usr/bin:/bin"));
    const ScopedEnvironment tmp("TMPDIR", temp.path());
    revisitPicturePage();
    ASSERT_TRUE(form.BSend->isEnabled());
    form.BSend->click();
    ASSERT_TRUE(waitForFile(stub + QStringLiteral(".done")));
    const QStringList args = QString::fromLocal8Bit(readFile(stub + QStringLiteral(".args"))).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 5) << args.join(u' ').toStdString();
    EXPECT_EQ(args.mid(0, 3), (QStringList{QStringLiteral("--subject"), QStringLiteral("Plot"), QStringLiteral("--attach")}));
    EXPECT_EQ(args[4], QStringLiteral("present"));
    const QFileInfo attached(args[3]);
    EXPECT_EQ(attached.fileName(), QStringLiteral("Plot.bmp"));
    EXPECT_NE(attached.absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    struct stat folder{};
    ASSERT_EQ(stat(QFile::encodeName(attached.absolutePath()).constData(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    EXPECT_TRUE(readFile(attached.absoluteFilePath()).startsWith("BM"));
    EXPECT_TRUE(QFileInfo(planted).isSymLink());
    EXPECT_EQ(readFile(target), QByteArray("keep"));
}

TEST_F(ExportDialogTest, SendSaysWhenNoMailProgramCouldBeStartedAndWhenOneWasStarted)
{
    // Started detached, a mail program that ended with an error (xdg-email's 3: no mail client)
    // or was not there did nothing visible.
    const QTemporaryDir tools;
    const QString stub = QDir(tools.path()).filePath(QStringLiteral("xdg-email"));
    const auto writeStub = [&](const char *body) {
        QFile script(stub);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\n");
        script.write(body);
        script.close();
        ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    };
    // Only the stand-in: the desktop's own xdg-email lies in /usr/bin.
    const ScopedEnvironment path("PATH", tools.path());
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    struct Case
    {
        const char *name;
        const char *stub; // none: the program is gone by the time the button is pressed
        int flags;
        QStringList says;
    };
    const Case cases[] = {
        {"status 3", "echo \"xdg-email: no method available for opening 'mailto:'\" >&2\nexit 3\n", MbOk | MbIconError,
         {QStringLiteral("No mail program could be started: xdg-email ended with status 3."),
          QStringLiteral("xdg-email: no method available for opening 'mailto:'")}},
        {"missing", nullptr, MbOk | MbIconError,
         {QStringLiteral("No mail program could be started: xdg-email was not found.")}},
        {"still running", "exec /bin/sleep 30\n", MbOk | MbIconInformation, {QStringLiteral("The mail program was started.")}},
        {"done", "exit 0\n", -1, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeStub(c.stub ? c.stub : "exit 0\n");
        revisitPicturePage();
        ASSERT_TRUE(form.BSend->isEnabled());
        if (!c.stub)
            ASSERT_TRUE(QFile::remove(stub));
        ScriptedMessageService messages;
        form.BSend->click();
        if (c.flags < 0) {
            EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().value(0).text.toStdString();
            continue;
        }
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].flags, c.flags);
        for (const QString &line : c.says)
            EXPECT_TRUE(messages.shown()[0].text.contains(line)) << messages.shown()[0].text.toStdString();
    }
}

TEST_F(ExportDialogTest, AFailedSaveShowsOneBoxKeepsTheOldFileAndTheDialogSavesAgain)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.bmp"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ScriptedMessageService messages;
    ScriptedDialogService dialogs;
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    {
        const FileSizeLimit limit;
        dialogs.queueSaveFile(path);
        form.BSave->click();
    }
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(QDir::toNativeSeparators(path))) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(readFile(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("x.bmp")});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    dialogs.queueSaveFile(path);
    form.BSave->click();
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(identify(readFile(path)), QStringLiteral("400x300"));
}

TEST_F(ExportDialogTest, TheSecondMetafileFilterAndAWmfNameWriteAWindowsMetafile)
{
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    ASSERT_TRUE(selectFormat(QStringLiteral("emf")));
    auto *enhanced = form.findChild<QCheckBox *>(QStringLiteral("CBEnhanced"));
    ASSERT_NE(enhanced, nullptr);
    ASSERT_TRUE(enhanced->isChecked());
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("plain")), 3);
    form.BSave->click();
    enhanced->setChecked(true);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("named.wmf")));
    form.BSave->click();
    for (const char *name : {"plain.wmf", "named.wmf"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = readFile(dir.filePath(QString::fromLatin1(name)));
        EXPECT_EQ(bytes.left(4), QByteArray::fromHex("d7cdc69a"));
        EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("030000000000")));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("named.wmf"), QStringLiteral("plain.wmf")}));
}

TEST_F(ExportDialogTest, TheNativePageGivesTheSizeOfTheFileItSaves)
{
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    form.PageControl1->setCurrentWidget(form.TabNative);
    EXPECT_EQ(form.LabelSize->text(), QStringLiteral("?"));
    form.CBFileSize->setChecked(true);
    for (const bool withData : {true, false}) {
        SCOPED_TRACE(withData);
        form.CBNativeData->setChecked(withData);
        const QString shown = form.LabelSize->text();
        // A name of another extension still gives the chart file.
        dialogs.queueSaveFile(dir.filePath(QStringLiteral("chart.txt")));
        form.BSave->click();
        const QByteArray bytes = readFile(dir.filePath(QStringLiteral("chart.plot")));
        EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("6030570154504630")));
        EXPECT_EQ(shown, QStringLiteral("%1 bytes").arg(bytes.size()));
    }
}

TEST_F(ExportDialogTest, AChartWithoutSeriesSavesAndCopiesItsChartFile)
{
    TChart empty;
    TPlotExportForm dialog;
    dialog.SetExportPanel(&empty);
    dialog.show();
    dialog.PageControl1->setCurrentWidget(dialog.TabNative);
    dialog.CBFileSize->setChecked(true);
    EXPECT_TRUE(dialog.BSave->isEnabled());
    EXPECT_FALSE(dialog.BCopy->isEnabled()); // the binary form has no clipboard text
    EXPECT_EQ(dialog.LabelSize->text(), QStringLiteral("%1 bytes").arg(SaveChartToBytes(empty, true, false).size()));
    dialog.CBNativeFormat->setCurrentIndex(1);
    EXPECT_TRUE(dialog.BCopy->isEnabled());
    dialog.BCopy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(SaveChartToBytes(empty, true, true)));
    EXPECT_EQ(dialog.LabelSize->text(), QStringLiteral("%1 bytes").arg(SaveChartToBytes(empty, true, true).size()));
}

TEST_F(ExportDialogTest, TheBitmapDepthChosenStaysAcrossTabsAndFormats)
{
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    auto *options = form.findChild<TBMPOptions *>();
    ASSERT_NE(options, nullptr);
    options->CBColors->setCurrentIndex(3); // 256 (8 bit)
    form.PageOptions->setCurrentWidget(form.TabSize);
    form.PageOptions->setCurrentWidget(form.TabOptions);
    form.PageControl1->setCurrentWidget(form.TabNative);
    form.PageControl1->setCurrentWidget(form.TabPicture);
    ASSERT_TRUE(selectFormat(QStringLiteral("pdf")));
    ASSERT_TRUE(selectFormat(QStringLiteral("bmp")));
    EXPECT_EQ(options->CBColors->currentIndex(), 3);
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("eight.bmp")));
    form.BSave->click();
    const QByteArray bmp = readFile(dir.filePath(QStringLiteral("eight.bmp")));
    ASSERT_GE(bmp.size(), 30);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 8); // bits per pixel
}

TEST_F(ExportDialogTest, EveryPageLaysOutToItsGermanTexts)
{
    const GermanLibrary germanTexts;
    TPlotExportForm german;
    german.SetExportPanel(chart.get());
    german.show();
    // Every text the page shows is as wide as it asks to be.
    const auto expectFits = [&](const QString &page) {
        // The layouts take the new texts in posted events, page by page.
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        int checked = 0;
        for (const QWidget *widget : german.findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            QString text;
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                text = label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                text = button->text();
            else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
                text = combo->currentText();
            else
                continue;
            ++checked;
            EXPECT_LE(widget->sizeHint().width(), widget->width())
                << page.toStdString() << ": " << widget->objectName().toStdString() << " \"" << text.toStdString() << '"';
        }
        EXPECT_GT(checked, 3) << page.toStdString();
    };
    for (int row = 0; row < german.LBFormat->count(); ++row) {
        german.LBFormat->setCurrentRow(row);
        const QString format = german.LBFormat->item(row)->text();
        expectFits(format);
        german.PageOptions->setCurrentWidget(german.TabSize);
        expectFits(format + QStringLiteral(", Gr\u00F6\u00DFe"));
    }
    german.PageControl1->setCurrentWidget(german.TabNative);
    expectFits(QStringLiteral("Eigenes Format"));
    german.PageControl1->setCurrentWidget(german.TabData);
    expectFits(QStringLiteral("Daten"));
}

TEST_F(ExportDialogTest, TheDemosScreenshotShowsTheDialogLaidOutToTheFormatJustChosen)
{
    const GermanLibrary germanTexts;
    TPlotExportForm german;
    german.SetExportPanel(chart.get());
    german.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&german));
    // Chosen in the shown dialog, the GIF form's German texts ("Quantisieren 256") are wider than
    // the page it replaced; the picture is taken at once, as the demo takes it.
    ASSERT_TRUE(selectExportFormat(german, QStringLiteral("gif")));
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gif.png"));
    ASSERT_EQ(saveScreenshot(german, file), 0);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const QImage settled = german.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(QImage(file).convertToFormat(QImage::Format_RGB32) == settled);
}

} // namespace
