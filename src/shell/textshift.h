#pragma once
// Shifts every character code by 85, so stored text does not read at a glance. Bytes in, bytes out
// (one byte per character, Latin-1); a character whose shifted code leaves 0..255 is dropped.
#include <QByteArray>

QByteArray EncodeText(const QByteArray& text);
QByteArray DecodeText(const QByteArray& text);
