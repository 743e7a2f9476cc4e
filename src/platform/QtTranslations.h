#pragma once

// Qt's own dialogs (the open-file dialog above all) speak Japanese like the
// rest of the game, whatever the locale. Without Qt's translation files they
// stay in English.
void LoadJapaneseQtTranslations();
