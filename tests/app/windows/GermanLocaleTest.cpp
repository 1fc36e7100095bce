// Number texts under a German system locale, which QApplication puts into the C library: the
// shown limits are written with '.' before the language's comma, and typed back they are taken.
#include "SystemDialogFixture.h"
#include "app/container/DataPasswords.h"
#include "app/core/NumberText.h"
#include "app/core/RangeLimits.h"
#include "app/data/DataFiles.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <clocale>

namespace {

const QString kWater = QStringLiteral("7732-18-5");
const QString kEthanol = QStringLiteral("64-17-5");
const QString kAcetone = QStringLiteral("67-64-1");

QString shippedRecord(const QString &cas)
{
    const QStringList records = shippedRecords(cas);
    return records.value(0);
}

class GermanLocale : public SystemDialogFixture
{
protected:
    void SetUp() override
    {
        // ctest runs this program under LANG=de_DE.UTF-8; setup.sh generates that locale.
        if (std::localeconv()->decimal_point[0] != ',')
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
        QLocale::setDefault(QLocale::system());
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void startWithShippedData()
    {
        folder.writeDataFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids),
                             shippedSourceLines(QStringLiteral("tenso4.tsv")));
        const QString aqueous = QString::fromLatin1(DataPasswords::kAqueous);
        folder.writeDataFile(kAqueousSolutesFile, aqueous, shippedSourceLines(QStringLiteral("tenso5.tsv")));
        folder.writeDataFile(kAqueousCoefficientsFile, aqueous, shippedSourceLines(QStringLiteral("tenso6.tsv")));
        start({shippedRecord(kWater), shippedRecord(kEthanol), shippedRecord(kAcetone)});
    }

    // Types each shown limit in the unit its caption names and calculates; the failures, with the
    // boxes they showed.
    QStringList refusedLimits(const QString &what, QComboBox *unit, QLineEdit *input, QAbstractButton *calculate,
                              QLabel *result, const QList<std::pair<QLabel *, QLabel *>> &limits)
    {
        QStringList refused;
        for (const auto &[caption, value] : limits) {
            // "p min. in mbar:" -> "mbar"
            const QString unitText = caption->text().section(QStringLiteral(" in "), 1).chopped(1);
            unit->setCurrentText(unitText);
            messages.clear();
            input->setText(value->text());
            calculate->click();
            // The dialogs write "Siedepunkt = " before the value, the main window the value alone.
            const QString shown = result->text().section(u'=', -1).trimmed();
            if (!messages.shown().isEmpty() || shown.isEmpty() || unit->currentText() != unitText)
                refused.append(what + u' ' + caption->text() + u' ' + value->text() + u' '
                               + shownTexts().join(u'|'));
        }
        return refused;
    }
};

} // namespace

TEST_F(GermanLocale, NumberTextsAreThoseOfTheCLocale)
{
    struct Case { QString cas; const char16_t *min; const char16_t *max; };
    const Case cases[] = {{kEthanol, u"0,1", u"61,0"}, {kWater, u"6,2", nullptr}, {kAcetone, nullptr, u"47,0"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cas.toStdString());
        const QString record = shippedRecord(c.cas);
        ASSERT_FALSE(record.isEmpty());
        const RangeLimits limits = recordRangeLimits(record);
        const RangeTexts texts = pressureRangeText(u"bar", limits.pminBar, limits.pmaxBar, u'D');
        if (c.min) {
            EXPECT_EQ(texts.minValue, QString::fromUtf16(c.min));
        }
        if (c.max) {
            EXPECT_EQ(texts.maxValue, QString::fromUtf16(c.max));
        }
    }
    ASSERT_EQ(systemDecimalSeparator(), u',');
    EXPECT_EQ(formatResult(0.0004L, false, u'D', systemDecimalSeparator()), u"4,00000e-04");
    EXPECT_EQ(formatResult(123.4567L, false, u'E', systemDecimalSeparator()), u"123.457");
    EXPECT_EQ(fixedText(-250.0L, 2), u"-250.00");
}

TEST_F(GermanLocale, EveryShownPressureLimitTypedBackIsAccepted)
{
    startWithShippedData();
    QStringList refused;

    form->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    for (const QString &cas : {kWater, kEthanol, kAcetone}) {
        form->selectRecord(shippedRecord(cas));
        refused += refusedLimits(displayName(shippedRecord(cas), u'D'), form->ComboBox1, form->Edit1, form->BitBtn1,
                                 form->Label16, {{form->Label17, form->Label19}, {form->Label18, form->Label20}});
    }

    const auto checkDialog = [&](const QString &what, SystemDialog *dialog, QAbstractButton *calculate) {
        dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
        dialog->ComboBox1->setCurrentText(QStringLiteral("bar"));
        messages.clear();
        dialog->BitBtn5->click();
        ASSERT_TRUE(messages.shown().isEmpty()) << what.toStdString() << ": " << shownTexts().join(u'|').toStdString();
        refused += refusedLimits(what, dialog->ComboBox1, dialog->Edit1, calculate, dialog->Label17,
                                 {{dialog->Label15, dialog->Label18}, {dialog->Label16, dialog->Label19}});
    };

    TFlueFlueDlg *mixture = form->mixtureDialog();
    open(mixture);
    addComponent(mixture, displayName(shippedRecord(kWater), u'D'), QStringLiteral("50"));
    addComponent(mixture, displayName(shippedRecord(kEthanol), u'D'), QStringLiteral("50"));
    checkDialog(QStringLiteral("water/ethanol 50/50"), mixture, mixture->BitBtn3);

    TFestFlueDlg *solid = form->solidLiquidDialog();
    open(solid);
    solid->ListBox1->setCurrentItem(solid->ListBox1->findItems(QStringLiteral("Wasser\t"), Qt::MatchStartsWith).value(0));
    solid->ListBox1Click();
    solid->ListBox2->setCurrentItem(solid->ListBox2->findItems(QStringLiteral("Harnstoff\t"), Qt::MatchStartsWith).value(0));
    solid->ListBox2Click();
    solid->Edit3->setText(QStringLiteral("10"));
    checkDialog(QStringLiteral("10 % urea"), solid, solid->BitBtn3);

    // 1 mol/kg NaCl: 58.44 g in 1058.44 g.
    TWaessrigDlg *aqueous = form->aqueousDialog();
    open(aqueous);
    addComponent(aqueous, QStringLiteral("NaCl"), QStringLiteral("5,5214"));
    checkDialog(QStringLiteral("1 mol/kg NaCl"), aqueous, aqueous->BitBtn4);

    EXPECT_TRUE(refused.isEmpty()) << refused.join(QStringLiteral("; ")).toStdString();
}
