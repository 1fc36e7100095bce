// The record editor driven through its widgets: what it writes into the database file, what it
// refuses, and that a failure never changes the file.
#include "MainWindowFixture.h"
#include "app/core/RecordFields.h"
#include "app/data/DataFiles.h"
#include "app/windows/TDatenbank_erweiternDlg.h"
#include "platform/AtomicFile.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<const char *, const char *>>;

// C1's record, as a user types it, with the Torr/°C Antoine equation (list index 2).
const Inputs kNew{{"Edit2", "Wasser-Neu"}, {"Edit4", "Water-New"},  {"Edit6", "7732-18-5"}, {"Edit7", "H2O"},
                  {"Edit8", "0"},          {"Edit9", "2"},          {"Edit10", "18.015"},   {"Edit11", "273.15"},
                  {"Edit12", "373.15"},    {"Edit13", "8.07131"},   {"Edit14", "1730.63"},  {"Edit15", "233.426"},
                  {"Edit18", "274.0"},     {"Edit19", "373.0"},     {"Edit20", "647.1"},    {"Edit21", "220.64"}};
const QString kNewLine = QStringLiteral("XXX\tE001\t7732-18-5\tfrei\tWasser-Neu\t\tWater-New\t\tH2O\t0\t2\t18.015\t273.15\t"
                                        "373.15\t2000\t8.07131\t1730.63\t233.426\t\t\t274.0\t373.0\t647.1\t220.64");
const QString kEigen = withField(withField(withField(withField(w2000Record(), 1, QStringLiteral("XXX")), 2,
                                                     QStringLiteral("E001")),
                                           4, QStringLiteral("frei")),
                                 5, QStringLiteral("Eigen-Test"));

Inputs operator+(Inputs a, const Inputs &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class RecordEditor : public MainWindowFixture
{
protected:
    TDatenbank_erweiternDlg *editor = nullptr;

    void SetUp() override
    {
        start({testRecord(QStringLiteral("Wasser-Test"), QStringLiteral("7732-18-5"), 0, 2), w2000Record(), kEigen,
               kEigen});
        useFixedNotation();
        editor = form->recordEditorDialog();
    }

    QByteArray fileBytes() const
    {
        QByteArray bytes;
        EXPECT_TRUE(readWholeFile(folder.filePath(kDatabaseFile), &bytes));
        return bytes;
    }

    // Editor text n (1-10) of the window's language block.
    QString editorText(int n) const
    {
        FormTextReader reader = form->languageTables().block(u"Datenbank_erweiternDlg");
        QString text;
        for (int i = 0; i < 8 + n; ++i)
            text = reader.next();
        return text;
    }

    // Opens the editor as its menu command would and types the inputs (the equation by list index).
    void fill(const QString &mode, const Inputs &inputs, int equation = 2)
    {
        if (mode == TDatenbank_erweiternDlg::kModeChange)
            form->selectRecord(kEigen);
        editor->setEditMode(mode);
        showAgain(editor);
        editor->ComboBox1->setCurrentIndex(equation);
        for (const auto &[name, text] : inputs) {
            QLineEdit *e = edit(editor, name);
            e->clear();
            QTest::keyClicks(e, QString::fromUtf8(text));
        }
    }

    void save(const QString &mode, const Inputs &inputs, int equation = 2)
    {
        fill(mode, inputs, equation);
        messages.clear();
        editor->BitBtn1->click();
    }
};

} // namespace

TEST_F(RecordEditor, ANewRecordIsAppendedAsTypedAndSelectedInTheList)
{
    // An equation is always chosen: the list is closed and opens on its first item.
    editor->setEditMode(TDatenbank_erweiternDlg::kModeNew);
    editor->show();
    EXPECT_FALSE(editor->ComboBox1->isEditable());
    EXPECT_EQ(editor->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(editor->Label1->text(), QStringLiteral("log10(p/kPa) = A - [B/(T + C)]"));
    EXPECT_EQ(editor->windowTitle(), editorText(1));

    const QStringList before = folder.databaseLines();
    save(TDatenbank_erweiternDlg::kModeNew, kNew);
    EXPECT_EQ(folder.databaseLines(), before + QStringList{kNewLine});
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, editorText(9));
    EXPECT_EQ(messages.shown().first().caption, form->globalText(GlobalText::InformationCaption));
    EXPECT_EQ(messages.shown().first().flags, 64);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(form->currentRecord(), kNewLine);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Wasser-Neu"));

    // A decimal comma is stored as typed and read as a point.
    const auto pressureAt50 = [&] {
        form->Edit1->setText(QStringLiteral("50"));
        form->BitBtn1->click();
        return form->Label16->text();
    };
    const QString withPoint = pressureAt50();
    EXPECT_EQ(withPoint, QStringLiteral("0,123")); // log10(p/Torr) = 8.07131 - 1730.63 / (233.426 + 50)
    save(TDatenbank_erweiternDlg::kModeNew, kNew + Inputs{{"Edit2", "Wasser-Komma"}, {"Edit13", "8,07131"}});
    EXPECT_EQ(getField(form->currentRecord(), 16), u"8,07131");
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Wasser-Komma"));
    EXPECT_EQ(pressureAt50(), withPoint);
}

