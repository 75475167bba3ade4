#pragma once

class QLocale;

// Loads Qt's own translations (button texts, standard dialogs, context menus)
// for `locale` from Qt's translations folder and installs them on the
// application, which owns them from then on. Returns whether a catalogue was
// found and installed; without one Qt keeps its English texts.
bool InstallQtTranslations(const QLocale& locale);
