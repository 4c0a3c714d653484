#pragma once

class QLineEdit;
class QString;

// Writes a browsed picture's pixel size into Width and Height, but only when both are still
// empty (a size the user typed wins) and Qt can read the picture's header.
void fillPictureSize(const QString &picturePath, QLineEdit *width, QLineEdit *height);
