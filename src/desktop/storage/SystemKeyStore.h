#pragma once

// The key store of the system the program is built for: the Credential Manager on Windows, the
// desktop's keyring through QtKeychain elsewhere. The build compiles only the one named here.
#include <QtGlobal>

#ifdef Q_OS_WIN
#include "desktop/storage/CredentialManagerKeyStore.h"
using SystemKeyStore = CredentialManagerKeyStore;
#else
#include "desktop/storage/QtKeychainStore.h"
using SystemKeyStore = QtKeychainStore;
#endif
