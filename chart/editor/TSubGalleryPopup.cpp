// The sub-gallery pop-up.
#include "TSubGalleryPopup.h"

#include "TChartGalleryPanel.h"
#include "TGalleryChart.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kEdgeGap = 2;

} // namespace

TSubGalleryPopup::TSubGalleryPopup(QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SubGallery"));
    setAttribute(Qt::WA_DeleteOnClose);
    BClose = new QToolButton(this);
    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setArrowType(Qt::UpArrow);
    BClose->setAutoRaise(true);
    BClose->setFixedHeight(kStripHeight);
    Panel = new TChartGalleryPanel(this);
    Panel->DisplaySub = false;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BClose, 0, Qt::AlignRight);
    layout->addWidget(Panel, 1);
    connect(BClose, &QToolButton::clicked, this, [this] { finish(true); });
    connect(Panel, &TChartGalleryPanel::OnSelectedChart, this, [this] { finish(true); });
}

void TSubGalleryPopup::PlaceAt(const QPoint &globalTopLeft)
{
    QScreen *screen = QGuiApplication::screenAt(globalTopLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QPoint place = globalTopLeft;
    if (screen) {
        const QRect work = screen->availableGeometry();
        const int right = work.x() + work.width() - kEdgeGap;
        const int bottom = work.y() + work.height() - kEdgeGap;
        place.setX(std::max(work.x(), std::min(place.x(), right - width())));
        place.setY(std::max(work.y(), std::min(place.y(), bottom - height())));
    }
    move(place);
}

void TSubGalleryPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        finish(false);
        return;
    }
    // Arrows and Enter move and choose among the styles.
    QCoreApplication::sendEvent(Panel, event);
}

void TSubGalleryPopup::closeEvent(QCloseEvent *event)
{
    // Closed by a click outside: as cancelled.
    if (!m_finished) {
        m_finished = true;
        Q_EMIT Finished(false, -1);
    }
    QWidget::closeEvent(event);
}

void TSubGalleryPopup::finish(bool accepted)
{
    if (m_finished)
        return;
    m_finished = true;
    const TGalleryChart *chosen = Panel->SelectedChart();
    Q_EMIT Finished(accepted && chosen, chosen ? chosen->SubStyle : -1);
    close();
}
