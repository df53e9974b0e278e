#include "desktop/window/QtScanWindow.h"

#include "desktop/window/ScanSounds.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <qrencode.h>

#include <cmath>

namespace {
constexpr int kFlashMs = 350;
constexpr int kNameColumn = 2;
constexpr int kStatusColumn = 4;

QString FlashColour(ScanSignal signal)
{
    switch (signal) {
    case ScanSignal::Found:
        return QStringLiteral("#7bd88f");
    case ScanSignal::Invalid:
        return QStringLiteral("#f08080");
    case ScanSignal::NotFound:
        break;
    }
    return QStringLiteral("#c8c8c8");
}
} // namespace

QtScanWindow::QtScanWindow(QWidget* beside)
    : QWidget(beside, Qt::Window)
    , m_beside(beside)
{
    setObjectName(QStringLiteral("ScanWindow"));
    //: The scan window's title (the noun: the window where codes are scanned).
    setWindowTitle(tr("Scan"));
    setAccessibleName(tr("Scan"));
    resize(560, 520);

    m_line = new QLineEdit(this);
    m_line->setObjectName(QStringLiteral("ScanLine"));
    m_line->setAccessibleName(tr("Scan line"));
    m_line->setPlaceholderText(tr("Scan or type a code, then Enter"));
    m_line->setMaxLength(4096);
    QFont lineFont = m_line->font();
    lineFont.setPointSize(lineFont.pointSize() + 4);
    m_line->setFont(lineFont);
    m_line->installEventFilter(this);

    m_answer = new QLabel(this);
    m_answer->setObjectName(QStringLiteral("ScanAnswer"));
    m_answer->setAccessibleName(tr("Answer"));
    // Product names come from outside: never rich text.
    m_answer->setTextFormat(Qt::PlainText);
    m_answer->setWordWrap(true);
    QFont answerFont = m_answer->font();
    answerFont.setPointSize(answerFont.pointSize() * 2);
    answerFont.setBold(true);
    m_answer->setFont(answerFont);
    m_answer->setMinimumHeight(QFontMetrics(answerFont).height() * 2);

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("ScanTable"));
    m_table->setAccessibleName(tr("Scans"));
    //: The scans table's columns: how many times the code was scanned, the code, the product's
    //: name and brand, and whether it was found.
    m_table->setHeaderLabels({tr("Count"), tr("Code"), tr("Name"), tr("Brand"), tr("Status")});
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The name takes what room is left; the status keeps the width its longest word needs.
    QHeaderView* const header = m_table->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    header->resizeSection(0, 60);
    header->resizeSection(1, 130);
    header->resizeSection(3, 100);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("ScanNotice"));
    m_notice->setAccessibleName(tr("Notice"));
    // It may tell a database's words or a system's: never rich text.
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->hide();

    m_send = new QPushButton(tr("Send to Code List"), this);
    m_send->setObjectName(QStringLiteral("SendToCodeList"));
    m_saveAs = new QPushButton(tr("Save As\u2026"), this);
    m_saveAs->setObjectName(QStringLiteral("SaveScansAs"));
    m_mute = new QCheckBox(tr("Mute"), this);
    m_mute->setObjectName(QStringLiteral("ScanMute"));
    connect(m_mute, &QCheckBox::clicked, this, &QtScanWindow::muteClicked);
    m_phone = new QCheckBox(tr("Receive Scans From a Phone"), this);
    m_phone->setObjectName(QStringLiteral("PhoneScans"));
    m_address = new QComboBox(this);
    m_address->setObjectName(QStringLiteral("PhoneAddress"));
    m_address->setAccessibleName(tr("Address"));
    // This machine's own addresses; the loopback one first, which no phone reaches, so that
    // turning it on by mistake opens nothing to the network.
    m_address->addItem(QHostAddress(QHostAddress::LocalHost).toString());
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            m_address->addItem(address.toString());
    }
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("PhonePort"));
    m_port->setAccessibleName(tr("Port"));
    m_port->setRange(1024, 65535);
    m_newLink = new QPushButton(tr("New Link"), this);
    m_newLink->setObjectName(QStringLiteral("NewPhoneLink"));
    m_link = new QLabel(this);
    m_link->setObjectName(QStringLiteral("PhoneLink"));
    m_link->setTextFormat(Qt::PlainText);
    m_link->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_link->setWordWrap(true);
    m_qrCode = new QLabel(this);
    m_qrCode->setObjectName(QStringLiteral("PhoneLinkCode"));
    m_qrCode->setAccessibleName(tr("QR code of the link"));
    connect(m_phone, &QCheckBox::clicked, this, [this](bool on) {
        Q_EMIT phoneClicked(on, m_address->currentText(), quint16(m_port->value()));
    });
    showPhoneLink({});

    // The line keeps the focus: a scanner types into whatever has it.
    for (QWidget* other : std::initializer_list<QWidget*>{m_table, m_send, m_saveAs, m_mute,
                                                          m_phone, m_newLink, m_link})
        other->setFocusPolicy(Qt::NoFocus);

    auto* const buttons = new QHBoxLayout;
    buttons->addWidget(m_send);
    buttons->addWidget(m_saveAs);
    buttons->addStretch();
    buttons->addWidget(m_mute);
    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(m_line);
    layout->addWidget(m_answer);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_notice);
    layout->addLayout(buttons);
    auto* const phone = new QHBoxLayout;
    phone->addWidget(m_phone);
    phone->addWidget(m_address);
    phone->addWidget(m_port);
    phone->addWidget(m_newLink);
    phone->addStretch();
    layout->addLayout(phone);
    auto* const link = new QHBoxLayout;
    link->addWidget(m_qrCode);
    link->addWidget(m_link, 1);
    layout->addLayout(link);

    m_flashEnd = new QTimer(this);
    m_flashEnd->setSingleShot(true);
    m_flashEnd->setInterval(kFlashMs);
    connect(m_flashEnd, &QTimer::timeout, this, [this] { m_line->setStyleSheet({}); });
}

