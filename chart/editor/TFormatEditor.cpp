// The number format dialog.
#include "TFormatEditor.h"

#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "RangeSpinBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kMaxDigits = 20;

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox *digitsSpin(QWidget *parent, const char *name)
{
    auto *spin = named(new RangeSpinBox(parent), name);
    spin->setRange(0, kMaxDigits);
    return spin;
}

QComboBox *formatCombo(QWidget *parent, const char *name)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setEnabled(false);
    combo->setProperty(PlotTranslate::kUserTextsProperty, true);
    return combo;
}

QStringList geographicFormats()
{
    QStringList formats;
    for (const char *start : {"ddd\u00B0 mm'", "ddd mm'", "ddd deg mm'"})
        formats << QString::fromUtf8(start) + QStringLiteral(" ss\".zzz");
    formats << QStringLiteral("ddd mm ss.zzz") << QStringLiteral("ddd mm ss") << QStringLiteral("ddd mm")
            << QString::fromUtf8("ddd\u00B0") << QStringLiteral("ddd");
    return formats;
}

QString thousandsSeparator()
{
    return QLocale().groupSeparator();
}

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

bool onlyDigitMarks(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'#' || c == u'0'; });
}

} // namespace

TFormatEditor::TFormatEditor(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormatEditor"));
    setWindowTitle(QStringLiteral("Numeric Format"));
    m_number = named(new QRadioButton(QStringLiteral("&Number"), this), "RBInteger");
    m_percent = named(new QCheckBox(QStringLiteral("&Percent"), this), "CBPercent");
    m_thousands = named(new QCheckBox(QStringLiteral("&Thousands"), this), "CBThousands");
    m_currency = named(new QCheckBox(QStringLiteral("C&urrency"), this), "CBCurrency");
    m_fixedDecimals = named(new QCheckBox(QStringLiteral("F&ixed"), this), "CBFixedDecimals");
    m_decimals = digitsSpin(this, "UpDown1");
    m_fixed = digitsSpin(this, "UpDown2");
    auto *decimalsLabel = named(new QLabel(QStringLiteral("D&ecimals:"), this), "LDecimals");
    decimalsLabel->setBuddy(m_decimals);
    auto *fixedLabel = named(new QLabel(QStringLiteral("&Fixed:"), this), "LFixed");
    fixedLabel->setBuddy(m_fixed);

    auto *group = named(new QGroupBox(this), "GroupBox1");
    m_date = named(new QRadioButton(QStringLiteral("&Date Time:"), group), "RBDate");
    m_geo = named(new QRadioButton(QStringLiteral("&Geographic:"), group), "RBGeo");
    m_custom = named(new QRadioButton(QStringLiteral("&Custom:"), group), "RBCustom");
    m_dateCombo = formatCombo(group, "CBDate");
    m_dateCombo->addItems({QStringLiteral("mm-yyyy"), QStringLiteral("mm-dd-yy"), QStringLiteral("dd-mm-yyyy"),
                           QStringLiteral("mmm"), QStringLiteral("ddd"), QStringLiteral("MM")});
    for (const QLocale::FormatType type : {QLocale::ShortFormat}) {
        for (const QString &format : {PlotProcs::DateTimeFormatFromQt(QLocale().dateFormat(type)),
                                      PlotProcs::DateTimeFormatFromQt(QLocale().timeFormat(type))}) {
            if (m_dateCombo->findText(format) < 0)
                m_dateCombo->addItem(format);
        }
    }
    m_geoCombo = formatCombo(group, "CBGeo");
    m_customCombo = formatCombo(group, "CBCustom");

    m_choices = new QButtonGroup(this);
    for (QRadioButton *button : {m_number, m_date, m_geo, m_custom})
        m_choices->addButton(button);

    auto *top = new QGridLayout;
    top->addWidget(m_number, 0, 0);
    top->addWidget(m_percent, 0, 1);
    top->addWidget(m_thousands, 1, 1);
    top->addWidget(m_currency, 2, 1);
    top->addWidget(decimalsLabel, 1, 2);
    top->addWidget(m_decimals, 1, 3);
    top->addWidget(m_fixedDecimals, 1, 4);
    top->addWidget(fixedLabel, 2, 2);
    top->addWidget(m_fixed, 2, 3);
    auto *choices = new QGridLayout(group);
    choices->addWidget(m_date, 0, 0);
    choices->addWidget(m_dateCombo, 0, 1);
    choices->addWidget(m_geo, 1, 0);
    choices->addWidget(m_geoCombo, 1, 1);
    choices->addWidget(m_custom, 2, 0);
    choices->addWidget(m_customCombo, 2, 1);
    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), "Button1");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Button2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(m_number), static_cast<QAbstractButton *>(m_date),
                                    static_cast<QAbstractButton *>(m_geo), static_cast<QAbstractButton *>(m_custom),
                                    static_cast<QAbstractButton *>(m_thousands),
                                    static_cast<QAbstractButton *>(m_currency)})
        connect(button, &QAbstractButton::clicked, this, &TFormatEditor::radioGroupClicked);
    connect(m_percent, &QCheckBox::clicked, this, &TFormatEditor::percentClicked);
    for (QComboBox *combo : {m_dateCombo, m_geoCombo, m_customCombo})
        connect(combo, &QComboBox::currentTextChanged, this, [this](const QString &text) {
            if (!m_setting)
                TheFormat = text;
        });
}

