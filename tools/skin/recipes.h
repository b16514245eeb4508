#pragma once
// One drawing function per picture family; each adds its pictures to the set.

#include "picture_set.h"

namespace gm::skin::gen {

void drawButtons(PictureSet& set);      // three-state buttons: BtnS, SetS, KeyS, ... MacroBtnS
void drawMarks(PictureSet& set);        // check and radio marks, bar segments, colour frame
void drawBackgrounds(PictureSet& set);  // window frames and page backgrounds
void drawPanels(PictureSet& set);       // insert panels, update banner, message box
void drawMouse(PictureSet& set);        // the top view of the mouse
void drawGuns(PictureSet& set);         // seven gun cards, normal and selected
void drawIcons(PictureSet& set);        // macro event icons, gun stage icons, logo, app icon

// Every family above, in one set.
PictureSet drawAllPictures();

// The contact sheet: every picture of the set, named, plus sample pages assembled from them.
QImage drawContactSheet(const PictureSet& set);

}  // namespace gm::skin::gen
