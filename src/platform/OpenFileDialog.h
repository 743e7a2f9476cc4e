#pragma once

#include <QString>

class QWidget;

// Asks for an existing file in Qt's own open-file dialog, which speaks
// Japanese on every desktop; "" when the player cancels. A filter of one
// suffix ("ツブラ用ファイル (*.tbr)") also names the type of its files.
QString AskForExistingFile(QWidget* owner, const QString& title, const QString& folder,
                           const QString& filters);
