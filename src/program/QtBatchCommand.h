#pragma once

struct AppConfig;

// quillfen --batch with the real services: files on disk, the standard streams, the network,
// this user's settings, remembered answers and product index, SIGINT and SIGTERM. For main():
// needs a QCoreApplication and no display.
int BatchCommand(const AppConfig& config);

// quillfen --scan with the real services, the session file in the data folder among them. For
// main(): needs a QCoreApplication and no display.
int ScanCommand(const AppConfig& config);
