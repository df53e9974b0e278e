#include "desktop/window/QtDetailsWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
constexpr int kPictureSide = 240;
const char* const kLoadingPicture = QT_TRANSLATE_NOOP("QtDetailsWindow", "Loading picture\u2026");
const char* const kNoPicture = QT_TRANSLATE_NOOP("QtDetailsWindow", "no picture");

// Every text here but the link's comes from a database or a file, and a label left to guess would
// take one that looks like HTML for HTML (and load the pictures it names).
QLabel* PlainLabel(const QString& text, QWidget* parent = nullptr)
{
    auto* const label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}
} // namespace

QtDetailsWindow::QtDetailsWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , m_picture(PlainLabel({}, this))
    , m_title(PlainLabel({}, this))
    , m_facts(new QFormLayout)
    , m_link(new QLabel(this))
{
    setObjectName(QStringLiteral("DetailsWindow"));
    setWindowTitle(tr("Product Details"));
    setAccessibleName(tr("Product Details"));
    m_picture->setObjectName(QStringLiteral("Picture"));
    m_picture->setAccessibleName(tr(kNoPicture));
    m_picture->setFixedSize(kPictureSide, kPictureSide);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_title->setObjectName(QStringLiteral("ProductName"));
    m_title->setWordWrap(true);
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_title->setFont(bold);
    m_link->setObjectName(QStringLiteral("ProductPage"));
    m_link->setTextFormat(Qt::RichText);
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // The program opens it, so that the loopback guard and its messages apply.
    m_link->setOpenExternalLinks(false);
    connect(m_link, &QLabel::linkActivated, this, [this] { Q_EMIT linkClicked(); });

    auto* const text = new QVBoxLayout;
    text->addWidget(m_title);
    text->addLayout(m_facts);
    text->addStretch(1);
    text->addWidget(m_link);
    auto* const layout = new QHBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    resize(640, 300);
}

QtDetailsWindow::~QtDetailsWindow() = default;

void QtDetailsWindow::show(const ProductSheet& sheet)
{
    m_title->setText(sheet.title);
    m_name = sheet.title;
    while (m_facts->rowCount() > 0)
        m_facts->removeRow(0);
    for (const auto& [label, value] : sheet.facts) {
        auto* const shown = PlainLabel(value);
        shown->setWordWrap(true);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_facts->addRow(PlainLabel(label + u':'), shown);
    }
    // The link is the one rich text here, and only for an address the program checked; the
    // address goes into it escaped, and into the tooltip (which guesses too) as plain text made
    // HTML.
    const bool hasPage = !sheet.pageUrl.isEmpty();
    m_link->setVisible(hasPage);
    m_link->setText(hasPage ? QStringLiteral("<a href=\"%1\">%2</a>")
                                  .arg(sheet.pageUrl.toHtmlEscaped(),
                                       tr("Open the product's page").toHtmlEscaped())
                            : QString());
    m_link->setToolTip(hasPage ? Qt::convertFromPlainText(sheet.pageUrl) : QString());
    m_picture->setPixmap({});
    m_picture->setText(tr(kLoadingPicture));
    m_picture->setAccessibleName(tr(kLoadingPicture));
    if (!isVisible())
        QWidget::show();
    raise();
    activateWindow();
}

bool QtDetailsWindow::showPicture(const QByteArray& bytes)
{
    QPixmap pixmap;
    if (!pixmap.loadFromData(bytes)) {
        showNoPicture();
        return false;
    }
    m_picture->setPixmap(
        pixmap.scaled(m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // A label showing a picture has no text for a screen reader to read.
    m_picture->setAccessibleName(tr("Picture of %1").arg(m_name));
    return true;
}

void QtDetailsWindow::showNoPicture()
{
    m_picture->setPixmap({});
    m_picture->setText(tr(kNoPicture));
    m_picture->setAccessibleName(tr(kNoPicture));
}

void QtDetailsWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Q_EMIT keyDown(27);
        return;
    case Qt::Key_Up:
        Q_EMIT keyDown(38);
        return;
    case Qt::Key_Down:
        Q_EMIT keyDown(40);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void QtDetailsWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
