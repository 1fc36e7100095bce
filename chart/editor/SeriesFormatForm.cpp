// The Format-tab form base.
#include "SeriesFormatForm.h"

#include "EditorConvert.h"
#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotException.h"
#include "TChartSeries.h"
#include "TPlotButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

SeriesFormatForm::SeriesFormatForm(QWidget *parent, QObject *tag)
    : QWidget(parent)
    , m_tag(tag)
{
}

void SeriesFormatForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The extra tabs belong to an owning series form; a form on its own inserts none.
    if (!m_shownOnce && parentWidget()) {
        m_shownOnce = true;
        FirstShow();
    }
    Refill();
}

void SeriesFormatForm::Refill()
{
    if (!m_tag)
        return;
    const bool was = m_filling;
    m_filling = true;
    FillControls();
    m_filling = was;
}

void SeriesFormatForm::Write(const std::function<void()> &write)
{
    if (m_filling || !m_tag)
        return;
    editorSet(write, [this] { Refill(); });
}

QCheckBox *SeriesFormatForm::addCheck(const QString &caption, const char *name, std::function<void(bool)> set)
{
    auto *box = named(new QCheckBox(caption, this), name);
    connect(box, &QCheckBox::clicked, this, [this, set = std::move(set)](bool on) { Write([&] { set(on); }); });
    return box;
}

QSpinBox *SeriesFormatForm::addSpin(const char *name, int minimum, int maximum, int step, std::function<void(int)> set)
{
    QSpinBox *box = spinBox(this, name, minimum, maximum, step);
    connect(box, &QSpinBox::valueChanged, this, [this, set = std::move(set)](int value) { Write([&] { set(value); }); });
    return box;
}

QComboBox *SeriesFormatForm::addCombo(const char *name, const QStringList &items, std::function<void(int)> set)
{
    auto *combo = named(new QComboBox(this), name);
    combo->addItems(items);
    connect(combo, &QComboBox::activated, this, [this, set = std::move(set)](int index) {
        if (index >= 0)
            Write([&] { set(index); });
    });
    return combo;
}

QGroupBox *SeriesFormatForm::addRadioGroup(const QString &caption, const char *name, const QStringList &items,
                                           QButtonGroup *&buttons, std::function<void(int)> set)
{
    auto *box = named(new QGroupBox(caption, this), name);
    buttons = new QButtonGroup(box);
    auto *column = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items.at(i), box);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(i));
        buttons->addButton(radio, i);
        column->addWidget(radio);
    }
    connect(buttons, &QButtonGroup::idClicked, this, [this, set = std::move(set)](int id) { Write([&] { set(id); }); });
    return box;
}

QLineEdit *SeriesFormatForm::addNumberEdit(const char *name, std::function<void(double)> set)
{
    auto *edit = named(new QLineEdit(this), name);
    connect(edit, &QLineEdit::textEdited, this, [this, set = std::move(set)](const QString &text) {
        // A half-typed number ("-", "1e") is no number yet: the stored value stays.
        if (const std::optional<double> value = EditorNumber(text))
            Write([&] { set(*value); });
    });
    return edit;
}

TButtonColor *SeriesFormatForm::addSeriesColorButton(const char *name, const QString &caption)
{
    auto *button = named(new TButtonColor(this), name);
    button->setText(caption);
    return button;
}

void SeriesFormatForm::fillSeriesColorButton(TButtonColor *button, TChartSeries *series)
{
    LinkSeriesColor(*button, series);
    button->setEnabled(series && !series->ColorEachPoint());
}

void LinkSeriesColor(TButtonColor &button, TChartSeries *series)
{
    button.LinkProperty(series, QStringLiteral("SeriesColor"));
    // A palette colour lives in the series' default colour: SeriesColor still holds the "default
    // colour" placeholder, which the swatch and the colour dialog would show as black.
    button.GetColorQuery = [series = QPointer<TChartSeries>(series)] { return series ? series->Color() : clNone; };
}

void SeriesFormatForm::adoptLayoutWidgets(QWidget *page)
{
    for (int i = 0; i < page->layout()->count(); ++i)
        if (QWidget *w = page->layout()->itemAt(i)->widget())
            w->setParent(page);
}

std::optional<double> EditorNumber(const QString &text)
{
    try {
        return EditorConvert::textToNumber(text);
    } catch (const PlotException &) {
        return std::nullopt;
    }
}