TEST_F(RecordEditor, ASavedRecordTakesNoResultOfTheSubstanceShownBefore)
{
    for (const QString &mode : {TDatenbank_erweiternDlg::kModeNew, TDatenbank_erweiternDlg::kModeChange}) {
        SCOPED_TRACE(mode.toStdString());
        form->selectRecord(w2000Record());
        form->Edit1->setText(QStringLiteral("50"));
        form->BitBtn1->click();
        ASSERT_FALSE(form->Label16->text().isEmpty());
        save(mode, kNew + Inputs{{"Edit2", mode == TDatenbank_erweiternDlg::kModeNew ? "Wasser-Neu" : "Eigen-Neu"}});
        ASSERT_FALSE(editor->isVisible());
        EXPECT_NE(form->Label5->text(), QStringLiteral("Testwasser"));
        EXPECT_TRUE(form->Label16->text().isEmpty());
    }
}

TEST_F(RecordEditor, EveryBadFieldIsReportedInFieldOrderAndNothingIsSaved)
{
    struct Case
    {
        const char *what;
        Inputs inputs;
        int equation;
        QStringList boxes;
        const char *focus;
    };
    const auto input = [&](const char *caption) { return inputErrorText(QString::fromUtf8(caption)); };
    const Case cases[] = {
        {"Wagner without D", kNew, 3, {input("Koeffizient D:")}, "Edit16"},
        {"DIPPR without E", kNew + Inputs{{"Edit16", "0"}}, 4, {input("Koeffizient E:")}, "Edit17"},
        {"several at once", kNew + Inputs{{"Edit6", ""}, {"Edit8", "2.5"}, {"Edit10", "0"}, {"Edit18", "400"}}, 2,
         {input("CAS-Nr.:"), input("Anzahl C-Atome:"), input("Molmasse in kg/kmol:"), input("Tmax in K:")}, "Edit19"},
        {"no name, negative H atoms, Tmin 0", kNew + Inputs{{"Edit2", ""}, {"Edit9", "-1"}, {"Edit18", "0"}}, 2,
         {input("* Name Medium:"), input("Anzahl H-Atome:"), input("Tmin in K:")}, "Edit18"},
        {"Tc below Tmax", kNew + Inputs{{"Edit20", "300"}}, 2, {editorText(7)}, "Edit19"},
        {"exp overflows at Tmin", kNew + Inputs{{"Edit13", "20000"}, {"Edit16", "0"}, {"Edit17", "0"}}, 4,
         {editorText(5)}, "Edit18"},
        {"C + t = 0 at Tmax (99.85 °C)", kNew + Inputs{{"Edit15", "-99.85"}}, 2, {editorText(6)}, "Edit19"},
    };
    const QByteArray before = fileBytes();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        save(TDatenbank_erweiternDlg::kModeNew, c.inputs, c.equation);
        QStringList texts;
        for (const ScriptedMessageService::Shown &box : messages.shown()) {
            texts.append(box.text);
            EXPECT_EQ(box.caption, form->globalText(GlobalText::ErrorCaption));
            EXPECT_EQ(box.flags, 16);
        }
        EXPECT_EQ(texts, c.boxes);
        EXPECT_EQ(editor->focusWidget(), edit(editor, c.focus));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(fileBytes(), before);
    }
    // A TAB or a line end would break the record line; typed keys cannot give them, pasting can.
    for (const auto &[field, caption] : {std::pair{"Edit6", "CAS-Nr.:"}, std::pair{"Edit7", "Formel:"},
                                         std::pair{"Edit3", "* Weiterer Name Medium:"}}) {
        SCOPED_TRACE(field);
        fill(TDatenbank_erweiternDlg::kModeNew, kNew);
        edit(editor, field)->setText(QStringLiteral("H2\nO\t"));
        messages.clear();
        editor->BitBtn1->click();
        EXPECT_EQ(onlyErrorBox(), input(caption));
        EXPECT_EQ(fileBytes(), before);
    }
    // Enter after the first field saves nothing and shows no box for each field still empty.
    fill(TDatenbank_erweiternDlg::kModeNew, {{"Edit2", "Wasser-Neu"}});
    messages.clear();
    QTest::keyClick(editor->edit(2), Qt::Key_Return);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(fileBytes(), before);
    // Tc = Tmax passes.
    save(TDatenbank_erweiternDlg::kModeNew, kNew + Inputs{{"Edit20", "373.0"}});
    EXPECT_EQ(folder.databaseLines().last(), withField(kNewLine, 23, QStringLiteral("373.0")));
}

