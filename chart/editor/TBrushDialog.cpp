// The brush dialog.
#include "TBrushDialog.h"

#include "EditorSwatch.h"
#include "PlotBrushDlg.h"
#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "TCanvas3D.h"
#include "TChartBrush.h"
#include "TPlotButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char *const kStyleNames[] = {
    "Solid", "None", "Horizontal", "Vertical", "Diagonal", "Back Diagonal", "Cross", "Diagonal Cross",
    "Fill 80%", "Fill 60%", "Fill 40%", "Fill 20%", "Fill 10%", "Zig zag", "Vertical small", "Horiz. small",
    "Diag. small", "Back Diag. small", "Cross small", "Diag. Cross small",
    "Metal", "Wood", "Stone", "Clouds", "Grass", "Fire", "Snow"};

constexpr int kRowCount = TBrushDialog::kHatchCount + TBrushDialog::kPatternCount + TBrushDialog::kTextureCount;
static_assert(std::size(kStyleNames) == kRowCount);
constexpr int kNoneRow = 1;
constexpr int kBrowseTag = 0;
constexpr int kClearTag = 1;

QImage styleSwatch(int row)
{
    return drawEditorSwatch(QSize(14, 14), Qt::white, [row](TCanvas3D &canvas) {
        if (row == kNoneRow)
            return;
        const TRect rect{0, 0, 14, 14};
        if (row < TBrushDialog::kHatchCount) {
            canvas.Pen()->SetColor(clBlack);
            canvas.Brush()->SetColor(clBlack);
            canvas.Brush()->SetStyle(TBrushStyle(row));
            canvas.RectangleRect(rect);
        } else {
            const QImage picture = BrushDialogPicture(row);
            canvas.StretchDraw(rect, &picture);
        }
    });
}

} // namespace

QImage BrushDialogPicture(int row)
{
    QImage picture;
    if (row >= TBrushDialog::kHatchCount && row < TBrushDialog::kHatchCount + TBrushDialog::kPatternCount) {
        PlotProcs::LoadBitmapResource(picture, QStringLiteral("PLOTBRUSH%1").arg(row - TBrushDialog::kHatchCount + 1),
                                      QString());
        // A pattern is transparent where it is white: only its black pixels fill.
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                    line[x] = 0;
            }
        }
    } else if (row >= TBrushDialog::kHatchCount + TBrushDialog::kPatternCount && row < kRowCount) {
        PlotProcs::LoadBitmapResource(picture, QString::fromLatin1(kStyleNames[row]), QString());
    }
    return picture;
}

TBrushDialog::TBrushDialog(QWidget *parent)
    : QDialog(parent)
    , m_styles(new QListWidget(this))
    , m_color(new TButtonColor(this))
    , m_image(new QLabel(this))
    , m_browse(new QPushButton(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("BrushDialog"));
    setWindowTitle(QStringLiteral("Pattern Color Editor"));
    m_styles->setObjectName(QStringLiteral("LStyle"));
    m_styles->setIconSize(QSize(14, 14));
    for (int row = 0; row < kRowCount; ++row)
        new QListWidgetItem(QIcon(QPixmap::fromImage(styleSwatch(row))), QString::fromLatin1(kStyleNames[row]), m_styles);
    m_color->setObjectName(QStringLiteral("BColor"));
    m_color->setText(QStringLiteral("&Color..."));
    auto *imageGroup = new QGroupBox(QStringLiteral("Image:"), this);
    imageGroup->setObjectName(QStringLiteral("GroupBox2"));
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setFixedSize(64, 64);
    m_image->setScaledContents(true);
    m_image->setFrameShape(QFrame::Box);
    m_browse->setObjectName(QStringLiteral("Button1"));
    m_ok->setObjectName(QStringLiteral("Button2"));
    m_ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("Button3"));

    auto *groupLayout = new QVBoxLayout(imageGroup);
    groupLayout->addWidget(m_image, 0, Qt::AlignHCenter);
    groupLayout->addWidget(m_browse);
    auto *right = new QVBoxLayout;
    right->addWidget(m_color);
    right->addWidget(imageGroup);
    right->addStretch();
    right->addWidget(m_ok);
    right->addWidget(m_cancel);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_styles);
    layout->addLayout(right);

    connect(m_styles, &QListWidget::currentRowChanged, this, &TBrushDialog::styleChosen);
    connect(m_browse, &QPushButton::clicked, this, &TBrushDialog::browseOrClear);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    updateImageBox();
}

