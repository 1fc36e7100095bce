// The registry of editor forms and pages: lookup by the element's editor name, replacement, and
// scoped registrations that put back what was there.
#include "EditorRegistry.h"

#include "ChartEditorLibrary.h"
#include "EditorTestSetup.h"
#include "PlotFunctions.h"
#include "TChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

EditorFormFactory labelForm(const QString &text)
{
    return [text](QWidget *owner, QObject *) -> QWidget * { return new QLabel(text, owner); };
}

QString madeText(const EditorFormFactory &factory)
{
    if (!factory)
        return QStringLiteral("(none)");
    QWidget owner;
    return qobject_cast<QLabel *>(factory(&owner, nullptr))->text();
}

} // namespace

using EditorRegistry = EditorChartTest;

TEST_F(EditorRegistry, FormsAreFoundByTheNameTheElementAnswers)
{
    TLineSeries *line = addLineSeries();
    auto *pie = chart->AddSeriesOfClass<TPieSeries>();
    TAveragePlotFunction average;
    const ScopedEditorForm custom(QStringLiteral("TCustomSeriesEditor"), labelForm(QStringLiteral("custom")));
    const ScopedEditorForm averageForm(QStringLiteral("TAverageFuncEditor"), labelForm(QStringLiteral("average")));
    const ScopedEditorForm noPieForm(QStringLiteral("TPieSeriesEditor"), {});
    EXPECT_EQ(madeText(GetSeriesEditorClass(line)), QStringLiteral("custom"));
    EXPECT_EQ(madeText(GetSeriesEditorClass(&average)), QStringLiteral("average"));
    // The pie answers its own name, which is not registered here.
    EXPECT_EQ(madeText(GetSeriesEditorClass(pie)), QStringLiteral("(none)"));
    EXPECT_EQ(madeText(GetSeriesEditorClass(static_cast<TCustomChartElement *>(nullptr))), QStringLiteral("(none)"));
}

TEST_F(EditorRegistry, ARegistrationReplacesAndAScopedOnePutsThePreviousBack)
{
    const QString name = QStringLiteral("TTestRegistryEditor");
    {
        const ScopedEditorForm outer(name, labelForm(QStringLiteral("first")));
        {
            const ScopedEditorForm inner(name, labelForm(QStringLiteral("second")));
            EXPECT_EQ(madeText(FindEditorForm(name)), QStringLiteral("second"));
        }
        EXPECT_EQ(madeText(FindEditorForm(name)), QStringLiteral("first"));
        RegisterEditorForm(name, labelForm(QStringLiteral("third")));
        EXPECT_EQ(madeText(FindEditorForm(name)), QStringLiteral("third"));
    }
    EXPECT_EQ(madeText(FindEditorForm(name)), QStringLiteral("(none)"));
}

TEST_F(EditorRegistry, PagesByTabAreScopedAndTheStartUpRegistersPrint)
{
    ASSERT_NE(FindEditorPage(cetPrintPreview), nullptr);
    EXPECT_NE(FindEditorPage(cetAxis), nullptr);
    EXPECT_NE(FindEditorPage(cetGeneral), nullptr);
    // The series list is the form's own: no page is registered for it.
    EXPECT_EQ(FindEditorPage(cetMain), nullptr);
    {
        const ScopedEditorPage noPrint(cetPrintPreview);
        EXPECT_EQ(FindEditorPage(cetPrintPreview), nullptr);
        const ScopedEditorPage noGeneral(cetGeneral);
        EXPECT_EQ(FindEditorPage(cetGeneral), nullptr);
        EditorPage page;
        page.create = [](TChartEditForm &, QWidget *host) -> QWidget * { return new QLabel(host); };
        const ScopedEditorPage main(cetMain, page);
        EXPECT_NE(FindEditorPage(cetMain), nullptr);
    }
    EXPECT_NE(FindEditorPage(cetPrintPreview), nullptr);
    EXPECT_NE(FindEditorPage(cetGeneral), nullptr);
    EXPECT_EQ(FindEditorPage(cetMain), nullptr);
    // Starting the library again registers the same entries, no second copy.
    registerChartEditor();
    EXPECT_NE(FindEditorPage(cetPrintPreview), nullptr);
    EXPECT_TRUE(FindEditorForm(QStringLiteral("TChartEditForm")));
}
