// An editor button linked to a pen: its swatch is a short line in the pen, its click opens the
// pen dialog.
#pragma once

#include "TPlotButton.h"

#include <functional>

class TPen;

class TButtonPen : public TPlotButton
{
    Q_OBJECT
public:
    explicit TButtonPen(QWidget *parent = nullptr);

    void LinkPen(TPen *pen);
    // A pen made only when asked for (an owner's creating accessor), so that showing a page
    // creates nothing; the click asks it. The swatch shows the pen once it exists.
    void LinkPenSource(std::function<TPen *()> source, TPen *existing);
    TPen *Pen() const;
    // The dialog leaves out its colour button (for pens whose colour another control sets).
    bool HideColor = false;

Q_SIGNALS:
    // After the dialog closed with OK.
    void OnClick();

protected:
    void DrawSymbol(TCanvas3D &canvas) override;

private:
    void editPen();

    std::function<TPen *()> m_source;
};
