#pragma once

#include <QImage>
#include <QString>

// A small board for the help text, drawn by the game's own painter.
// `description` is "SIZE;WORD,COLUMN,ROW,横|縦;…"; a word written "*WORD" is
// drawn as while its label is held. Parts it cannot read are left out.
QImage DrawExampleBoard(const QString& description, qreal ratio);
