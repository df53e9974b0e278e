/* Quillfen example skin: a Qt style sheet. Copy the folder x/ (with this file in it) next to
   the quillfen program and start it; the window, its controls and its boxes take this look. */

QWidget#Form1 {
    background-color: #e8edf2;
}

QPushButton {
    color: #f5f8fb;
    background-color: #2f6f8f;
    border: 1px solid #23566f;
    border-radius: 4px;
    padding: 2px 10px;
}
QPushButton:hover {
    background-color: #3a84a8;
}
QPushButton:pressed {
    background-color: #23566f;
}
QPushButton:focus {
    border: 1px solid #f2a541;
}

QTreeWidget {
    color: #1d232b;
    background-color: #ffffff;
    alternate-background-color: #f3f6f9;
    border: 1px solid #9fb3c4;
    selection-background-color: #f2a541;
    selection-color: #1d232b;
}
QHeaderView::section {
    color: #1d232b;
    background-color: #d3dde6;
    border: none;
    border-right: 1px solid #9fb3c4;
    border-bottom: 1px solid #9fb3c4;
    padding: 2px 6px;
}

QProgressBar {
    color: #1d232b;
    background-color: #ffffff;
    border: 1px solid #9fb3c4;
    border-radius: 4px;
    text-align: center;
}
QProgressBar::chunk {
    background-color: #8cc0d8;
    border-radius: 3px;
}

QToolTip {
    color: #1d232b;
    background-color: #fffbe8;
    border: 1px solid #c9b98a;
}

QMessageBox, QInputDialog, QFileDialog {
    background-color: #e8edf2;
}
