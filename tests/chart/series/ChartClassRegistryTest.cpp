// The class registry: descriptors mirror the meta-objects, start-up is idempotent, class tests.
#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTestSupport.h"

#include "StubChart.h"
#include "TCustomChartElement.h"

#include <QMetaObject>

using ChartClassRegistryTest = ChartTest;

TEST_F(ChartClassRegistryTest, EveryDescriptorMirrorsItsMetaObjectAndAStartAddsNothingNew)
{
    const ChartClassRegistry &registry = ChartClassRegistry::instance();
    const int before = registry.count();
    ASSERT_GT(before, 0);
    for (const ChartClassDescriptor *d : registry.descriptors()) {
        SCOPED_TRACE(d->name.toStdString());
        ASSERT_NE(d->metaObject, nullptr);
        EXPECT_EQ(d->name, QString::fromLatin1(d->metaObject->className()));
        const QMetaObject *super = d->metaObject->superClass();
        EXPECT_EQ(d->parent, super ? registry.find(*super) : nullptr);
        EXPECT_EQ(registry.find(d->name), d);
        if (!d->factory)
            continue;
        // What the factory makes is of the class, and the editor name is the one it answers.
        const std::unique_ptr<QObject> made = d->factory();
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->metaObject(), d->metaObject);
        if (const auto *element = qobject_cast<const TCustomChartElement *>(made.get())) {
            EXPECT_EQ(registry.editorClassName(*element), element->GetEditorClassName());
        }
    }
    registerChartLibrary();
    EXPECT_EQ(registry.count(), before);
}

TEST_F(ChartClassRegistryTest, ClassesAreMadeByNameOnlyWhenConcrete)
{
    const ChartClassRegistry &registry = ChartClassRegistry::instance();
    const std::unique_ptr<QObject> chart = registry.create(QStringLiteral("TChart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->inherits("TCustomAxisPanel"));
    EXPECT_EQ(registry.create(QStringLiteral("TCustomAxisPanel")), nullptr);
    EXPECT_EQ(registry.create(QStringLiteral("TNoSuchSeries")), nullptr);
    const ChartClassDescriptor *tchart = registry.find(QStringLiteral("TChart"));
    const ChartClassDescriptor *panel = registry.find(QStringLiteral("TCustomAxisPanel"));
    ASSERT_TRUE(tchart && panel);
    EXPECT_TRUE(tchart->inherits(*panel));
    EXPECT_FALSE(panel->inherits(*tchart));
}

namespace {

// A series type beside the polyline test series, neither deriving from the other.
class SiblingTestSeries : public TChartSeries
{
    Q_OBJECT
public:
    using TChartSeries::TChartSeries;
};

// A type derived from the polyline test series.
class DerivedTestSeries : public PolylineTestSeries
{
    Q_OBJECT
public:
    using PolylineTestSeries::PolylineTestSeries;
};

} // namespace

TEST(SameClass, EitherSeriesMayBeAnInstanceOfTheOthersClass)
{
    TChartSeries base;
    PolylineTestSeries line;
    PolylineTestSeries secondLine;
    DerivedTestSeries derived;
    SiblingTestSeries sibling;
    struct Case { const TChartSeries *a; const TChartSeries *b; bool same; const char *what; };
    const Case cases[] = {
        {&line, &secondLine, true, "same class"},
        {&line, &derived, true, "derived asked by its base"},
        {&derived, &line, true, "base asked by a derived one"},
        {&base, &sibling, true, "the common base"},
        {&line, &sibling, false, "siblings"},
        {&derived, &sibling, false, "a sibling's descendant"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.a->SameClass(*c.b), c.same);
    }
}

#include "ChartClassRegistryTest.moc"
