// Every fake's destructor is defined here, out of line, so that each fake's virtual functions and
// table are compiled once, in this library, rather than in every test that includes the fakes:
// a test file compiled them all again, which was half of its object code and of its build time.
#include "fakes/FakeAboutBox.h"
#include "fakes/FakeAnswerStore.h"
#include "fakes/FakeBarcodeScanner.h"
#include "fakes/FakeBatchConsole.h"
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
#include "fakes/FakeInputFiles.h"
#include "fakes/FakeKeyStore.h"
#include "fakes/FakeLineInput.h"
#include "fakes/FakeListControl.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakePacingStore.h"
#include "fakes/FakePageLoader.h"
#include "fakes/FakePdfDocument.h"
#include "fakes/FakePendingPage.h"
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
#include "fakes/FakeStopSignals.h"
#include "fakes/FakeTextFileWriter.h"
#include "fakes/FakeZipArchives.h"

FakeAboutBox::~FakeAboutBox() = default;
FakeAnswerStore::~FakeAnswerStore() = default;
FakeBarcodeScanner::~FakeBarcodeScanner() = default;
FakeBatchConsole::~FakeBatchConsole() = default;
FakeBrowserOpener::~FakeBrowserOpener() = default;
FakeCatalogueConnection::~FakeCatalogueConnection() = default;
FakePendingCatalogueAnswer::~FakePendingCatalogueAnswer() = default;
FakeClipboard::~FakeClipboard() = default;
FakeClock::~FakeClock() = default;
FakeColumnChoiceDialog::~FakeColumnChoiceDialog() = default;
FakeDownloadStore::~FakeDownloadStore() = default;
FakeEventLoop::~FakeEventLoop() = default;
FakeFileDialog::~FakeFileDialog() = default;
FakeFileSystem::~FakeFileSystem() = default;
FakeForm1Window::~FakeForm1Window() = default;
FakeHttpFetcher::~FakeHttpFetcher() = default;
FakeInputBox::~FakeInputBox() = default;
FakeInputFiles::~FakeInputFiles() = default;
FakeInputFiles::File::~File() = default;
FakeListControl::~FakeListControl() = default;
FakeMessageBox::~FakeMessageBox() = default;
FakeOutputFiles::~FakeOutputFiles() = default;
FakeKeyStore::~FakeKeyStore() = default;
FakeLineInput::~FakeLineInput() = default;
FakePacingStore::~FakePacingStore() = default;
FakePageLoader::~FakePageLoader() = default;
FakePdfDocument::~FakePdfDocument() = default;
FakePendingPage::~FakePendingPage() = default;
FakePictureFiles::~FakePictureFiles() = default;
FakeProcessCapture::~FakeProcessCapture() = default;
FakeProductIndex::~FakeProductIndex() = default;
FakeProgressDialog::~FakeProgressDialog() = default;
FakeProgressDisplay::~FakeProgressDisplay() = default;
FakeQuestionBox::~FakeQuestionBox() = default;
FakeSettingsStore::~FakeSettingsStore() = default;
FakeSkinComponent::~FakeSkinComponent() = default;
FakeSourcesDialog::~FakeSourcesDialog() = default;
FakeSpreadsheetTarget::~FakeSpreadsheetTarget() = default;
FakeStopSignals::~FakeStopSignals() = default;
FakeTextFileWriter::~FakeTextFileWriter() = default;
FakeScanJournal::~FakeScanJournal() = default;
FakePhoneScanReceiver::~FakePhoneScanReceiver() = default;
FakeScanWindow::~FakeScanWindow() = default;
FakeZipArchives::~FakeZipArchives() = default;
FakeZipArchives::Archive::~Archive() = default;
FakeDetailsWindow::~FakeDetailsWindow() = default;
FakePictureStore::~FakePictureStore() = default;
