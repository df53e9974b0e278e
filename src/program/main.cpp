// Both executables' entry. The program a user starts runs batch mode, scans and the index
// commands, and hands the window and --labels over to the program that carries them (see
// ProgramMain.h); where there is one executable (Windows), it carries everything.
#include "program/ProgramMain.h"

#if QUILLFEN_CARRIES_WINDOW
#include "program/WindowModes.h"
#endif

int main(int argc, char* argv[])
{
    const ProgramPlaces places{
        .dataFromProgram = QStringLiteral(QUILLFEN_DATA_FROM_PROGRAM),
        .sourceTreePresets = QStringLiteral(QUILLFEN_SOURCE_TREE_PRESETS),
        .sourceTreeLayouts = QStringLiteral(QUILLFEN_SOURCE_TREE_LAYOUTS),
        .windowProgramFromProgram = QStringLiteral(QUILLFEN_WINDOW_FROM_PROGRAM),
        .picturesModuleFromProgram = QStringLiteral(QUILLFEN_PICTURES_FROM_PROGRAM),
        .connectionsModuleFromProgram = QStringLiteral(QUILLFEN_CONNECTIONS_FROM_PROGRAM),
    };
#if QUILLFEN_CARRIES_WINDOW
    return ProgramMain(argc, argv, places, &TheWindowModes());
#else
    return ProgramMain(argc, argv, places, nullptr);
#endif
}
