#pragma once

class ConnectionsModule;
class PictureModule;
struct AppConfig;

// quillfen --batch with the real services: files on disk, the standard streams, the network,
// this user's settings, remembered answers and product index, SIGINT and SIGTERM. For main():
// needs a QCoreApplication and no display.
// Pictures and PDF pages are read by what pictures makes.
// Pages, catalogues, zip containers and workbooks come through what connections makes.
int BatchCommand(const AppConfig& config, const PictureModule& pictures,
                 const ConnectionsModule& connections);

// quillfen --scan with the real services, the session file in the data folder among them. For
// main(): needs a QCoreApplication and no display.
int ScanCommand(const AppConfig& config, const ConnectionsModule& connections);

// quillfen --list-layouts. For main(): needs a QCoreApplication.
int ListLayoutsCommand(const AppConfig& config);
