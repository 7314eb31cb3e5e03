#pragma once
// Lets test failures show Qt strings and characters as text, and Qt objects (widgets, windows)
// by their class, name and caption rather than by their address. Every test file that compares
// such values includes this header, through windowtest.h or itself: a file that compared them
// without it would print them, and could make the whole test program print them, as raw bytes.
#include <QAbstractButton>
#include <QByteArray>
#include <QChar>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <concepts>
#include <ostream>
#include <string>
#include <type_traits>

// Text with its line ends and tabs written as \r, \n and \t.
inline std::string Escaped(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return shown.toStdString();
}

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << Escaped(text) << '"'; }

inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << Escaped(QString::fromLatin1(bytes)) << '"'; }

inline void PrintTo(QChar c, std::ostream* os) {
    *os << '\'' << Escaped(QString(c)) << "' (U+" << QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0')).toStdString()
        << ')';
}

// "null", or the class with the object's name and, for a widget or window, its caption.
template <typename T>
    requires std::derived_from<std::remove_cv_t<T>, QObject>
void PrintTo(T* object, std::ostream* os) {
    if (!object) {
        *os << "null";
        return;
    }
    *os << object->metaObject()->className();
    if (!object->objectName().isEmpty()) *os << " \"" << object->objectName().toStdString() << '"';
    if (const auto* button = qobject_cast<const QAbstractButton*>(object)) *os << " \"" << Escaped(button->text()) << '"';
    QString caption;
    if (const auto* widget = qobject_cast<const QWidget*>(object)) {
        caption = widget->window()->windowTitle();
        if (widget->window() != widget) *os << " in " << widget->window()->metaObject()->className();
    } else if (const auto* window = qobject_cast<const QWindow*>(object)) {
        caption = window->title();
    }
    if (!caption.isEmpty()) *os << " (\"" << caption.toStdString() << "\")";
}