void TFormatEditor::SetDateAllowed(bool allowed)
{
    m_date->setVisible(allowed);
    m_dateCombo->setVisible(allowed);
}

void TFormatEditor::AddCustomFormats(const QStringList &formats)
{
    const QSignalBlocker block(m_customCombo);
    for (const QString &format : formats) {
        if (m_customCombo->findText(format) < 0)
            m_customCombo->addItem(format);
    }
}

void TFormatEditor::showInCombo(QComboBox &combo, const QString &format)
{
    combo.setEnabled(true);
    if (combo.findText(format) < 0)
        combo.addItem(format);
    combo.setCurrentIndex(combo.findText(format));
    combo.setFocus();
}

void TFormatEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QString format = TheFormat; // filling the combos must not overwrite it
    m_setting = true;
    if (m_geoCombo->count() == 0)
        m_geoCombo->addItems(geographicFormats());
    AddCustomFormats({PlotProcs::FormatToLocalSeparators(QStringLiteral("#.#")),
                      PlotProcs::FormatToLocalSeparators(QStringLiteral("0.0%"))});
    Recognise(format);
    PlotProcs::PlotTranslateControl(this);
}

void TFormatEditor::Recognise(const QString &format)
{
    m_setting = true;
    TheFormat = format;
    for (QComboBox *combo : {m_dateCombo, m_geoCombo, m_customCombo})
        combo->setEnabled(false);
    if (IsDate || (m_date->isVisibleTo(this) && m_dateCombo->findText(format) >= 0)) {
        showInCombo(*m_dateCombo, format);
        m_date->setChecked(true);
        IsDate = true;
    } else if (IsGeo || m_geoCombo->findText(format) >= 0) {
        showInCombo(*m_geoCombo, format);
        m_geo->setChecked(true);
        IsGeo = true;
    } else {
        QString rest = format;
        const auto take = [&rest](const QString &mark) {
            if (mark.isEmpty() || !rest.contains(mark))
                return false;
            rest.remove(mark);
            return true;
        };
        m_percent->setChecked(take(QStringLiteral("%")));
        m_currency->setChecked(take(QLocale().currencySymbol()));
        m_thousands->setChecked(take(thousandsSeparator()));
        m_decimals->setValue(0);
        m_fixedDecimals->setChecked(false);
        const qsizetype point = rest.indexOf(decimalSeparator());
        if (point >= 0) {
            qsizetype end = point + decimalSeparator().size();
            const qsizetype runStart = end;
            while (end < rest.size() && (rest.at(end) == u'#' || rest.at(end) == u'0'))
                ++end;
            const QString run = rest.mid(runStart, end - runStart);
            m_decimals->setValue(int(std::min<qsizetype>(run.size(), kMaxDigits)));
            m_fixedDecimals->setChecked(run.startsWith(u'0'));
            rest.remove(point, end - point);
        }
        if (!onlyDigitMarks(rest)) {
            m_custom->setChecked(true);
            showInCombo(*m_customCombo, format);
        } else {
            m_number->setChecked(true);
            m_fixed->setValue(int(std::min<qsizetype>(rest.count(u'0'), kMaxDigits)));
        }
    }
    m_percent->setEnabled(!m_custom->isChecked());
    m_thousands->setEnabled(!m_percent->isChecked());
    m_currency->setEnabled(!m_percent->isChecked());
    m_setting = false;
}

