// The medium picker: chooses the substances the diagram window draws, from the main list.
#pragma once

#include "app/windows/DiagramHost.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QToolButton;
class SubstanceListBox;

class TMeddazuDlg : public QDialog
{
    Q_OBJECT
public:
    TMeddazuDlg(const DiagramHost &host, QWidget *parent);

    SubstanceListBox *ListBox1 = nullptr; // all substances of the main list
    SubstanceListBox *ListBox2 = nullptr; // the media in the diagram
    QToolButton *SpeedButton1 = nullptr; // into the diagram
    QToolButton *SpeedButton2 = nullptr; // out of the diagram
    QLabel *Label1 = nullptr; // heading of ListBox1
    QLabel *Label2 = nullptr; // heading of ListBox2
    QPushButton *BitBtn1 = nullptr; // close
    QPushButton *BitBtn2 = nullptr; // redraw the diagram

    // What "redraw" runs: the diagram window's drawing of the picked substances.
    void setOnRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }

    void LoadCaptions();
    void FormShow();
    void ListBox1Click();
    void ListBox2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    DiagramHost m_host;
    std::function<void()> m_redraw;
};
