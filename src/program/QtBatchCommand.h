#pragma once

struct AppConfig;

// quillfen --batch with the real services: files on disk, the standard streams, the network,
// this user's settings, remembered answers and product index, SIGINT and SIGTERM. For main():
// needs a QCoreApplication and no display.
int BatchCommand(const AppConfig& config);