void TFormatEditor::radioGroupClicked()
{
    if (m_setting)
        return;
    IsDate = m_date->isChecked();
    IsGeo = m_geo->isChecked();
    m_dateCombo->setEnabled(IsDate);
    m_geoCombo->setEnabled(IsGeo);
    m_customCombo->setEnabled(m_custom->isChecked());
    if (IsDate) {
        if (m_dateCombo->currentText().isEmpty())
            m_dateCombo->setEditText(PlotProcs::DateTimeFormatFromQt(QLocale().dateFormat(QLocale::ShortFormat)));
        m_dateCombo->setFocus();
    } else if (IsGeo) {
        if (m_geoCombo->currentText().isEmpty())
            m_geoCombo->setCurrentIndex(0);
        m_geoCombo->setFocus();
    } else {
        m_percent->setEnabled(!m_custom->isChecked());
        if (m_custom->isChecked())
            m_customCombo->setFocus();
    }
}

void TFormatEditor::percentClicked()
{
    const bool percent = m_percent->isChecked();
    m_thousands->setEnabled(!percent);
    m_currency->setEnabled(!percent);
    if (percent) {
        m_thousands->setChecked(false);
        m_currency->setChecked(false);
    }
}

QString TFormatEditor::BuiltFormat() const
{
    if (m_customCombo->isEnabled())
        return m_customCombo->currentText();
    if (m_date->isChecked())
        return m_dateCombo->currentText();
    if (m_geo->isChecked())
        return m_geoCombo->currentText();
    if (!m_number->isChecked())
        return {};
    QString result;
    if (m_currency->isChecked())
        result += QLocale().currencySymbol();
    const int fixed = m_fixed->value();
    const bool thousands = m_thousands->isChecked();
    const QString separator = thousandsSeparator();
    if (fixed == 0)
        result += thousands ? QStringLiteral("#") + separator + QStringLiteral("###") : QStringLiteral("#");
    else if (!thousands)
        result += QString(fixed, u'0');
    else if (fixed < 4)
        result += QStringLiteral("#") + separator + QString(3 - fixed, u'#') + QString(fixed, u'0');
    else
        result += QString(fixed - 3, u'0') + separator + QStringLiteral("000");
    if (const int decimals = m_decimals->value(); decimals > 0)
        result += decimalSeparator() + QString(decimals, m_fixedDecimals->isChecked() ? u'0' : u'#');
    if (m_percent->isChecked())
        result += u'%';
    return result;
}

namespace FormatEditor {

bool EditFormat(QWidget *owner, const QString &current, QString &result, bool dateTimeAllowed)
{
    const auto form = PlotPenDlg::CreateEditorForm<TFormatEditor>(owner);
    form->TheFormat = current;
    form->SetDateAllowed(dateTimeAllowed);
    QStringList defaults;
    PlotPenDlg::AddDefaultValueFormats(defaults);
    for (QString &format : defaults)
        format = PlotProcs::FormatToLocalSeparators(format);
    form->AddCustomFormats(defaults);
    const bool ok = form->exec() == QDialog::Accepted;
    result = ok ? form->BuiltFormat() : current;
    return ok;
}

} // namespace FormatEditor
