// What the program says, in Russian, when the desktop cannot give it what it needs: a display
// to open its window on, and the font its texts are set in.
#pragma once

// Call before the application object is made: if Qt then finds no display (or no platform it
// can start), the program says so and ends with status 1 instead of Qt's abort. Qt's own
// messages of the start are held back until it has started, and dropped if it cannot.
void SayWhenNoDisplay();
// Call once the application object exists: lets Qt's messages through again.
void DisplayFound();

// Says on standard error which package to install when the texts' face, Liberation Sans
// ("Arial"), with its Cyrillic letters, is not to be had. The rule itself is drawn without it.
void SayWhenNoUsableFont();