TEST_F(RecordEditor, ANameOfAnotherRecordIsRefusedAlsoWhenTheListHidesIt)
{
    const QByteArray before = fileBytes();
    form->RadioGroup2Buttons->button(1)->click(); // organic only: Wasser-Test is not listed
    for (const QString &mode : {TDatenbank_erweiternDlg::kModeNew, TDatenbank_erweiternDlg::kModeChange}) {
        SCOPED_TRACE(mode.toStdString());
        if (mode == TDatenbank_erweiternDlg::kModeChange)
            form->RadioGroup2Buttons->button(0)->click();
        save(mode, kNew + Inputs{{"Edit2", "Wasser-Test"}});
        EXPECT_EQ(onlyErrorBox(), editorText(3));
        EXPECT_EQ(editor->focusWidget(), editor->edit(2));
        EXPECT_EQ(fileBytes(), before);
    }
}

TEST_F(RecordEditor, AChangeReplacesEveryEqualLineAndKeepsItsName)
{
    form->selectRecord(kEigen);
    editor->setEditMode(TDatenbank_erweiternDlg::kModeChange);
    showAgain(editor);
    EXPECT_EQ(editor->windowTitle(), editorText(2));
    EXPECT_EQ(editor->ComboBox1->currentIndex(), 2);
    EXPECT_EQ(editor->edit(13)->text(), QStringLiteral("8,07131"));

    const QStringList before = folder.databaseLines();
    save(TDatenbank_erweiternDlg::kModeChange, {{"Edit3", "Zweitname"}});
    const QString changed = withField(kEigen, 6, QStringLiteral("Zweitname"));
    QStringList expected = before;
    expected.replaceInStrings(kEigen, changed);
    EXPECT_EQ(folder.databaseLines(), expected);
    EXPECT_EQ(expected.count(changed), 2);
    EXPECT_EQ(form->currentRecord(), changed);
}

TEST_F(RecordEditor, ASaveThatCannotReadOrWriteTheFileLeavesItAsItWas)
{
    const QString file = folder.filePath(kDatabaseFile);
    const QByteArray before = fileBytes();
    {
        const FileSizeLimit fullDisk;
        save(TDatenbank_erweiternDlg::kModeNew, kNew);
    }
    EXPECT_EQ(onlyErrorBox(), form->globalText(GlobalText::SaveErrorStart) + u'\r' + file + u'\r' + editorText(10));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->edit(2)->text(), QStringLiteral("Wasser-Neu"));
    EXPECT_EQ(fileBytes(), before);

    // Another password: the damaged-file box, and nothing written over the file.
    folder.writeDataFile(kDatabaseFile, QStringLiteral("anderes"), {QStringLiteral("H")});
    const QByteArray foreign = fileBytes();
    messages.clear();
    editor->BitBtn1->click();
    EXPECT_EQ(onlyErrorBox(), form->globalText(GlobalText::FileDamaged) + u' ' + file);
    EXPECT_EQ(fileBytes(), foreign);
}

TEST_F(RecordEditor, AChangeWhoseRecordLeftTheFileMeanwhileIsRefused)
{
    form->selectRecord(kEigen);
    editor->setEditMode(TDatenbank_erweiternDlg::kModeChange);
    showAgain(editor);
    folder.writeDatabase({w2000Record()});
    const QByteArray before = fileBytes();
    messages.clear();
    editor->BitBtn1->click();
    EXPECT_EQ(onlyErrorBox(), form->globalText(GlobalText::RecordNotFound) + QStringLiteral("\rEigen-Test"));
    EXPECT_EQ(fileBytes(), before);
}
