#include "frontend/qt/help_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "frontend/qt/scale.h"
#include "resources/images.h"
#include "resources/menus.h"
#include "training/scale_help.h"
#include "view/image_set.h"

namespace {

QPixmap PictureOf(const training::ScaleHelpPage& page, int factor, double ratio) {
    const int k = DeviceScale(factor, ratio, kMaxImageScale);
    const CPixmap part = LoadImagePart(page.image, page.picture, k);
    if (part.IsNull()) return {};
    QImage image(reinterpret_cast<const uchar*>(part.Bits()), part.Width(), part.Height(),
                 part.Stride() * int(sizeof(Colour)), QImage::Format_RGB32);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(double(k) / factor);
    return pixmap;
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent, std::function<void(model::Scale)> showScale, int factor)
    : QWidget(parent, Qt::Window), m_showScale(std::move(showScale)), m_nFactor(factor) {
    setObjectName(QStringLiteral("ScaleHelp"));
    setWindowTitle(QString::fromUtf8(kHelpScalesCaption));
    m_list = new QListWidget;
    for (int i = 0; i < training::kScaleHelpCount; ++i)
        m_list->addItem(QString::fromUtf8(training::ScaleHelp(i).title.c_str()));
    m_list->setMaximumWidth(360);

    m_title = new QLabel;
    m_title->setTextFormat(Qt::RichText);
    m_title->setToolTip(QString::fromUtf8(kHelpShowScale));
    m_title->setWordWrap(true);
    QFont bigger = m_title->font();
    bigger.setBold(true);
    m_title->setFont(bigger);
    connect(m_title, &QLabel::linkActivated, this,
            [this] { m_showScale(training::ScaleHelp(Page()).scale); });
    m_picture = new QLabel;
    m_strip = new QScrollArea;
    m_strip->setWidget(m_picture);
    m_strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text = new QLabel;
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* page = new QVBoxLayout;
    page->addWidget(m_title);
    page->addWidget(m_strip);
    page->addWidget(m_text, 1);
    auto* whole = new QHBoxLayout(this);
    whole->addWidget(m_list);
    whole->addLayout(page, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ShowPage(row);
    });
    ShowPage(0);
    resize(880, 460);
}

void CHelpWindow::ShowPage(int index) {
    if (m_list->currentRow() != index) {
        m_list->setCurrentRow(index);  // which comes back here
        return;
    }
    const training::ScaleHelpPage& page = training::ScaleHelp(index);
    m_title->setText(QStringLiteral("<a href=\"#\">%1</a>")
                         .arg(QString::fromUtf8(page.title.c_str()).toHtmlEscaped()));
    const QPixmap picture = PictureOf(page, m_nFactor, devicePixelRatioF());
    m_picture->setPixmap(picture);
    m_picture->resize(picture.deviceIndependentSize().toSize());
    m_strip->setFixedHeight(m_picture->height() +
                            m_strip->horizontalScrollBar()->sizeHint().height() +
                            2 * m_strip->frameWidth());
    m_text->setText(QString::fromUtf8(page.text.c_str()));
    if (layout()) layout()->activate();
}

int CHelpWindow::Page() const { return m_list->currentRow(); }
