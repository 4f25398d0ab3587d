#pragma once
// The libraries of features most runs never use (the update check and its download, the About
// box's links, the folder browser, the save, open and colour dialogs, the season chart) are
// delay-loaded: the program loads each the first time it calls into it. A feature asks for its
// libraries here before that first call, so a system that cannot give one gets a message instead
// of a crash halfway through.
#include <windows.h>

enum class Feature {
    Update,       // the version check: version file, download and its hash, folder browser
    Links,        // the About box's mail and web links
    SaveDialog,   // "Speichern..." of the overview and the chart
    OpenDialog,   // "Bilanzen aus Datei..."
    ColourDialog, // the highlight colour
    Chart,        // the season chart's drawing and its PNG file
};

// Loads the feature's libraries from the system folder. False, after telling the user which
// one is missing in a box owned by owner, when one cannot be loaded.
bool loadLibrariesFor(Feature feature, HWND owner);

// COM on this thread for as long as the object lives, as the shell's functions want it.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_ = false;
};
