#pragma once

struct AppConfig;

// quillfen --labels with the real services: files on disk, the standard streams, libzint and
// QPdfWriter, and the names this user's product index and remembered answers know. For main():
// needs a QGuiApplication (fonts and painting), on the offscreen platform when there is no
// display.
int LabelsCommand(const AppConfig& config);
