#pragma once
// The window's looks as Qt style sheets, all in one place and written with the palette's names,
// so every colour on screen comes from skin_palette.h. A control takes its look by name:
// `label->setStyleSheet(skin::styleSheet(skin::Look::Hint))`.

#include <QColor>
#include <QString>

#include "ui/skin/skin_palette.h"

namespace gm::skin {

enum class Look {
    PageBox,            // the pages' group boxes and the engineering tab bar
    PageOverlay,        // covers a page until an image is read
    Heading,            // the no-device page's title
    Hint,               // a hint under a heading
    Problem,            // what the no-device page found
    DialogText,         // a message dialog's text
    UpdatePath,         // the update page's file path
    BackupsDialog,      // the backups dialog
    CardTitle,          // a card's title on the Advanced and Light pages
    MutedText,          // a card's captions
    ValueText,          // a CPI level's value
    ValueTextOutOfUse,  // the value of a CPI level not in use
    CardCombo,          // a card's drop-down list
    KeySidePanel,       // the key page's side panel
    KeySheet,           // the engineering Keys sheet
    EngineerSheet,      // the engineering operations' groups and fields
    StatusTests,        // the status test boxes
    SettingsSheet,      // the engineering settings sheets
    ImageAreas,         // the image sheet's list of areas
    ImageBytes,         // the image sheet's hex view
    ChecksumMatch,      // a computed checksum equal to the stored one
    ChecksumMismatch,   // a computed checksum that differs
    SmallCaption,       // the sensor registers' captions
    StandardDialog,     // Qt's own dialogs (files, colours) and the tray menu, in the dark look
    SmallDialog,        // the one-value dialogs (the macro name)
    MacroPage,          // the macro page's lists and captions
};

// The style sheet of `look`, with the palette's colours filled in.
const QString& styleSheet(Look look);

// A palette colour for painting, and as a style sheet writes it ("#RRGGBB").
QColor qColour(Rgb colour);
QString cssColour(Rgb colour);

// A colour swatch filled with `fill` (the engineering LED sheet).
QString swatchStyle(const QColor& fill);
// The faint accent panel that lifts the current CPI level's row, named by object name.
QString liftedRowStyle(const QString& objectName);

}  // namespace gm::skin
