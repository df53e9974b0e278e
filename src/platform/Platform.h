#pragma once

class AboutBox;
class AnswerStore;
class BarcodeScanner;
class ApplicationTitle;
class BrowserOpener;
class CatalogueConnection;
class Clock;
class ColumnChoiceDialog;
class DownloadStore;
class Clipboard;
class DetailsWindow;
class EventLoop;
class FileDialog;
class FileSystem;
class HttpFetcher;
class InputBox;
class InputFiles;
class PacingStore;
class KeyStore;
class PictureStore;
class PdfDocument;
class PictureFiles;
class ListControl;
class Form1Window;
class MessageBox;
class OutputFiles;
class PageLoader;
class ProcessCapture;
class ProductIndex;
class ProgressDialog;
class ProgressDisplay;
class QuestionBox;
class PhoneScanReceiver;
class ScanJournal;
class ScanWindow;
class SettingsStore;
class SkinComponent;
class SourcesDialog;
class SpreadsheetTarget;
class TextFileWriter;
class ZipArchives;

// Everything of the outside world that the handlers reach, one reference per service. The real
// program fills it with the Qt implementations (QtPlatform), the tests with in-memory fakes
// (FakePlatform). A new service is one more interface here, one Qt implementation and one fake.
// Fill it with designated initialisers (Platform{.window = ..., .listView1 = ...}): two services
// of the same type given in the wrong order would otherwise compile without a word.
struct Platform
{
    Form1Window& window;
    ListControl& listView1;
    ListControl& listView2;
    ProgressDisplay& progressBar1;
    FileDialog& commonDialog1;
    MessageBox& messageBox;
    InputBox& inputBox;
    EventLoop& eventLoop;
    ApplicationTitle& title;
    BrowserOpener& browser;
    FileSystem& files;
    SettingsStore& settings;
    ProcessCapture& capture;
    SkinComponent& skin;
    PageLoader& pageLoader;
    Clipboard& clipboard;
    TextFileWriter& textFiles;
    SpreadsheetTarget& spreadsheet;
    Clock& clock;
    AnswerStore& answers;
    // When each host may next be asked, shared with every other Quillfen of the user.
    PacingStore& pacing;
    // The keys of the sources that need one, in the desktop's keyring.
    KeyStore& keyring;
    ProductIndex& productIndex;
    // The menus' dialogs.
    SourcesDialog& sourcesDialog;
    QuestionBox& questionBox;
    AboutBox& aboutBox;
    // The product database's import and download, in threads of their own.
    ProgressDialog& progressDialog;
    InputFiles& inputFiles;
    HttpFetcher& httpFetcher;
    DownloadStore& downloadStore;
    // Spreadsheets: the containers of .xlsx and .ods files, and the question which column holds
    // the codes.
    ZipArchives& zips;
    ColumnChoiceDialog& columnChoice;
    // Where enriched copies of spreadsheets are written.
    OutputFiles& outputFiles;
    // The product details window, the loader of its pictures (which refuses any larger than a
    // picture should be) and the pictures remembered on disk.
    DetailsWindow& detailsWindow;
    PageLoader& pictureLoader;
    PictureStore& pictures;
    // Barcodes in pictures and PDF pages, read on worker threads: as many files at once as
    // barcodeFilesAtOnce says, for picture files and a scanner that may be called from that many
    // threads together.
    PictureFiles& pictureFiles;
    PdfDocument& pdfDocument;
    BarcodeScanner& barcodeScanner;
    // The scan window and its session file in the data folder.
    ScanWindow& scanWindow;
    ScanJournal& scanJournal;
    // The phone scanner's server, off until the scan window turns it on.
    PhoneScanReceiver& phoneScans;
    // Library catalogues over Z39.50 and SRU, for the sources of catalogue records.
    CatalogueConnection& catalogue;
    int barcodeFilesAtOnce = 1;
};