TBrushDialog::~TBrushDialog() = default;

bool TBrushDialog::hasImage() const
{
    return m_brush && m_brush->imageIfAny() && !m_brush->imageIfAny()->IsEmpty();
}

void TBrushDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_brush)
        fill();
    PlotProcs::PlotTranslateControl(this);
}

void TBrushDialog::fill()
{
    m_filling = true;
    m_copy = std::make_unique<TChartBrush>();
    m_copy->Assign(*m_brush);
    if (hasImage()) {
        m_styles->setCurrentRow(-1);
        m_styles->clearSelection();
    } else {
        selectStyleRow();
    }
    m_color->LinkProperty(m_brush, QStringLiteral("Color"));
    updateImageBox();
    applyColorRule();
    m_filling = false;
}

void TBrushDialog::selectStyleRow()
{
    const bool filling = std::exchange(m_filling, true);
    m_styles->setCurrentRow(int(m_brush->Style()));
    m_filling = filling;
}

void TBrushDialog::styleChosen(int row)
{
    if (m_filling || !m_brush || row < 0)
        return;
    if (row < kHatchCount) {
        m_brush->SetStyle(TBrushStyle(row));
        m_brush->SetImage(nullptr);
    } else {
        TPicture picture;
        picture.SetGraphic(BrushDialogPicture(row));
        m_brush->SetImage(&picture);
    }
    updateImageBox();
    applyColorRule();
}

void TBrushDialog::browseOrClear()
{
    if (!m_brush)
        return;
    selectStyleRow();
    if (m_browse->property("Tag").toInt() == kBrowseTag) {
        const QString fileName = PlotBrushDlg::GetPictureFileName(this);
        QImage image;
        if (!fileName.isEmpty() && PlotBrushDlg::LoadPictureFile(fileName, image)) {
            TPicture picture;
            picture.SetGraphic(image);
            m_brush->SetImage(&picture);
        }
    } else {
        m_brush->SetImage(nullptr);
    }
    updateImageBox();
}

void TBrushDialog::updateImageBox()
{
    const bool image = hasImage();
    m_browse->setProperty("Tag", image ? kClearTag : kBrowseTag);
    m_browse->setText(PlotConst::message(image ? PlotConst::msgClear : PlotConst::msgBrowse));
    if (image)
        m_image->setPixmap(QPixmap::fromImage(m_brush->imageIfAny()->Graphic()));
    else
        m_image->clear();
}

void TBrushDialog::applyColorRule()
{
    m_color->setEnabled(!m_brush || m_brush->Style() != bsClear);
}

void TBrushDialog::reject()
{
    if (m_brush && m_copy) {
        const TPicture *now = m_brush->imageIfAny();
        const TPicture *before = m_copy->imageIfAny();
        const bool sameImage = (!now || now->IsEmpty()) == (!before || before->IsEmpty())
            && (!now || !before || now->Graphic() == before->Graphic());
        if (!sameImage || m_brush->Color() != m_copy->Color() || m_brush->Style() != m_copy->Style())
            m_brush->Assign(*m_copy);
    }
    QDialog::reject();
}

bool EditChartBrush(QWidget *owner, TChartBrush &brush)
{
    const auto dialog = PlotPenDlg::CreateEditorForm<TBrushDialog>(owner);
    dialog->SetBrush(&brush);
    return dialog->exec() == QDialog::Accepted;
}
