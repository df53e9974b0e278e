#pragma once

#include "desktop/files/QtOutputFiles.h"
#include "program/ConnectionMakers.h"
#include "program/ModuleFile.h"

// The pages, catalogues, MARC records, keys, zip containers and workbooks a run is given: the
// makers the program carries, or stand-ins that load the connections module from its file the
// first time one of them is used, so that a run from the index loads none of libcurl, YAZ,
// QtKeychain, libzip and libxlsxwriter, nor the fifty libraries they load in turn. A module that
// cannot be loaded fails that use the way a failed operation does, and the next use tries again.
class ConnectionsModule
{
    Q_DISABLE_COPY_MOVE(ConnectionsModule)
public:
    // builtIn: the makers linked into the program, or null for the module in the file `file`
    // names once it is first needed (when the application object exists to say where the
    // program lies).
    ConnectionsModule(const ConnectionMakers* builtIn, std::function<QString()> file);
    ~ConnectionsModule();

    // Each used as what it stands for would be; none may outlive this object.
    std::unique_ptr<PageLoader> curlPageLoader(PageLoaderLimits limits) const;
    std::unique_ptr<CatalogueConnection> catalogueConnection(bool loopbackOnly) const;
    MarcCodec& marcCodec() const;
    std::unique_ptr<KeyStore> keyStore() const;
    std::unique_ptr<ZipArchives> zipArchives() const;
    QtOutputFiles::WorkbookMaker workbooks() const;

    // The makers, the module loaded first if need be. Throws OperationFailed when it cannot be.
    const ConnectionMakers& makers() const;

private:
    const ConnectionMakers* m_builtIn;
    ModuleFile m_file;
    std::unique_ptr<MarcCodec> m_codec; // the stand-in, for the module
};

// The connections linked into the program that carries the window (quillfen_program), for it and
// for what tests and benchmarks make of it.
const ConnectionsModule& LinkedConnections();