QtScanWindow::~QtScanWindow() = default;

void QtScanWindow::open()
{
    if (!isVisible() && m_beside) {
        // Beside the main window, on its right when the screen has room there, else on its left.
        const QRect main = m_beside->frameGeometry();
        const QRect screen = m_beside->screen() ? m_beside->screen()->availableGeometry() : QRect();
        QPoint at(main.right() + 8, main.top());
        if (screen.isValid() && at.x() + width() > screen.right())
            at.setX(std::max(screen.left(), main.left() - width() - 8));
        move(at);
    }
    show();
    raise();
    activateWindow();
    m_line->setFocus();
}

bool QtScanWindow::isOpen() const
{
    return isVisible();
}

void QtScanWindow::showRows(const QList<ScanTableRow>& rows)
{
    m_table->setUpdatesEnabled(false);
    m_table->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const ScanTableRow& row : rows)
        items.append(
            new QTreeWidgetItem(QStringList{row.count, row.code, row.name, row.brand, row.status}));
    m_table->addTopLevelItems(items);
    m_table->setUpdatesEnabled(true);
}

void QtScanWindow::showAnswer(const QString& text)
{
    m_answer->setText(text);
}

void QtScanWindow::showNotice(const QString& text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void QtScanWindow::setStatusWords(const QStringList& words)
{
    // As the item view lays out a cell's text (its width rounded up, the focus frame's margin and
    // a pixel each side), and a little room before the window's edge.
    QStyle* const style = m_table->style();
    const int margins =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1) + 6;
    const QFontMetricsF metrics(m_table->font());
    QHeaderView* const header = m_table->header();
    int status = header->sectionSizeHint(kStatusColumn);
    for (const QString& word : words)
        status = std::max(status, int(std::ceil(metrics.horizontalAdvance(word))) + margins);
    header->resizeSection(kStatusColumn, status);
    // Wide enough for every column, the name's at its narrowest, and a scroll bar: the status
    // is never cut off.
    int wanted = header->minimumSectionSize() + 2 * m_table->frameWidth() +
                 style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
    for (int column = 0; column < header->count(); ++column) {
        if (column != kNameColumn)
            wanted += header->sectionSize(column);
    }
    const QMargins around = layout()->contentsMargins();
    wanted += around.left() + around.right();
    if (wanted > width())
        resize(wanted, height());
}

void QtScanWindow::signal(ScanSignal signal)
{
    m_line->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(FlashColour(signal)));
    m_flashEnd->start();
    if (!m_mute->isChecked())
        play(signal);
}

void QtScanWindow::play(ScanSignal signal)
{
    if (!m_sounds)
        m_sounds = std::make_unique<ScanSounds>();
    m_sounds->play(signal);
}

bool QtScanWindow::muted() const
{
    return m_mute->isChecked();
}

void QtScanWindow::setMuted(bool muted)
{
    m_mute->setChecked(muted);
}

void QtScanWindow::setPhoneChoice(bool on, const QString& address, quint16 port)
{
    m_phone->setChecked(on);
    if (!address.isEmpty()) {
        if (m_address->findText(address) < 0)
            m_address->addItem(address);
        m_address->setCurrentText(address);
    }
    m_port->setValue(port);
}

void QtScanWindow::showPhoneLink(const QString& url)
{
    const bool shown = !url.isEmpty();
    m_link->setText(url);
    m_link->setVisible(shown);
    m_qrCode->setVisible(shown);
    m_newLink->setEnabled(shown);
    m_address->setEnabled(!shown);
    m_port->setEnabled(!shown);
    if (!shown) {
        m_qrCode->clear();
        return;
    }
    QRcode* const code =
        QRcode_encodeString(url.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) {
        m_qrCode->clear();
        return;
    }
    // Four modules of quiet zone around, each module a few pixels, as phone cameras read best.
    constexpr int kQuiet = 4;
    constexpr int kModule = 4;
    const int side = (code->width + 2 * kQuiet) * kModule;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + kQuiet) * kModule, (y + kQuiet) * kModule, kModule, kModule,
                                 Qt::black);
        }
    }
    painter.end();
    QRcode_free(code);
    m_qrCode->setPixmap(QPixmap::fromImage(image));
}

void QtScanWindow::send(const QString& end)
{
    const QString keys = m_line->text() + end;
    m_line->clear();
    Q_EMIT keyText(keys);
}

bool QtScanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_line || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* const key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo)) {
        Q_EMIT undoRequested();
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text();
        const qsizetype lastEnd = std::max(pasted.lastIndexOf(u'\n'), pasted.lastIndexOf(u'\r'));
        if (lastEnd < 0)
            return false; // one piece of a line: the line takes it as typed
        const QString keys = m_line->text() + pasted.first(lastEnd + 1);
        m_line->setText(pasted.sliced(lastEnd + 1));
        Q_EMIT keyText(keys);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        send(QStringLiteral("\r"));
        return true;
    case Qt::Key_Tab:
        send(QStringLiteral("\t"));
        return true;
    default:
        return false;
    }
}

void QtScanWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closed();
}
