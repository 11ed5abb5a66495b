#pragma once
// The five family-tree windows as they are meant to open, written out by hand: the window
// and its info list, the generation rows, and how many lines each portrait lists.

#include "scene/SceneSource.h"

#include <QSize>
#include <QStringList>
#include <span>

namespace fg::test {

struct TreeWindow {
    const char* name;
    const char* root;              // the root portrait, whose name line the caption carries
    bool captionWithoutMiddleName; // the caption gives only given and family name
    Twips clientLeft, clientTop, clientWidth, clientHeight;
    bool toolWindow;       // sizable tool window: no minimise or maximise box, no taskbar
    ColourValue backColor; // shows where the background picture does not reach
    QSize background;      // the background picture, in pixels
    Twips listLeft, listTop, listWidth, listHeight;
    int listRows;
    ColourValue listBack, listFore;
    int portraits;
    int lines; // nested ones included
};

std::span<const TreeWindow> treeWindows();
const TreeWindow& treeWindow(const char* name);

// One generation: the portraits that share a Top.
struct GenerationRow {
    const char* window;
    Twips top;
    const char* portraits; // separated by blanks
};

std::span<const GenerationRow> generationRows();

// A portrait with a MouseMove handler and the number of lines it lists.
struct HoverCount {
    const char* window;
    const char* portrait;
    int lines;
};

std::span<const HoverCount> hoverCounts();
int hoverCount(const char* window, const QString& portrait); // 0: no handler

// Portraits that react to no pointer movement.
QStringList portraitsWithoutHandler(const char* window);

// Lines that join nothing: dots and strokes outside the tree.
QStringList linesOfNoBranch(const char* window);

} // namespace fg::test
