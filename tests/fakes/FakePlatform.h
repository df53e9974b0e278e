#pragma once

#include "common/ApplicationTitle.h"
#include "desktop/system/QtClock.h"
#include "fakes/FakeAboutBox.h"
#include "fakes/FakeAnswerStore.h"
#include "fakes/FakeBarcodeScanner.h"
#include "fakes/FakeBrowserOpener.h"
#include "fakes/FakeCatalogueConnection.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeColumnChoiceDialog.h"
#include "fakes/FakeDetailsWindow.h"
#include "fakes/FakeDownloadStore.h"
#include "fakes/FakeEventLoop.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeForm1Window.h"
#include "fakes/FakeHttpFetcher.h"
#include "fakes/FakeInputBox.h"
#include "fakes/FakeKeyStore.h"
#include "fakes/FakeListControl.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakePacingStore.h"
#include "fakes/FakePageLoader.h"
#include "fakes/FakePdfDocument.h"
#include "fakes/FakePhoneScanReceiver.h"
#include "fakes/FakePictureFiles.h"
#include "fakes/FakePictureStore.h"
#include "fakes/FakeProcessCapture.h"
#include "fakes/FakeProductIndex.h"
#include "fakes/FakeProgressDialog.h"
#include "fakes/FakeProgressDisplay.h"
#include "fakes/FakeQuestionBox.h"
#include "fakes/FakeScanJournal.h"
#include "fakes/FakeScanWindow.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeSkinComponent.h"
#include "fakes/FakeSourcesDialog.h"
#include "fakes/FakeSpreadsheetTarget.h"
#include "fakes/FakeTextFileWriter.h"
#include "fakes/FakeZipArchives.h"
#include "platform/Platform.h"

// Every service of the outside world in memory, for the handlers to run against in tests.
struct FakePlatform
{
    FakePlatform() { eventLoop.clock = &clock; }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    ApplicationTitle title{QStringLiteral("Quillfen")};
    FakeForm1Window window;
    FakeListControl listView1{false};
    FakeListControl listView2{true};
    FakeProgressDisplay progressBar1;
    FakeFileDialog commonDialog1;
    FakeMessageBox messageBox{title};
    FakeInputBox inputBox{title};
    FakeEventLoop eventLoop;
    FakeBrowserOpener browser;
    FakeFileSystem files;
    FakeSettingsStore settings;
    FakeProcessCapture capture;
    FakeSkinComponent skin;
    FakePageLoader pageLoader{eventLoop};
    FakeClipboard clipboard;
    FakeTextFileWriter textFiles;
    FakeSpreadsheetTarget spreadsheet;
    FakeClock clock;
    QtClock liveClock;
    FakeAnswerStore answers;
    FakePacingStore pacing;
    FakeKeyStore keyring;
    FakeProductIndex productIndex;
    FakeSourcesDialog sourcesDialog;
    FakeQuestionBox questionBox{title};
    FakeAboutBox aboutBox;
    FakeProgressDialog progressDialog;
    FakeInputFiles inputFiles;
    FakeHttpFetcher httpFetcher;
    FakeDownloadStore downloadStore{inputFiles};
    FakeZipArchives zips;
    FakeColumnChoiceDialog columnChoice;
    FakeOutputFiles outputFiles;
    FakeDetailsWindow detailsWindow;
    FakePageLoader pictureLoader{eventLoop};
    FakePictureStore pictures;
    FakePictureFiles pictureFiles;
    FakePdfDocument pdfDocument;
    FakeBarcodeScanner barcodeScanner;
    FakeScanWindow scanWindow;
    FakeScanJournal scanJournal;
    FakePhoneScanReceiver phoneScans;
    FakeCatalogueConnection catalogue{eventLoop};

    Platform services() { return services(eventLoop, pageLoader, clock); }

    // The fakes around a real event loop and page loader, for runs against a live service; time
    // passes for real then.
    Platform services(EventLoop& loop, PageLoader& loader)
    {
        return services(loop, loader, liveClock);
    }

    Platform services(EventLoop& loop, PageLoader& loader, Clock& time)
    {
        return Platform{
            .window = window,
            .listView1 = listView1,
            .listView2 = listView2,
            .progressBar1 = progressBar1,
            .commonDialog1 = commonDialog1,
            .messageBox = messageBox,
            .inputBox = inputBox,
            .eventLoop = loop,
            .title = title,
            .browser = browser,
            .files = files,
            .settings = settings,
            .capture = capture,
            .skin = skin,
            .pageLoader = loader,
            .clipboard = clipboard,
            .textFiles = textFiles,
            .spreadsheet = spreadsheet,
            .clock = time,
            .answers = answers,
            .pacing = pacing,
            .keyring = keyring,
            .productIndex = productIndex,
            .sourcesDialog = sourcesDialog,
            .questionBox = questionBox,
            .aboutBox = aboutBox,
            .progressDialog = progressDialog,
            .inputFiles = inputFiles,
            .httpFetcher = httpFetcher,
            .downloadStore = downloadStore,
            .zips = zips,
            .columnChoice = columnChoice,
            .outputFiles = outputFiles,
            .detailsWindow = detailsWindow,
            .pictureLoader = pictureLoader,
            .pictures = pictures,
            .pictureFiles = pictureFiles,
            .pdfDocument = pdfDocument,
            .barcodeScanner = barcodeScanner,
            .scanWindow = scanWindow,
            .scanJournal = scanJournal,
            .phoneScans = phoneScans,
            .catalogue = catalogue,
        };
    }
};
