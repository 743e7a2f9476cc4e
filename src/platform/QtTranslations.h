#pragma once

// Qt's own dialogs (the open-file dialog above all) speak Japanese like the
// rest of the game, whatever the locale: their captions from Qt's translation
// files, without which they stay in English, and the names of file types from
// the system's type database in Japanese.
void LoadJapaneseQtTranslations();
