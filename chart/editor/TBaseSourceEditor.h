// Base of the editors that choose where a series takes its data from: a source chooser and an
// Apply button along the top, and a question before closing with changes not applied.
#pragma once

#include "TChartSeries.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;


class TBaseSourceEditor : public QWidget
{
    Q_OBJECT
public:
    explicit TBaseSourceEditor(QWidget *parent = nullptr);

    QFrame *Pan;
    QLabel *LLabel;
    QComboBox *CBSources;
    QPushButton *BApply;

    // The series fed; taken from the tag when the form shows.
    TChartSeries *TheSeries() const { return m_series; }
    void SetTag(QObject *tag) { m_tag = tag; }
    QObject *Tag() const { return m_tag; }

    // Changes are pending while Apply is enabled.
    bool HasPendingChanges() const;
    // Asks "Apply Changes ?" when changes are pending: Yes applies and allows closing only when
    // the apply succeeded, No drops the changes, Cancel keeps the form.
    bool FormCloseQuery();
    // Whether the editor can take the component as a source; none in the base.
    virtual bool IsValid(QObject *component) const;

    // For the descendants' use; cleared at creation.
    bool Flag = false;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Applies the pending changes; disables Apply when they are applied. Nothing in the base.
    virtual void BApplyClick();
    void CBSourcesChange();

private:
    QPointer<QObject> m_tag;
    QPointer<TChartSeries> m_series;
};
