#pragma once

#include "platform/ScanWindow.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScanSounds;
class QTimer;
class QTreeWidget;

// The scan window: a window of its own beside the main window, whose input line takes every key
// while the window is active (nothing else in it takes the focus). The line's text goes out
// whole when Enter, Tab, CR or LF ends it, a paste of lines at once; Ctrl+Z asks for the last scan
// to be taken back rather than editing the line.
class QtScanWindow final : public QWidget, public ScanWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtScanWindow)
public:
    // `beside`: the main window, which the scan window opens next to and closes with.
    explicit QtScanWindow(QWidget* beside);
    ~QtScanWindow() override;

    void open() override;
    bool isOpen() const override;
    void showRows(const QList<ScanTableRow>& rows) override;
    void showAnswer(const QString& text) override;
    void showNotice(const QString& text) override;
    void setStatusWords(const QStringList& words) override;
    void signal(ScanSignal signal) override;
    bool muted() const override;
    void setMuted(bool muted) override;
    void setPhoneChoice(bool on, const QString& address, quint16 port) override;
    void showPhoneLink(const QString& url) override;

    QLineEdit* line() const { return m_line; }
    QPushButton* sendToCodeListButton() const { return m_send; }
    QPushButton* saveAsButton() const { return m_saveAs; }
    QCheckBox* muteBox() const { return m_mute; }
    QCheckBox* phoneBox() const { return m_phone; }
    QPushButton* newLinkButton() const { return m_newLink; }

Q_SIGNALS:
    // Keys that end one or more scans (the line's text and its end), or a paste of lines.
    void keyText(const QString& keys);
    void undoRequested();
    void muteClicked(bool muted);
    void phoneClicked(bool on, const QString& address, quint16 port);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void send(const QString& end);
    void play(ScanSignal signal);

    QWidget* m_beside;
    QLineEdit* m_line;
    QLabel* m_answer;
    QTreeWidget* m_table;
    QLabel* m_notice;
    QPushButton* m_send;
    QPushButton* m_saveAs;
    QCheckBox* m_mute;
    QCheckBox* m_phone;
    QComboBox* m_address;
    QSpinBox* m_port;
    QLabel* m_link;
    QLabel* m_qrCode;
    QPushButton* m_newLink;
    QTimer* m_flashEnd;
    // Made at the first sound.
    std::unique_ptr<ScanSounds> m_sounds;
};
