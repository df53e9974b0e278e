#pragma once

#include <QString>

class QProcessEnvironment;
class QtUiTranslations;
struct AppConfig;
struct ConnectionMakers;
struct PictureMakers;

// Where an executable finds the files that come with the program, as it was built to.
struct ProgramPlaces
{
    // From the executable's folder to the program's data folder once installed: the skin, the
    // hand pointer, the presets and the label layouts. Beside the executable in a build tree.
    QString dataFromProgram;
    // The presets and the label layouts in the source tree, for a run from the build tree.
    QString sourceTreePresets;
    QString sourceTreeLayouts;
    // The program that carries the window (see WindowModes), from the executable's folder; unused
    // where the executable carries it itself.
    QString windowProgramFromProgram;
    // The pictures module (program/PictureModule.h), from the executable's folder; unused where
    // the executable carries the readers itself.
    QString picturesModuleFromProgram;
    // The connections module (program/ConnectionsModule.h), the same way.
    QString connectionsModuleFromProgram;
};

// What only the program that carries the window has: the modes that need Qt GUI, and the readers
// of pictures and PDF pages and the connections linked in.
struct WindowModes
{
    // The window, with the configuration main() settled, the language's catalogues and the
    // language saved in the settings.
    int (*window)(int& argc, char** argv, AppConfig& config, QtUiTranslations& translations,
                  const QString& savedLanguage, const QProcessEnvironment& environment);
    // quillfen --labels.
    int (*labels)(int& argc, char** argv, const AppConfig& config, QtUiTranslations& translations);
    const PictureMakers* pictures;
    const ConnectionMakers* connections;
};

// main() of both executables. Without window modes (null), the window and --labels are handed
// over to the program at places.windowProgramFromProgram, in the same process, before anything
// is read or said, so that the program a user starts links and loads only what batch mode, scans
// and the index commands need. Loading Qt GUI, Widgets, Multimedia, Poppler and their kin took
// 0.03 s of every start, a thirteenth of a batch of 100,000 codes looked up in the index.
int ProgramMain(int argc, char* argv[], const ProgramPlaces& places, const WindowModes* modes);
