#pragma once

class QLocale;

// Installs the translations for `locale` into the running application: Qt's own (its dialogs
// and buttons) and QScintilla's from the system's translations folder, then the program's own
// from its resources. A language without a translation keeps the English texts. Returns whether
// the program's own translation was found.
bool installTranslations(const QLocale &locale);
