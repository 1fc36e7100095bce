// The shape editor of a framed text box (titles, legend, marks, walls' kin): colour, frame,
// pattern, round frame, transparency and bevel on "Format", and the font, gradient and shadow
// editors on their own tabs. Hosts embed it whole or take its four tabs into their page control.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class EditorShownPage;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonColor;
class TButtonPen;
class TPlotCustomShape;
class TPlotFontEditor;
class TPlotGradientEditor;
class TPlotShadowEditor;

class TFormPlotShape : public QDialog
{
    Q_OBJECT
public:
    explicit TFormPlotShape(QWidget *parent = nullptr);

    QTabWidget *PC1;
    QWidget *TabFormat;
    QWidget *TabText;
    EditorShownPage *TabGradient;
    QWidget *TabShadow;
    TButtonColor *BBackColor;
    TButtonPen *Button4;
    QPushButton *Button6;
    QCheckBox *CBRound;
    QCheckBox *CBTransparent;
    QComboBox *CBBevel;
    QSpinBox *UDBevW;
    QSpinBox *UDShadowTransp;
    TPlotFontEditor *FontEditor;
    TPlotGradientEditor *GradientEditor;
    TPlotShadowEditor *ShadowEditor;

    // Links the shape and shows its values.
    void RefreshControls(TPlotCustomShape *shape);
    TPlotCustomShape *Shape() const { return m_shape; }
    // The four pages in their order, wherever they are placed now.
    QList<QWidget *> Pages() const;
    // Moves the four tabs to the end of the host's page control; the host's first page becomes
    // active. The form stays, hidden, as the owner of their handlers.
    void MoveTabsInto(QTabWidget &pages);
    // A check box of the host that shows or hides the shape.
    void CBVisibleChecked(bool checked);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildFormatTab();
    void enableBevelSize();
    void linkGradient();

    QPointer<TPlotCustomShape> m_shape;
    bool m_setting = true;
};

// The editor placed in parent (borderless, filling it, translated) on the shape; without a parent
// a dialog of the owner's.
TFormPlotShape *CreateShapeEditor(QWidget *owner, TPlotCustomShape *shape, QWidget *parent);
// The editor made for the host page control: its tabs moved there, translated. The host links the
// shape afterwards through RefreshControls.
TFormPlotShape *InsertShapeEditor(QTabWidget &pages);
